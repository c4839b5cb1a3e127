#include "common/FailureCapture.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <system_error>
#include <typeinfo>

namespace kelvo::shared::smbios {

namespace {

using kelvo::shared::error::Error;
using kelvo::shared::error::ErrorCategory;

std::string SystemErrorText(const std::system_error& failure) {
    std::ostringstream text;
    text << "message: '" << failure.what() << "' system code : '"
         << failure.code().category().name() << ":" << failure.code().value() << "'";
    return text.str();
}

std::int64_t TypeHash(const std::type_info& type) {
    return static_cast<std::int64_t>(type.hash_code());
}

Error Unknown() {
    return Error(ErrorCategory::UnknownException, 0, "Unknown exception type.", "Unknown",
                 kComponentName);
}

}  // namespace

Error ErrorFromException(std::exception_ptr exception) noexcept {
    if (!exception) return Unknown();
    try {
        std::rethrow_exception(exception);
    } catch (const std::system_error& failure) {
        std::string message;
        try {
            message = SystemErrorText(failure);
        } catch (...) {
            // Out of memory while composing: the bare what() text still says what failed.
            return Error(ErrorCategory::StandardException, 1, failure.what(),
                         typeid(failure).name(), kComponentName);
        }
        return Error(ErrorCategory::StandardException, 1, message.c_str(), typeid(failure).name(),
                     kComponentName);
    } catch (const std::exception& failure) {
        return Error(ErrorCategory::StandardException, 1, failure.what(), typeid(failure).name(),
                     kComponentName);
    } catch (int value) {
        return Error(ErrorCategory::ThrownValue, value, "", typeid(int).name(), kComponentName);
    } catch (unsigned long value) {
        return Error(ErrorCategory::ThrownValue, static_cast<std::int64_t>(value), "",
                     typeid(unsigned long).name(), kComponentName);
    } catch (std::string& text) {
        return Error(ErrorCategory::ThrownValue, TypeHash(typeid(std::string)), text.c_str(),
                     typeid(std::string).name(), kComponentName);
    } catch (const char* text) {
        return Error(ErrorCategory::ThrownValue, TypeHash(typeid(const char*)),
                     text != nullptr ? text : "", typeid(const char*).name(), kComponentName);
    } catch (...) {
        return Unknown();
    }
}

}  // namespace kelvo::shared::smbios
