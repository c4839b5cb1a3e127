#include <smbios/TypeProcessor.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeProcessor;
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
    std::function<std::uint64_t(const TypeProcessor&)> get;
};

struct Text {
    std::string name;
    int since;
    std::string value;
    std::function<const char*(const TypeProcessor&)> get;
};

// Names the member as written, so a message points at the field.
#define FIELD(member, offset, width, since, value)                                          \
    Field {                                                                                 \
        std::string(#member), offset, width, since, value, [](auto& p) { return p.member; } \
    }

// Distinct values everywhere; family and core counts hold the escape values that point to the
// extension fields, which must still be stored as they are.
const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = [] {
        std::vector<Field> f = {
            FIELD(SocketDesignationStringNumber, 0x04, 1, 0x0200, 1),
            FIELD(ProcessorType, 0x05, 1, 0x0200, 0x03),
            FIELD(ProcessorFamily, 0x06, 1, 0x0200, 0xFE),
            FIELD(ProcessorManufacturerStringNumber, 0x07, 1, 0x0200, 2),
            FIELD(ProcessorVersionStringNumber, 0x10, 1, 0x0200, 3),
            FIELD(Voltage, 0x11, 1, 0x0200, 0x8B),
            FIELD(ExternalClock, 0x12, 2, 0x0200, 0x0064),
            FIELD(MaxSpeed, 0x14, 2, 0x0200, 0x0E10),
            FIELD(CurrentSpeed, 0x16, 2, 0x0200, 0x0BB8),
            FIELD(Status, 0x18, 1, 0x0200, 0x41),
            FIELD(ProcessorUpgrade, 0x19, 1, 0x0200, 0x2B),
            FIELD(V2_1.L1CacheHandle, 0x1A, 2, 0x0201, 0x0701),
            FIELD(V2_1.L2CacheHandle, 0x1C, 2, 0x0201, 0x0702),
            FIELD(V2_1.L3CacheHandle, 0x1E, 2, 0x0201, 0x0703),
            FIELD(V2_3.SerialNumberStringNumber, 0x20, 1, 0x0203, 4),
            FIELD(V2_3.AssetTagStringNumber, 0x21, 1, 0x0203, 5),
            FIELD(V2_3.PartNumberStringNumber, 0x22, 1, 0x0203, 6),
            FIELD(V2_5.CoreCount, 0x23, 1, 0x0205, 0xFF),
            FIELD(V2_5.CoreEnabled, 0x24, 1, 0x0205, 0xFF),
            FIELD(V2_5.ThreadCount, 0x25, 1, 0x0205, 0xFF),
            FIELD(V2_5.ProcessorCharacteristics, 0x26, 2, 0x0205, 0x00FC),
            FIELD(V2_6.ProcessorFamily2, 0x28, 2, 0x0206, 0x0118),
            FIELD(V3_0.CoreCount2, 0x2A, 2, 0x0300, 0x0100),
            FIELD(V3_0.CoreEnabled2, 0x2C, 2, 0x0300, 0x00FE),
            FIELD(V3_0.ThreadCount2, 0x2E, 2, 0x0300, 0x0200),
        };
        for (unsigned i = 0; i < TypeProcessor::ProcessorIDSize; ++i) {
            f.push_back({"ProcessorID[" + std::to_string(i) + "]", 0x08 + i, 1, 0x0200,
                         0x11u * (i + 1), [i](auto& p) { return p.ProcessorID[i]; }});
        }
        return f;
    }();
    return fields;
}
#undef FIELD

