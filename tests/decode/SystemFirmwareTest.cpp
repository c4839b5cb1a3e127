#include "decode/SystemFirmware.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using V = SMBiosSpecVersion;

constexpr const char* kInvalid = "Invalid firmware table buffer";

std::vector<std::uint8_t> Table(int major, int minor) {
    TableBuilder builder(static_cast<std::uint8_t>(major), static_cast<std::uint8_t>(minor));
    builder.Add(200, 1).String("a");
    return builder.End().Raw();
}

// Versions 2.0 to 2.8 are kept, 3.0 on read as 3.0, anything else rejected; so is a buffer that
// cannot hold what its header claims. Bytes after the table are never walked.
TEST(SystemFirmwareTest, AcceptsKnownVersionsAndHeadersThatFit) {
    struct Case {
        std::vector<std::uint8_t> raw;
        V version;
    };
    std::vector<Case> cases = {
        {Table(2, 0), V::V2_0}, {Table(2, 4), V::V2_4},     {Table(2, 8), V::V2_8},
        {Table(2, 9), V::None}, {Table(2, 255), V::None},   {Table(1, 9), V::None},
        {Table(0, 0), V::None}, {Table(3, 0), V::V3_0},     {Table(3, 4), V::V3_0},
        {Table(4, 0), V::V3_0}, {Table(255, 255), V::V3_0}, {TableBuilder(2, 7).Raw(), V::V2_7}};
    const std::vector<std::uint8_t> raw = Table(3, 0);
    for (std::size_t size = 0; size < 8; ++size)
        cases.push_back({{raw.begin(), raw.begin() + size}, V::None});
    cases.push_back({{raw.begin(), raw.end() - 1}, V::None});  // one byte short
    std::vector<std::uint8_t> lying = raw, longer = raw;
    lying[4] = lying[5] = lying[6] = lying[7] = 0xFF;
    cases.push_back({lying, V::None});
    longer.insert(longer.end(), {0xC8, 0xFF});
    cases.push_back({longer, V::V3_0});
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.raw));
        const ParsedTable parsed(c.raw);
        EXPECT_EQ(parsed.info.GetSMBiosVersion(), c.version);
        EXPECT_STREQ(parsed.info.GetError().Message(), c.version == V::None ? kInvalid : "");
        EXPECT_EQ(parsed.info.GetError().Code(), c.version == V::None ? 1 : 0);
        EXPECT_EQ(parsed.reader.calls, 2) << "size and data are asked for once each";
    }
}

}  // namespace
