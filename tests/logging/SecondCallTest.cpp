// A second set-up call changes neither severity nor appender; it only makes every record
// arrive once more. Runs in a process of its own, since the logger cannot be torn down.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include "support/CapturingAppender.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::test::CapturingAppender;

TEST(SecondCallTest, FirstSeverityAndAppenderStayAndRecordsArriveTwice) {
    CapturingAppender first;
    CapturingAppender second;
    kelvoSharedInitializeLogger(plog::error, &first);
    kelvoSharedInitializeLogger(plog::debug, &second);

    kelvo::test::TableBuilder builder(3, 0);
    builder.Add(1, 0).Bytes({1, 0, 0, 0}).String("Acme");  // a debug record, not admitted
    kelvo::test::BufferReader accepted(builder.Raw());
    { const kelvo::shared::smbios::SMBiosInfo info(&accepted); }
    EXPECT_TRUE(first.entries.empty());

    kelvo::test::BufferReader rejected(kelvo::test::TableBuilder(1, 0).Raw());
    { const kelvo::shared::smbios::SMBiosInfo info(&rejected); }
    ASSERT_EQ(first.entries.size(), 2u);
    EXPECT_EQ(first.entries[0].message, first.entries[1].message);
    EXPECT_EQ(first.entries[0].line, 38u);
    EXPECT_TRUE(second.entries.empty());
}

}  // namespace
