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
    EXPECT_EQ(buffer.back(), '#');
    EXPECT_EQ(std::strlen(buffer.data()), static_cast<std::size_t>(length));
    return buffer.data();
}

TEST(ErrorTest, TextShowsEveryPartOfAFailure) {
    EXPECT_FALSE(Error());
    EXPECT_EQ(Text(Error()), "no error");
    EXPECT_EQ(Text(Error(ErrorCategory::StandardException, 1, "Invalid firmware table buffer",
                         "St13runtime_error", "kelvo-shared-smbios.dll")),
              "standard exception (category 2, code 1): Invalid firmware table buffer [type "
              "St13runtime_error, component kelvo-shared-smbios.dll]");
    const Error nulls(ErrorCategory::ThrownValue, -1, nullptr, nullptr, nullptr);
    EXPECT_TRUE(nulls);
    EXPECT_STREQ(nulls.Message(), "");
    EXPECT_STREQ(nulls.TypeName(), "");
    EXPECT_EQ(Text(nulls), "thrown value (category 5, code -1):  [type , component ]");
}

// Copies own their texts and outlive the original; assigning an error to itself keeps it.
TEST(ErrorTest, CopiesOwnTheirTexts) {
    Error original(ErrorCategory::ThrownValue, 7, "message", "type", "component");
    const std::string text = Text(original);
    Error copy(original);
    Error assigned;
    assigned = original;
    EXPECT_NE(copy.Message(), original.Message());
    original = Error();
    const Error& alias = assigned;
    assigned = alias;
    for (const Error* e : {&copy, &assigned}) {
        EXPECT_EQ(e->Category(), ErrorCategory::ThrownValue);
        EXPECT_EQ(Text(*e), text);
    }
}

}  // namespace
