#include "platform/FirmwareTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kelvo::shared::smbios::platform;

bool EndsWithLineBreak(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

TEST(FirmwareTableWin32Test, SystemTextForKnownAndUnknownCodes) {
    const std::string known = SystemErrorText(2);  // ERROR_FILE_NOT_FOUND
    EXPECT_TRUE(EndsWithLineBreak(known)) << known;
    EXPECT_NE(known, "No message available for given error code\r\n");
    EXPECT_EQ(SystemErrorText(0x2000FFFF), "No message available for given error code\r\n");
}

TEST(FirmwareTableWin32Test, ReadsTheWholeRawTable) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadFirmwareTable(bytes, error)) << error;
    ASSERT_GE(bytes.size(), 8u);
    const std::uint32_t length = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | bytes[7] << 24;
    EXPECT_EQ(bytes.size(), 8u + length);
    EXPECT_GE(bytes[1], 2);
}

}  // namespace
