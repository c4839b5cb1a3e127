// The generic decoder on structures written byte by byte from the SMBIOS standard
// (support/StandardStructures.h), whole and cut at the end of each older layout. The expected
// lines are dmidecode 3.4's reading of the same bytes, except where the tool deliberately
// differs (a slot's width is a field of its own; no ARM signature).
#include "decode/FieldDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/StandardStructures.h"
#include "support/TableBuilder.h"

namespace {

namespace standard = kelvo::test::standard;
using standard::Join;
using standard::Lines;

struct Case {
    const char* name;
    const standard::Structure& structure;
    std::uint8_t length;  // 0: as written
    std::uint16_t version;
    Lines expected;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed = {};  // (offset, byte) first
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        standard::Structure s = c.structure;
        for (const auto& [offset, value] : c.changed) s.formatted[offset] = value;
        EXPECT_EQ(standard::DecodedLines(s, c.length, c.version), c.expected) << c.name;
    }
}

const Lines kBiosCharacteristics = {
    "\tPCI is supported",
    "\tBIOS is upgradeable",
    "\tBIOS shadowing is allowed",
    "\tBoot from CD is supported",
    "\tSelectable boot is supported",
    "\tEDD is supported",
    "\tPrint screen service is supported (int 5h)",
    "\t8042 keyboard services are supported (int 9h)",
    "\tSerial services are supported (int 14h)",
    "\tPrinter services are supported (int 17h)",
    "\tCGA/mono video services are supported (int 10h)",
};

TEST(FieldDecoderTest, Bios) {
    const Lines head = {"Vendor: Kelvo Firmware Works",
                        "Version: K1.23",
                        "Release Date: 07/14/2021",
                        "Address: 0xE8000",
                        "Runtime Size: 96 kB",
                        "ROM Size: 4 MB",
                        "Characteristics:"};
    Check({
        {"Layout24_ExtensionBitsAndReleases", standard::kBios, 0, 0x0300,
         Join({head,
               kBiosCharacteristics,
               {"\tACPI is supported", "\tUSB legacy is supported", "\tSmart battery is supported",
                "\tBIOS boot specification is supported",
                "\tTargeted content distribution is supported", "\tUEFI is supported",
                "BIOS Revision: 5.17", "Firmware Revision: 6.40"}})},
        {"Layout20_NoExtensionBytes", standard::kBios, 0x12, 0x0200,
         Join({head, kBiosCharacteristics})},
        {"FirstExtensionByteOnly", standard::kBios, 0x13, 0x0300,
         Join({head,
               kBiosCharacteristics,
               {"\tACPI is supported", "\tUSB legacy is supported",
                "\tSmart battery is supported"}})},
        {"ShorterThanTheBaseLayout_NothingShown", standard::kBios, 0x11, 0x0300, {}},
    });
}

TEST(FieldDecoderTest, System) {
    const Lines strings = {"Manufacturer: Kelvo Systems", "Product Name: KS-9000", "Version: Rev B",
                           "Serial Number: SYS-00042"};
    Check({
        {"Layout24", standard::kSystem, 0, 0x0300,
         Join({strings,
               {"UUID: 12345678-9abc-def0-0123-456789abcdef", "Wake-up Type: Power Switch",
                "SKU Number: SKU-7", "Family: Kelvo Desk"}})},
        // Before 2.6 the UUID's bytes are shown in the order the table holds them.
        {"Layout21_UuidInTableOrderBefore26", standard::kSystem, 0x19, 0x0205,
         Join({strings,
               {"UUID: 78563412-bc9a-f0de-0123-456789abcdef", "Wake-up Type: Power Switch"}})},
        {"Layout20", standard::kSystem, 0x08, 0x0200, strings},
    });
}

TEST(FieldDecoderTest, Baseboard) {
    const Lines location = {"Location In Chassis: Bay 1", "Chassis Handle: 0x0103",
                            "Type: Motherboard"};
    const Lines head = {"Manufacturer: Kelvo Boards", "Product Name: KB-100",  "Version: 1.0",
                        "Serial Number: BRD-7788",    "Asset Tag: Asset-B",    "Features:",
                        "\tBoard is a hosting board", "\tBoard is replaceable"};
    Check({
        {"TwoContainedHandles", standard::kBaseboard, 0, 0x0300,
         Join({head, location, {"Contained Object Handles: 2", "\t0x0104", "\t0x0109"}})},
        {"HandlesCutShort_ListLeftOut", standard::kBaseboard, 0x12, 0x0300, Join({head, location})},
        {"NoLocation", standard::kBaseboard, 0x0D, 0x0300, head},
    });
}

