#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <smbios/IFirmwareReader.h>

namespace kelvo::smbios_tool {

// A table in the raw layout of GetSystemFirmwareTable('RSMB'): calling method, major, minor,
// DMI revision, 32-bit little-endian Length, then Length bytes of structures.
using RawTable = std::vector<std::uint8_t>;

constexpr std::size_t kRawHeaderSize = 8;
// Where a dump file keeps its table, as dmidecode --dump-bin writes it.
constexpr std::uint64_t kDumpTableAddress = 0x20;

// A table file that cannot be read, or a table that cannot be written. Reading names the file in
// the message (it may be one inside a folder); writing leaves that to the caller.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads `path` as a raw table, a dmidecode --dump-bin file or a directory holding
// smbios_entry_point and DMI (as Linux's /sys/firmware/dmi/tables), told apart by content.
// Throws FileError.
RawTable LoadTable(const std::string& path);

// The running machine's table, read by the tool itself: the firmware's RSMB table on Windows,
// /sys/firmware/dmi/tables elsewhere. Throws FileError.
RawTable ReadLiveTable();

// An SMBIOS entry point for `raw`'s table placed at `tableAddress`: "_SM3_" for a 3.x table,
// the 2.1 "_SM_" one otherwise, with its checksums. Throws FileError for a table that the 2.1
// entry point cannot describe. Expects a well-formed raw table (LoadTable's result).
std::vector<std::uint8_t> EntryPoint(const RawTable& raw, std::uint64_t tableAddress);

// `raw` as dmidecode --dump-bin writes a table: the entry point, then the table at 20h.
std::vector<std::uint8_t> DumpBin(const RawTable& raw);

// Writes `bytes` to `path` as they are. Throws FileError.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Hands a raw table to SMBiosInfo.
class RawReader : public kelvo::shared::smbios::IFirmwareReader {
public:
    explicit RawReader(const RawTable& raw) : raw_(raw) {}
    const std::uint8_t* GetData() const override { return raw_.data(); }
    std::uint64_t GetSize() const override { return raw_.size(); }

private:
    const RawTable& raw_;
};

}  // namespace kelvo::smbios_tool
