#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reading a table from wherever it is kept into the raw layout that GetSystemFirmwareTable('RSMB')
// returns: an 8-byte header (calling method, major, minor, DMI revision, 32-bit little-endian
// Length) followed by the structure table.
namespace kelvo::shared::smbios::source {

enum class SourceFault {
    None,
    Unreadable,  // the file or folder cannot be opened or read
    NotATable,   // it was read, but holds no table in any format the library knows
};

// Reads `path`: a raw RSMB file, a dmidecode --dump-bin file or a folder holding
// smbios_entry_point and DMI (as Linux's /sys/firmware/dmi/tables), told apart by content. On
// failure returns false, sets `fault` and puts one line naming the file and the fault in
// `errorText`.
bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText);

// Reads the running machine's table: the firmware's RSMB table on Windows, the folder
// /sys/firmware/dmi/tables elsewhere. On failure returns false and puts the system's text for the
// failure (or what is wrong with the entry point) in `errorText`.
bool ReadLiveTable(std::vector<std::uint8_t>& raw, std::string& errorText);

}  // namespace kelvo::shared::smbios::source
