#include "common/FailureCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>
#include <typeinfo>

namespace {

using kelvo::shared::error::Error;
using kelvo::shared::smbios::ErrorFromException;
using C = kelvo::shared::error::ErrorCategory;

struct Unrelated {};

Error Capture(const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        return ErrorFromException(std::current_exception());
    }
    return ErrorFromException(nullptr);
}

// Each thrown thing is converted by the first handler that matches it.
TEST(FailureCaptureTest, ConvertsByTheFirstMatchingHandler) {
    const std::system_error denied(std::error_code(5, std::system_category()), "open failed");
    const struct {
        std::function<void()> raise;
        C category;
        std::int64_t code;
        std::string message;
        std::string typeName;
    } cases[] = {
        {[&] { throw denied; }, C::StandardException, 1,
         std::string("message: '") + denied.what() + "' system code : 'system:5'",
         typeid(std::system_error).name()},
        {[] { throw std::invalid_argument("invalid stoi argument"); }, C::StandardException, 1,
         "invalid stoi argument", typeid(std::invalid_argument).name()},
        {[] { throw std::bad_alloc(); }, C::StandardException, 1, std::bad_alloc().what(),
         typeid(std::bad_alloc).name()},
        {[] { throw -1; }, C::ThrownValue, -1, "", typeid(int).name()},
        {[] { throw 4000000000ul; }, C::ThrownValue, 4000000000, "", typeid(unsigned long).name()},
        {[] { throw std::string("text"); }, C::ThrownValue,
         static_cast<std::int64_t>(typeid(std::string).hash_code()), "text",
         typeid(std::string).name()},
        {[] { throw "literal"; }, C::ThrownValue,
         static_cast<std::int64_t>(typeid(const char*).hash_code()), "literal",
         typeid(const char*).name()},
        {[] { throw Unrelated(); }, C::UnknownException, 0, "Unknown exception type.", "Unknown"},
        {[] { throw 1.5; }, C::UnknownException, 0, "Unknown exception type.", "Unknown"},
        {[] {}, C::UnknownException, 0, "Unknown exception type.", "Unknown"},  // no exception
    };
    for (const auto& c : cases) {
        const Error error = Capture(c.raise);
        SCOPED_TRACE(c.typeName);
        EXPECT_EQ(error.Category(), c.category);
        EXPECT_EQ(error.Code(), c.code);
        EXPECT_EQ(error.Message(), c.message);
        EXPECT_EQ(error.TypeName(), c.typeName);
        EXPECT_STREQ(error.Component(), "kelvo-shared-smbios.dll");
    }
}

}  // namespace
