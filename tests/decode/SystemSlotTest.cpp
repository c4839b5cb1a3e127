#include <smbios/SystemSlot.h>

#include <gtest/gtest.h>

#include <string>

#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::SystemSlot;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;

// A 2.6 slot: SlotID 1 from 01h 00h at 09h, segment 1234h, bus 05h, device/function 18h.
void AddSlot(TableBuilder& table, std::uint8_t tag) {
    table.Add(9, tag)
        .Bytes({1, 0xA5, 0x0D, 0x04, tag})
        .Bytes({0x01, 0x00})
        .Bytes({0x0C, 0x07})
        .Bytes({0x34, 0x12, 0x05, 0x18})
        .String("Slot" + std::to_string(tag));
}

struct VersionCase {
    std::uint8_t major, minor;
    bool v21, v26;
};

class SlotVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(SlotVersionTest, FillsEachBlockFromItsVersionOn) {
    const VersionCase& c = GetParam();
    TableBuilder table(c.major, c.minor);
    AddSlot(table, 3);
    table.End();
    ParsedTable parsed(table);
    const SystemSlot& r = parsed.info.GetSystemSlot();

    EXPECT_EQ(r.SlotDesignationStringNumber, 1);
    EXPECT_STREQ(r.SlotDesignation, "Slot3");
    EXPECT_EQ(r.SlotType, 0xA5);
    EXPECT_EQ(r.SlotDataBusWidth, 0x0D);
    EXPECT_EQ(r.CurrentUsage, 0x04);
    EXPECT_EQ(r.SlotLength, 3);
    EXPECT_EQ(r.SlotID, 1);
    EXPECT_EQ(r.SlotCharacteristics1, 0x0C);
    EXPECT_EQ(r.V2_1.SlotCharacteristics2, c.v21 ? 0x07 : 0);
    EXPECT_EQ(r.V2_6.SegmentGroupNumber, c.v26 ? 0x1234 : 0);
    EXPECT_EQ(r.V2_6.BusNumber, c.v26 ? 0x05 : 0);
    EXPECT_EQ(r.V2_6.DeviceFunctionNumber, c.v26 ? 0x18 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SlotVersionTest,
    ::testing::Values(VersionCase{2, 0, false, false}, VersionCase{2, 1, true, false},
                      VersionCase{2, 5, true, false}, VersionCase{2, 6, true, true},
                      VersionCase{2, 8, true, true}, VersionCase{3, 0, true, true}),
    [](const auto& info) {
        return "V" + std::to_string(info.param.major) + "_" + std::to_string(info.param.minor);
    });

TEST(SlotDecodeTest, LastOfThreeStructuresWins) {
    TableBuilder table(3, 0);
    for (std::uint8_t tag : {1, 2, 3}) AddSlot(table, tag);
    ParsedTable parsed(table);
    EXPECT_EQ(parsed.info.GetSystemSlot().SlotLength, 3);
    EXPECT_STREQ(parsed.info.GetSystemSlot().SlotDesignation, "Slot3");
}

TEST(SlotDecodeTest, FieldsPastATruncatedTableAreZero) {
    TableBuilder table(3, 0);
    AddSlot(table, 3);
    const auto raw = table.Raw();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE(n);
        ParsedTable cut(TableBuilder::Truncated(raw, n));
        const SystemSlot& r = cut.info.GetSystemSlot();
        const auto expect = [n](std::uint32_t offset, std::uint32_t width, std::uint32_t value) {
            return offset + width <= n ? value : 0u;
        };
        EXPECT_EQ(r.SlotDesignationStringNumber, expect(0x04, 1, 1));
        EXPECT_EQ(r.SlotID, expect(0x09, 2, 1));
        EXPECT_EQ(r.V2_1.SlotCharacteristics2, expect(0x0C, 1, 0x07));
        EXPECT_EQ(r.V2_6.SegmentGroupNumber, expect(0x0D, 2, 0x1234));
        EXPECT_EQ(r.V2_6.DeviceFunctionNumber, expect(0x10, 1, 0x18));
        EXPECT_EQ(std::string("Slot3").rfind(r.SlotDesignation, 0), 0u);
    }
}

TEST(SlotCopyTest, CopiesAreDeepAndSelfAssignmentKeepsTheRecord) {
    TableBuilder table(3, 0);
    AddSlot(table, 2);
    ParsedTable parsed(table);
    const SystemSlot& source = parsed.info.GetSystemSlot();
    SystemSlot constructed(source);
    SystemSlot assigned;
    assigned = source;
    for (const SystemSlot* copy : {&constructed, &assigned}) {
        EXPECT_NE(copy->SlotDesignation, source.SlotDesignation);
        EXPECT_STREQ(copy->SlotDesignation, "Slot2");
        EXPECT_EQ(copy->SlotDesignationStringNumber, 1);
        EXPECT_EQ(copy->SlotID, 1);
        EXPECT_EQ(copy->V2_1.SlotCharacteristics2, 0x07);
        EXPECT_EQ(copy->V2_6.SegmentGroupNumber, 0x1234);
        EXPECT_EQ(copy->V2_6.DeviceFunctionNumber, 0x18);
    }
    const SystemSlot& alias = assigned;
    const char* designation = assigned.SlotDesignation;
    assigned = alias;
    EXPECT_EQ(assigned.SlotDesignation, designation);
    EXPECT_STREQ(assigned.SlotDesignation, "Slot2");
}

}  // namespace
