// Makes every allocation of a construction fail in turn, with the logger at debug: nothing
// escapes, and a renderer that fails writes its warning before the debug record whose text it
// cut. Links the library's objects and the allocation seam, whose operator new serves them too.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <string>

#include "support/AllocationSeam.h"
#include "support/CapturingAppender.h"
#include "support/TableBuilder.h"

namespace {

namespace allocations = kelvo::test::allocations;
using kelvo::test::CapturingAppender;
using kelvo::test::Native;

TEST(RenderFailureTest, EveryAllocationFailureEndsInsideTheLibrary) {
    static CapturingAppender host;
    kelvoSharedInitializeLogger(plog::debug, &host);

    kelvo::test::TableBuilder builder(3, 0);
    builder.Add(11, 0).Byte(2).String("Alpha").String("Beta");
    builder.Add(1, 1).Bytes({1, 2, 3, 4}).String("Acme").String("Model").String("A").String("1");
    builder.End();
    const kelvo::test::BufferReader reader(builder.Raw());

    int warnings = 0;
    for (long n = 1;; ++n) {
        host.entries.clear();
        allocations::Arm(n);
        bool failed = false;
        bool completed = false;
        try {
            const kelvo::shared::smbios::SMBiosInfo info(&reader);
            failed = static_cast<bool>(info.GetError());
            completed = allocations::Count() < n;  // the failure point was never reached
        } catch (...) {
            allocations::Disarm();
            FAIL() << "allocation " << n << " escaped the constructor";
        }
        allocations::Disarm();
        if (completed) {
            EXPECT_FALSE(failed);
            break;
        }
        for (std::size_t i = 0; i < host.entries.size(); ++i) {
            if (host.entries[i].severity != plog::warning) continue;
            ++warnings;
            SCOPED_TRACE(n);
            EXPECT_EQ(host.entries[i].line, 85u);
            EXPECT_EQ(host.entries[i].message.rfind(
                          Native("Exception converting TypeOemStrings to string: "), 0),
                      0u);
            ASSERT_LT(i + 1, host.entries.size()) << "the warning precedes the debug record";
            EXPECT_EQ(host.entries[i + 1].message,
                      Native("SMBIOS TypeOemStrings parsed as: { \"Values\": [ "));
        }
    }
    EXPECT_GT(warnings, 0) << "no allocation inside the OEM strings renderer failed";
}

}  // namespace
