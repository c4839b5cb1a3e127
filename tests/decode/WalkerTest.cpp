#include "decode/Walker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios::pimpl;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;
using kelvo::test::TableBuilder;

struct Walked {
    int type;
    int handle;
    bool operator==(const Walked& other) const {
        return type == other.type && handle == other.handle;
    }
};

std::ostream& operator<<(std::ostream& os, const Walked& walked) {
    return os << "{type " << walked.type << ", handle " << walked.handle << "}";
}

// Walks a structure table held in an exact-size heap buffer; the structures NextStructure
// yields, in order.
std::vector<Walked> Walk(const std::vector<std::uint8_t>& table) {
    const BufferReader buffer(table);
    ParseState state;
    state.version = SMBiosSpecVersion::V3_0;
    state.hasTable = true;
    state.table = TableView(buffer.GetData(), buffer.GetSize());
    std::vector<Walked> walked;
    while (auto structure = NextStructure(state)) {
        walked.push_back({structure->type, structure->handle});
        if (walked.size() > table.size()) break;  // a walk that never ends is a failure too
    }
    EXPECT_EQ(NextStructure(state), nullptr) << "a finished walk stays finished";
    return walked;
}

TEST(WalkerTest, FourteenByteTableEndsAtItsEndOfTableStructure) {
    const std::vector<std::uint8_t> table = {0xC8, 0x05, 0x01, 0x00, 0x01, 0x41, 0x00,
                                             0x00, 0x7F, 0x04, 0x02, 0x00, 0x00, 0x00};
    EXPECT_EQ(Walk(table), (std::vector<Walked>{{200, 1}}));
}

TEST(WalkerTest, StepsOverStringSetsAndUnknownTypes) {
    TableBuilder builder;
    builder.Add(7, 1).Bytes({1, 2, 3}).String("cache").String("more");
    builder.Add(200, 2);  // empty string set: two NULs
    builder.Add(1, 3).Bytes({0, 0, 0, 0}).String("x");
    builder.End();
    EXPECT_EQ(Walk(builder.Table()), (std::vector<Walked>{{7, 1}, {200, 2}, {1, 3}}));
}

TEST(WalkerTest, EndOfTableStructureStopsTheWalkEarly) {
    TableBuilder builder;
    builder.Add(200, 1);
    builder.End();
    builder.Add(200, 2);
    EXPECT_EQ(Walk(builder.Table()), (std::vector<Walked>{{200, 1}}));
}

TEST(WalkerTest, WithoutEndOfTableTheWalkStopsAtTheTableEnd) {
    TableBuilder builder;
    builder.Add(200, 1).String("a");
    builder.Add(201, 2).String("b");
    EXPECT_EQ(Walk(builder.Table()), (std::vector<Walked>{{200, 1}, {201, 2}}));
}

TEST(WalkerTest, LengthBelowFourScansFromInsideTheHeader) {
    // Length 2: the double-NUL scan starts at byte 2, finds the handle 00 00 there, so the
    // next structure begins at byte 4, inside what the builder wrote as formatted bytes.
    TableBuilder builder;
    builder.Add(200, 0).Length(2).Bytes({201, 4, 7, 0});
    EXPECT_EQ(Walk(builder.Table()), (std::vector<Walked>{{200, 0}, {201, 7}}));
}

TEST(WalkerTest, AHeaderCutByTheTableEndIsNotRead) {
    TableBuilder builder;
    builder.Add(200, 1);
    builder.Add(201, 2);
    const std::vector<std::uint8_t> table = builder.Table();
    for (std::size_t cut = 6; cut < table.size(); ++cut) {
        SCOPED_TRACE(cut);
        const std::vector<std::uint8_t> shorter(table.begin(), table.begin() + cut);
        const std::size_t walked = cut >= 10 ? 2 : 1;
        EXPECT_EQ(Walk(shorter).size(), walked);
    }
    EXPECT_TRUE(Walk({}).empty());
    EXPECT_TRUE(Walk({0xC8, 0x04, 0x01}).empty());
}

TEST(WalkerTest, AFormattedAreaRunningPastTheEndEndsTheWalk) {
    TableBuilder builder;
    builder.Add(200, 1).Length(0xFF);
    builder.Add(201, 2);
    EXPECT_EQ(Walk(builder.Table()), (std::vector<Walked>{{200, 1}}));
}

// String lookup in a structure whose set holds A and B.
class LookupStringTest : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(LookupStringTest, NumbersCountFromOneAndMissingOnesAreEmpty) {
    TableBuilder builder;
    builder.Add(200, 1).Bytes({9, 9}).String("A").String("B");
    const BufferReader buffer(builder.Table());
    const TableView table(buffer.GetData(), buffer.GetSize());
    const auto number = static_cast<std::uint8_t>(GetParam().first);
    EXPECT_EQ(LookupString(table, 4, 6, number), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Numbers, LookupStringTest,
                         ::testing::Values(std::make_pair(0, ""), std::make_pair(1, "A"),
                                           std::make_pair(2, "B"), std::make_pair(3, ""),
                                           std::make_pair(255, "")));

TEST(LookupStringTest, EmptySetAndSetsCutByTheEnd) {
    TableBuilder empty;
    empty.Add(200, 1);
    const BufferReader emptyBuffer(empty.Table());
    const TableView emptyTable(emptyBuffer.GetData(), emptyBuffer.GetSize());
    EXPECT_EQ(LookupString(emptyTable, 4, 4, 1), "");

    // "ABC" without its NUL: the text stops at the table's end.
    const std::vector<std::uint8_t> cut = {0xC8, 0x04, 0x01, 0x00, 'x', 0, 'A', 'B', 'C'};
    const BufferReader cutBuffer(cut);
    const TableView cutTable(cutBuffer.GetData(), cutBuffer.GetSize());
    EXPECT_EQ(LookupString(cutTable, 4, 4, 1), "x");
    EXPECT_EQ(LookupString(cutTable, 4, 4, 2), "ABC");
    EXPECT_EQ(LookupString(cutTable, 4, 4, 3), "");
    EXPECT_EQ(LookupString(cutTable, 4, 6, 1), "ABC");
    EXPECT_EQ(LookupString(cutTable, 4, 6, 2), "");
    EXPECT_EQ(LookupString(cutTable, 4, 200, 1), "");
}

}  // namespace