TEST(FieldDecoderTest, Enclosure) {
    const Lines base = {
        "Manufacturer: Kelvo Cases", "Type: Desktop",     "Lock: Present", "Version: C-2",
        "Serial Number: CH-5150",    "Asset Tag: Asset-C"};
    const Lines states = {"Boot-up State: Safe", "Power Supply State: Warning",
                          "Thermal State: Non-recoverable",
                          "Security Status: External Interface Enabled"};
    const Lines v23 = {"OEM Information: 0x5A6B7C8D", "Height: 7 U", "Number Of Power Cords: 3"};
    const Lines elements = {"Contained Elements: 2", "\tMemory Device (1-4)",
                            "\tProcessor Module (0-2)"};
    Check({
        {"Layout39_RackAfterTheSku", standard::kEnclosure39, 0, 0x0309,
         Join({base,
               states,
               v23,
               elements,
               {"SKU Number: CH-SKU", "Rack Type: 2", "Rack Height: 42"}})},
        {"RackTypeWithoutItsHeight", standard::kEnclosure39, 0x1D, 0x0309,
         Join({base, states, v23, elements, {"SKU Number: CH-SKU", "Rack Type: 2"}})},
        {"Layout27_SkuAfterTheElements", standard::kEnclosure, 0, 0x0300,
         Join({base, states, v23, elements, {"SKU Number: CH-SKU"}})},
        {"ElementsWithoutSku", standard::kEnclosure, 0x1B, 0x0300,
         Join({base, states, v23, elements})},
        {"Layout21", standard::kEnclosure, 0x0D, 0x0201, Join({base, states})},
        {"Layout20", standard::kEnclosure, 0x09, 0x0200, base},
    });
}

TEST(FieldDecoderTest, Processor) {
    const Lines base = {"Socket Designation: CPU0",
                        "Type: Central Processor",
                        "Family: ARM",
                        "Manufacturer: Kelvo Silicon",
                        "ID: C1 D0 4F 41 9A BC DE F0",
                        "Version: Kelvo K8 @ 3.80GHz",
                        "Voltage: 1.2 V",
                        "External Clock: 266 MHz",
                        "Max Speed: 3800 MHz",
                        "Current Speed: 2400 MHz",
                        "Status: Populated, Enabled",
                        "Upgrade: ZIF Socket"};
    const Lines caches = {"L1 Cache Handle: 0x0A30", "L2 Cache Handle: 0x0A31",
                          "L3 Cache Handle: 0x0A32"};
    const Lines v23 = {"Serial Number: CPU-SN-1", "Asset Tag: CPU-AT-2", "Part Number: CPU-PN-3"};
    const Lines characteristics = {"Characteristics:",
                                   "\t64-bit capable",
                                   "\tMulti-Core",
                                   "\tHardware Thread",
                                   "\tExecute Protection",
                                   "\tEnhanced Virtualization",
                                   "\tPower/Performance Control",
                                   "\t128-bit Capable"};
    const Lines counts = {"Core Count: 288", "Core Enabled: 240", "Thread Count: 254"};
    Check({
        {"Layout38_ThreadsEnabledAndSocketType", standard::kProcessor38, 0, 0x0308,
         Join({base,
               caches,
               v23,
               counts,
               characteristics,
               {"Thread Enabled: 542", "Socket Type: LGA4677"}})},
        {"Layout36_NoSocketType", standard::kProcessor38, 0x32, 0x0306,
         Join({base, caches, v23, counts, characteristics, {"Thread Enabled: 542"}})},
        {"NoThreadsEnabledCount_LeftOut",
         standard::kProcessor38,
         0,
         0x0308,
         Join({base, caches, v23, counts, characteristics, {"Socket Type: LGA4677"}}),
         {{0x30, 0}, {0x31, 0}}},
        {"Layout30_CoreCountFromItsWord", standard::kProcessor, 0, 0x0300,
         Join({base,
               caches,
               v23,
               {"Core Count: 288", "Core Enabled: 240", "Thread Count: 254"},
               characteristics})},
        // Without the 2.6 word the family byte FEh is not a family the standard names.
        {"Layout25_FamilyEscapeWithoutItsWord", standard::kProcessor, 0x28, 0x0205,
         Join({{base[0], base[1], "Family: <OUT OF SPEC> (0xFE)"},
               Lines(base.begin() + 3, base.end()),
               caches,
               v23,
               {"Core Count: 255", "Core Enabled: 240", "Thread Count: 254"},
               characteristics})},
        {"Layout20", standard::kProcessor, 0x1A, 0x0200,
         Join({{base[0], base[1], "Family: <OUT OF SPEC> (0xFE)"},
               Lines(base.begin() + 3, base.end())})},
    });
}

