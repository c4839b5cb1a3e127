#include <smbios/TypeMemoryDevice.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeMemoryDevice;
using kelvo::test::ParsedTable;
using kelvo::test::StructureBuilder;
using kelvo::test::TableBuilder;

// One numeric field: where the structure holds it, from which version, the value the test
// table puts there and how to read it back from the record.
struct Field {
    std::string name;
    unsigned offset;
    unsigned width;
    int since;
    std::uint64_t value;
    std::function<std::uint64_t(const TypeMemoryDevice&)> get;
};

struct Text {
    std::string name;
    int since;
    std::string value;
    std::function<const char*(const TypeMemoryDevice&)> get;
};

#define FIELD(member, offset, width, since, value)                                          \
    Field {                                                                                 \
        std::string(#member), offset, width, since, value, [](auto& r) { return r.member; } \
    }
#define TEXT(member, since, value)                                           \
    Text {                                                                   \
        std::string(#member), since, value, [](auto& r) { return r.member; } \
    }

// Size holds the escape value that points to ExtendedSize; the string numbers follow
// kTexts' order.
const std::vector<Field> kFields = {
    FIELD(V2_1.PhysicalMemoryArrayHandle, 0x04, 2, 0x0201, 0x1000),
    FIELD(V2_1.MemoryErrorInformationHandle, 0x06, 2, 0x0201, 0xFFFE),
    FIELD(V2_1.TotalWidth, 0x08, 2, 0x0201, 72),
    FIELD(V2_1.DataWidth, 0x0A, 2, 0x0201, 64),
    FIELD(V2_1.Size, 0x0C, 2, 0x0201, 0x7FFF),
    FIELD(V2_1.FormFactor, 0x0E, 1, 0x0201, 0x09),
    FIELD(V2_1.DeviceSet, 0x0F, 1, 0x0201, 0x01),
    FIELD(V2_1.DeviceLocatorStringNumber, 0x10, 1, 0x0201, 1),
    FIELD(V2_1.BankLocatorStringNumber, 0x11, 1, 0x0201, 2),
    FIELD(V2_1.MemoryType, 0x12, 1, 0x0201, 0x1A),
    FIELD(V2_1.TypeDetail, 0x13, 2, 0x0201, 0x0080),
    FIELD(V2_3.Speed, 0x15, 2, 0x0203, 0x0C80),
    FIELD(V2_3.ManufacturerStringNumber, 0x17, 1, 0x0203, 3),
    FIELD(V2_3.SerialNumberStringNumber, 0x18, 1, 0x0203, 4),
    FIELD(V2_3.AssetTagStringNumber, 0x19, 1, 0x0203, 5),
    FIELD(V2_3.PartNumberStringNumber, 0x1A, 1, 0x0203, 6),
    FIELD(V2_6.Attributes, 0x1B, 1, 0x0206, 0x02),
    FIELD(V2_7.ExtendedSize, 0x1C, 4, 0x0207, 0x00010000),
    FIELD(V2_7.ConfiguredMemoryClockSpeed, 0x20, 2, 0x0207, 0x0BB8),
    FIELD(V2_8.MinimumVoltage, 0x22, 2, 0x0208, 0x04B0),
    FIELD(V2_8.MaximumVoltage, 0x24, 2, 0x0208, 0x05DC),
    FIELD(V2_8.ConfiguredVoltage, 0x26, 2, 0x0208, 0x0514),
};

const std::vector<Text> kTexts = {
    TEXT(V2_1.DeviceLocator, 0x0201, "DIMM_A1"), TEXT(V2_1.BankLocator, 0x0201, "BANK 0"),
    TEXT(V2_3.Manufacturer, 0x0203, "Samsung"),  TEXT(V2_3.SerialNumber, 0x0203, "SN-1"),
    TEXT(V2_3.AssetTag, 0x0203, "AT-1"),         TEXT(V2_3.PartNumber, 0x0203, "PN-1"),
};
#undef FIELD
#undef TEXT

// A full 2.8 memory device structure (Length 28h); `tag` is appended to every text.
StructureBuilder& AddDevice(TableBuilder& table, const std::string& tag = "") {
    StructureBuilder& s = table.Add(17, 0x1100);
    for (const Field& f : kFields) {
        if (f.width == 1) s.ByteAt(f.offset, static_cast<std::uint8_t>(f.value));
        if (f.width == 2) s.WordAt(f.offset, static_cast<std::uint16_t>(f.value));
        if (f.width == 4) s.DwordAt(f.offset, static_cast<std::uint32_t>(f.value));
    }
    for (const Text& t : kTexts) s.String(t.value + tag);
    return s;
}

void ExpectSameRecord(const TypeMemoryDevice& copy, const TypeMemoryDevice& original) {
    for (const Field& f : kFields) EXPECT_EQ(f.get(copy), f.get(original)) << f.name;
    for (const Text& t : kTexts) {
        EXPECT_STREQ(t.get(copy), t.get(original)) << t.name;
        EXPECT_NE(t.get(copy), t.get(original)) << t.name << " must be a copy";
    }
}

struct Version {
    std::uint8_t major;
    std::uint8_t minor;
    int Effective() const { return std::min(major * 256 + minor, 0x0300); }
};

class MemoryDeviceVersionTest : public ::testing::TestWithParam<Version> {};

TEST_P(MemoryDeviceVersionTest, FillsExactlyTheBlocksOfTheTableVersion) {
    TableBuilder table(GetParam().major, GetParam().minor);
    AddDevice(table);
    table.End();
    ParsedTable parsed(table);
    const TypeMemoryDevice& r = parsed.info.GetTypeMemoryDevice();
    const int version = GetParam().Effective();

    for (const Field& f : kFields) {
        EXPECT_EQ(f.get(r), version >= f.since ? f.value : 0u) << f.name;
    }
    for (const Text& t : kTexts) {
        EXPECT_STREQ(t.get(r), version >= t.since ? t.value.c_str() : "") << t.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, MemoryDeviceVersionTest,
    ::testing::Values(Version{2, 0}, Version{2, 1}, Version{2, 2}, Version{2, 3}, Version{2, 5},
                      Version{2, 6}, Version{2, 7}, Version{2, 8}, Version{3, 0}, Version{3, 3}),
    [](const auto& info) {
        return "V" + std::to_string(info.param.major) + "_" + std::to_string(info.param.minor);
    });

TEST(MemoryDeviceDecodeTest, ReadsRawValuesAtOddOffsetsEachIntoItsOwnField) {
    TableBuilder table(2, 8);
    table.Add(17)
        .BytesAt(0x0C, {0xFF, 0x7F})
        .ByteAt(0x10, 1)
        .ByteAt(0x11, 0)
        .BytesAt(0x13, {0x80, 0x00})
        .BytesAt(0x1C, {0x00, 0x00, 0x01, 0x00})
        .BytesAt(0x22, {0xB0, 0x04, 0xDC, 0x05, 0x14, 0x05})
        .String("DIMM 0");
    ParsedTable parsed(table);
    const TypeMemoryDevice& r = parsed.info.GetTypeMemoryDevice();

    EXPECT_EQ(r.V2_1.Size, 0x7FFF);
    EXPECT_EQ(r.V2_7.ExtendedSize, 0x00010000u);
    EXPECT_EQ(r.V2_1.TypeDetail, 0x0080);
    EXPECT_EQ(r.V2_8.MinimumVoltage, 0x04B0);
    EXPECT_EQ(r.V2_8.MaximumVoltage, 0x05DC);
    EXPECT_EQ(r.V2_8.ConfiguredVoltage, 0x0514);
    EXPECT_STREQ(r.V2_1.DeviceLocator, "DIMM 0");
    EXPECT_STREQ(r.V2_1.BankLocator, "");
}

TEST(MemoryDeviceDecodeTest, FourthOfFourStructuresWins) {
    TableBuilder table(2, 8);
    for (int i = 1; i <= 4; ++i) {
        AddDevice(table, "#" + std::to_string(i)).WordAt(0x0C, static_cast<std::uint16_t>(i));
    }
    table.End();
    ParsedTable parsed(table);
    const TypeMemoryDevice& r = parsed.info.GetTypeMemoryDevice();

    EXPECT_EQ(r.V2_1.Size, 4);
    for (const Text& t : kTexts) EXPECT_EQ(t.get(r), t.value + "#4") << t.name;
}

TEST(MemoryDeviceDecodeTest, TruncatedAtEveryOffsetKeepsOnlyWholeFields) {
    TableBuilder table(2, 8);
    AddDevice(table);
    const std::vector<std::uint8_t> raw = table.Raw();
    const auto tableLength = static_cast<std::uint32_t>(raw.size() - 8);

    for (std::uint32_t n = 0; n <= tableLength; ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable parsed(TableBuilder::Truncated(raw, n));
        const TypeMemoryDevice& r = parsed.info.GetTypeMemoryDevice();
        for (const Field& f : kFields) {
            EXPECT_EQ(f.get(r), f.offset + f.width <= n ? f.value : 0u) << f.name;
        }
        // A text cut by the table's end keeps what lies inside.
        for (const Text& t : kTexts) {
            EXPECT_EQ(t.value.rfind(t.get(r), 0), 0u) << t.name << ": " << t.get(r);
        }
    }
}

TEST(MemoryDeviceRecordTest, CopyAndAssignmentAreDeep) {
    TableBuilder table(2, 8);
    AddDevice(table);
    TableBuilder other(2, 8);
    AddDevice(other, " old");
    ParsedTable parsed(table);
    ParsedTable otherParsed(other);
    const TypeMemoryDevice& original = parsed.info.GetTypeMemoryDevice();

    const TypeMemoryDevice copy(original);
    ExpectSameRecord(copy, original);
    TypeMemoryDevice assigned(otherParsed.info.GetTypeMemoryDevice());
    assigned = original;
    ExpectSameRecord(assigned, original);

    const char* locator = assigned.V2_1.DeviceLocator;
    const TypeMemoryDevice& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.V2_1.DeviceLocator, locator);
    EXPECT_STREQ(assigned.V2_3.PartNumber, "PN-1");
    EXPECT_EQ(assigned.V2_8.ConfiguredVoltage, 0x0514);
}

// Default texts are fresh empty strings; a null text (failed allocation) copies as empty.
TEST(MemoryDeviceRecordTest, DefaultAndNullTextsCopyAsEmptyTexts) {
    TypeMemoryDevice record;
    for (const Field& f : kFields) EXPECT_EQ(f.get(record), 0u) << f.name;
    kelvo::shared::smbios::pimpl::ReleaseString(record.V2_1.BankLocator);
    kelvo::shared::smbios::pimpl::ReleaseString(record.V2_3.AssetTag);

    const TypeMemoryDevice copy(record);
    TypeMemoryDevice assigned;
    assigned = record;
    for (const TypeMemoryDevice* r :
         std::initializer_list<const TypeMemoryDevice*>{&copy, &assigned}) {
        for (const Text& t : kTexts) {
            ASSERT_NE(t.get(*r), nullptr) << t.name;
            EXPECT_STREQ(t.get(*r), "") << t.name;
        }
    }
    EXPECT_NE(copy.V2_1.DeviceLocator, record.V2_1.DeviceLocator);
}

}  // namespace
