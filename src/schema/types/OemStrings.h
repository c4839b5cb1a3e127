#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 11, OEM Strings: the count, then that many strings, each shown as "String N".
// clang-format off
inline constexpr FieldDef kOemStringsFields[] = {
    Row("oem_strings.count", "String", 0x04, 1, V2_0, Kind::String).Shown(0x05)
        .As(Format::OemStrings).Record("Count"),
};
// clang-format on

inline constexpr TypeDef kOemStrings =
    Type(11, "oem_strings", "OEM Strings", "OEM Strings", nullptr, kOemStringsFields);

}  // namespace kelvo::shared::smbios::schema
