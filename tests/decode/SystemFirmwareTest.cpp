#include "decode/SystemFirmware.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios::pimpl;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;

struct VersionCase {
    int major;
    int minor;
    SMBiosSpecVersion expected;  // None: rejected
};

class VersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTest, AcceptsTwoZeroToTwoEightAndClampsThreeOnToThreeZero) {
    const VersionCase& c = GetParam();
    TableBuilder builder(static_cast<std::uint8_t>(c.major), static_cast<std::uint8_t>(c.minor));
    builder.Add(200, 1).String("a");
    builder.End();
    const ParsedTable parsed(builder);
    EXPECT_EQ(parsed.info.GetSMBiosVersion(), c.expected);
    if (c.expected == SMBiosSpecVersion::None) {
        EXPECT_STREQ(parsed.info.GetError().Message(), "Invalid firmware table buffer");
        EXPECT_EQ(static_cast<int>(parsed.info.GetError().Category()), 2);
        EXPECT_EQ(parsed.info.GetError().Code(), 1);
    } else {
        EXPECT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionTest,
                         ::testing::Values(VersionCase{2, 0, SMBiosSpecVersion::V2_0},
                                           VersionCase{2, 4, SMBiosSpecVersion::V2_4},
                                           VersionCase{2, 8, SMBiosSpecVersion::V2_8},
                                           VersionCase{2, 9, SMBiosSpecVersion::None},
                                           VersionCase{2, 255, SMBiosSpecVersion::None},
                                           VersionCase{1, 9, SMBiosSpecVersion::None},
                                           VersionCase{0, 0, SMBiosSpecVersion::None},
                                           VersionCase{3, 0, SMBiosSpecVersion::V3_0},
                                           VersionCase{3, 4, SMBiosSpecVersion::V3_0},
                                           VersionCase{4, 0, SMBiosSpecVersion::V3_0},
                                           VersionCase{255, 255, SMBiosSpecVersion::V3_0}));

// Buffers that cannot hold what their header claims are rejected like a bad version.
TEST(SystemFirmwareTest, ShortAndLyingHeadersAreRejected) {
    TableBuilder builder;
    builder.Add(200, 1);
    builder.End();
    const std::vector<std::uint8_t> raw = builder.Raw();
    std::vector<std::vector<std::uint8_t>> bad;
    for (std::size_t size = 0; size < 8; ++size) bad.emplace_back(raw.begin(), raw.begin() + size);
    bad.push_back(std::vector<std::uint8_t>(raw.begin(), raw.end() - 1));  // one byte short
    bad.push_back(builder.Length(0xFFFFFFFF).Raw());
    for (const auto& bytes : bad) {
        SCOPED_TRACE(bytes.size());
        const ParsedTable parsed(bytes);
        EXPECT_STREQ(parsed.info.GetError().Message(), "Invalid firmware table buffer");
        EXPECT_EQ(parsed.info.GetSMBiosVersion(), SMBiosSpecVersion::None);
    }
}

TEST(SystemFirmwareTest, ExtraBytesAfterTheTableAreIgnored) {
    TableBuilder builder;
    builder.Add(200, 1);
    std::vector<std::uint8_t> raw = builder.Raw();
    raw.insert(raw.end(), {0xC8, 0xFF});  // beyond Length: never walked
    const ParsedTable parsed(raw);
    EXPECT_FALSE(parsed.info.GetError());
    EXPECT_EQ(parsed.info.GetSMBiosVersion(), SMBiosSpecVersion::V3_0);
}

TEST(SystemFirmwareTest, AsksTheReaderForSizeAndDataOnce) {
    TableBuilder builder;
    builder.End();
    const ParsedTable parsed(builder);
    EXPECT_EQ(parsed.reader.sizeCalls, 1);
    EXPECT_EQ(parsed.reader.dataCalls, 1);
}

TEST(SystemFirmwareTest, EmptyTableIsAcceptedWithDefaultRecords) {
    const ParsedTable parsed(TableBuilder(2, 7).Raw());
    EXPECT_FALSE(parsed.info.GetError());
    EXPECT_EQ(parsed.info.GetSMBiosVersion(), SMBiosSpecVersion::V2_7);
    EXPECT_EQ(parsed.info.GetTypeBaseboard().ContainedObjectHandles, nullptr);
}

// The Nth structure is a BIOS structure whose release date does not convert; the others are
// baseboards. The walk stops there, keeping what the structures before it gave.
class DecodeFailureTest : public ::testing::TestWithParam<int> {};

TEST_P(DecodeFailureTest, RecordsBeforeTheFailingStructureStay) {
    const int failAt = GetParam();
    TableBuilder builder;
    for (int i = 1; i <= 6; ++i) {
        if (i == failAt) {
            builder.Add(0, static_cast<std::uint16_t>(i)).Bytes({0, 0, 0, 0, 1}).String("1/5/2020");
        } else {
            builder.Add(2, static_cast<std::uint16_t>(i))
                .Byte(1)
                .String("board " + std::to_string(i));
        }
    }
    builder.End();
    const ParsedTable parsed(builder);

    EXPECT_STREQ(parsed.info.GetError().Message(), "invalid stoi argument");
    EXPECT_EQ(parsed.info.GetSMBiosVersion(), SMBiosSpecVersion::None);
    const std::string expected = failAt == 1 ? "" : "board " + std::to_string(failAt - 1);
    EXPECT_EQ(parsed.info.GetTypeBaseboard().Manufacturer, expected)
        << "no structure after the failing one is decoded";
}

INSTANTIATE_TEST_SUITE_P(Structures, DecodeFailureTest, ::testing::Values(1, 3, 5, 6));

}  // namespace
