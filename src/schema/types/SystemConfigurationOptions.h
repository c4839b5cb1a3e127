#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 12, System Configuration Options: the count, then that many strings, each shown as
// "Option N".
// clang-format off
inline constexpr FieldDef kSystemConfigurationOptionsFields[] = {
    Row("system_configuration_options.count", "Option", 0x04, 1, V2_0, Kind::String).Shown(0x05)
        .As(Format::OemStrings),
};
// clang-format on

inline constexpr TypeDef kSystemConfigurationOptions =
    Type(12, "system_configuration_options", "System Configuration Options", nullptr, "system",
         kSystemConfigurationOptionsFields);

}  // namespace kelvo::shared::smbios::schema
