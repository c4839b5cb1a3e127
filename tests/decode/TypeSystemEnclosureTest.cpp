#include <smbios/TypeSystemEnclosure.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeSystemEnclosure;
using kelvo::shared::smbios::pimpl::AssignString;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;

// A full 2.7 enclosure: 2 contained elements of 3 bytes at 15h, so the SKU number sits at 1Bh.
void AddEnclosure(TableBuilder& table, std::uint8_t tag) {
    table.Add(3, tag)
        .Bytes({1, 0x83, 2, 3, 4})
        .Bytes({0x0A, 0x0B, 0x0C, 0x0D})
        .Dword(0x12345678)
        .Bytes({2, 1, 2, 3})
        .Bytes({0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6})
        .Byte(5)
        .String("Maker" + std::to_string(tag))
        .String("V1")
        .String("SN1")
        .String("Tag1")
        .String("SKU1");
}

struct VersionCase {
    std::uint8_t major, minor;
    bool v21, v23, v27;
};

class EnclosureVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(EnclosureVersionTest, FillsEachBlockFromItsVersionOn) {
    const VersionCase& c = GetParam();
    TableBuilder table(c.major, c.minor);
    AddEnclosure(table, 1);
    table.End();
    ParsedTable parsed(table);
    const TypeSystemEnclosure& r = parsed.info.GetTypeSystemEnclosure();

    EXPECT_EQ(r.ManufacturerStringNumber, 1);
    EXPECT_STREQ(r.Manufacturer, "Maker1");
    EXPECT_EQ(r.ChassisType, 0x83);
    EXPECT_STREQ(r.Version, "V1");
    EXPECT_STREQ(r.SerialNumber, "SN1");
    EXPECT_EQ(r.AssetTagStringNumber, 4);
    EXPECT_STREQ(r.AssetTag, "Tag1");
    EXPECT_STREQ(r.ChassisTypeName, "");

    EXPECT_EQ(r.V2_1.BootUpState, c.v21 ? 0x0A : 0);
    EXPECT_EQ(r.V2_1.SecurityStatus, c.v21 ? 0x0D : 0);
    EXPECT_EQ(r.V2_3.OEMDefined, c.v23 ? 0x12345678u : 0u);
    EXPECT_EQ(r.V2_3.Height, c.v23 ? 2 : 0);
    EXPECT_EQ(r.V2_3.NumberOfPowerCords, c.v23 ? 1 : 0);
    EXPECT_EQ(r.V2_3.ContainedElementCount, c.v23 ? 2 : 0);
    EXPECT_EQ(r.V2_3.ContainedElementRecordLength, c.v23 ? 3 : 0);
    EXPECT_EQ(r.V2_3.ContainedElements, nullptr);
    EXPECT_EQ(r.V2_7.SKUNumberStringNumber, c.v27 ? 5 : 0);
    EXPECT_STREQ(r.V2_7.SKUNumber, c.v27 ? "SKU1" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, EnclosureVersionTest,
    ::testing::Values(VersionCase{2, 0, false, false, false}, VersionCase{2, 1, true, false, false},
                      VersionCase{2, 2, true, false, false}, VersionCase{2, 3, true, true, false},
                      VersionCase{2, 6, true, true, false}, VersionCase{2, 7, true, true, true},
                      VersionCase{2, 8, true, true, true}, VersionCase{3, 0, true, true, true}),
    [](const auto& info) {
        return "V" + std::to_string(info.param.major) + "_" + std::to_string(info.param.minor);
    });

TEST(EnclosureDecodeTest, WithoutContainedElementsTheSkuNumberIsAt15h) {
    TableBuilder table(2, 7);
    table.Add(3).ByteAt(0x13, 0).ByteAt(0x14, 3).ByteAt(0x15, 1).String("SKU");
    ParsedTable parsed(table);
    EXPECT_EQ(parsed.info.GetTypeSystemEnclosure().V2_7.SKUNumberStringNumber, 1);
    EXPECT_STREQ(parsed.info.GetTypeSystemEnclosure().V2_7.SKUNumber, "SKU");
}

TEST(EnclosureDecodeTest, LastStructureWins) {
    TableBuilder table(3, 0);
    AddEnclosure(table, 1);
    AddEnclosure(table, 2);
    ParsedTable parsed(table);
    EXPECT_STREQ(parsed.info.GetTypeSystemEnclosure().Manufacturer, "Maker2");
}

TEST(EnclosureDecodeTest, FieldsPastATruncatedTableAreZero) {
    TableBuilder table(3, 0);
    AddEnclosure(table, 1);
    const auto raw = table.Raw();
    ParsedTable full(raw);
    const TypeSystemEnclosure& f = full.info.GetTypeSystemEnclosure();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE(n);
        ParsedTable cut(TableBuilder::Truncated(raw, n));
        const TypeSystemEnclosure& r = cut.info.GetTypeSystemEnclosure();
        const auto expect = [n](std::uint32_t offset, std::uint32_t width, std::uint32_t value) {
            return offset + width <= n ? value : 0u;
        };
        EXPECT_EQ(r.ChassisType, expect(0x05, 1, f.ChassisType));
        EXPECT_EQ(r.AssetTagStringNumber, expect(0x08, 1, f.AssetTagStringNumber));
        EXPECT_EQ(r.V2_1.SecurityStatus, expect(0x0C, 1, f.V2_1.SecurityStatus));
        EXPECT_EQ(r.V2_3.OEMDefined, expect(0x0D, 4, f.V2_3.OEMDefined));
        EXPECT_EQ(r.V2_3.ContainedElementRecordLength, expect(0x14, 1, 3));
        EXPECT_EQ(r.V2_7.SKUNumberStringNumber, expect(0x1B, 1, 5));
        EXPECT_EQ(std::string(f.V2_7.SKUNumber).rfind(r.V2_7.SKUNumber, 0), 0u);
    }
}

