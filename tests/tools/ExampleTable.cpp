#include "ExampleTable.h"

#include <filesystem>

#include "TableFile.h"

namespace kelvo::test {

TableBuilder ExampleTable() {
    TableBuilder table(3, 2);
    table.Add(0, 0x0000)
        .Byte(1)
        .Byte(2)
        .Word(0xE800)
        .Byte(3)
        .Byte(0x0F)
        .Bytes({0x80, 0x98, 0xEB, 0x5F, 0x0B, 0x00, 0x01, 0x02})
        .Bytes({0x03, 0x0D, 1, 7, 2, 5})
        .String("Kelvo Systems")
        .String("KS-1.07")
        .String("03/15/2024");
    table.Add(1, 0x0001)
        .Bytes({1, 2, 3, 4})
        .Bytes({0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD,
                0xEE, 0xFF})
        .Bytes({0x06, 5, 6})
        .String("Kelvo Systems")
        .String("Kelvo Desk 9")
        .String("Rev B")
        .String("KS0001")
        .String("SKU-9")
        .String("Desk");
    table.Add(2, 0x0002)
        .Bytes({1, 2, 3, 4, 5, 0x09, 6})
        .Word(0x0003)
        .Bytes({0x0A, 2})
        .Word(0x0004)
        .Word(0x0009)
        .String("Kelvo Systems")
        .String("KB-900")
        .String("1.0")
        .String("BB42")
        .String("Asset-2")
        .String("Slot A");
    table.Add(3, 0x0003)
        .Bytes({1, 0x83, 2, 3, 4, 0x03, 0x03, 0x03, 0x03})
        .Dword(0x12345678)
        .Bytes({2, 1, 1, 3, 0x91, 0x01, 0x02, 5})
        .String("Kelvo Systems")
        .String("C-1")
        .String("CH0001")
        .String("Asset-3")
        .String("SKU-C");
    table.Add(4, 0x0004)
        .Bytes({1, 0x03, 0xC6, 2})
        .Bytes({0xA1, 0x06, 0x09, 0x00, 0xFF, 0xFB, 0xEB, 0xBF})
        .Bytes({3, 0x8C})
        .Word(100)
        .Word(4800)
        .Word(3200)
        .Bytes({0x41, 0x3E})
        .Word(0x0005)
        .Word(0x0006)
        .Word(0x0007)
        .Bytes({4, 5, 6, 8, 6, 12})
        .Word(0x00FC)
        .Word(0x00C6)
        .Word(8)
        .Word(6)
        .Word(12)
        .String("CPU0")
        .String("Kelvo Silicon")
        .String("Kelvo K9 @ 3.2GHz")
        .String("CPU-SN")
        .String("CPU-AT")
        .String("K9-3200");
    table.Add(9, 0x0009)
        .Bytes({1, 0xA6, 0x0D, 0x04, 0x04})
        .Word(0x0001)
        .Bytes({0x04, 0x03})
        .Word(0x0002)
        .Bytes({0x03, 0x08})
        .String("PCIE1");
    table.Add(11, 0x000B).Byte(2).String("Kelvo OEM one").String("two");
    table.Add(16, 0x0010)
        .Bytes({0x03, 0x03, 0x06})
        .Dword(0x80000000)
        .Word(0xFFFE)
        .Word(2)
        .Qword(0x4000000000);
    table.Add(17, 0x0011)
        .Word(0x0010)
        .Word(0xFFFE)
        .Word(72)
        .Word(64)
        .Word(0x4000)
        .Bytes({0x09, 0, 1, 2, 0x1A})
        .Word(0x0080)
        .Word(3200)
        .Bytes({3, 4, 5, 6, 0x02})
        .Dword(0)
        .Word(2933)
        .Word(1200)
        .Word(1350)
        .Word(1250)
        .String("DIMM 0")
        .String("BANK 0")
        .String("Kelvo Memory")
        .String("MEM0001")
        .String("MEM-AT")
        .String("KM-16G");
    table.End();
    return table;
}

void WriteTableFiles(const std::vector<std::uint8_t>& raw, const std::string& directory,
                     const std::string& name) {
    using namespace kelvo::smbios_tool;
    const std::filesystem::path base(directory);
    std::filesystem::create_directories(base / (name + "-sysfs"));
    WriteFile((base / (name + ".rsmb")).string(), raw);
    WriteFile((base / (name + ".bin")).string(), DumpBin(raw));
    // Linux's entry point holds the table's physical address; readers of the folder ignore it.
    WriteFile((base / (name + "-sysfs") / "smbios_entry_point").string(), EntryPoint(raw, 0));
    WriteFile((base / (name + "-sysfs") / "DMI").string(),
              std::vector<std::uint8_t>(raw.begin() + kRawHeaderSize, raw.end()));
}

}  // namespace kelvo::test
