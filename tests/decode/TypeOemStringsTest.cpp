#include <smbios/TypeOemStrings.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::TypeOemStrings;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using Texts = std::vector<std::string>;

constexpr std::uint64_t kRefused = ~std::uint64_t{0};
const std::string kAlphaBeta("Alpha\0Beta\0", 11);

std::string Area(const TypeOemStrings& r) {
    return r.Strings == nullptr ? "<none>" : std::string(r.Strings, r.StringsSize);
}

// GetOemStrings' result and copies, from a call on a 4-entry array whose entries past the result
// must stay untouched.
std::pair<std::uint64_t, Texts> Fetch(const TypeOemStrings& r) {
    char sentinel = 0;
    char* out[4] = {&sentinel, &sentinel, &sentinel, &sentinel};
    const std::uint64_t result = r.GetOemStrings(out);
    Texts texts;
    for (std::uint64_t i = 0; i < 4; ++i) {
        if (result != kRefused && i < result) {
            texts.emplace_back(out[i]);
            kelvo::shared::smbios::detail::ReleaseString(out[i]);
        } else {
            EXPECT_EQ(out[i], &sentinel) << "entry " << i;
        }
    }
    return {result, texts};
}

// The area runs from 05h, whatever the Length, up to the set's closing NUL; GetOemStrings hands
// out at most Count strings of it. Strings that run into the end of a table cut after `keep`
// bytes are cut there and still end with a NUL.
TEST(TypeOemStringsTest, MeasuresTheAreaAndHandsOutAtMostCountStrings) {
    const struct {
        std::uint8_t count;
        Texts strings;
        std::string area;
        std::uint64_t result;
        Texts copies;
        std::vector<std::uint8_t> formatted = {};  // bytes after the Count byte
        std::uint32_t keep = 0;                    // 0: the whole table
    } cases[] = {
        {2, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        {1, {"Alpha", "Beta"}, kAlphaBeta, 1, {"Alpha"}},
        {3, {"Alpha", "Beta"}, kAlphaBeta, 2, {"Alpha", "Beta"}},
        {2, {"A", "BC"}, std::string("A\0BC\0", 5), 2, {"A", "BC"}},
        {0, {"Alpha"}, "", kRefused, {}},
        {2, {}, "", kRefused, {}},
        {1, {"Z"}, std::string("XYZ\0", 4), 1, {"XYZ"}, {'X', 'Y'}},
        {2, {"Alpha", "Beta"}, "<none>", kRefused, {}, {}, 3},
        {2, {"Alpha", "Beta"}, "", kRefused, {}, {}, 5},
        {2, {"Alpha", "Beta"}, std::string("Alp\0", 4), 1, {"Alp"}, {}, 8},
        {2, {"Alpha", "Beta"}, std::string("Alpha\0Be\0", 9), 2, {"Alpha", "Be"}, {}, 13},
    };
    for (const auto& c : cases) {
        TableBuilder table(2, 0);
        auto& structure = table.Add(11).Byte(c.count);
        for (std::uint8_t byte : c.formatted) structure.Byte(byte);
        for (const std::string& text : c.strings) structure.String(text);
        ParsedTable parsed(c.keep == 0 ? table.End().Raw()
                                       : TableBuilder::Truncated(table.Raw(), c.keep));
        const TypeOemStrings& r = parsed.info.GetTypeOemStrings();
        SCOPED_TRACE(::testing::PrintToString(c.strings) + " count " + std::to_string(c.count) +
                     " keep " + std::to_string(c.keep));
        EXPECT_EQ(Area(r), c.area);
        EXPECT_EQ(Fetch(r), std::make_pair(c.result, c.copies));
    }
}

// Records built by hand, with areas that decoding never gives. An empty string ends the list.
// Copies and assignments answer the same from an area of their own; a default record has none.
TEST(TypeOemStringsTest, GetOemStringsRefusesOrCounts) {
    const struct {
        const char* area;  // null: no area
        std::int32_t size;
        std::uint8_t count;
        std::uint64_t result;
    } cases[] = {
        {nullptr, 1, 0, kRefused}, {"", 0, 2, kRefused}, {"A", -1, 1, kRefused}, {"A", 1, 1, 0},
        {"\0A", 3, 1, 0},          {"AB\0CD", 5, 4, 2},  {"A\0\0B", 5, 3, 1}};
    for (const auto& c : cases) {
        TypeOemStrings r;
        r.Count = c.count;
        r.StringsSize = c.size;
        if (c.area != nullptr) {
            r.Strings = new char[std::max(c.size, 0)];
            std::memcpy(r.Strings, c.area, std::max(c.size, 0));
        }
        SCOPED_TRACE(std::to_string(c.size) + " " + std::to_string(c.count));
        EXPECT_EQ(Fetch(r).first, c.result);
        EXPECT_EQ(r.GetOemStrings(nullptr), kRefused);
        const TypeOemStrings copy(r);
        TypeOemStrings assigned;
        assigned = copy;
        for (const TypeOemStrings* other : {&copy, &std::as_const(assigned)}) {
            EXPECT_EQ(Fetch(*other), Fetch(r));
            EXPECT_TRUE(other->Strings == nullptr ? r.Strings == nullptr
                                                  : other->Strings != r.Strings);
        }
        assigned = TypeOemStrings();
        EXPECT_EQ(assigned.Strings, nullptr);
    }
}

}  // namespace
