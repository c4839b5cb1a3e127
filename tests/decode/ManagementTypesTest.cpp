// The generic decoder on structures of types 34 to 46, 126 and 127 and of types that the schema
// does not describe, written byte by byte from the SMBIOS standard's layouts, whole and cut inside
// their fields. The expected lines are dmidecode 3.4's reading of the same bytes, except where
// they say otherwise: dmidecode 3.4 reads a memory channel's devices one place late and a firmware
// inventory's strings from the wrong bytes, shows additional information entries as headings of
// their own, and does not know types 44 and 46.
#include <gtest/gtest.h>

#include <string>
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
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(DecodedLines(c.structure, c.length, 0x0309), c.expected) << c.name;
}

TEST(ManagementTypesTest, Type34To36) {
    Check({
        {"ManagementDevice",
         kManagementDevice,
         0,
         {"Description: Sensors", "Type: W83781D", "Address: 0x12345678", "Address Type: SMBus"}},
        {"ManagementDeviceTooShort", kManagementDevice, 0x0A, {}},
        {"Component",
         kComponent,
         0,
         {"Description: CPU Temp", "Management Device Handle: 0x0040", "Component Handle: 0x1B2A",
          "Threshold Handle: 0x0042"}},
        {"ThresholdsSignedAndNotGivenLeftOut",
         kThresholds,
         0,
         {"Upper Non-critical Threshold: 85", "Lower Critical Threshold: -5",
          "Upper Critical Threshold: 95", "Lower Non-recoverable Threshold: -100",
          "Upper Non-recoverable Threshold: 105"}},
        {"ThresholdsCut", kThresholds, 0x0F, {}},
    });
}

TEST(ManagementTypesTest, Type37To42) {
    const Lines ipmi = {"Interface Type: KCS (Keyboard Control Style)",
                        "Specification Version: 2.0", "I2C Slave Address: 0x10",
                        "NV Storage Device: Not Present"};
    const Lines supply = {"Power Unit Group: 1",
                          "Location: PSU 1",
                          "Name: PWS-1K",
                          "Manufacturer: Kelvo Power",
                          "Serial Number: PS-001",
                          "Asset Tag: Not Specified",
                          "Model Part Number: PN-77",
                          "Revision: R2",
                          "Max Power Capacity: 1100 W",
                          "Status: Present, OK",
                          "Type: Switching",
                          "Input Voltage Range Switching: Auto-switch",
                          "Plugged: Yes",
                          "Hot Replaceable: No"};
    Lines supplyHandles = supply;
    supplyHandles.insert(supplyHandles.end(), {"Input Voltage Probe Handle: 0x0050",
                                               "Input Current Probe Handle: 0x0052"});
    Lines ipmi23 = ipmi;
    ipmi23.insert(ipmi23.end(),
                  {"Base Address: 0x0000000000000CA3 (I/O)", "Register Spacing: 32-bit Boundaries",
                   "Interrupt Polarity: Active High", "Interrupt Trigger Mode: Level",
                   "Interrupt Number: 10"});
    Lines ipmi20 = ipmi;
    ipmi20.push_back("Base Address: 0x0000000000000CA2 (I/O)");
    Check({
        // dmidecode 3.4: device 1 from 0Ah.
        {"MemoryChannel",
         kMemoryChannel,
         0,
         {"Type: RamBus", "Maximal Load: 8", "Devices: 2", "Device 1 Load: 3",
          "Device 1 Handle: 0x0011", "Device 2 Load: 4", "Device 2 Handle: 0x0012"}},
        {"MemoryChannelDevicesCut",
         kMemoryChannel,
         0x0C,
         {"Type: RamBus", "Maximal Load: 8", "Devices: 2"}},
        {"Ipmi23", kIpmi, 0, ipmi23},
        {"IpmiWithoutModifier", kIpmi, 0x10, ipmi20},
        {"PowerSupply", kPowerSupply, 0, supplyHandles},
        {"PowerSupplyWithoutHandles", kPowerSupply, 0x15, supply},
        // dmidecode 3.4: each entry a heading, its lines under it.
        {"AdditionalInformation",
         kAdditional,
         0,
         {"Additional Information 1:", "\tReferenced Handle: 0x0040", "\tReferenced Offset: 0x05",
          "\tString: Board sensor", "\tValue: 0x0c", "Additional Information 2:"}},
        {"OnboardDevice",
         kOnboard,
         0,
         {"Reference Designation: Onboard LAN 2", "Type: Ethernet", "Status: Enabled",
          "Type Instance: 2", "Bus Address: 0001:3b:01.2"}},
    });
}

TEST(ManagementTypesTest, Type43To46AndMarkers) {
    const Lines tpm = {"Vendor ID: NTC",
                       "Specification Version: 2.0",
                       "Firmware Revision: 7.16",
                       "Description: TPM 2.0 module",
                       "Characteristics:",
                       "\tFamily configurable via firmware update",
                       "\tFamily configurable via platform software support"};
    Lines tpmOem = tpm;
    tpmOem.push_back("OEM-specific Information: 0xDEADBEEF");
    Check({
        {"Tpm", kTpm, 0, tpmOem},
        {"TpmWithoutOemInformation", kTpm, 0x1E, tpm},
        {"TpmTooShort", kTpm, 0x1A, {}},
        // Not decoded by dmidecode 3.4.
        {"ProcessorAdditional",
         kProcessorAdditional,
         0,
         {"Referenced Handle: 0x0004", "Processor Type: 64-bit RISC-V (RV64)",
          "Processor-Specific Data:", "\tDE C0 AD 0B"}},
        {"ProcessorAdditionalBlockCut",
         kProcessorAdditional,
         0x0B,
         {"Referenced Handle: 0x0004", "Processor Type: 64-bit RISC-V (RV64)"}},
        // dmidecode 3.4 reads the strings one field late and leaves the formats out.
        {"FirmwareInventory",
         kFirmware,
         0,
         {"Firmware Component Name: BMC Firmware", "Firmware Version: 1.12",
          "Firmware Version Format: MAJOR.MINOR", "Firmware ID: bmc-main",
          "Firmware ID Format: Free-form", "Release Date: 2024-05-01", "Manufacturer: Kelvo",
          "Lowest Supported Firmware Version: 1.0", "Image Size: 2 MB",
          "Characteristics:", "\tUpdatable: Yes", "\tWrite-Protect: No", "State: Enabled",
          "Associated Components: 2", "\t0x0100", "\t0x0102"}},
        {"FirmwareInventoryTooShort", kFirmware, 0x17, {}},
        {"StringProperty",
         kStringProperty,
         0,
         {"String Property ID: UEFI device path",
          "String Property Value: PciRoot(0x0)/Pci(0x1C,0x0)", "Parent Handle: 0x0009"}},
        {"Inactive", kInactive, 0, {}},
        {"EndOfTable", kEndOfTable, 0, {}},
        {"OemBytesAndStrings",
         kOem,
         0,
         {"Header and Data:", "\tC8 11 4E 00 01 02 03 04 05 06 07 08 09 0A 0B 0C", "\tFF",
          "Strings:", "\tOEM one", "\ttab.here"}},
        {"UnknownTypeWithoutStrings", kUnknown, 0, {"Header and Data:", "\t40 05 4F 00 AB"}},
    });
}

}  // namespace
