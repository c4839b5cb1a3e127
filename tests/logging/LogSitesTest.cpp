// Built once per logger severity (KELVO_LOG_SEVERITY), since the library's logger is set up
// once per process. Links the shared library as a host does.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/CapturingAppender.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::IFirmwareReader;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::test::BufferReader;
using kelvo::test::CapturingAppender;
using kelvo::test::Native;
using kelvo::test::TableBuilder;

constexpr int kSeverity = KELVO_LOG_SEVERITY;
constexpr const char* kWalk = "kelvo::shared::smbios::pimpl::SystemFirmware::GenerateSMBIOSData";
constexpr const char* kFirmware = "kelvo::shared::smbios::pimpl::SystemFirmware::SystemFirmware";
constexpr const char* kFacade = "kelvo::shared::smbios::SMBiosInfo::SMBiosInfo";

CapturingAppender& Host() {
    static CapturingAppender appender;
    return appender;
}

class LogSitesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        kelvoSharedInitializeLogger(static_cast<plog::Severity>(kSeverity), &Host());
    }
    void SetUp() override { Host().entries.clear(); }

    // The records that reached the host, as (severity, function, line, message start).
    struct Expected {
        int severity;
        const char* function;
        std::size_t line;
        std::string message;  // the whole message, or its start when `prefix` is set
        bool prefix;
    };

    // Only the records that the logger's maximum severity lets through, in order.
    static void ExpectRecords(std::vector<Expected> all) {
        std::vector<Expected> expected;
        for (const Expected& e : all) {
            if (e.severity <= kSeverity) expected.push_back(e);
        }
        const auto& entries = Host().entries;
        ASSERT_EQ(entries.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(entries[i].severity, expected[i].severity);
            EXPECT_EQ(entries[i].function, expected[i].function);
            EXPECT_EQ(entries[i].line, expected[i].line);
            EXPECT_EQ(entries[i].file, "");
            EXPECT_EQ(entries[i].instanceId, 0);
            const auto message = Native(expected[i].message);
            if (expected[i].prefix) {
                EXPECT_EQ(entries[i].message.substr(0, message.size()), message);
            } else {
                EXPECT_EQ(entries[i].message, message);
            }
        }
    }
};

const char kBiosText[] =
    "{ \"Vendor\": \"Acme\", \"BIOSVersion\": \"1.07\", \"BIOSStartingSegment\": 61440, "
    "\"BIOSReleaseDate\": \"2019-06-15T00:00:00+00:00\", \"ExtensionByte1\": 0, "
    "\"ExtensionByte2\": 0, \"SystemBIOSMajorRelease\": 0, \"SystemBIOSMinorRelease\": 0, "
    "\"EmbeddedFirmwareMajorRelease\": 0, \"EmbeddedFirmwareMinorRelease\": 0 }";

TEST_F(LogSitesTest, ASuccessfulConstructionShowsTypes0_1And11InTableOrder) {
    TableBuilder builder(2, 3);
    builder.Add(0, 0).Bytes({1, 2}).Word(0xF000).Byte(3).String("Acme").String("1.07").String(
        "06/15/2019");
    builder.Add(11, 1).Byte(2).String("Alpha").String("Beta");
    builder.Add(1, 2)
        .Bytes({1, 2, 3, 4})
        .String("Acme")
        .String("Model 7")
        .String("A1")
        .String("123");
    builder.Add(2, 3).Byte(1).String("board");  // not logged
    builder.Add(0, 4).Bytes({1, 2}).Word(0xF000).Byte(3).String("Acme").String("1.07").String(
        "06/15/2019");
    builder.End();
    const BufferReader reader(builder.Raw());
    const SMBiosInfo info(&reader);
    ASSERT_FALSE(info.GetError());
    const std::string bios = std::string("SMBIOS TypeBios parsed as: ") + kBiosText;
    ExpectRecords({
        {5, kWalk, 57, bios, false},
        {5, kWalk, 91, "SMBIOS TypeOemStrings parsed as: { \"Values\": [ \"Alpha\", \"Beta\" ] }",
         false},
        {5, kWalk, 62,
         "SMBIOS TypeSysInfo parsed as: { \"Manufacturer\": \"Acme\", \"ProductName\": "
         "\"Model 7\", \"Version\": \"A1\", \"SerialNumber\": \"123\" }",
         false},
        {5, kWalk, 57, bios, false},
    });
}

