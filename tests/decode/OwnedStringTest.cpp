#include "decode/OwnedString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace kelvo::shared::smbios::pimpl;

struct Case {
    const char* name;
    std::size_t length;
    bool kept;
};

class DuplicateStringTest : public ::testing::TestWithParam<Case> {};

TEST_P(DuplicateStringTest, KeepsTextsUpToTheLimitAndEmptiesLongerOnes) {
    const std::string source(GetParam().length, 'x');
    for (char* copy :
         {DuplicateString(source.c_str()), DuplicateString(std::string_view(source))}) {
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, source.c_str());
        EXPECT_EQ(std::string(copy), GetParam().kept ? source : std::string());
        ReleaseString(copy);
        EXPECT_EQ(copy, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DuplicateStringTest,
                         ::testing::Values(Case{"Empty", 0, true}, Case{"One", 1, true},
                                           Case{"AtLimit", kMaxOwnedStringLength, true},
                                           Case{"OverLimit", kMaxOwnedStringLength + 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DuplicateStringTest, NullGivesAFreshEmptyString) {
    char* copy = DuplicateString(static_cast<const char*>(nullptr));
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "");
    ReleaseString(copy);
}

TEST(DuplicateStringTest, ViewEndsAtAnEmbeddedNul) {
    char* copy = DuplicateString(std::string_view("ab\0cd", 5));
    EXPECT_STREQ(copy, "ab");
    ReleaseString(copy);
}

TEST(AssignStringTest, ReplacesTheTextEvenFromItself) {
    char* text = DuplicateString("old");
    AssignString(text, "new");
    EXPECT_STREQ(text, "new");
    AssignString(text, static_cast<const char*>(text));
    EXPECT_STREQ(text, "new");
    ReleaseString(text);
}

}  // namespace
