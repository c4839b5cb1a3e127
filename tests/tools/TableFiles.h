#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>

#include "TableFile.h"

namespace kelvo::test {

// Writes the raw table `raw` in each format the tool reads: DIR/NAME.rsmb (raw), DIR/NAME.bin
// (dmidecode dump) and the folder DIR/NAME-sysfs with smbios_entry_point and DMI.
inline void WriteTableFiles(const smbios_tool::RawTable& raw, const std::string& directory,
                            const std::string& name) {
    using namespace kelvo::smbios_tool;
    const std::filesystem::path base(directory), sysfs = base / (name + "-sysfs");
    std::filesystem::create_directories(sysfs);
    WriteFile((base / (name + ".rsmb")).string(), raw);
    WriteFile((base / (name + ".bin")).string(), DumpBin(raw));
    // Linux's entry point holds the table's physical address; readers of the folder ignore it.
    WriteFile((sysfs / "smbios_entry_point").string(), EntryPoint(raw, 0));
    WriteFile((sysfs / "DMI").string(), RawTable(raw.begin() + kRawHeaderSize, raw.end()));
}

// `size` bytes of firmware memory, zeros but for `entry` at `entryAt` and `table` at `tableAt`.
inline smbios_tool::RawTable MemoryImage(const smbios_tool::RawTable& entry, std::size_t entryAt,
                                         const smbios_tool::RawTable& table, std::size_t tableAt,
                                         std::size_t size) {
    smbios_tool::RawTable image(size, 0);
    std::copy(entry.begin(), entry.end(), image.begin() + static_cast<std::ptrdiff_t>(entryAt));
    std::copy(table.begin(), table.end(), image.begin() + static_cast<std::ptrdiff_t>(tableAt));
    return image;
}

}  // namespace kelvo::test
