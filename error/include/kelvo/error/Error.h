#pragma once

#include <cstdint>

#include <kelvo/error/Export.h>

namespace kelvo::shared::error {

// What kind of failure an Error describes.
enum class ErrorCategory : std::int32_t {
    None = 0,               // no failure
    UnknownException = 1,   // something was thrown that no handler recognised
    StandardException = 2,  // a std::exception (its what() text is the message)
    ThrownValue = 5,        // a thrown int, integer, std::string or C string
};

// A failure value that crosses module boundaries. Texts are owned copies held as plain
// C strings so that the layout does not depend on the host's standard library. No
// operation throws: a text whose copy cannot be allocated reads as empty.
class KELVO_ERROR_API Error {
public:
    // The value that means "no failure".
    Error();
    Error(ErrorCategory category, std::int64_t code, const char* message, const char* typeName,
          const char* component);
    Error(const Error& other);
    Error& operator=(const Error& other);
    virtual ~Error();

    // True when the value describes a failure.
    explicit operator bool() const;

    ErrorCategory Category() const;
    std::int64_t Code() const;
    const char* Message() const;    // never null
    const char* TypeName() const;   // never null
    const char* Component() const;  // never null

    // Text form for people reading logs. With a null buffer returns the number of characters
    // the text needs (without its terminating NUL). With a buffer of at least that many
    // characters plus one, writes the text and its NUL and returns the same number.
    static int ToString(const Error& error, char* buffer);

private:
    void Release();
    void CopyFrom(const Error& other);

    ErrorCategory category_;
    std::int64_t code_;
    char* message_;
    char* typeName_;
    char* component_;
};

}  // namespace kelvo::shared::error
