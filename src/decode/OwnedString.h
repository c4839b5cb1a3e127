#pragma once

#include <string_view>

namespace kelvo::shared::smbios::detail {

// Longest text that a record keeps; anything longer is stored as an empty string.
constexpr std::size_t kMaxOwnedStringLength = 65536;

// A fresh heap copy of `source`, NUL-terminated, owned by the caller and released with
// ReleaseString. Never throws: a null, empty or over-long source gives a fresh empty string,
// and the result is null only when not even one byte could be allocated.
char* DuplicateString(const char* source);
char* DuplicateString(std::string_view source);

// Releases an owned string and sets the pointer to null.
void ReleaseString(char*& text);

// Releases `target`'s text and stores a duplicate of `source` in its place.
void AssignString(char*& target, const char* source);
void AssignString(char*& target, std::string_view source);

}  // namespace kelvo::shared::smbios::detail
