#include "platform/FirmwareTable.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
