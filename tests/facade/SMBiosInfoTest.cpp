#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "facade/BiosNVReader.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::error::ErrorCategory;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;
using kelvo::test::TableBuilder;

// A caller's reader is borrowed, not copied: copies outlive the original, and their baseboard
// handles still point into the caller's bytes.
TEST(SMBiosInfoTest, CopiesAreIndependentOfTheOriginalButNotOfTheCallersTable) {
    TableBuilder builder(2, 6);
    builder.Add(2, 0x10).Byte(1).Put(0x0B, 3, 2).ByteAt(0x0E, 1).Put(0x0F, 0x22, 2).String("Acme");
    BufferReader reader(builder.End().Raw());
    auto original = std::make_unique<SMBiosInfo>(&reader);
    SMBiosInfo copy(*original);
    SMBiosInfo assigned(&reader);
    assigned = *original;
    assigned = assigned;
    original.reset();
    for (const SMBiosInfo* info : {&copy, &assigned}) {
        EXPECT_FALSE(info->GetError());
        EXPECT_EQ(info->GetSMBiosVersion(), SMBiosSpecVersion::V2_6);
        EXPECT_STREQ(info->GetTypeBaseboard().Manufacturer, "Acme");
        EXPECT_EQ(
            reinterpret_cast<const std::uint8_t*>(info->GetTypeBaseboard().ContainedObjectHandles),
            reader.GetData() + 8 + 0x0F);
    }
}

// The running machine's table, read by the default reader that a copy copies (under Wine a
// table whose release date stops the walk, which the tool's test checks).
TEST(SMBiosInfoTest, DefaultReaderReadsTheMachinesTable) {
    const SMBiosInfo info;
    const SMBiosInfo copy(info);
    EXPECT_STREQ(copy.GetError().Message(), info.GetError().Message());
    EXPECT_EQ(copy.GetSMBiosVersion(), info.GetSMBiosVersion());
#if !defined(_WIN32)
    if (!info.GetError()) GTEST_SKIP() << "this machine's table was read";
    EXPECT_EQ(info.GetError().Message(),
              std::string(kelvo::shared::smbios::pimpl::kFirmwareReadFailure) +
                  "No such file or directory");
    EXPECT_EQ(info.GetError().Category(), ErrorCategory::StandardException);
    EXPECT_EQ(info.GetSMBiosVersion(), SMBiosSpecVersion::None);
#endif
}

}  // namespace
