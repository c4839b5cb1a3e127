#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using Bytes = std::vector<std::uint8_t>;

const Bytes kCountingUuid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                             0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
const char* const kCountingUuidText = "33221100-5544-7766-8899-AABBCCDDEEFF";

// A type-1 structure with every field set: strings 1 to 4 are the base texts, 5 and 6 the SKU
// number and family.
void AddSysInfo(TableBuilder& table, const std::string& prefix, const Bytes& uuid = kCountingUuid,
                std::uint8_t family = 6) {
    auto& info = table.Add(1).BytesAt(0x04, {1, 2, 3, 4}).BytesAt(0x18, {0x06, 5, family});
    for (std::size_t i = 0; i < uuid.size(); ++i) info.ByteAt(0x08 + i, uuid[i]);
    for (const char* name : {"Maker", "Product", "Version", "Serial", "SKU", "Family"}) {
        info.String(prefix + name);
    }
}

Bytes UuidOf(const TypeSysInfo& info) { return Bytes(info.V2_1.UUID, info.V2_1.UUID + 16); }

class TypeSysInfoVersionTest : public ::testing::TestWithParam<int> {};

TEST_P(TypeSysInfoVersionTest, FillsEachBlockFromItsVersionOn) {
    TableBuilder table(GetParam() >> 8, GetParam() & 0xFF);
    AddSysInfo(table, "");
    ParsedTable parsed(table.End());
    ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
    const TypeSysInfo& info = parsed.info.GetTypeSysInfo();

    EXPECT_STREQ(info.Manufacturer, "Maker");
    EXPECT_STREQ(info.ProductName, "Product");
    EXPECT_STREQ(info.Version, "Version");
    EXPECT_STREQ(info.SerialNumber, "Serial");
    // Assigned into the facade's record, whose base string numbers stay 0.
    EXPECT_EQ(info.ManufacturerStringNumber + info.ProductNameStringNumber +
                  info.VersionStringNumber + info.SerialNumberStringNumber,
              0);

    const bool has21 = GetParam() >= 0x0201, has24 = GetParam() >= 0x0204;
    EXPECT_EQ(UuidOf(info), has21 ? kCountingUuid : Bytes(16, 0));
    EXPECT_STREQ(info.V2_1.UUIDString, has21 ? kCountingUuidText : "");
    EXPECT_EQ(info.V2_1.WakeUpType, has21 ? 0x06 : 0);
    EXPECT_EQ(info.V2_4.SKUNumberStringNumber, has24 ? 5 : 0);
    EXPECT_STREQ(info.V2_4.SKUNumber, has24 ? "SKU" : "");
    EXPECT_EQ(info.V2_4.FamilyStringNumber, has24 ? 6 : 0);
    EXPECT_STREQ(info.V2_4.Family, has24 ? "Family" : "");
}

INSTANTIATE_TEST_SUITE_P(Versions, TypeSysInfoVersionTest,
                         ::testing::Values(0x0200, 0x0201, 0x0203, 0x0204, 0x0208, 0x0300));

TEST(TypeSysInfoTest, LastStructureWinsAndAnAbsentUuidIsWrittenOut) {
    TableBuilder table(3, 0);
    AddSysInfo(table, "First");
    AddSysInfo(table, "Second", Bytes(16, 0xFF), 0);
    ParsedTable parsed(table.End());
    const TypeSysInfo& info = parsed.info.GetTypeSysInfo();
    EXPECT_STREQ(info.Manufacturer, "SecondMaker");
    EXPECT_STREQ(info.V2_1.UUIDString, "FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF");
    EXPECT_STREQ(info.V2_4.SKUNumber, "SecondSKU");
    EXPECT_EQ(info.V2_4.FamilyStringNumber, 0);
    EXPECT_STREQ(info.V2_4.Family, "");
}

TEST(TypeSysInfoRecordTest, CopiesCarryEverythingButTheBaseStringNumbers) {
    TypeSysInfo source;
    pimpl::AssignString(source.Manufacturer, "Maker");
    pimpl::AssignString(source.V2_1.UUIDString, kCountingUuidText);
    pimpl::AssignString(source.V2_4.Family, "Family");
    source.ManufacturerStringNumber = 1;
    source.V2_1.UUID[15] = 0xFF;
    source.V2_1.WakeUpType = 6;
    source.V2_4.FamilyStringNumber = 6;
    TypeSysInfo assigned;
    assigned.ManufacturerStringNumber = 9;
    assigned = source;
    TypeSysInfo copy(source);

    for (const TypeSysInfo* record : {&copy, &assigned}) {
        EXPECT_NE(record->Manufacturer, source.Manufacturer);
        EXPECT_STREQ(record->Manufacturer, "Maker");
        EXPECT_NE(record->V2_1.UUIDString, source.V2_1.UUIDString);
        EXPECT_STREQ(record->V2_1.UUIDString, kCountingUuidText);
        EXPECT_NE(record->V2_4.Family, source.V2_4.Family);
        EXPECT_STREQ(record->V2_4.Family, "Family");
        EXPECT_EQ(UuidOf(*record), UuidOf(source));
        EXPECT_EQ(record->V2_1.WakeUpType, 6);
        EXPECT_EQ(record->V2_4.FamilyStringNumber, 6);
    }
    EXPECT_EQ(copy.ManufacturerStringNumber, 0);
    EXPECT_EQ(assigned.ManufacturerStringNumber, 9);

    const char* text = source.V2_1.UUIDString;
    source = *&source;
    EXPECT_EQ(source.V2_1.UUIDString, text);
    EXPECT_EQ(source.ManufacturerStringNumber, 1);
}

// Every cut of the table, from exact-size copies: fields that still fit are read, the others
// are 0, and the UUID text is made from the bytes as read.
TEST(TypeSysInfoTruncationTest, ReadsOnlyWhatTheTableHolds) {
    TableBuilder table(3, 0);
    AddSysInfo(table, "");
    const Bytes raw = table.End().Raw();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable parsed(TableBuilder::Truncated(raw, n));
        EXPECT_FALSE(parsed.info.GetError());
        const TypeSysInfo& info = parsed.info.GetTypeSysInfo();

        Bytes uuid(16, 0);
        for (std::size_t i = 0; i < uuid.size() && 0x08 + i < n; ++i) uuid[i] = kCountingUuid[i];
        EXPECT_EQ(UuidOf(info), uuid);
        EXPECT_EQ(std::string(info.V2_1.UUIDString).size(), n >= 4 ? 36u : 0u);
        EXPECT_EQ(info.V2_1.WakeUpType, n > 0x18 ? 0x06 : 0);
        EXPECT_EQ(info.V2_4.FamilyStringNumber, n > 0x1A ? 6 : 0);
        // The strings follow the formatted area, each cut at the table's end.
        EXPECT_EQ(std::string(info.Manufacturer),
                  std::string("Maker").substr(0, n - std::min(n, 0x1Bu)));
    }
}

}  // namespace
