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

// How a table was kept.
enum class SourceFormat {
    Raw,              // the raw RSMB layout
    DumpBin,          // an entry point, and the table at the offset it gives (dmidecode --dump-bin)
    AfterEntryPoint,  // an entry point giving the firmware's physical address, the table after it
    Folder,           // smbios_entry_point and DMI, as /sys/firmware/dmi/tables
    Bare,             // the structure table alone
    Machine,          // the running machine
};

struct SourceInfo {
    SourceFormat format = SourceFormat::Raw;
    // A bare table's version: given by the caller, or (when it gave none) the lowest version
    // whose structure layouts are long enough for every structure of the nine decoded types.
    bool versionInferred = false;
};

// Reads `path`: a raw RSMB file, an entry point followed by its table (a dmidecode --dump-bin
// file, or a dump whose entry point gives the firmware's physical address), a folder holding
// smbios_entry_point and DMI (as Linux's /sys/firmware/dmi/tables) or a bare structure table,
// told apart by content. `bareVersion` (major * 256 + minor, 0 for none) is the version of a bare
// table. An SMBIOS 3 entry point's table length is a maximum: a shorter table that ends with its
// end-of-table structure is read as it is. On failure returns false, sets `fault` and puts one
// line naming the file and the fault in `errorText`.
bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText, std::uint16_t bareVersion = 0,
                   SourceInfo* info = nullptr);

// Reads the running machine's table: the firmware's RSMB table on Windows, the folder
// /sys/firmware/dmi/tables elsewhere. On failure returns false and puts the system's text for the
// failure (or what is wrong with the entry point) in `errorText`.
bool ReadLiveTable(std::vector<std::uint8_t>& raw, std::string& errorText);

}  // namespace kelvo::shared::smbios::source
