// The generic decoder on structures of types 37 to 46 and 127, written byte by byte from the SMBIOS
// standard's layouts (support/ManagementStructures.h), where dmidecode 3.4 reads them otherwise:
// it reads a memory channel's devices one place late, an IPMI base address's lowest bit from the
// modifier whenever that byte is there, and a firmware inventory's strings from the wrong bytes;
// it shows additional information entries as headings of their own, and does not know types 44
// and 46. Every other type of that file, at every Length, is compared with dmidecode by the
// tool's tests (StandardStructuresAtEveryLengthAgreeWithDmidecode).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/ManagementStructures.h"

namespace {

using namespace kelvo::test::standard;

struct Case {
    const char* name;
    const Structure& structure;
    std::uint8_t length;  // 0: as written
    Lines expected;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed = {};  // (offset, byte) first
};

TEST(ManagementTypesTest, TypesThatDmidecodeReadsOtherwise) {
    const Lines entry = {"Additional Information 1:", "\tReferenced Handle: 0x0040",
                         "\tReferenced Offset: 0x05", "\tString: Board sensor"};
    const Case cases[] = {
        {"MemoryChannel",
         kMemoryChannel,
         0,
         {"Type: RamBus", "Maximal Load: 8", "Devices: 2", "Device 1 Load: 3",
          "Device 1 Handle: 0x0011", "Device 2 Load: 4", "Device 2 Handle: 0x0012"}},
        {"MemoryChannelDevicesCut",
         kMemoryChannel,
         0x0C,
         {"Type: RamBus", "Maximal Load: 8", "Devices: 2"}},
        // Without the 2.3 modifier bit 0 of the address says I/O space, no address bit.
        {"IpmiWithoutModifier",
         kIpmi,
         0x10,
         {"Interface Type: KCS (Keyboard Control Style)", "Specification Version: 2.0",
          "I2C Slave Address: 0x10", "NV Storage Device: Not Present",
          "Base Address: 0x0000000000000CA2 (I/O)"}},
        // An entry's value is as wide as its length less 5; one that runs past the Length ends
        // the list. Entry 1 made 7 or 9 bytes long reads its value over entry 2's first bytes.
        {"AdditionalInformationByteValue", kAdditional, 0,
         Join({entry, {"\tValue: 0x0c", "Additional Information 2:"}})},
        {"AdditionalInformationWordValue",
         kAdditional,
         0,
         Join({entry, {"\tValue: 0x060c", "Additional Information 2:"}}),
         {{0x05, 0x07}}},
        {"AdditionalInformationDwordValue",
         kAdditional,
         0,
         Join({entry, {"\tValue: 0x0041060c", "Additional Information 2:"}}),
         {{0x05, 0x09}}},
        {"ProcessorAdditional",
         kProcessorAdditional,
         0,
         {"Referenced Handle: 0x0004", "Processor Type: 64-bit RISC-V (RV64)",
          "Processor-Specific Data:", "\tDE C0 AD 0B"}},
        {"ProcessorAdditionalBlockCut",
         kProcessorAdditional,
         0x0B,
         {"Referenced Handle: 0x0004", "Processor Type: 64-bit RISC-V (RV64)"}},
        {"FirmwareInventory",
         kFirmware,
         0,
         {"Firmware Component Name: BMC Firmware", "Firmware Version: 1.12",
          "Firmware Version Format: MAJOR.MINOR", "Firmware ID: bmc-main",
          "Firmware ID Format: Free-form", "Release Date: 2024-05-01", "Manufacturer: Kelvo",
          "Lowest Supported Firmware Version: 1.0", "Image Size: 2 MB",
          "Characteristics:", "\tUpdatable: Yes", "\tWrite-Protect: No", "State: Enabled",
          "Associated Components: 2", "\t0x0100", "\t0x0102"}},
        {"StringProperty",
         kStringProperty,
         0,
         {"String Property ID: UEFI device path",
          "String Property Value: PciRoot(0x0)/Pci(0x1C,0x0)", "Parent Handle: 0x0009"}},
        {"EndOfTable", kEndOfTable, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodedLines(c.structure, c.length, 0x0309, c.changed), c.expected) << c.name;
}

}  // namespace
