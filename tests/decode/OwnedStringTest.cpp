#include "decode/OwnedString.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using namespace kelvo::shared::smbios::detail;

// Texts up to the limit are copied, longer ones become empty; a view ends at an embedded NUL, a
// null text gives a fresh empty one.
TEST(OwnedStringTest, DuplicatesUpToTheLimit) {
    for (std::size_t length :
         {std::size_t{0}, std::size_t{1}, kMaxOwnedStringLength, kMaxOwnedStringLength + 1}) {
        const std::string source(length, 'x');
        const bool kept = length <= kMaxOwnedStringLength;
        for (char* copy :
             {DuplicateString(source.c_str()), DuplicateString(std::string_view(source))}) {
            ASSERT_NE(copy, nullptr);
            EXPECT_NE(copy, source.c_str());
            EXPECT_EQ(std::string(copy), kept ? source : std::string()) << length;
            ReleaseString(copy);
            EXPECT_EQ(copy, nullptr);
        }
    }
    const std::pair<char*, const char*> cases[] = {
        {DuplicateString(static_cast<const char*>(nullptr)), ""},
        {DuplicateString(std::string_view("ab\0cd", 5)), "ab"}};
    for (auto [copy, text] : cases) {
        EXPECT_STREQ(copy, text);
        ReleaseString(copy);
    }
    // Assigning replaces the text, even from itself.
    char* text = DuplicateString("old");
    AssignString(text, "new");
    EXPECT_STREQ(text, "new");
    AssignString(text, static_cast<const char*>(text));
    EXPECT_STREQ(text, "new");
    ReleaseString(text);
}

}  // namespace
