#include <gtest/gtest.h>

#include <utility>

#include "support/RecordFields.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// Two contained object handles, 5 and 6, at 0Fh. Every field exists in every version.
const RecordLayout<TypeBaseboard> kBoard{
    2,
    &SMBiosInfo::GetTypeBaseboard,
    {RECORD_FIELD(ManufacturerStringNumber, 0x04, 1, 0x0200, 1),
     RECORD_FIELD(ProductStringNumber, 0x05, 1, 0x0200, 2),
     RECORD_FIELD(VersionStringNumber, 0x06, 1, 0x0200, 3),
     RECORD_FIELD(SerialNumberStringNumber, 0x07, 1, 0x0200, 4),
     RECORD_FIELD(AssetTagStringNumber, 0x08, 1, 0x0200, 5),
     RECORD_FIELD(FeatureFlags, 0x09, 1, 0x0200, 0x09),
     RECORD_FIELD(LocationInChassisStringNumber, 0x0A, 1, 0x0200, 6),
     RECORD_FIELD(ChassisHandle, 0x0B, 2, 0x0200, 0x0103),
     RECORD_FIELD(BoardType, 0x0D, 1, 0x0200, 0x0A),
     RECORD_FIELD(NumberOfContainedObjectHandles, 0x0E, 1, 0x0200, 2)},
    {RECORD_TEXT(Manufacturer, 0x0200, "Maker"), RECORD_TEXT(Product, 0x0200, "Product"),
     RECORD_TEXT(Version, 0x0200, "Version"), RECORD_TEXT(SerialNumber, 0x0200, "Serial"),
     RECORD_TEXT(AssetTag, 0x0200, "Tag"), RECORD_TEXT(LocationInChassis, 0x0200, "Slot")},
    {{0x0F, {0x05, 0x00, 0x06, 0x00}}}};

const std::uint8_t* BytesOf(const std::uint16_t* handles) {
    return reinterpret_cast<const std::uint8_t*>(handles);
}

TEST(TypeBaseboardTest, FillsEveryFieldInEveryVersion) { ExpectVersionBlocks(kBoard); }

// The handle pointer is null once offset 0Fh lies outside the table.
TEST(TypeBaseboardTest, CutTablesReadWholeFieldsOnly) {
    ExpectCutsReadWholeFields<TypeBaseboard>(
        kBoard, 0x0300, [](std::uint32_t n, const TypeBaseboard& board, const Walked& walked) {
            EXPECT_EQ(BytesOf(board.ContainedObjectHandles),
                      n > 0x0F ? walked.buffer.GetData() + 0x0F : nullptr);
        });
}

TEST(TypeBaseboardTest, CopiesCarryEveryField) { ExpectDeepCopies(kBoard); }

// The last structure's offset 0Fh inside the reader's bytes, whatever the count; copies point to
// the same place.
TEST(TypeBaseboardTest, HandlesPointIntoTheTableAtOffset0Fh) {
    for (std::uint8_t count : {2, 0}) {
        TableBuilder table(3, 0);
        kBoard.AddTo(table, true);
        const std::size_t offset = 8 + table.Table().size() + 0x0F;
        kBoard.AddTo(table).ByteAt(0x0E, count);
        ParsedTable parsed(table.End());
        const TypeBaseboard& board = parsed.info.GetTypeBaseboard();
        const TypeBaseboard copy(board);
        TypeBaseboard assigned;
        assigned = board;
        for (const TypeBaseboard* record : {&board, &copy, &std::as_const(assigned)}) {
            EXPECT_EQ(BytesOf(record->ContainedObjectHandles), parsed.reader.GetData() + offset);
        }
    }
}

}  // namespace
