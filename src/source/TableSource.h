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
    MemoryImage,      // a copy of firmware memory: the table at its address less the image's base
};

struct SourceInfo {
    SourceFormat format = SourceFormat::Raw;
    // A bare table's version: given by the caller, or (when it gave none) the lowest version
    // whose structure layouts are long enough for every structure of the nine decoded types.
    bool versionInferred = false;
    // Empty for a whole table. For a table read only up to its last whole structure (its bytes
    // end first, or the walk meets a structure it cannot step over): one line naming the file,
    // the byte where the table stopped, why, and the handle of the last whole structure.
    std::string warning;
};

// Reads `path`: a raw RSMB file, an entry point with its table (a dmidecode --dump-bin file, or a
// copy of firmware memory), a folder holding smbios_entry_point and DMI (as Linux's
// /sys/firmware/dmi/tables) or a bare structure table, told apart by content. `bareVersion`
// (major * 256 + minor, 0 for none) is the version of a bare table.
//
// Every place where an entry point's table may lie in the file is tried, and a place is used only
// when the structures found there agree with the entry point: a 2.1 entry point's structure count
// within its table length (or an end-of-table structure first); for an SMBIOS 3 entry point,
// whole structures up to an end-of-table structure within its maximum length, or up to that
// length, or up to the end of the file. A table whose bytes end first, or whose walk meets a
// structure that cannot be stepped over, is read up to its last whole structure and
// `info->warning` says so; the raw header's Length then counts those bytes. On failure returns
// false, sets `fault` and puts one line naming the file and the fault, or the places tried, in
// `errorText`.
bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText, std::uint16_t bareVersion = 0,
                   SourceInfo* info = nullptr);

// Reads the running machine's table: the firmware's RSMB table on Windows, the folder
// /sys/firmware/dmi/tables elsewhere (by the same rules as a folder given to ReadTableFile). On
// failure returns false and puts the system's text for the failure (or what is wrong with the
// entry point) in `errorText`.
bool ReadLiveTable(std::vector<std::uint8_t>& raw, std::string& errorText,
                   SourceInfo* info = nullptr);

}  // namespace kelvo::shared::smbios::source
