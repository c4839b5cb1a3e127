// Makes each allocation of a construction (and of a copy of its result) fail in turn, for a
// table holding every record type: nothing escapes, and the outcome is a success or an Error.
// Built once with the logger never set up and once at debug (KELVO_LOGGER_DEBUG), since the
// logger is set up once per process; leaks are found by LeakSanitizer or valgrind at exit.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "render/RecordText.h"
#include "support/AllocationSeam.h"
#include "support/CapturingAppender.h"
#include "support/Describe.h"
#include "support/TableBuilder.h"
#include "support/Tables.h"

namespace {

namespace allocations = kelvo::test::allocations;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::CapturingAppender;
using kelvo::test::Native;

CapturingAppender host;

TEST(AllocationFailureTest, EveryAllocationFailureEndsInSuccessOrAnError) {
    if (KELVO_LOGGER_DEBUG) kelvoSharedInitializeLogger(plog::debug, &host);
    const kelvo::test::BufferReader reader(kelvo::test::tables::EveryType(3, 3));
    const std::string expected = [&] {
        const SMBiosInfo info(&reader);
        return kelvo::test::Describe(info);
    }();

    long failures = 0;
    long absorbed = 0;
    long warnings = 0;
    std::set<std::string> messages;
    long n = 1;
    for (;; ++n) {
        SCOPED_TRACE(n);
        host.entries.clear();
        allocations::Arm(n);
        try {
            const SMBiosInfo info(&reader);
            const SMBiosInfo copy(info);
            allocations::Disarm();
            const bool completed = allocations::Count() < n;  // the failure was never reached
            for (const SMBiosInfo* result : {&info, &copy}) {
                const std::string text = kelvo::test::Describe(*result);
                if (result->GetError()) {
                    ++failures;
                    messages.insert(result->GetError().Message());
                    EXPECT_EQ(result->GetSMBiosVersion(), SMBiosSpecVersion::None);
                } else {
                    EXPECT_EQ(result->GetSMBiosVersion(), SMBiosSpecVersion::V3_0);
                    absorbed += text != expected;
                }
            }
            if (completed) {
                EXPECT_EQ(kelvo::test::Describe(copy), expected);
                break;
            }
        } catch (...) {
            allocations::Disarm();
            FAIL() << "the failure escaped";
        }
        // A renderer that fails writes its warning just before the record whose text it cut.
        for (std::size_t i = 0; i < host.entries.size(); ++i) {
            if (host.entries[i].severity != plog::warning) continue;
            ++warnings;
            ASSERT_LT(i + 1, host.entries.size());
            EXPECT_EQ(host.entries[i + 1].severity, plog::debug);
            EXPECT_NE(host.entries[i + 1].message.find(Native(" parsed as: ")), std::string::npos);
        }
    }
    EXPECT_GT(failures, 0);
    EXPECT_GT(absorbed, 0) << "no failure was absorbed into an empty string";
    EXPECT_EQ(messages, std::set<std::string>{"std::bad_alloc"});
    EXPECT_EQ(warnings > 0, KELVO_LOGGER_DEBUG == 1);
}

// Streams never throw for lack of memory, so a stream that throws on its failure stands in for
// a host's: each renderer catches it and warns with its own line.
TEST(AllocationFailureTest, ARendererWhoseStreamThrowsWarnsWithItsLine) {
    if (!KELVO_LOGGER_DEBUG) GTEST_SKIP() << "no logger in this build";
    struct Failing : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } failing;
    std::ostream os(&failing);
    os.exceptions(std::ios::badbit);
    const auto warningLine = [&](const auto& record) {
        host.entries.clear();
        os.clear();
        os << record;
        return host.entries.size() == 1 ? host.entries[0].line : 0;
    };
    kelvo::shared::smbios::TypeOemStrings oem;
    oem.Strings = new char[1]{'\0'};
    EXPECT_EQ(warningLine(kelvo::shared::smbios::TypeBios()), 41u);
    EXPECT_EQ(warningLine(kelvo::shared::smbios::TypeSysInfo()), 59u);
    EXPECT_EQ(warningLine(oem), 85u);
}

}  // namespace
