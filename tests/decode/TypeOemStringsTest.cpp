#include <smbios/TypeOemStrings.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeOemStrings;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;

constexpr std::uint64_t kRefused = ~std::uint64_t{0};
const std::string kAlphaBeta("Alpha\0Beta\0", 11);

std::string Area(const TypeOemStrings& r) {
    return r.Strings == nullptr ? "<none>" : std::string(r.Strings, r.StringsSize);
}

// GetOemStrings' result and copies, from a call on a 4-entry array whose entries past the result
// must stay untouched.
std::pair<std::uint64_t, std::vector<std::string>> Fetch(const TypeOemStrings& r) {
    char sentinel = 0;
    char* out[4] = {&sentinel, &sentinel, &sentinel, &sentinel};
    const std::uint64_t result = r.GetOemStrings(out);
    std::vector<std::string> texts;
    for (std::uint64_t i = 0; i < 4; ++i) {
        if (result != kRefused && i < result) {
            texts.emplace_back(out[i]);
            kelvo::shared::smbios::pimpl::ReleaseString(out[i]);
        } else {
            EXPECT_EQ(out[i], &sentinel) << "entry " << i;
        }
    }
    return {result, texts};
}

struct DecodeCase {
    const char* name;
    std::uint8_t count;
    std::vector<std::string> strings;
    std::string area;
    std::uint64_t result;
    std::vector<std::string> copies;
    std::vector<std::uint8_t> formatted = {};  // bytes after the Count byte, before the strings
};

class TypeOemStringsDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(TypeOemStringsDecodeTest, MeasuresTheAreaAndHandsOutAtMostCountStrings) {
    const DecodeCase& c = GetParam();
    TableBuilder table(2, 0);
    table.Add(11).Byte(3).String("Old");  // the last structure wins
    auto& structure = table.Add(11).Byte(c.count);
    for (std::uint8_t byte : c.formatted) structure.Byte(byte);
    for (const std::string& text : c.strings) structure.String(text);
    ParsedTable parsed(table.End());
    const TypeOemStrings& r = parsed.info.GetTypeOemStrings();

    EXPECT_EQ(r.Count, c.count);
    EXPECT_EQ(r.StringsSize, static_cast<std::int32_t>(c.area.size()));
    EXPECT_EQ(Area(r), c.area);
    EXPECT_EQ(Fetch(r), std::make_pair(c.result, c.copies));
}

INSTANTIATE_TEST_SUITE_P(
    Structures, TypeOemStringsDecodeTest,
    ::testing::Values(
        DecodeCase{"TwoOfTwo", 2, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        DecodeCase{"OneOfTwo", 1, {"Alpha", "Beta"}, kAlphaBeta, 1, {"Alpha"}},
        DecodeCase{"ThreeOfTwo", 3, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        DecodeCase{"Bytes41h00h42h43h", 2, {"A", "BC"}, std::string("A\0BC\0", 5), 2, {"A", "BC"}},
        DecodeCase{"CountZero", 0, {"Alpha"}, "", kRefused, {}},
        DecodeCase{"EmptySet", 2, {}, "", kRefused, {}},
        // The area starts at 05h whatever the structure's Length.
        DecodeCase{
            "BytesInTheFormattedArea", 1, {"Z"}, std::string("XYZ\0", 4), 1, {"XYZ"}, {'X', 'Y'}}),
    [](const auto& info) { return std::string(info.param.name); });

// Strings that run into the end of the table are cut there and still end with a NUL.
TEST(TypeOemStringsTest, CutTablesCutTheArea) {
    TableBuilder table(3, 0);
    table.Add(11).Byte(2).String("Alpha").String("Beta");
    const auto raw = table.Raw();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable cut(TableBuilder::Truncated(raw, n));
        const TypeOemStrings& r = cut.info.GetTypeOemStrings();
        std::string expected = n > 5 ? kAlphaBeta.substr(0, n - 5) : "";
        if (!expected.empty() && expected.back() != '\0') expected.push_back('\0');
        EXPECT_EQ(r.Count, n >= 5 ? 2 : 0);
        EXPECT_EQ(Area(r), n >= 4 ? expected : "<none>");
        Fetch(r);
    }
}

// Records built by hand, with sizes that decoding never gives.
TEST(TypeOemStringsTest, GetOemStringsRefusesOrCounts) {
    const struct {
        const char* name;
        const char* area;  // null: no area
        std::int32_t size;
        std::uint8_t count;
        std::uint64_t result;
    } cases[] = {{"Default", nullptr, 1, 0, kRefused},   {"SizeZero", "", 0, 2, kRefused},
                 {"SizeNegative", "A", -1, 1, kRefused}, {"SizeOne", "A", 1, 1, 0},
                 {"FirstByteNul", "\0A", 3, 1, 0},       {"LastWithoutNul", "AB\0CD", 5, 4, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TypeOemStrings r;
        r.Count = c.count;
        r.StringsSize = c.size;
        if (c.area != nullptr) {
            r.Strings = new char[std::max(c.size, 0)];
            std::memcpy(r.Strings, c.area, std::max(c.size, 0));
        }
        EXPECT_EQ(Fetch(r).first, c.result);
        EXPECT_EQ(r.GetOemStrings(nullptr), kRefused);
    }
}

// Copies own their area, also an empty one (Count 2 over an empty set), and outlive the source;
// assigning a default record drops the area.
TEST(TypeOemStringsTest, CopiesOwnTheirArea) {
    for (const std::string& area : {kAlphaBeta, std::string()}) {
        TableBuilder table(3, 0), other(3, 0);
        auto& structure = table.Add(11).Byte(2);
        if (!area.empty()) structure.String("Alpha").String("Beta");
        other.Add(11).Byte(1).String("Old");
        ParsedTable parsed(table), otherParsed(other);
        auto source = std::make_unique<TypeOemStrings>(parsed.info.GetTypeOemStrings());
        const TypeOemStrings constructed(*source);
        TypeOemStrings assigned(otherParsed.info.GetTypeOemStrings());
        assigned = *source;
        EXPECT_NE(constructed.Strings, source->Strings);
        EXPECT_NE(assigned.Strings, source->Strings);
        source.reset();
        for (const TypeOemStrings* copy : {&constructed, &std::as_const(assigned)}) {
            EXPECT_EQ(copy->Count, 2);
            EXPECT_EQ(copy->StringsSize, static_cast<std::int32_t>(area.size()));
            EXPECT_EQ(Area(*copy), area);
        }
        const TypeOemStrings& alias = assigned;
        const char* address = assigned.Strings;
        assigned = alias;
        EXPECT_EQ(assigned.Strings, address);
        EXPECT_EQ(Area(assigned), area);
        assigned = TypeOemStrings();
        EXPECT_EQ(Area(assigned), "<none>");
    }
}

// A record never decoded has no area and a size of 1; a 1-byte area is copied whole.
TEST(TypeOemStringsTest, DefaultAndOneByteAreas) {
    TypeOemStrings record;
    EXPECT_EQ(record.StringsSize, 1);
    EXPECT_EQ(Area(record), "<none>");
    record.Strings = new char[1]{'\0'};
    const TypeOemStrings copy(record);
    EXPECT_EQ(Area(copy), std::string(1, '\0'));
}

}  // namespace
