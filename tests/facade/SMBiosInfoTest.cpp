#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "facade/BiosNVReader.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::error::ErrorCategory;
using kelvo::shared::smbios::IFirmwareReader;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;
using kelvo::test::TableBuilder;

TableBuilder BoardTable() {
    TableBuilder builder(2, 6);
    builder.Add(2, 0x10).Byte(1).WordAt(0x0B, 3).ByteAt(0x0E, 1).WordAt(0x0F, 0x22).String("Acme");
    builder.End();
    return builder;
}

class ThrowingReader : public IFirmwareReader {
public:
    const std::uint8_t* GetData() const override { throw std::logic_error("no data"); }
    std::uint64_t GetSize() const override { return 100; }
};

TEST(SMBiosInfoTest, ACallersReaderIsBorrowedAndOutlivesTheObject) {
    auto reader = std::make_unique<BufferReader>(BoardTable().Raw());
    { const SMBiosInfo info(reader.get()); }
    EXPECT_EQ(reader->sizeCalls, 1);
    EXPECT_EQ(reader->dataCalls, 1);
    EXPECT_EQ(reader->GetData()[1], 2);  // still alive and untouched
}

TEST(SMBiosInfoTest, AThrowingReaderEndsAsTheError) {
    const ThrowingReader reader;
    const SMBiosInfo info(&reader);
    EXPECT_EQ(info.GetError().Category(), ErrorCategory::StandardException);
    EXPECT_STREQ(info.GetError().Message(), "no data");
    EXPECT_EQ(info.GetSMBiosVersion(), SMBiosSpecVersion::None);
    EXPECT_STREQ(info.GetTypeBaseboard().Manufacturer, "");
}

TEST(SMBiosInfoTest, CopiesAreIndependentOfTheOriginal) {
    BufferReader reader(BoardTable().Raw());
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
        // A caller's table is not copied: the handles still point into the caller's bytes.
        EXPECT_EQ(
            reinterpret_cast<const std::uint8_t*>(info->GetTypeBaseboard().ContainedObjectHandles),
            reader.GetData() + 8 + 0x0F);
    }
}

// The running machine's table: Wine synthesizes one; this Linux machine may have none.
TEST(SMBiosInfoTest, DefaultReaderReadsTheMachinesTable) {
    const SMBiosInfo info;
    const SMBiosInfo copy(info);
    if (!info.GetError()) {
        EXPECT_NE(info.GetSMBiosVersion(), SMBiosSpecVersion::None);
        EXPECT_EQ(copy.GetSMBiosVersion(), info.GetSMBiosVersion());
        return;
    }
#if defined(_WIN32)
    // The table was read; Wine synthesizes a BIOS structure without a release date, which
    // stops the walk as such a structure must.
    EXPECT_STREQ(info.GetError().Message(), "invalid string position");
    EXPECT_STREQ(copy.GetError().Message(), "invalid string position");
#else
    const std::string message = info.GetError().Message();
    EXPECT_EQ(message.rfind(kelvo::shared::smbios::pimpl::kFirmwareReadFailure, 0), 0u);
    EXPECT_EQ(
        message.substr(std::string(kelvo::shared::smbios::pimpl::kFirmwareReadFailure).size()),
        "No such file or directory");
    EXPECT_EQ(info.GetError().Category(), ErrorCategory::StandardException);
    EXPECT_STREQ(info.GetError().Component(), "kelvo-shared-smbios.dll");
    // No parse result: every getter answers with defaults.
    EXPECT_EQ(info.GetSMBiosVersion(), SMBiosSpecVersion::None);
    EXPECT_EQ(info.GetTypeBaseboard().ContainedObjectHandles, nullptr);
    EXPECT_STREQ(copy.GetError().Message(), message.c_str());
#endif
}

}  // namespace
