#include "facade/FailureCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>
#include <typeinfo>

namespace {

using kelvo::shared::error::Error;
using kelvo::shared::error::ErrorCategory;
using kelvo::shared::smbios::ErrorFromException;

struct Unrelated {};

struct Case {
    const char* name;
    std::function<void()> raise;
    ErrorCategory category;
    std::int64_t code;
    std::string message;
    std::string typeName;
};

Error Capture(const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        return ErrorFromException(std::current_exception());
    }
    ADD_FAILURE() << "nothing was thrown";
    return Error();
}

std::int64_t Hash(const std::type_info& type) {
    return static_cast<std::int64_t>(type.hash_code());
}

class FailureCaptureTest : public ::testing::TestWithParam<Case> {};

TEST_P(FailureCaptureTest, ConvertsByTheFirstMatchingHandler) {
    const Case& c = GetParam();
    const Error error = Capture(c.raise);
    EXPECT_EQ(error.Category(), c.category);
    EXPECT_EQ(error.Code(), c.code);
    EXPECT_EQ(error.Message(), c.message);
    EXPECT_EQ(error.TypeName(), c.typeName);
    EXPECT_STREQ(error.Component(), "kelvo-shared-smbios.dll");
}

const std::error_code kAccess(5, std::system_category());

INSTANTIATE_TEST_SUITE_P(
    Handlers, FailureCaptureTest,
    ::testing::Values(
        Case{"SystemError", [] { throw std::system_error(kAccess, "open failed"); },
             ErrorCategory::StandardException, 1,
             std::string("message: '") + std::system_error(kAccess, "open failed").what() +
                 std::string("' system code : 'system:5'"),
             typeid(std::system_error).name()},
        Case{"StandardException", [] { throw std::invalid_argument("invalid stoi argument"); },
             ErrorCategory::StandardException, 1, "invalid stoi argument",
             typeid(std::invalid_argument).name()},
        Case{"AllocationFailure", [] { throw std::bad_alloc(); }, ErrorCategory::StandardException,
             1, std::bad_alloc().what(), typeid(std::bad_alloc).name()},
        Case{"Int", [] { throw -1; }, ErrorCategory::ThrownValue, -1, "", typeid(int).name()},
        Case{"UnsignedLong", [] { throw 4000000000ul; }, ErrorCategory::ThrownValue, 4000000000, "",
             typeid(unsigned long).name()},
        Case{"StdString", [] { throw std::string("text"); }, ErrorCategory::ThrownValue,
             Hash(typeid(std::string)), "text", typeid(std::string).name()},
        Case{"CString", [] { throw "literal"; }, ErrorCategory::ThrownValue,
             Hash(typeid(const char*)), "literal", typeid(const char*).name()},
        Case{"UnrelatedClass", [] { throw Unrelated(); }, ErrorCategory::UnknownException, 0,
             "Unknown exception type.", "Unknown"},
        Case{"OtherScalar", [] { throw 1.5; }, ErrorCategory::UnknownException, 0,
             "Unknown exception type.", "Unknown"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(FailureCaptureTest, NullExceptionIsUnknown) {
    EXPECT_EQ(ErrorFromException(nullptr).Category(), ErrorCategory::UnknownException);
}

}  // namespace