const std::vector<Text>& Texts() {
    static const std::vector<Text> texts = {
        {"SocketDesignation", 0x0200, "CPU0", [](auto& p) { return p.SocketDesignation; }},
        {"ProcessorManufacturer", 0x0200, "Intel(R)",
         [](auto& p) { return p.ProcessorManufacturer; }},
        {"ProcessorVersion", 0x0200, "Xeon", [](auto& p) { return p.ProcessorVersion; }},
        {"SerialNumber", 0x0203, "SN-1", [](auto& p) { return p.V2_3.SerialNumber; }},
        {"AssetTag", 0x0203, "AT-1", [](auto& p) { return p.V2_3.AssetTag; }},
        {"PartNumber", 0x0203, "PN-1", [](auto& p) { return p.V2_3.PartNumber; }},
    };
    return texts;
}

// A full 3.0 processor structure (Length 30h) holding Fields() and Texts().
StructureBuilder& AddProcessor(TableBuilder& table) {
    StructureBuilder& s = table.Add(4, 0x0400);
    for (const Field& f : Fields()) {
        if (f.width == 1) s.ByteAt(f.offset, static_cast<std::uint8_t>(f.value));
        if (f.width == 2) s.WordAt(f.offset, static_cast<std::uint16_t>(f.value));
    }
    for (const Text& t : Texts()) s.String(t.value);
    return s;
}

void ExpectSameRecord(const TypeProcessor& copy, const TypeProcessor& original) {
    for (const Field& f : Fields()) EXPECT_EQ(f.get(copy), f.get(original)) << f.name;
    for (const Text& t : Texts()) {
        EXPECT_STREQ(t.get(copy), t.get(original)) << t.name;
        EXPECT_NE(t.get(copy), t.get(original)) << t.name << " must be a copy";
    }
}

struct Version {
    std::uint8_t major;
    std::uint8_t minor;
    int Effective() const { return std::min(major * 256 + minor, 0x0300); }
};

class ProcessorVersionTest : public ::testing::TestWithParam<Version> {};

TEST_P(ProcessorVersionTest, FillsExactlyTheBlocksOfTheTableVersion) {
    TableBuilder table(GetParam().major, GetParam().minor);
    AddProcessor(table);
    table.End();
    ParsedTable parsed(table);
    const TypeProcessor& p = parsed.info.GetTypeProcessor();
    const int version = GetParam().Effective();

    for (const Field& f : Fields()) {
        EXPECT_EQ(f.get(p), version >= f.since ? f.value : 0u) << f.name;
    }
    for (const Text& t : Texts()) {
        EXPECT_STREQ(t.get(p), version >= t.since ? t.value.c_str() : "") << t.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, ProcessorVersionTest,
                         ::testing::Values(Version{2, 0}, Version{2, 1}, Version{2, 2},
                                           Version{2, 3}, Version{2, 4}, Version{2, 5},
                                           Version{2, 6}, Version{2, 7}, Version{2, 8},
                                           Version{3, 0}, Version{3, 4}),
                         [](const auto& info) {
                             return "V" + std::to_string(info.param.major) + "_" +
                                    std::to_string(info.param.minor);
                         });

TEST(ProcessorDecodeTest, ReadsIdBytesInStructureOrderAndWordsLittleEndian) {
    TableBuilder table(2, 0);
    table.Add(4)
        .BytesAt(0x08, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88})
        .BytesAt(0x12, {0x64, 0x00, 0x34, 0x12})
        .ByteAt(0x19, 0);
    ParsedTable parsed(table);
    const TypeProcessor& p = parsed.info.GetTypeProcessor();

    const std::uint8_t expected[] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), p.ProcessorID));
    EXPECT_EQ(p.ExternalClock, 100);
    EXPECT_EQ(p.MaxSpeed, 0x1234);
}

TEST(ProcessorDecodeTest, StringNumbersOutsideTheSetGiveEmptyTexts) {
    TableBuilder table(2, 0);
    table.Add(4).ByteAt(0x04, 0).ByteAt(0x07, 2).ByteAt(0x10, 4).ByteAt(0x19, 0).String("A").String(
        "B");
    ParsedTable parsed(table);
    const TypeProcessor& p = parsed.info.GetTypeProcessor();

    EXPECT_STREQ(p.SocketDesignation, "");
    EXPECT_STREQ(p.ProcessorManufacturer, "B");
    EXPECT_EQ(p.ProcessorVersionStringNumber, 4);
    EXPECT_STREQ(p.ProcessorVersion, "");
}