TEST(FieldDecoderTest, SystemSlot) {
    const Lines base = {
        "Designation: PCIE3",    "Type: PCI Express 3 x8", "Data Bus Width: 8x or x8",
        "Current Usage: In Use", "Length: Short",          "ID: 9",
        "Characteristics:",      "\t3.3 V is provided",    "\tOpening is shared"};
    const Lines second = {"\tPME signal is supported", "\tSMBus signal is supported"};
    const Lines peers = {"Data Bus Width (Base): 10", "Peer Devices: 1",
                         "Peer Device 1: 0000:3c:01.2 (Width 4)"};
    const Lines v34 = {"PCI Express Generation: 4", "Slot Physical Width: x16", "Pitch: 20.32 mm"};
    const Lines bus = {"Bus Address: 0102:3b:1f.5"};
    Check({
        {"Layout35_PhysicalAfterThePeers", standard::kSlot35, 0, 0x0305,
         Join({base, second, bus, peers, v34, {"Height: Low-profile"}})},
        {"Layout34_NoHeight", standard::kSlot35, 0x1C, 0x0304,
         Join({base, second, bus, peers, v34})},
        {"Layout32_PeersOnly", standard::kSlot35, 0x18, 0x0302, Join({base, second, bus, peers})},
        // Only a PCI Express slot's information is a generation; no pitch or width is left out.
        {"PciSlot_NoGenerationNorPitch",
         standard::kSlot35,
         0,
         0x0305,
         Join({{base[0], "Type: PCI", "Data Bus Width: 8x or x8", base[3], base[4], "ID: 9"},
               Lines(base.begin() + 6, base.end()),
               second,
               bus,
               peers,
               {"Height: Low-profile"}}),
         {{0x05, 0x06}, {0x19, 0x00}, {0x1A, 0x00}, {0x1B, 0x00}}},
        {"Layout26_BusAddress", standard::kSlot, 0, 0x0300,
         Join({base, second, {"Bus Address: 0102:3b:1f.5"}})},
        {"Layout21_SecondCharacteristicsByte", standard::kSlot, 0x0D, 0x0201, Join({base, second})},
        {"Layout20", standard::kSlot, 0x0C, 0x0200, base},
    });
}

TEST(FieldDecoderTest, OemStrings) {
    Check({
        {"ThreeStrings",
         standard::kOemStrings,
         0,
         0x0300,
         {"String 1: Kelvo OEM one", "String 2: OEM-2", "String 3: third"}},
    });
}

TEST(FieldDecoderTest, PhysicalMemoryArray) {
    const Lines tail = {"Error Information Handle: Not Provided", "Number Of Devices: 260"};
    const Lines head = {"Location: Proprietary Add-on Card", "Use: System Memory",
                        "Error Correction Type: Multi-bit ECC"};
    Check({
        {"Layout27_ExtendedCapacity", standard::kMemoryArray, 0, 0x0300,
         Join({head, {"Maximum Capacity: 1165 GB"}, tail})},
        {"Layout21_EscapeWithoutExtension", standard::kMemoryArray, 0x0F, 0x0201,
         Join({head, {"Maximum Capacity: Unknown"}, tail})},
    });
}

