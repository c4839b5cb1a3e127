// The generic decoder on structures written byte by byte from the SMBIOS standard
// (support/Standard*.h), where dmidecode 3.4 cannot be the reference: fields newer than it, a
// PCI slot's 3.4 fields and what the table's version decides. Every other field of these
// structures, at every Length, is compared with dmidecode by the tool's tests
// (StandardStructuresAtEveryLengthAgreeWithDmidecode).
#include "decode/FieldDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/ManagementStructures.h"
#include "support/StandardStructures.h"
#include "support/StandardStructures5To15.h"
#include "support/TableBuilder.h"

// A structure written from the standard, decoded by the generic decoder as the tool prints its
// fields: "Label: value", then each list line under it after a tab.
namespace kelvo::test::standard {

using Lines = std::vector<std::string>;

// The lines of `parts`, one after the other.
inline Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The structure with the bytes `changed` (offset, byte) and cut to `length` (0: as written), alone
// in a table, decoded at `version`.
inline Lines DecodedLines(const Structure& written, std::uint8_t length, std::uint16_t version,
                          const std::vector<std::pair<std::uint8_t, std::uint8_t>>& changed = {}) {
    using namespace kelvo::shared::smbios;
    Structure s = written;
    for (const auto& [offset, value] : changed) s.formatted[offset] = value;
    if (length != 0) {
        s.formatted.resize(length);
        s.formatted[1] = length;
    }
    TableBuilder builder;
    AddTo(builder, s);
    const std::vector<std::uint8_t> raw = builder.End().Raw();
    const BufferReader buffer(std::vector<std::uint8_t>(raw.begin() + 8, raw.end()));
    const detail::TableView table(buffer.GetData(), buffer.GetSize());
    std::vector<detail::Field> fields;
    detail::DecodeFields(detail::StructureRef{table, 0, s.Type(), s.formatted[1], s.Handle()},
                         version, fields);
    Lines lines;
    for (const detail::Field& f : fields) {
        lines.push_back(f.label + ":" + (f.text.empty() ? "" : " " + f.text));
        for (const std::string& item : f.items) lines.push_back("\t" + item);
    }
    return lines;
}

}  // namespace kelvo::test::standard

