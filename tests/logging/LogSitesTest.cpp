// Built once per logger severity (KELVO_LOG_SEVERITY), since the library's logger is set up
// once per process. Links the shared library as a host does. The records of every walk below
// are in golden/records.txt, written by the most verbose build when KELVO_UPDATE_GOLDEN is set:
//   KELVO_UPDATE_GOLDEN=1 ctest --test-dir build/linux -R kelvo-log-sites
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/CapturingAppender.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::test::BufferReader;
using kelvo::test::Native;
using kelvo::test::TableBuilder;

constexpr int kSeverity = KELVO_LOG_SEVERITY;
#if defined(_WIN32)
constexpr const wchar_t* kLibrary = L"kelvo-shared-smbios.dll";
#else
// The loaded file, which a host names by its soname.
constexpr const wchar_t* kLibrary = L"libkelvo-shared-smbios.so." KELVO_LOG_SOVERSION;
#endif

kelvo::test::CapturingAppender& Host() {
    static kelvo::test::CapturingAppender appender;
    static const bool set =
        (kelvoSharedInitializeLogger(static_cast<plog::Severity>(kSeverity), &appender), true);
    return set ? appender : appender;
}

void AddBios(TableBuilder& table, const char* date) {
    table.Add(0).Bytes({1, 2}).Word(0xF000).Byte(3).String("Acme").String("1.07").String(date);
}

// Every record that reached the host, one a line: walk, severity, function, line, message.
TEST(LogSitesTest, EachWalkLogsTheGoldenRecordsUpToTheSeverity) {
    TableBuilder walk(2, 3), failing(3, 0);
    AddBios(walk, "06/15/2019");  // types 0, 1 and 11 are shown in table order
    walk.Add(11, 1).Byte(2).String("Alpha").String("Beta");
    walk.Add(1, 2).Bytes({1, 2, 3, 4}).String("Acme").String("Model 7").String("A1").String("123");
    walk.Add(2, 3).Byte(1).String("board");                      // not shown
    walk.Add(1, 4).Bytes({1, 0, 0, 0}).String("Soci\xE9t\xE9");  // Windows: the ANSI code page's
    AddBios(walk, "06/15/2019");
    AddBios(failing, "06/15/2019");
    AddBios(failing, "1/5/2020");  // the day text "/2" holds no number: the walk stops
    const struct {
        const char* name;
        std::vector<std::uint8_t> raw;
        const char* failure = nullptr;  // the reader's, when it throws
    } walks[] = {{"walk", walk.End().Raw()},
                 {"failing-walk", failing.End().Raw()},
                 {"rejected-version", TableBuilder(2, 9).Raw()},
                 {"throwing-reader", {}, "unreadable"}};
    std::ostringstream actual;
    for (const auto& walk : walks) {
        Host().entries.clear();
        const BufferReader reader(walk.raw, walk.failure);
        { const SMBiosInfo info(&reader); }
        for (const auto& e : Host().entries) {
            EXPECT_STREQ(e.object, kLibrary);
            EXPECT_EQ(e.file, "");
            EXPECT_EQ(e.instanceId, 0);
            actual << walk.name << '\t' << e.severity << '\t' << e.function << '\t' << e.line
                   << '\t';
            for (auto c : e.message) actual << static_cast<char>(c);
            actual << '\n';
        }
    }
    const char* path = KELVO_LOG_GOLDEN;
    if (std::getenv("KELVO_UPDATE_GOLDEN") != nullptr && kSeverity == 7) {
        std::ofstream(path, std::ios::binary) << actual.str();
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::string expected;
    for (std::string line; std::getline(in, line);) {
        if (std::stoi(line.substr(line.find('\t') + 1)) <= kSeverity) expected += line + '\n';
    }
    EXPECT_EQ(actual.str(), expected);
}

// Without a table (as on this kind of machine), the default reader's failure is the facade's.
TEST(LogSitesTest, AFailingDefaultReaderLogsOneFacadeError) {
    Host().entries.clear();
    const SMBiosInfo info;
    if (std::string(info.GetError().Message()).rfind("Failed to read any byte", 0) != 0) {
        GTEST_SKIP() << "this machine's table was read";
    }
    ASSERT_EQ(Host().entries.size(), kSeverity >= 2 ? 1u : 0u);
    if (kSeverity < 2) return;
    EXPECT_EQ(Host().entries[0].function, "kelvo::shared::smbios::SMBiosInfo::SMBiosInfo");
    EXPECT_EQ(Host().entries[0].line, 48u);
    EXPECT_EQ(Host().entries[0].message.rfind(Native("Exception: in BiosInfo CTOR standard "
                                                     "exception (category 2, code 1): Failed"),
                                              0),
              0u);
}

}  // namespace
