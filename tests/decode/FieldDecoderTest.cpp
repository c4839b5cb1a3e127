// The generic decoder on structures written byte by byte from the SMBIOS standard
// (support/StandardStructures.h), whole and cut at the end of each older layout. The expected
// lines are dmidecode 3.4's reading of the same bytes, except where the tool deliberately
// differs (a slot's width is a field of its own; no ARM signature).
#include "decode/FieldDecoder.h"

#include <gtest/gtest.h>

#include <string>
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
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(standard::DecodedLines(c.structure, c.length, c.version), c.expected) << c.name;
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
    Check({
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
    Check({
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
    Check({
        {"Layout28_ExtendedSize", standard::kMemoryDevice, 0, 0x0300,
         Join({head,
               {"Size: 64 GB"},
               v21,
               v23,
               {"Rank: 2", "Configured Memory Speed: 2933 MT/s", "Minimum Voltage: 1.2 V",
                "Maximum Voltage: 1.35 V", "Configured Voltage: 1.25 V"}})},
        // 7FFFh without the extended size is that many MB.
        {"Layout23_SizeEscapeWithoutExtension", standard::kMemoryDevice, 0x1B, 0x0203,
         Join({head, {"Size: 32767 MB"}, v21, v23})},
        {"Layout21", standard::kMemoryDevice, 0x15, 0x0201, Join({head, {"Size: 32767 MB"}, v21})},
    });
}

}  // namespace
