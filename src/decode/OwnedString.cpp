#include "decode/OwnedString.h"

#include <cstring>
#include <new>

namespace kelvo::shared::smbios::detail {

namespace {

char* EmptyString() {
    char* text = new (std::nothrow) char[1];
    if (text != nullptr) text[0] = '\0';
    return text;
}

}  // namespace

char* DuplicateString(std::string_view source) {
    if (source.empty() || source.size() > kMaxOwnedStringLength) return EmptyString();
    // A text may hold an embedded NUL only when it came from a view; it ends there.
    const std::size_t length = strnlen(source.data(), source.size());
    if (length == 0) return EmptyString();
    char* copy = new (std::nothrow) char[length + 1];
    if (copy == nullptr) return EmptyString();
    std::memcpy(copy, source.data(), length);
    copy[length] = '\0';
    return copy;
}

char* DuplicateString(const char* source) {
    if (source == nullptr) return EmptyString();
    // Measure no further than one past the limit, so a huge text is never scanned whole.
    return DuplicateString(std::string_view(source, strnlen(source, kMaxOwnedStringLength + 1)));
}

void ReleaseString(char*& text) {
    delete[] text;
    text = nullptr;
}

void AssignString(char*& target, const char* source) {
    // Duplicate before releasing, so a source that is the target's own text stays valid.
    char* copy = DuplicateString(source);
    ReleaseString(target);
    target = copy;
}

void AssignString(char*& target, std::string_view source) {
    // Duplicate before releasing, so a source that is the target's own text stays valid.
    char* copy = DuplicateString(source);
    ReleaseString(target);
    target = copy;
}

}  // namespace kelvo::shared::smbios::detail
