#include <smbios/TypeOemStrings.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeOemStrings;
using kelvo::shared::smbios::pimpl::ReleaseString;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;

constexpr std::uint64_t kRefused = ~std::uint64_t{0};

std::string Area(const TypeOemStrings& r) {
    return r.Strings == nullptr ? "<none>" : std::string(r.Strings, r.StringsSize);
}

// Calls GetOemStrings on a 4-entry array, checks that entries past the result stay untouched,
// and releases the copies.
std::vector<std::string> Fetch(const TypeOemStrings& r, std::uint64_t& result) {
    char sentinel = 0;
    char* out[4] = {&sentinel, &sentinel, &sentinel, &sentinel};
    result = r.GetOemStrings(out);
    std::vector<std::string> texts;
    for (std::uint64_t i = 0; i < 4; ++i) {
        if (result != kRefused && i < result) {
            texts.emplace_back(out[i]);
            ReleaseString(out[i]);
        } else {
            EXPECT_EQ(out[i], &sentinel) << "entry " << i;
        }
    }
    return texts;
}

struct DecodeCase {
    const char* name;
    std::uint8_t count;
    std::vector<std::string> strings;
    std::string area;
    std::uint64_t result;
    std::vector<std::string> copies;
};

class OemDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(OemDecodeTest, MeasuresTheAreaAndHandsOutAtMostCountStrings) {
    const DecodeCase& c = GetParam();
    TableBuilder table(2, 0);
    auto& structure = table.Add(11).Byte(c.count);
    for (const std::string& text : c.strings) structure.String(text);
    table.End();
    ParsedTable parsed(table);
    const TypeOemStrings& r = parsed.info.GetTypeOemStrings();

    EXPECT_EQ(r.Count, c.count);
    EXPECT_EQ(r.StringsSize, static_cast<std::int32_t>(c.area.size()));
    EXPECT_EQ(Area(r), c.area);
    std::uint64_t result = 0;
    EXPECT_EQ(Fetch(r, result), c.copies);
    EXPECT_EQ(result, c.result);
}

const std::string kAlphaBeta("Alpha\0Beta\0", 11);

INSTANTIATE_TEST_SUITE_P(
    Structures, OemDecodeTest,
    ::testing::Values(
        DecodeCase{"TwoOfTwo", 2, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        DecodeCase{"OneOfTwo", 1, {"Alpha", "Beta"}, kAlphaBeta, 1, {"Alpha"}},
        DecodeCase{"ThreeOfTwo", 3, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        DecodeCase{"Bytes41h00h42h43h", 2, {"A", "BC"}, std::string("A\0BC\0", 5), 2, {"A", "BC"}},
        DecodeCase{"CountZero", 0, {"Alpha"}, "", kRefused, {}},
        DecodeCase{"EmptySet", 2, {}, "", kRefused, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OemDecodeTest, AreaStartsRightAfterTheCountByteWhateverTheLength) {
    TableBuilder table(3, 0);
    table.Add(11).Bytes({1, 'X', 'Y'}).String("Z");
    ParsedTable parsed(table);
    EXPECT_EQ(Area(parsed.info.GetTypeOemStrings()), std::string("XYZ\0", 4));
}

TEST(OemDecodeTest, LastStructureWins) {
    TableBuilder table(3, 0);
    table.Add(11).Byte(1).String("first");
    table.Add(11).Byte(2).String("second").String("x");
    ParsedTable parsed(table);
    EXPECT_EQ(parsed.info.GetTypeOemStrings().Count, 2);
    EXPECT_EQ(Area(parsed.info.GetTypeOemStrings()), std::string("second\0x\0", 9));
}

// Strings that run into the end of the table are cut there and still end with a NUL.
TEST(OemDecodeTest, TruncatedTableCutsTheArea) {
    TableBuilder table(3, 0);
    table.Add(11).Byte(2).String("Alpha").String("Beta");
    const auto raw = table.Raw();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE(n);
        ParsedTable cut(TableBuilder::Truncated(raw, n));
        const TypeOemStrings& r = cut.info.GetTypeOemStrings();
        std::string expected = n > 5 ? kAlphaBeta.substr(0, n - 5) : "";
        if (!expected.empty() && expected.back() != '\0') expected.push_back('\0');
        EXPECT_EQ(r.Count, n >= 5 ? 2 : 0);
        EXPECT_EQ(Area(r), n >= 4 ? expected : "<none>");
        std::uint64_t result = 0;
        Fetch(r, result);
    }
}

struct HandBuiltCase {
    const char* name;
    const char* area;  // null: no area
    std::int32_t size;
    std::uint8_t count;
    std::uint64_t result;
};

class OemGetStringsTest : public ::testing::TestWithParam<HandBuiltCase> {};

TEST_P(OemGetStringsTest, RefusesOrCounts) {
    const HandBuiltCase& c = GetParam();
    TypeOemStrings r;
    r.Count = c.count;
    r.StringsSize = c.size;
    if (c.area != nullptr) {
        r.Strings = new char[c.size > 0 ? c.size : 0];
        std::memcpy(r.Strings, c.area, c.size > 0 ? c.size : 0);
    }
    std::uint64_t result = 0;
    Fetch(r, result);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(r.GetOemStrings(nullptr), kRefused);
}

INSTANTIATE_TEST_SUITE_P(Records, OemGetStringsTest,
                         ::testing::Values(HandBuiltCase{"Default", nullptr, 1, 0, kRefused},
                                           HandBuiltCase{"SizeZero", "", 0, 2, kRefused},
                                           HandBuiltCase{"SizeNegative", "A", -1, 1, kRefused},
                                           HandBuiltCase{"SizeOne", "A", 1, 1, 0},
                                           HandBuiltCase{"FirstByteNul", "\0A", 3, 1, 0},
                                           HandBuiltCase{"LastWithoutNul", "AB\0CD", 5, 4, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OemCopyTest, CopiesOwnTheirAreaAndDefaultAssignmentDropsIt) {
    TableBuilder table(3, 0);
    table.Add(11).Byte(2).String("Alpha").String("Beta");
    ParsedTable parsed(table);
    auto source = std::make_unique<TypeOemStrings>(parsed.info.GetTypeOemStrings());

    auto constructed = std::make_unique<TypeOemStrings>(*source);
    TypeOemStrings assigned;
    assigned = *source;
    EXPECT_NE(constructed->Strings, source->Strings);
    EXPECT_NE(assigned.Strings, source->Strings);
    source.reset();
    for (const TypeOemStrings* copy : {constructed.get(), &assigned}) {
        EXPECT_EQ(copy->Count, 2);
        EXPECT_EQ(Area(*copy), kAlphaBeta);
    }

    const TypeOemStrings& alias = assigned;
    const char* area = assigned.Strings;
    assigned = alias;
    EXPECT_EQ(assigned.Strings, area);
    EXPECT_EQ(Area(assigned), kAlphaBeta);

    assigned = TypeOemStrings();
    EXPECT_EQ(assigned.Count, 0);
    EXPECT_EQ(assigned.StringsSize, 1);
    EXPECT_EQ(assigned.Strings, nullptr);
}

// Count 2 over an empty set leaves no bytes to measure: the copy gets an empty area too.
TEST(OemCopyTest, CopyOfAnEmptyAreaWithACountIsEmpty) {
    TableBuilder table(3, 0);
    table.Add(11).Byte(2);
    ParsedTable parsed(table);
    const TypeOemStrings copy(parsed.info.GetTypeOemStrings());
    EXPECT_EQ(Area(copy), "");
    EXPECT_EQ(copy.StringsSize, 0);
}

}  // namespace
