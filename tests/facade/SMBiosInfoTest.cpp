#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/TableBuilder.h"

namespace {

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

// A copy of what the default reader read (the machine's table, or its failure) outlives the
// original and answers the same.
TEST(SMBiosInfoTest, CopiesOfTheDefaultReadersResultStandAlone) {
    auto original = std::make_unique<SMBiosInfo>();
    const SMBiosInfo copy(*original);
    const std::string message = original->GetError().Message();
    const SMBiosSpecVersion version = original->GetSMBiosVersion();
    original.reset();
    EXPECT_EQ(copy.GetError().Message(), message);
    EXPECT_EQ(copy.GetSMBiosVersion(), version);
}

}  // namespace
