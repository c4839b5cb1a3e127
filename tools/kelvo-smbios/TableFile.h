#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <smbios/IFirmwareReader.h>
#include <smbios/kelvo_smbios.h>

namespace kelvo::smbios_tool {

// A table in the raw layout of GetSystemFirmwareTable('RSMB'): calling method, major, minor,
// DMI revision, 32-bit little-endian Length, then Length bytes of structures.
using RawTable = std::vector<std::uint8_t>;

constexpr std::size_t kRawHeaderSize = 8;
// Where a dump file keeps its table, as dmidecode --dump-bin writes it.
constexpr std::uint64_t kDumpTableAddress = 0x20;

// A table that cannot be written; the caller names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An SMBIOS entry point for the handle's table placed at `tableAddress`: "_SM3_" for a 3.x
// table, the 2.1 "_SM_" one otherwise, with its checksums. Throws FileError for a handle without
// a readable table and for a table that the 2.1 entry point cannot describe.
std::vector<std::uint8_t> EntryPoint(const ksmbios_table* table, std::uint64_t tableAddress);
// The same for a raw table, opened with ksmbios_open_bytes.
std::vector<std::uint8_t> EntryPoint(const RawTable& raw, std::uint64_t tableAddress);

// `raw` as dmidecode --dump-bin writes a table: the entry point, then the table at 20h.
std::vector<std::uint8_t> DumpBin(const RawTable& raw);

// Writes `bytes` to `path` as they are. Throws FileError.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Hands a raw table to SMBiosInfo.
class RawReader : public kelvo::shared::smbios::IFirmwareReader {
public:
    RawReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit RawReader(const RawTable& raw) : RawReader(raw.data(), raw.size()) {}
    const std::uint8_t* GetData() const override { return data_; }
    std::uint64_t GetSize() const override { return size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace kelvo::smbios_tool
