#pragma once

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

}  // namespace kelvo::test
