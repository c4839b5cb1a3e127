// Rules that no field description holds, each a table of cases written from the rule: which
// table versions are kept, how the one bounded reader reads, how the UUID text is made and where
// the baseboard's contained handles are pointed at.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/TableView.h"
#include "support/TableBuilder.h"
#include "support/WithinLength.h"

namespace {

using namespace kelvo::shared::smbios;
using kelvo::test::BufferReader;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using V = SMBiosSpecVersion;

std::vector<std::uint8_t> Table(int major, int minor) {
    TableBuilder builder(static_cast<std::uint8_t>(major), static_cast<std::uint8_t>(minor));
    builder.Add(200, 1).String("a");
    return builder.End().Raw();
}
std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Versions 2.0 to 2.8 are kept, 3.0 and later read as 3.0, anything else is refused, and so is a
// buffer that cannot hold its header or the Length it claims. Bytes after the table are not
// walked.
TEST(RulesTest, TableVersionsAndHeadersThatAreKept) {
    std::vector<std::uint8_t> lying = Table(3, 0);
    lying[4] = lying[5] = lying[6] = lying[7] = 0xFF;
    std::vector<std::uint8_t> trailing = Table(3, 0);
    trailing.insert(trailing.end(), {0xC8, 0xFF});
    const std::vector<std::uint8_t> whole = Table(3, 0);
    const std::pair<const char*, std::pair<std::vector<std::uint8_t>, V>> rows[] = {
        {"2.0 is kept", {Table(2, 0), V::V2_0}},
        {"2.4 is kept", {Table(2, 4), V::V2_4}},
        {"2.8 is kept", {Table(2, 8), V::V2_8}},
        {"2.9 is refused", {Table(2, 9), V::None}},
        {"2.255 is refused", {Table(2, 255), V::None}},
        {"1.9 is refused", {Table(1, 9), V::None}},
        {"0.0 is refused", {Table(0, 0), V::None}},
        {"3.0 is kept", {Table(3, 0), V::V3_0}},
        {"3.4 reads as 3.0", {Table(3, 4), V::V3_0}},
        {"4.0 reads as 3.0", {Table(4, 0), V::V3_0}},
        {"255.255 reads as 3.0", {Table(255, 255), V::V3_0}},
        {"an empty table is kept", {TableBuilder(2, 7).Raw(), V::V2_7}},
        {"no header at all", {{}, V::None}},
        {"a header of 7 bytes", {Cut(whole, 7), V::None}},
        {"a Length one byte past the buffer", {Cut(whole, whole.size() - 1), V::None}},
        {"a Length far past the buffer", {lying, V::None}},
        {"bytes after the table", {trailing, V::V3_0}}};
    for (const auto& [name, row] : rows) {
        SCOPED_TRACE(name);
        const ParsedTable parsed(row.first);
        EXPECT_EQ(parsed.info.GetSMBiosVersion(), row.second);
        EXPECT_STREQ(parsed.info.GetError().Message(),
                     row.second == V::None ? "Invalid firmware table buffer" : "");
        EXPECT_EQ(parsed.reader.calls, 2) << "size and data are asked for once each";
    }
}

// Over an exact-size heap copy, so that AddressSanitizer sees any overrun: values are assembled
// little-endian, and one that does not lie wholly inside, however far its offset, reads as 0.
TEST(RulesTest, TheBoundedReaderReadsWholeValuesOrZero) {
    const BufferReader buffer(
        {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x41, 0x42, 0x00, 0x43, 0x44});
    const detail::TableView view(buffer.GetData(), buffer.GetSize());
    const struct {
        const char* name;
        std::uint64_t offset;
        unsigned width;
        std::uint64_t expected;
    } rows[] = {{"first byte", 0, 1, 0x01},
                {"last byte", 13, 1, 0x44},
                {"byte past the end", 14, 1, 0},
                {"word", 1, 2, 0x0302},
                {"last word", 12, 2, 0x4443},
                {"word over the end", 13, 2, 0},
                {"dword", 3, 4, 0x07060504},
                {"dword over the end", 11, 4, 0},
                {"qword", 1, 8, 0x0908070605040302},
                {"qword over the end", 7, 8, 0},
                {"offset that wraps", UINT64_MAX, 1, 0},
                {"offset plus width that wraps", UINT64_MAX - 1, 8, 0}};
    for (const auto& row : rows) {
        const std::uint64_t read = row.width == 1   ? view.U8(row.offset)
                                   : row.width == 2 ? view.U16(row.offset)
                                   : row.width == 4 ? view.U32(row.offset)
                                                    : view.U64(row.offset);
        EXPECT_EQ(read, row.expected) << row.name;
    }
    EXPECT_EQ(view.Text(9), "AB");
    EXPECT_EQ(view.Text(12), "CD") << "a text without its NUL stops at the end";
    EXPECT_EQ(view.Text(14), "");
    EXPECT_EQ(view.Text(UINT64_MAX), "");
    EXPECT_EQ(view.Sub(10, 4).U8(3), 0x44);
    EXPECT_EQ(view.Sub(10, 5).Size(), 0u) << "a part that does not fit is empty";
    EXPECT_EQ(view.Sub(UINT64_MAX, 2).Size(), 0u);
    EXPECT_EQ(view.Address(13), buffer.GetData() + 13);
    EXPECT_EQ(view.Address(14), nullptr);
    EXPECT_EQ(detail::TableView(nullptr, 10).Size(), 0u);
}

// The UUID text: the first three groups with their bytes reversed, the last two in table order,
// whatever the version; no value is special, neither all 00h (not set) nor all FFh (not
// present).
TEST(RulesTest, UuidTextIsTheBytesInUuidOrder) {
    const struct {
        const char* name;
        std::uint8_t major, minor;
        int fill;  // every byte, or -1 for 00h 11h 22h ... FFh
        const char* text;
    } rows[] = {{"all 00h", 2, 6, 0x00, "00000000-0000-0000-0000-000000000000"},
                {"all FFh", 3, 0, 0xFF, "FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF"},
                {"byte order from 2.6", 2, 6, -1, "33221100-5544-7766-8899-AABBCCDDEEFF"},
                {"byte order before 2.6", 2, 1, -1, "33221100-5544-7766-8899-AABBCCDDEEFF"},
                {"no text before 2.1", 2, 0, -1, ""}};
    for (const auto& row : rows) {
        TableBuilder table(row.major, row.minor);
        auto& system = table.Add(1);
        for (unsigned i = 0; i < 16; ++i) {
            system.ByteAt(0x08 + i, static_cast<std::uint8_t>(row.fill < 0 ? i * 0x11 : row.fill));
        }
        EXPECT_STREQ(ParsedTable(table.End()).info.GetTypeSysInfo().V2_1.UUIDString, row.text)
            << row.name;
    }
}

// By version the last baseboard's handles are at its offset 0Fh inside the reader's bytes,
// whatever the count, and null once 0Fh lies past the table; within the Length they are pointed
// at only when every handle the count announces lies inside it.
TEST(RulesTest, BaseboardHandlesPointIntoTheTable) {
    const struct {
        const char* name;
        std::uint8_t count;
        bool withinLength;
    } rows[] = {{"two handles inside the Length", 2, true},
                {"a third handle past the Length", 3, false},
                {"no handles", 0, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TableBuilder table(3, 0);
        table.Add(2).ByteAt(0x0E, 1).BytesAt(0x0F, {9, 0});
        const std::size_t offset = table.Raw().size() + 0x0F;
        auto& last = table.Add(2).ByteAt(0x0E, row.count).BytesAt(0x0F, {5, 0, 6, 0});
        const ParsedTable parsed(table.End());
        EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(
                      parsed.info.GetTypeBaseboard().ContainedObjectHandles),
                  parsed.reader.GetData() + offset);

        const kelvo::test::WithinLength<TypeBaseboard> alone(last.Bytes());
        EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(alone.record.ContainedObjectHandles),
                  row.withinLength ? alone.buffer.GetData() + 0x0F : nullptr);
    }
    TableBuilder cut(3, 0);
    cut.Add(2).ByteAt(0x0E, 0);
    const ParsedTable parsed(TableBuilder::Truncated(cut.Raw(), 0x0F));
    EXPECT_EQ(parsed.info.GetTypeBaseboard().ContainedObjectHandles, nullptr)
        << "0Fh past the table's end";
}

}  // namespace