TEST(FieldDecoderTest, MemoryDevice) {
    const Lines head = {"Array Handle: 0x0110", "Error Information Handle: Not Provided",
                        "Total Width: 72 bits", "Data Width: 64 bits"};
    const Lines v21 = {"Form Factor: DIMM", "Set: 2",
                       "Locator: DIMM A1",  "Bank Locator: BANK 0",
                       "Type: DDR4",        "Type Detail: Synchronous Registered (Buffered)"};
    const Lines v23 = {"Speed: 3200 MT/s", "Manufacturer: Kelvo Memory", "Serial Number: MEM-00A1",
                       "Asset Tag: MEM-AT", "Part Number: KM-32G-3200"};
    const Lines v28 = {"Rank: 2", "Configured Memory Speed: 2933 MT/s", "Minimum Voltage: 1.2 V",
                       "Maximum Voltage: 1.35 V", "Configured Voltage: 1.25 V"};
    const Lines v32 = {"Memory Technology: NVDIMM-N",
                       "Memory Operating Mode Capability: Volatile memory Byte-accessible "
                       "persistent memory",
                       "Firmware Version: FW 2.1",
                       "Module Manufacturer ID: Bank 1, Hex 0xCE",
                       "Module Product ID: 0x1234",
                       "Memory Subsystem Controller Manufacturer ID: Bank 5, Hex 0x89",
                       "Memory Subsystem Controller Product ID: Unknown"};
    const Lines sizes = {"Non-Volatile Size: 32 GB", "Volatile Size: 5 GB", "Cache Size: None",
                         "Logical Size: Unknown"};
    const Lines v37 = {"PMIC0 Manufacturer ID: Bank 1, Hex 0xB3", "PMIC0 Revision Number: 0x0012",
                       "RCD Manufacturer ID: Bank 7, Hex 0x32", "RCD Revision Number: Unknown"};
    const Lines size = {"Size: 64 GB"};
    Check({
        {"Layout37_PmicAndRcd", standard::kMemoryDevice37, 0, 0x0307,
         Join({head, size, v21, v23, v28, v32, sizes, v37})},
        {"PmicManufacturerOnly", standard::kMemoryDevice37, 0x5E, 0x0307,
         Join({head, size, v21, v23, v28, v32, sizes, {v37[0]}})},
        // FFFFh speeds hand over to the extended speeds when the Length holds both.
        {"Layout33_ExtendedSpeeds",
         standard::kMemoryDevice37,
         0x5C,
         0x0303,
         Join({head,
               size,
               v21,
               {"Speed: 6400 MT/s"},
               Lines(v23.begin() + 1, v23.end()),
               {v28[0], "Configured Memory Speed: 5600 MT/s"},
               Lines(v28.begin() + 2, v28.end()),
               v32,
               sizes}),
         {{0x15, 0xFF}, {0x16, 0xFF}, {0x20, 0xFF}, {0x21, 0xFF}}},
        {"Layout32_SpeedEscapeWithoutExtension",
         standard::kMemoryDevice37,
         0x54,
         0x0302,
         Join({head,
               size,
               v21,
               {"Speed: Unknown"},
               Lines(v23.begin() + 1, v23.end()),
               v28,
               v32,
               sizes}),
         {{0x15, 0xFF}, {0x16, 0xFF}}},
        // The sizes show one by one; the block before them only whole.
        {"NonVolatileSizeOnly", standard::kMemoryDevice37, 0x3C, 0x0302,
         Join({head, size, v21, v23, v28, v32, {sizes[0]}})},
        {"BlockCutShort_LeftOut", standard::kMemoryDevice37, 0x33, 0x0302,
         Join({head, size, v21, v23, v28})},
        {"EmptySlot_NothingAfterTheType",
         standard::kMemoryDevice37,
         0,
         0x0307,
         Join({head, {"Size: No Module Installed"}, v21}),
         {{0x0C, 0}, {0x0D, 0}}},
        {"Layout28_ExtendedSize", standard::kMemoryDevice, 0, 0x0300,
         Join({head, {"Size: 64 GB"}, v21, v23, v28})},
        // 7FFFh without the extended size is that many MB.
        {"Layout23_SizeEscapeWithoutExtension", standard::kMemoryDevice, 0x1B, 0x0203,
         Join({head, {"Size: 32767 MB"}, v21, v23})},
        {"Layout21", standard::kMemoryDevice, 0x15, 0x0201, Join({head, {"Size: 32767 MB"}, v21})},
    });
}

}  // namespace
