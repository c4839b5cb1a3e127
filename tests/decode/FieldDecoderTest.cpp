// The generic decoder on structures written byte by byte from the SMBIOS standard
// (support/Standard*.h), where dmidecode 3.4 cannot be the reference: fields newer than it, a
// PCI slot's 3.4 fields, what the table's version decides, and the number that an unnamed value
// carries (which the comparison with dmidecode leaves out). Every other field of these structures,
// at every Length, is compared with dmidecode by the tool's tests
// (StandardStructuresAtEveryLengthAgreeWithDmidecode).
#include "decode/FieldDecoder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/StandardStructures.h"
#include "support/StandardStructures18To33.h"
#include "support/StandardStructures5To15.h"

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
                                       "28/Location",
                                       "28/Status"};

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
        {"UnnamedValuesMarkedAsDmidecodeMarksThem",
         standard::kTemperatureProbe,
         0,
         0x0309,
         {"Location: <OUT OF SPEC>", "Status: <OUT OF SPEC>"},
         {{0x05, 0x10}}},
        {"PmicManufacturerOnly",
         standard::kMemoryDevice37,
         0x5E,
         0x0307,
         {"PMIC0 Manufacturer ID: Bank 1, Hex 0xB3"}},
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

}  // namespace
