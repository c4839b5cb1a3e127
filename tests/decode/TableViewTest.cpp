#include "common/TableView.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::pimpl::FieldCursor;
using kelvo::shared::smbios::pimpl::TableView;
using kelvo::test::BufferReader;

const std::vector<std::uint8_t> kBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                          0x08, 0x09, 0x41, 0x42, 0x00, 0x43, 0x44};

struct Read {
    std::uint64_t offset;
    unsigned width;
    std::uint64_t expected;
};

class TableViewReadTest : public ::testing::TestWithParam<Read> {};

TEST_P(TableViewReadTest, AssemblesLittleEndianOrZeroWhenTheFieldDoesNotFit) {
    const BufferReader buffer(kBytes);  // exact-size heap copy: ASan sees any overrun
    const TableView view(buffer.GetData(), buffer.GetSize());
    const Read& read = GetParam();
    switch (read.width) {
        case 1:
            EXPECT_EQ(view.U8(read.offset), read.expected);
            break;
        case 2:
            EXPECT_EQ(view.U16(read.offset), read.expected);
            break;
        case 4:
            EXPECT_EQ(view.U32(read.offset), read.expected);
            break;
        default:
            EXPECT_EQ(view.U64(read.offset), read.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Offsets, TableViewReadTest,
                         ::testing::Values(Read{0, 1, 0x01}, Read{13, 1, 0x44}, Read{14, 1, 0},
                                           Read{1, 2, 0x0302},  // odd offset
                                           Read{12, 2, 0x4443},
                                           Read{13, 2, 0},  // last byte alone is not a word
                                           Read{3, 4, 0x07060504}, Read{11, 4, 0},
                                           Read{1, 8, 0x0908070605040302}, Read{7, 8, 0},
                                           Read{UINT64_MAX, 1, 0}, Read{UINT64_MAX - 1, 8, 0}));

TEST(TableViewTest, TextEndsAtItsNulOrAtTheEnd) {
    const BufferReader buffer(kBytes);
    const TableView view(buffer.GetData(), buffer.GetSize());
    EXPECT_EQ(view.Text(9), "AB");
    EXPECT_EQ(view.Text(12), "CD");  // no NUL before the end: cut there
    EXPECT_EQ(view.Text(14), "");
    EXPECT_EQ(view.Text(UINT64_MAX), "");
}

TEST(TableViewTest, SubViewMustLieInside) {
    const BufferReader buffer(kBytes);
    const TableView view(buffer.GetData(), buffer.GetSize());
    EXPECT_EQ(view.Sub(10, 4).Size(), 4u);
    EXPECT_EQ(view.Sub(10, 4).U8(3), 0x44);
    EXPECT_EQ(view.Sub(10, 5).Size(), 0u);
    EXPECT_EQ(view.Sub(UINT64_MAX, 2).Size(), 0u);
    EXPECT_EQ(view.Address(14), nullptr);
    EXPECT_EQ(TableView(nullptr, 10).Size(), 0u);
}

TEST(FieldCursorTest, ReadsInOrderAndKeepsReadingZerosPastTheEnd) {
    const BufferReader buffer(kBytes);
    FieldCursor fields(TableView(buffer.GetData(), buffer.GetSize()), 9);
    EXPECT_EQ(fields.Word(), 0x4241);
    EXPECT_EQ(fields.Byte(), 0x00);
    EXPECT_EQ(fields.Dword(), 0u);  // only two bytes left
    EXPECT_EQ(fields.Byte(), 0);
    fields.Skip(UINT64_MAX);
    EXPECT_EQ(fields.Offset(), UINT64_MAX);
    EXPECT_EQ(fields.Qword(), 0u);
    EXPECT_EQ(fields.Address(), nullptr);
}

}  // namespace