namespace {

namespace standard = kelvo::test::standard;
using standard::Lines;

// The fields ("type/label") that the rows below look at; the lines of other fields are left out.
const std::set<std::string> kFields = {"1/UUID",
                                       "3/Rack Type",
                                       "3/Rack Height",
                                       "4/Thread Enabled",
                                       "4/Socket Type",
                                       "9/PCI Express Generation",
                                       "9/Slot Physical Width",
                                       "9/Pitch",
                                       "13/Language Description Format",
                                       "17/PMIC0 Manufacturer ID",
                                       "17/PMIC0 Revision Number",
                                       "17/RCD Manufacturer ID",
                                       "17/RCD Revision Number",
                                       "42/Interface Type",
                                       "42/Vendor ID",
                                       "42/Host Interface Type",
                                       "42/Device Type"};

struct Case {
    const char* name;
    const standard::Structure& structure;
    std::uint8_t length;  // 0: as written
    std::uint16_t version;
    Lines expected;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed = {};  // (offset, byte) first
    std::set<std::string> fields = kFields;                           // the lines looked at
};

TEST(FieldDecoderTest, FieldsThatDmidecodeDoesNotShowTheSame) {
    const Case cases[] = {
        // Before 2.6 the UUID's bytes are shown in the order the table holds them.
        {"UuidInTableOrderBefore26",
         standard::kSystem,
         0x19,
         0x0205,
         {"UUID: 78563412-bc9a-f0de-0123-456789abcdef"}},
        {"UuidInUuidOrderFrom26",
         standard::kSystem,
         0,
         0x0206,
         {"UUID: 12345678-9abc-def0-0123-456789abcdef"}},
        {"Layout39_RackAfterTheSku",
         standard::kEnclosure39,
         0,
         0x0309,
         {"Rack Type: 2", "Rack Height: 42"}},
        {"RackTypeWithoutItsHeight", standard::kEnclosure39, 0x1D, 0x0309, {"Rack Type: 2"}},
        {"Layout38_ThreadsEnabledAndSocketType",
         standard::kProcessor38,
         0,
         0x0308,
         {"Thread Enabled: 542", "Socket Type: LGA4677"}},
        {"Layout36_NoSocketType", standard::kProcessor38, 0x32, 0x0306, {"Thread Enabled: 542"}},
        {"NoThreadsEnabledCount_LeftOut",
         standard::kProcessor38,
         0,
         0x0308,
         {"Socket Type: LGA4677"},
         {{0x30, 0}, {0x31, 0}}},
        // Families past 2FFh: Intel's CPUID layout (Meteor Lake's A06A4h); a LoongArch processor
        // identity as its CPUCFG word 0 reads.
        {"CoreUltraFamily_IntelSignature",
         standard::kProcessor38,
         0x2A,
         0x0308,
         {"Family: Core Ultra 5", "Signature: Type 0, Family 6, Model 170, Stepping 4"},
         {{0x06, 0xFE},
          {0x28, 0x05},
          {0x29, 0x03},
          {0x08, 0xA4},
          {0x09, 0x06},
          {0x0A, 0x0A},
          {0x0B, 0x00}},
         {"4/Family", "4/Signature"}},
        {"LoongsonFamily_ProcessorIdentity",
         standard::kProcessor38,
         0x2A,
         0x0308,
         {"Family: Loongson 3A", "Signature: Processor Identity 0x0014c010"},
         {{0x06, 0xFE},
          {0x28, 0x5D},
          {0x29, 0x02},
          {0x08, 0x10},
          {0x09, 0xC0},
          {0x0A, 0x14},
          {0x0B, 0x00}},
         {"4/Family", "4/Signature"}},
        // Only a PCI Express slot's information is a generation; no pitch or width is shown.
        {"PciSlot_NoGenerationNorPitch",
         standard::kSlot35,
         0,
         0x0305,
         {},
         {{0x05, 0x06}, {0x19, 0x00}, {0x1A, 0x00}, {0x1B, 0x00}}},
        {"Layout37_PmicAndRcd",
         standard::kMemoryDevice37,
         0,
         0x0307,
         {"PMIC0 Manufacturer ID: Bank 1, Hex 0xB3", "PMIC0 Revision Number: 0x0012",
          "RCD Manufacturer ID: Bank 7, Hex 0x32", "RCD Revision Number: Unknown"}},
        // The format flag is a 2.1 field; before, the byte is reserved.
        {"LanguageFormatFrom21",
         standard::kBiosLanguage,
         0,
         0x0201,
         {"Language Description Format: Abbreviated"}},
        {"NoLanguageFormatBefore21", standard::kBiosLanguage, 0, 0x0200, {}},
        {"PmicManufacturerOnly",
         standard::kMemoryDevice37,
         0x5E,
         0x0307,
         {"PMIC0 Manufacturer ID: Bank 1, Hex 0xB3"}},
        // Before 3.2 a host interface's data have no length in front: the type alone, and an OEM
        // interface's vendor from the four bytes after it (as dmidecode 3.4 shows them).
        {"HostInterfaceBefore32_TypeAlone",
         standard::kHostInterface,
         0,
         0x0301,
         {"Interface Type: Network"}},
        {"OemHostInterfaceBefore32_VendorMsbFirst",
         standard::kHostInterface,
         0,
         0x0301,
         {"Interface Type: OEM", "Vendor ID: 0x05026B04"},
         {{0x04, 0xF0}}},
        {"HostInterfaceFrom32",
         standard::kHostInterface,
         0,
         0x0302,
         {"Host Interface Type: Network", "Device Type: USB"}},
    };
    for (const Case& c : cases) {
        Lines shown;
        for (const std::string& line :
             standard::DecodedLines(c.structure, c.length, c.version, c.changed)) {
            const std::string field = std::to_string(c.structure.Type()) + "/" + line;
            if (c.fields.count(field.substr(0, field.find(':')))) shown.push_back(line);
        }
        EXPECT_EQ(shown, c.expected) << c.name;
    }
}

// Structures of types 37 to 46 and 127, written byte by byte from the SMBIOS standard's layouts
// (support/ManagementStructures.h), where dmidecode 3.4 reads them otherwise: it reads a memory
// channel's devices one place late, an IPMI base address's lowest bit from the modifier whenever
// that byte is there, and a firmware inventory's strings from the wrong bytes; it shows additional
// information entries as headings of their own, and does not know types 44 and 46. Every other type
// of that file, at every Length, is compared with dmidecode by the tool's tests
// (StandardStructuresAtEveryLengthAgreeWithDmidecode).
struct ManagementCase {
    const char* name;
    const standard::Structure& structure;
    std::uint8_t length;  // 0: as written
    Lines expected;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed = {};  // (offset, byte) first
};

TEST(FieldDecoderTest, TypesThatDmidecodeReadsOtherwise) {
    using namespace standard;
    const Lines entry = {"Additional Information 1:", "\tReferenced Handle: 0x0040",
                         "\tReferenced Offset: 0x05", "\tString: Board sensor"};
    const ManagementCase cases[] = {
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
    for (const ManagementCase& c : cases)
        EXPECT_EQ(standard::DecodedLines(c.structure, c.length, 0x0309, c.changed), c.expected)
            << c.name;
}

}  // namespace
