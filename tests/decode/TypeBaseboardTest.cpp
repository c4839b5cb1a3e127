#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/OwnedString.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using Bytes = std::vector<std::uint8_t>;

// Offset 0Fh of the first structure inside the parsed table's buffer.
const std::uint8_t* FirstHandles(const ParsedTable& parsed) {
    return parsed.reader.GetData() + 8 + 0x0F;
}

const std::uint8_t* BytesOf(const std::uint16_t* handles) {
    return reinterpret_cast<const std::uint8_t*>(handles);
}

// The example board: string numbers 1 to 6 and the two handles 5 and 6.
void AddBoard(TableBuilder& table, const std::string& prefix, std::uint8_t count = 2) {
    auto& board = table.Add(2).BytesAt(
        0x04, {1, 2, 3, 4, 5, 0x09, 6, 0x03, 0x00, 0x0A, count, 0x05, 0x00, 0x06, 0x00});
    for (const char* name : {"Maker", "Product", "Version", "Serial", "Tag", "Slot"}) {
        board.String(prefix + name);
    }
}

class TypeBaseboardVersionTest : public ::testing::TestWithParam<int> {};

TEST_P(TypeBaseboardVersionTest, ReadsEveryFieldInEveryVersion) {
    TableBuilder table(GetParam() >> 8, GetParam() & 0xFF);
    AddBoard(table, "");
    ParsedTable parsed(table.End());
    ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
    const TypeBaseboard& board = parsed.info.GetTypeBaseboard();

    const std::vector<std::string> texts = {board.Manufacturer, board.Product,
                                            board.Version,      board.SerialNumber,
                                            board.AssetTag,     board.LocationInChassis};
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Maker", "Product", "Version", "Serial", "Tag", "Slot"}));
    // Copies carry the string numbers, so the facade's record holds the structure's.
    const Bytes numbers = {board.ManufacturerStringNumber, board.ProductStringNumber,
                           board.VersionStringNumber,      board.SerialNumberStringNumber,
                           board.AssetTagStringNumber,     board.LocationInChassisStringNumber};
    EXPECT_EQ(numbers, Bytes({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(board.FeatureFlags, 0x09);
    EXPECT_EQ(board.ChassisHandle, 3);
    EXPECT_EQ(board.BoardType, 0x0A);
    EXPECT_EQ(board.NumberOfContainedObjectHandles, 2);
    ASSERT_EQ(BytesOf(board.ContainedObjectHandles), FirstHandles(parsed));
    EXPECT_EQ(Bytes(FirstHandles(parsed), FirstHandles(parsed) + 4), Bytes({5, 0, 6, 0}));
}

INSTANTIATE_TEST_SUITE_P(Versions, TypeBaseboardVersionTest,
                         ::testing::Values(0x0200, 0x0203, 0x0204, 0x0208, 0x0300));

TEST(TypeBaseboardTest, WithoutAStructureTheRecordStaysDefault) {
    TableBuilder table(3, 0);
    table.Add(200).Byte(0);
    ParsedTable parsed(table.End());
    EXPECT_EQ(parsed.info.GetTypeBaseboard().ContainedObjectHandles, nullptr);
    EXPECT_STREQ(parsed.info.GetTypeBaseboard().Manufacturer, "");
}

// The second structure wins, with a pointer at its own offset 0Fh even for a count of 0.
TEST(TypeBaseboardTest, LastStructureWinsWithItsHandles) {
    TableBuilder table(3, 0), first(3, 0);
    AddBoard(table, "First");
    AddBoard(table, "Second", 0);
    AddBoard(first, "First");
    ParsedTable parsed(table.End());
    const TypeBaseboard& board = parsed.info.GetTypeBaseboard();
    EXPECT_STREQ(board.Manufacturer, "SecondMaker");
    EXPECT_EQ(board.NumberOfContainedObjectHandles, 0);
    EXPECT_EQ(BytesOf(board.ContainedObjectHandles), FirstHandles(parsed) + first.Table().size());
}

TEST(TypeBaseboardRecordTest, CopiesCarryEveryField) {
    const std::uint16_t handles[2] = {5, 6};
    TypeBaseboard source;
    pimpl::AssignString(source.LocationInChassis, "Slot");
    source.LocationInChassisStringNumber = 6;
    source.ChassisHandle = 3;
    source.ContainedObjectHandles = handles;
    TypeBaseboard assigned;
    assigned = source;
    TypeBaseboard copy(source);

    for (const TypeBaseboard* record : {&copy, &assigned}) {
        EXPECT_NE(record->LocationInChassis, source.LocationInChassis);
        EXPECT_STREQ(record->LocationInChassis, "Slot");
        EXPECT_NE(record->Manufacturer, source.Manufacturer);
        EXPECT_EQ(record->LocationInChassisStringNumber, 6);
        EXPECT_EQ(record->ChassisHandle, 3);
        EXPECT_EQ(record->ContainedObjectHandles, handles);
    }

    const char* text = source.LocationInChassis;
    source = *&source;
    EXPECT_EQ(source.LocationInChassis, text);
    EXPECT_EQ(source.ContainedObjectHandles, handles);
}

// Every cut of the table, from exact-size copies: fields that still fit are read, the others
// are 0, and the handle pointer is null once offset 0Fh lies outside the table.
TEST(TypeBaseboardTruncationTest, ReadsOnlyWhatTheTableHolds) {
    TableBuilder table(3, 0);
    AddBoard(table, "");
    const Bytes raw = table.End().Raw();
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        ParsedTable parsed(TableBuilder::Truncated(raw, n));
        EXPECT_FALSE(parsed.info.GetError());
        const TypeBaseboard& board = parsed.info.GetTypeBaseboard();
        EXPECT_EQ(board.ManufacturerStringNumber, n > 0x04 ? 1 : 0);
        EXPECT_EQ(board.ChassisHandle, n > 0x0C ? 3 : 0);
        EXPECT_EQ(board.NumberOfContainedObjectHandles, n > 0x0E ? 2 : 0);
        EXPECT_EQ(BytesOf(board.ContainedObjectHandles), n > 0x0F ? FirstHandles(parsed) : nullptr);
        // The strings follow the handles, each cut at the table's end.
        EXPECT_EQ(std::string(board.Manufacturer),
                  std::string("Maker").substr(0, n > 0x13 ? n - 0x13 : 0));
    }
}

}  // namespace