TEST_F(LogSitesTest, ForwardedRecordsCarryTheLibrarysFileName) {
    TableBuilder builder(1, 9);  // rejected: one error record
    builder.End();
    const BufferReader reader(builder.Raw());
    const SMBiosInfo info(&reader);
    if (kSeverity < 2) {
        EXPECT_TRUE(Host().entries.empty());
        return;
    }
    ASSERT_EQ(Host().entries.size(), 1u);
    EXPECT_TRUE(Host().entries[0].hasObject);
#if defined(_WIN32)
    EXPECT_EQ(Host().entries[0].object, L"kelvo-shared-smbios.dll");
#else
    EXPECT_EQ(Host().entries[0].object, L"libkelvo-shared-smbios.so");
#endif
}

TEST_F(LogSitesTest, AFailingWalkLogsTheStructuresBeforeItThenTwoErrors) {
    TableBuilder builder(3, 0);
    builder.Add(0, 0).Bytes({1, 2}).Word(0xF000).Byte(3).String("Acme").String("1.07").String(
        "06/15/2019");
    builder.Add(0, 1).Bytes({1, 2}).Word(0xF000).Byte(3).String("Acme").String("1.07").String(
        "1/5/2020");  // the day text "/2" holds no number
    builder.End();
    const BufferReader reader(builder.Raw());
    const SMBiosInfo info(&reader);
    EXPECT_STREQ(info.GetError().Message(), "invalid stoi argument");
    ExpectRecords({
        {5, kWalk, 57, "SMBIOS TypeBios parsed as: { \"Vendor\": \"Acme\"", true},
        {2, kWalk, 101, "Exception: in GenerateSMBIOSData Parser", false},
        {2, kFirmware, 38, "Exception: in SystemFirmware CTOR standard exception", true},
    });
    if (kSeverity >= 2) {
        const auto& last = Host().entries.back().message;
        EXPECT_NE(last.find(Native("invalid stoi argument")), std::string::npos);
    }
}

class ThrowingReader : public IFirmwareReader {
public:
    const std::uint8_t* GetData() const override { throw std::runtime_error("unreadable"); }
    std::uint64_t GetSize() const override { return 0; }
};

TEST_F(LogSitesTest, ARejectedTableOrAFailingReaderLogsOneFirmwareError) {
    const ThrowingReader throwing;
    { const SMBiosInfo info(&throwing); }
    TableBuilder builder(2, 9);
    const BufferReader rejected(builder.Raw());
    { const SMBiosInfo info(&rejected); }
    ExpectRecords({
        {2, kFirmware, 38, "Exception: in SystemFirmware CTOR standard exception", true},
        {2, kFirmware, 38, "Exception: in SystemFirmware CTOR standard exception", true},
    });
    if (kSeverity >= 2) {
        EXPECT_NE(Host().entries[0].message.find(Native("unreadable")), std::string::npos);
        EXPECT_NE(Host().entries[1].message.find(Native("Invalid firmware table buffer")),
                  std::string::npos);
    }
}

TEST_F(LogSitesTest, AFailingDefaultReaderLogsOneFacadeError) {
    const SMBiosInfo info;
    if (std::string(info.GetError().Message()).rfind("Failed to read any byte", 0) != 0) {
        GTEST_SKIP() << "this machine's table was read";
    }
    ExpectRecords({{2, kFacade, 48,
                    "Exception: in BiosInfo CTOR standard exception (category 2, code 1): Failed "
                    "to read any byte from Bios NV memory",
                    true}});
}

#if defined(_WIN32)
// Vendor bytes reach the host as the ANSI code page's characters (Wine's default is 1252).
TEST_F(LogSitesTest, BytesAboveAsciiAreConvertedWithTheAnsiCodePage) {
    if (kSeverity < 5) GTEST_SKIP() << "only debug records carry vendor texts";
    TableBuilder builder(2, 0);
    builder.Add(1, 0).Bytes({1, 0, 0, 0}).String("Soci\xE9t\xE9");
    builder.End();
    const BufferReader reader(builder.Raw());
    const SMBiosInfo info(&reader);
    ASSERT_EQ(Host().entries.size(), 1u);
    EXPECT_NE(Host().entries[0].message.find(L"Soci\u00E9t\u00E9"), std::wstring::npos);
}
#endif

}  // namespace
