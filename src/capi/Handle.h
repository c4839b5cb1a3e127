#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include "decode/FieldDecoder.h"
#include "source/TableSource.h"

// What a ksmbios_table handle holds: its own copy of the raw table, the C++ interface's parse
// of it, and the table as it is, walked and decoded structure by structure.
namespace kelvo::shared::smbios::capi {

// Hands the handle's own bytes to SMBiosInfo.
class OwnedBytesReader : public IFirmwareReader {
public:
    explicit OwnedBytesReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    const std::uint8_t* GetData() const override { return bytes_.data(); }
    std::uint64_t GetSize() const override { return bytes_.size(); }

private:
    const std::vector<std::uint8_t>& bytes_;
};

// A structure's fields, decoded on first use, with the pointer arrays of their lists.
struct StructureFields {
    std::vector<detail::Field> fields;
    std::vector<std::vector<const char*>> items;  // one per field
};

// One structure of the table as it is.
struct RawStructure {
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::uint16_t handle = 0;
    std::uint64_t offset = 0;
    std::uint64_t formattedSize = 0;
    std::vector<std::string> strings;  // string 1 first
    const void* record = nullptr;      // the decoded record for the nine types
    mutable std::unique_ptr<StructureFields> fields;
    mutable std::unique_ptr<StructureFields> undecoded;  // as its bytes and strings
};

// Every structure of the nine types, decoded; deques keep each record where it was made.
struct DecodedRecords {
    std::deque<TypeBios> bios;
    std::deque<TypeSysInfo> system;
    std::deque<TypeBaseboard> baseboard;
    std::deque<TypeSystemEnclosure> enclosure;
    std::deque<TypeProcessor> processor;
    std::deque<SystemSlot> slot;
    std::deque<TypeOemStrings> oemStrings;
    std::deque<TypePhysicalMemory> memoryArray;
    std::deque<TypeMemoryDevice> memoryDevice;
};

struct RawView {
    bool readable = false;  // header present and major version 2 or more
    std::uint8_t callingMethod = 0;
    // The version that the structures are decoded by: the header's, but for one that firmware is
    // known to write wrongly (see ReadRawView).
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint8_t writtenMajor = 0;  // the header's version as it is
    std::uint8_t writtenMinor = 0;
    std::uint8_t dmiRevision = 0;
    std::uint32_t length = 0;
    std::uint64_t walkedLength = 0;
    std::vector<RawStructure> structures;
    DecodedRecords records;
};

// Walks `raw` (the raw RSMB layout) structure by structure and, with `decodeRecords`, decodes the
// nine types. Reads only inside `raw`; throws nothing but std::bad_alloc.
void ReadRawView(const std::vector<std::uint8_t>& raw, RawView& view, bool decodeRecords = true);

// Finishes a handle whose raw bytes are in place: the C++ interface's parse (over the handle's
// reader, or the default reader when `useDefaultReader`) and the table as it is. With
// `structuresOnly` the structures are not decoded into records and the parse waits for its
// first use.
ksmbios_status OpenHandle(std::unique_ptr<ksmbios_table> table, bool useDefaultReader,
                          bool structuresOnly, ksmbios_table** out);

}  // namespace kelvo::shared::smbios::capi

struct ksmbios_table {
    std::vector<std::uint8_t> raw;
    std::unique_ptr<kelvo::shared::smbios::capi::OwnedBytesReader> reader;
    std::unique_ptr<kelvo::shared::smbios::SMBiosInfo> info;
    std::string errorText;
    kelvo::shared::smbios::capi::RawView view;
    kelvo::shared::smbios::source::SourceInfo source;
};