TEST(ProcessorDecodeTest, LastStructureWinsWithoutMerging) {
    TableBuilder table(3, 0);
    AddProcessor(table);
    table.Add(4, 0x0401).ByteAt(0x04, 1).ByteAt(0x20, 0).ByteAt(0x2F, 0).String("CPU1");
    table.End();
    ParsedTable parsed(table);
    const TypeProcessor& p = parsed.info.GetTypeProcessor();

    EXPECT_STREQ(p.SocketDesignation, "CPU1");
    EXPECT_EQ(p.V2_3.SerialNumberStringNumber, 0);
    EXPECT_STREQ(p.V2_3.SerialNumber, "");
    EXPECT_EQ(p.ProcessorFamily, 0);
    EXPECT_EQ(p.V3_0.ThreadCount2, 0);
}

TEST(ProcessorDecodeTest, TruncatedAtEveryOffsetKeepsOnlyWholeFields) {
    TableBuilder table(3, 0);
    AddProcessor(table);
    const std::vector<std::uint8_t> raw = table.Raw();
    const auto tableLength = static_cast<std::uint32_t>(raw.size() - 8);

    for (std::uint32_t n = 0; n <= tableLength; ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable parsed(TableBuilder::Truncated(raw, n));
        const TypeProcessor& p = parsed.info.GetTypeProcessor();
        for (const Field& f : Fields()) {
            EXPECT_EQ(f.get(p), f.offset + f.width <= n ? f.value : 0u) << f.name;
        }
        // A text cut by the table's end keeps what lies inside.
        for (const Text& t : Texts()) {
            EXPECT_EQ(t.value.rfind(t.get(p), 0), 0u) << t.name << ": " << t.get(p);
        }
    }
}

TEST(ProcessorRecordTest, CopyAndAssignmentAreDeep) {
    TableBuilder table(3, 0);
    AddProcessor(table);
    ParsedTable parsed(table);
    const TypeProcessor& original = parsed.info.GetTypeProcessor();

    const TypeProcessor copy(original);
    ExpectSameRecord(copy, original);

    TableBuilder other(3, 0);
    other.Add(4).ByteAt(0x04, 1).ByteAt(0x20, 1).ByteAt(0x2F, 9).String("old");
    ParsedTable otherParsed(other);
    TypeProcessor assigned(otherParsed.info.GetTypeProcessor());
    assigned = original;
    ExpectSameRecord(assigned, original);

    const char* socket = assigned.SocketDesignation;
    const TypeProcessor& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.SocketDesignation, socket);
    EXPECT_STREQ(assigned.V2_3.SerialNumber, "SN-1");
    EXPECT_EQ(assigned.V3_0.ThreadCount2, 0x0200);
}

// Default texts are fresh empty strings; a null text (failed allocation) copies as empty.
TEST(ProcessorRecordTest, DefaultAndNullTextsCopyAsEmptyTexts) {
    TypeProcessor record;
    for (const Field& f : Fields()) EXPECT_EQ(f.get(record), 0u) << f.name;
    kelvo::shared::smbios::pimpl::ReleaseString(record.ProcessorVersion);
    kelvo::shared::smbios::pimpl::ReleaseString(record.V2_3.PartNumber);

    const TypeProcessor copy(record);
    TypeProcessor assigned;
    assigned = record;
    for (const TypeProcessor* r : std::initializer_list<const TypeProcessor*>{&copy, &assigned}) {
        for (const Text& t : Texts()) {
            ASSERT_NE(t.get(*r), nullptr) << t.name;
            EXPECT_STREQ(t.get(*r), "") << t.name;
        }
    }
    EXPECT_NE(copy.SocketDesignation, record.SocketDesignation);
}

}  // namespace
