#include <smbios/TypePhysicalMemory.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypePhysicalMemory;
using kelvo::test::ParsedTable;
using kelvo::test::StructureBuilder;
using kelvo::test::TableBuilder;

// One field: where the structure holds it, from which version, the value the test table puts
// there and how to read it back from the record.
struct Field {
    std::string name;
    unsigned offset;
    unsigned width;
    int since;
    std::uint64_t value;
    std::function<std::uint64_t(const TypePhysicalMemory&)> get;
};

#define FIELD(member, offset, width, since, value)                                          \
    Field {                                                                                 \
        std::string(#member), offset, width, since, value, [](auto& r) { return r.member; } \
    }

// MaximumCapacity holds the escape value that points to ExtendedMaximumCapacity.
const std::vector<Field> kFields = {
    FIELD(V2_1.Location, 0x04, 1, 0x0201, 0x03),
    FIELD(V2_1.Use, 0x05, 1, 0x0201, 0x04),
    FIELD(V2_1.MemoryErrorCorrection, 0x06, 1, 0x0201, 0x06),
    FIELD(V2_1.MaximumCapacity, 0x07, 4, 0x0201, 0x80000000),
    FIELD(V2_1.MemoryErrorInformationHandle, 0x0B, 2, 0x0201, 0xFFFE),
    FIELD(V2_1.NumberOfMemoryDevices, 0x0D, 2, 0x0201, 0x0004),
    FIELD(V2_7.ExtendedMaximumCapacity, 0x0F, 8, 0x0207, 0x0000001000000000),
};
#undef FIELD

StructureBuilder& AddArray(TableBuilder& table, std::uint64_t bump = 0) {
    StructureBuilder& s = table.Add(16, 0x1000);
    for (const Field& f : kFields) {
        if (f.width == 1) s.ByteAt(f.offset, static_cast<std::uint8_t>(f.value + bump));
        if (f.width == 2) s.WordAt(f.offset, static_cast<std::uint16_t>(f.value + bump));
        if (f.width == 4) s.DwordAt(f.offset, static_cast<std::uint32_t>(f.value + bump));
        if (f.width == 8) s.QwordAt(f.offset, f.value + bump);
    }
    return s;
}

struct Version {
    std::uint8_t major;
    std::uint8_t minor;
    int Effective() const { return std::min(major * 256 + minor, 0x0300); }
};

class PhysicalMemoryVersionTest : public ::testing::TestWithParam<Version> {};

TEST_P(PhysicalMemoryVersionTest, FillsExactlyTheBlocksOfTheTableVersion) {
    TableBuilder table(GetParam().major, GetParam().minor);
    AddArray(table);
    table.End();
    ParsedTable parsed(table);
    const TypePhysicalMemory& r = parsed.info.GetTypePhysicalMemory();

    for (const Field& f : kFields) {
        EXPECT_EQ(f.get(r), GetParam().Effective() >= f.since ? f.value : 0u) << f.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, PhysicalMemoryVersionTest,
                         ::testing::Values(Version{2, 0}, Version{2, 1}, Version{2, 3},
                                           Version{2, 6}, Version{2, 7}, Version{2, 8},
                                           Version{3, 0}, Version{3, 2}),
                         [](const auto& info) {
                             return "V" + std::to_string(info.param.major) + "_" +
                                    std::to_string(info.param.minor);
                         });

TEST(PhysicalMemoryDecodeTest, OddOffsetValuesAreReadRawAndLittleEndian) {
    TableBuilder table(2, 7);
    table.Add(16)
        .BytesAt(0x07, {0x00, 0x00, 0x00, 0x80})
        .BytesAt(0x0D, {0x04, 0x00})
        .BytesAt(0x0F, {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00});
    ParsedTable parsed(table);
    const TypePhysicalMemory& r = parsed.info.GetTypePhysicalMemory();

    EXPECT_EQ(r.V2_1.MaximumCapacity, 0x80000000u);
    EXPECT_EQ(r.V2_1.NumberOfMemoryDevices, 4);
    EXPECT_EQ(r.V2_7.ExtendedMaximumCapacity, 0x0000001000000000u);
}

TEST(PhysicalMemoryDecodeTest, LastStructureWins) {
    TableBuilder table(3, 0);
    AddArray(table);
    AddArray(table, 1);
    table.End();
    ParsedTable parsed(table);
    const TypePhysicalMemory& r = parsed.info.GetTypePhysicalMemory();

    for (const Field& f : kFields) EXPECT_EQ(f.get(r), f.value + 1) << f.name;
}

TEST(PhysicalMemoryDecodeTest, TruncatedAtEveryOffsetKeepsOnlyWholeFields) {
    TableBuilder table(3, 0);
    AddArray(table);
    const std::vector<std::uint8_t> raw = table.Raw();
    const auto tableLength = static_cast<std::uint32_t>(raw.size() - 8);

    for (std::uint32_t n = 0; n <= tableLength; ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable parsed(TableBuilder::Truncated(raw, n));
        const TypePhysicalMemory& r = parsed.info.GetTypePhysicalMemory();
        for (const Field& f : kFields) {
            EXPECT_EQ(f.get(r), f.offset + f.width <= n ? f.value : 0u) << f.name;
        }
    }
}

TEST(PhysicalMemoryRecordTest, DefaultIsZeroAndCopiesCarryEveryField) {
    const TypePhysicalMemory defaults;
    for (const Field& f : kFields) EXPECT_EQ(f.get(defaults), 0u) << f.name;

    TableBuilder table(3, 0);
    AddArray(table);
    ParsedTable parsed(table);
    const TypePhysicalMemory& original = parsed.info.GetTypePhysicalMemory();
    const TypePhysicalMemory copy(original);
    TypePhysicalMemory assigned;
    assigned = original;
    TypePhysicalMemory self(original);
    const TypePhysicalMemory& alias = self;
    self = alias;

    for (const Field& f : kFields) {
        EXPECT_EQ(f.get(copy), f.value) << f.name;
        EXPECT_EQ(f.get(assigned), f.value) << f.name;
        EXPECT_EQ(f.get(self), f.value) << f.name;
    }
}

}  // namespace
