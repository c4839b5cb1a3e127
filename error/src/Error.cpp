#include <kelvo/error/Error.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <new>

namespace kelvo::shared::error {
namespace {

char* Copy(const char* text) {
    if (text == nullptr) return nullptr;
    const std::size_t length = std::strlen(text);
    char* copy = new (std::nothrow) char[length + 1];
    if (copy != nullptr) std::memcpy(copy, text, length + 1);
    return copy;
}

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

const char* CategoryName(ErrorCategory category) {
    switch (category) {
        case ErrorCategory::None:
            return "no error";
        case ErrorCategory::UnknownException:
            return "unknown exception";
        case ErrorCategory::StandardException:
            return "standard exception";
        case ErrorCategory::ThrownValue:
            return "thrown value";
    }
    return "unnamed category";
}

}  // namespace

Error::Error()
    : category_(ErrorCategory::None),
      code_(0),
      message_(nullptr),
      typeName_(nullptr),
      component_(nullptr) {}

Error::Error(ErrorCategory category, std::int64_t code, const char* message, const char* typeName,
             const char* component)
    : category_(category),
      code_(code),
      message_(Copy(message)),
      typeName_(Copy(typeName)),
      component_(Copy(component)) {}

Error::Error(const Error& other)
    : category_(ErrorCategory::None),
      code_(0),
      message_(nullptr),
      typeName_(nullptr),
      component_(nullptr) {
    CopyFrom(other);
}

Error& Error::operator=(const Error& other) {
    if (this != &other) {
        Release();
        CopyFrom(other);
    }
    return *this;
}

Error::~Error() { Release(); }

void Error::Release() {
    delete[] message_;
    delete[] typeName_;
    delete[] component_;
    message_ = typeName_ = component_ = nullptr;
}

void Error::CopyFrom(const Error& other) {
    category_ = other.category_;
    code_ = other.code_;
    message_ = Copy(other.message_);
    typeName_ = Copy(other.typeName_);
    component_ = Copy(other.component_);
}

Error::operator bool() const { return category_ != ErrorCategory::None; }

ErrorCategory Error::Category() const { return category_; }
std::int64_t Error::Code() const { return code_; }
const char* Error::Message() const { return OrEmpty(message_); }
const char* Error::TypeName() const { return OrEmpty(typeName_); }
const char* Error::Component() const { return OrEmpty(component_); }

int Error::ToString(const Error& error, char* buffer) {
    // snprintf measures and writes without allocating, so this never fails for lack of memory.
    const auto format = [&error](char* out, std::size_t size) {
        if (!error) return std::snprintf(out, size, "no error");
        return std::snprintf(
            out, size, "%s (category %" PRId32 ", code %" PRId64 "): %s [type %s, component %s]",
            CategoryName(error.category_), static_cast<std::int32_t>(error.category_), error.code_,
            error.Message(), error.TypeName(), error.Component());
    };
    const int length = format(nullptr, 0);
    if (length < 0) return 0;
    if (buffer != nullptr) format(buffer, static_cast<std::size_t>(length) + 1);
    return length;
}

}  // namespace kelvo::shared::error
