#include "decode/Walker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios::detail;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;
using Bytes = std::vector<std::uint8_t>;
using Walked = std::vector<std::pair<int, int>>;  // type and handle of each structure

// Walks a structure table held in an exact-size heap buffer; the structures NextStructure
// yields, in order.
Walked Walk(const Bytes& table) {
    const BufferReader buffer(table);
    ParseState state;
    state.version = SMBiosSpecVersion::V3_0;
    state.hasTable = true;
    state.table = TableView(buffer.GetData(), buffer.GetSize());
    Walked walked;
    while (auto structure = NextStructure(state)) {
        walked.emplace_back(structure->type, structure->handle);
        if (walked.size() > table.size()) break;  // a walk that never ends is a failure too
    }
    EXPECT_EQ(NextStructure(state), nullptr) << "a finished walk stays finished";
    return walked;
}

// Structures as the table holds them: type, Length, handle, formatted bytes, string set.
TEST(WalkerTest, WalksUpToTheEndOfTableStructureOrTheTablesEnd) {
    const struct {
        const char* name;
        Bytes table;
        Walked walked;
    } cases[] = {
        {"FourteenBytes", {200, 5, 1, 0, 1, 'A', 0, 0, 127, 4, 2, 0, 0, 0}, {{200, 1}}},
        {"StringSetsAndUnknownTypes",
         {7, 7, 1, 0, 1, 2, 3, 'c', 0,   'm', 0, 0,   200, 4,    2,    0, 0, 0,
          1, 8, 3, 0, 0, 0, 0, 0,   'x', 0,   0, 127, 4,   0xFF, 0xFF, 0, 0},
         {{7, 1}, {200, 2}, {1, 3}}},
        {"EndOfTableFirst",
         {200, 4, 1, 0, 0, 0, 127, 4, 9, 0, 0, 0, 200, 4, 2, 0, 0, 0},
         {{200, 1}}},
        {"NoEndOfTable", {200, 4, 1, 0, 'a', 0, 0, 201, 4, 2, 0, 'b', 0, 0}, {{200, 1}, {201, 2}}},
        // Length 2: the double-NUL scan starts at byte 2 and finds the handle 00 00 there, so
        // the next structure begins at byte 4.
        {"LengthBelowFour", {200, 2, 0, 0, 201, 4, 7, 0, 0, 0}, {{200, 0}, {201, 7}}},
        {"FormattedAreaPastTheEnd", {200, 0xFF, 1, 0, 0, 0, 201, 4, 2, 0, 0, 0}, {{200, 1}}},
        {"SecondHeaderCut", {200, 4, 1, 0, 0, 0, 201, 4, 2}, {{200, 1}}},
        {"SecondHeaderWhole", {200, 4, 1, 0, 0, 0, 201, 4, 2, 3}, {{200, 1}, {201, 0x0302}}},
        {"Empty", {}, {}},
        {"HeaderCut", {200, 4, 1}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Walk(c.table), c.walked) << c.name;
}

// String numbers count from 1 in the set after the formatted area; a missing one is empty and a
// text that the table's end cuts stops there.
TEST(WalkerTest, LookupStringFindsNumberedStringsInsideTheTable) {
    const Bytes ab = {200, 6, 1, 0, 9, 9, 'A', 0, 'B', 0, 0};
    const Bytes empty = {200, 4, 1, 0, 0, 0};
    const Bytes cut = {200, 4, 1, 0, 'x', 0, 'A', 'B', 'C'};  // "ABC" without its NUL
    const struct {
        const Bytes& table;
        std::uint8_t length;
        std::uint8_t number;
        const char* text;
    } cases[] = {{ab, 6, 0, ""},   {ab, 6, 1, "A"},    {ab, 6, 2, "B"},  {ab, 6, 3, ""},
                 {ab, 6, 255, ""}, {empty, 4, 1, ""},  {cut, 4, 1, "x"}, {cut, 4, 2, "ABC"},
                 {cut, 4, 3, ""},  {cut, 6, 1, "ABC"}, {cut, 6, 2, ""},  {cut, 200, 1, ""}};
    for (const auto& c : cases) {
        const BufferReader buffer(c.table);
        const TableView table(buffer.GetData(), buffer.GetSize());
        EXPECT_EQ(LookupString(table, 4, c.length, c.number), c.text)
            << c.table.size() << " bytes, Length " << int{c.length} << ", string " << int{c.number};
    }
}

}  // namespace
