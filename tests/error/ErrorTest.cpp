#include <kelvo/error/Error.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using kelvo::shared::error::Error;
using kelvo::shared::error::ErrorCategory;

// Runs the two-call contract: size, then fill a buffer of exactly that size plus the NUL.
// A guard byte after the buffer catches a write past the promised size.
std::string Text(const Error& error) {
    const int length = Error::ToString(error, nullptr);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 2, '#');
    EXPECT_EQ(Error::ToString(error, buffer.data()), length);
    EXPECT_EQ(buffer[static_cast<std::size_t>(length)], '\0');
    EXPECT_EQ(buffer.back(), '#');
    EXPECT_EQ(std::strlen(buffer.data()), static_cast<std::size_t>(length));
    return buffer.data();
}

TEST(ErrorTest, DefaultValueMeansNoFailure) {
    const Error error;
    EXPECT_FALSE(error);
    EXPECT_EQ(error.Category(), ErrorCategory::None);
    EXPECT_STREQ(error.Message(), "");
    EXPECT_EQ(Text(error), "no error");
}

TEST(ErrorTest, TextShowsEveryPartOfAFailure) {
    const Error error(ErrorCategory::StandardException, 1, "Invalid firmware table buffer",
                      "St13runtime_error", "kelvo-shared-smbios.dll");
    EXPECT_TRUE(error);
    const std::string text = Text(error);
    for (const char* part :
         {"standard exception", "category 2", "code 1", "Invalid firmware table buffer",
          "St13runtime_error", "kelvo-shared-smbios.dll"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " missing from " << text;
    }
}

TEST(ErrorTest, NegativeCodesAndNullTextsAreSafe) {
    const Error error(ErrorCategory::ThrownValue, -1, nullptr, nullptr, nullptr);
    EXPECT_STREQ(error.Message(), "");
    EXPECT_STREQ(error.TypeName(), "");
    EXPECT_NE(Text(error).find("code -1"), std::string::npos);
}

TEST(ErrorTest, CopiesOwnTheirTexts) {
    Error original(ErrorCategory::ThrownValue, 7, "message", "type", "component");
    Error copy(original);
    EXPECT_NE(copy.Message(), original.Message());
    EXPECT_EQ(Text(copy), Text(original));

    Error assigned;
    assigned = original;
    original = Error();  // the copies outlive the original's texts
    EXPECT_STREQ(assigned.Message(), "message");
    EXPECT_STREQ(copy.Component(), "component");

    assigned = assigned;
    EXPECT_STREQ(assigned.TypeName(), "type");
    EXPECT_EQ(assigned.Code(), 7);
}

}  // namespace
