#pragma once

// What the type rows share: the special values that several fields show alike.

#include "schema/Schema.h"

namespace kelvo::shared::smbios::schema {

inline constexpr Special kZeroUnknown[] = {{0, "Unknown"}};
inline constexpr Special kZeroUnspecified[] = {{0, "Unspecified"}};
inline constexpr Special kDisabledEnabled[] = {{0, "Disabled"}, {1, "Enabled"}};
inline constexpr Special kNotPresentPresent[] = {{0, "Not Present"}, {1, "Present"}};
// An on-board device's status bit (types 10 and 41).
inline constexpr Special kDeviceStatus[] = {{0, "Disabled"}, {1, "Enabled"}};
inline constexpr Special kAllOnesUnknown[] = {{~0ull, "Unknown"}};
inline constexpr Special kErrorHandle[] = {{0xFFFE, "Not Provided"}, {0xFFFF, "No Error"}};

// The rows of one type, and the type's row over them.
template <std::size_t N>
constexpr TypeDef Type(std::uint8_t type, const char* key, const char* title, const char* name,
                       const char* keyword, const FieldDef (&fields)[N]) {
    return TypeDef{type, key, title, name, keyword, fields, N};
}
// A type with no fields of its own.
constexpr TypeDef Type(std::uint8_t type, const char* key, const char* title, const char* name,
                       const char* keyword) {
    return TypeDef{type, key, title, name, keyword, nullptr, 0};
}

}  // namespace kelvo::shared::smbios::schema
