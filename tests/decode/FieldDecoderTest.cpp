// The generic decoder on structures written byte by byte from the SMBIOS standard
// (support/StandardStructures.h), where dmidecode 3.4 cannot be the reference: fields newer than
// it, a PCI slot's 3.4 fields, and the UUID's byte order by table version. Every other field of
// these structures, at every Length, is compared with dmidecode by the tool's tests
// (StandardStructuresAtEveryLengthAgreeWithDmidecode).
#include "decode/FieldDecoder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/StandardStructures.h"

namespace {

namespace standard = kelvo::test::standard;
using standard::Lines;

// The fields that the rows below look at; the decoded lines of other fields are left out.
const std::set<std::string> kLabels = {"UUID",
                                       "Rack Type",
                                       "Rack Height",
                                       "Thread Enabled",
                                       "Socket Type",
                                       "PCI Express Generation",
                                       "Slot Physical Width",
                                       "Pitch",
                                       "PMIC0 Manufacturer ID",
                                       "PMIC0 Revision Number",
                                       "RCD Manufacturer ID",
                                       "RCD Revision Number"};

struct Case {
    const char* name;
    const standard::Structure& structure;
    std::uint8_t length;  // 0: as written
    std::uint16_t version;
    Lines expected;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed = {};  // (offset, byte) first
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
            if (kLabels.count(line.substr(0, line.find(':')))) shown.push_back(line);
        }
        EXPECT_EQ(shown, c.expected) << c.name;
    }
}

}  // namespace
