#include "common/TableView.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::pimpl::TableView;

// Over an exact-size heap copy: AddressSanitizer sees any overrun.
const kelvo::test::BufferReader kBuffer({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x41,
                                         0x42, 0x00, 0x43, 0x44});
const TableView kView(kBuffer.GetData(), kBuffer.GetSize());

// Values are assembled little-endian; one that does not lie wholly inside reads as 0.
TEST(TableViewTest, ReadsWholeFieldsOrZero) {
    const struct {
        std::uint64_t offset;
        unsigned width;
        std::uint64_t expected;
    } cases[] = {{0, 1, 0x01},       {13, 1, 0x44},      {14, 1, 0},
                 {1, 2, 0x0302},     {12, 2, 0x4443},    {13, 2, 0},
                 {3, 4, 0x07060504}, {11, 4, 0},         {1, 8, 0x0908070605040302},
                 {7, 8, 0},          {UINT64_MAX, 1, 0}, {UINT64_MAX - 1, 8, 0}};
    for (const auto& c : cases) {
        const std::uint64_t read = c.width == 1   ? kView.U8(c.offset)
                                   : c.width == 2 ? kView.U16(c.offset)
                                   : c.width == 4 ? kView.U32(c.offset)
                                                  : kView.U64(c.offset);
        EXPECT_EQ(read, c.expected) << c.width << " bytes at " << c.offset;
    }
}

TEST(TableViewTest, TextsSubViewsAndAddressesStayInside) {
    EXPECT_EQ(kView.Text(9), "AB");
    EXPECT_EQ(kView.Text(12), "CD");  // no NUL before the end: cut there
    EXPECT_EQ(kView.Text(14), "");
    EXPECT_EQ(kView.Text(UINT64_MAX), "");
    EXPECT_EQ(kView.Sub(10, 4).Size(), 4u);
    EXPECT_EQ(kView.Sub(10, 4).U8(3), 0x44);
    EXPECT_EQ(kView.Sub(10, 5).Size(), 0u);
    EXPECT_EQ(kView.Sub(UINT64_MAX, 2).Size(), 0u);
    EXPECT_EQ(kView.Address(13), kBuffer.GetData() + 13);
    EXPECT_EQ(kView.Address(14), nullptr);
    EXPECT_EQ(TableView(nullptr, 10).Size(), 0u);
}

}  // namespace