TEST(EnclosureCopyTest, CopiesAreDeepAndSelfAssignmentKeepsTheRecord) {
    TableBuilder table(3, 0);
    AddEnclosure(table, 1);
    ParsedTable parsed(table);
    TypeSystemEnclosure source = parsed.info.GetTypeSystemEnclosure();
    AssignString(source.ChassisTypeName, "carried");
    source.V2_3.ContainedElements = new std::uint8_t[6]{1, 2, 3, 4, 5, 6};

    TypeSystemEnclosure assigned;
    assigned = source;
    TypeSystemEnclosure constructed(source);
    for (const TypeSystemEnclosure* copy : {&constructed, &assigned}) {
        for (auto text : {&TypeSystemEnclosure::Manufacturer, &TypeSystemEnclosure::Version,
                          &TypeSystemEnclosure::SerialNumber, &TypeSystemEnclosure::AssetTag,
                          &TypeSystemEnclosure::ChassisTypeName}) {
            EXPECT_NE(copy->*text, source.*text);
            EXPECT_STREQ(copy->*text, source.*text);
        }
        EXPECT_NE(copy->V2_7.SKUNumber, source.V2_7.SKUNumber);
        EXPECT_STREQ(copy->V2_7.SKUNumber, "SKU1");
        EXPECT_EQ(copy->AssetTagStringNumber, 4);
        EXPECT_EQ(copy->V2_1.ThermalState, 0x0C);
        EXPECT_EQ(copy->V2_3.OEMDefined, 0x12345678u);
        ASSERT_NE(copy->V2_3.ContainedElements, nullptr);
        EXPECT_NE(copy->V2_3.ContainedElements, source.V2_3.ContainedElements);
        EXPECT_EQ(std::memcmp(copy->V2_3.ContainedElements, source.V2_3.ContainedElements, 6), 0);
    }

    const TypeSystemEnclosure& alias = assigned;
    const char* manufacturer = assigned.Manufacturer;
    assigned = alias;
    EXPECT_EQ(assigned.Manufacturer, manufacturer);
    EXPECT_STREQ(assigned.Manufacturer, "Maker1");

    assigned = TypeSystemEnclosure();
    EXPECT_EQ(assigned.V2_3.ContainedElements, nullptr);
    EXPECT_STREQ(assigned.Manufacturer, "");
}

}  // namespace

namespace kelvo::shared::smbios {

struct NameCase {
    std::uint8_t chassisType;
    const char* name;
};

// Friend of the record: reaches its private chassis type names.
class EnclosureNameTest : public ::testing::TestWithParam<NameCase> {
protected:
    static const char* NameOf(TypeSystemEnclosure& record) { return record.GetEnclosureName(); }
};

TEST_P(EnclosureNameTest, NamesTheTypeIgnoringTheLockBit) {
    TypeSystemEnclosure record;
    record.ChassisType = GetParam().chassisType;
    EXPECT_STREQ(NameOf(record), GetParam().name);
    EXPECT_STREQ(record.ChassisTypeName, "");
}

INSTANTIATE_TEST_SUITE_P(Codes, EnclosureNameTest,
                         ::testing::Values(NameCase{0x00, "Invalid"}, NameCase{0x01, "Other"},
                                           NameCase{0x03, "Desktop"}, NameCase{0x83, "Desktop"},
                                           NameCase{0x0D, "All in One"},
                                           NameCase{0x18, "Sealed-case PC"},
                                           NameCase{0x1C, "Blade"}, NameCase{0x9C, "Blade"},
                                           NameCase{0x1D, "Blade Enclosure"},
                                           NameCase{0x1E, "Tablet"}, NameCase{0x24, "Stick PC"},
                                           NameCase{0x25, "Invalid"}, NameCase{0x7F, "Invalid"},
                                           NameCase{0xA5, "Invalid"}, NameCase{0x80, "Invalid"}));

}  // namespace kelvo::shared::smbios
