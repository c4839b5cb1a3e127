#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <smbios/SMBiosInfo.h>

#include "common/TableView.h"

namespace kelvo::shared::smbios::pimpl {

// One walked structure: its header and the record of its own type (the other records stay
// default-constructed).
struct DecodedStructure {
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::uint16_t handle = 0;
    TypeProcessor processor;
    TypeBaseboard baseboard;
    TypeSysInfo sysInfo;
    TypeBios bios;
    TypeSystemEnclosure enclosure;
    TypePhysicalMemory physicalMemory;
    TypeMemoryDevice memoryDevice;
    SystemSlot slot;
    TypeOemStrings oemStrings;

    DecodedStructure() = default;
    DecodedStructure(const DecodedStructure& other) = default;
    // Copies the records only; the header stays as it is.
    DecodedStructure& operator=(const DecodedStructure& other);
    // Back to the default state: header zero, every record default-constructed.
    void Reset();
};

// State of one walk over an accepted structure table. Offsets count from the table's start.
struct ParseState {
    SMBiosSpecVersion version = SMBiosSpecVersion::None;
    bool hasTable = false;  // false when the table was rejected
    TableView table;        // the structure table, exactly the header's Length bytes
    DecodedStructure current;
    std::string scratch;  // working text of the type-1 decoder

    bool started = false;   // the first structure has been located
    bool finished = false;  // the end of the table has been reached
    // Offset 04h of the current structure. The decoders' byte cursor starts here (a
    // FieldCursor); the next structure is found from here and the Length alone.
    std::uint64_t fieldStart = 0;
};

// Locates the next structure and decodes it, or yields null at the end of the table.
std::unique_ptr<DecodedStructure> NextStructure(ParseState& state);

// Decodes the structure whose header NextStructure has just read into state.current, and
// yields a copy of it.
std::unique_ptr<DecodedStructure> DecodeStructure(ParseState& state);

// The text of string `number` of the structure whose formatted fields start at `fieldStart`:
// empty for number 0 or a number past the last string, cut at the end of the table.
std::string_view LookupString(const TableView& table, std::uint64_t fieldStart, std::uint8_t length,
                              std::uint8_t number);

// Shorthand for decoders: a string of the current structure.
std::string_view LookupString(const ParseState& state, std::uint8_t number);

namespace testing {
// Called before each structure is decoded; lets tests make the Nth decoding fail.
using DecodeHook = void (*)(const DecodedStructure& structure);
void SetDecodeHook(DecodeHook hook);
}  // namespace testing

}  // namespace kelvo::shared::smbios::pimpl
