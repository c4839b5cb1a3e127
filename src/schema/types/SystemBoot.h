#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 32, System Boot Information: six reserved bytes, then the boot status, whose first byte
// says it (the rest is for its vendor).
// clang-format off
inline constexpr FieldDef kSystemBootFields[] = {
    Row("system_boot.boot_status", "Status", 0x0A, 1, V2_3, Kind::Enum).Shown(0x0B)
        .Names(KSMBIOS_NAMES_SYSTEM_BOOT_STATUS).As(Format::BootStatus),
};
// clang-format on

inline constexpr TypeDef kSystemBoot =
    Type(32, "system_boot", "System Boot Information", nullptr, "system", kSystemBootFields);

}  // namespace kelvo::shared::smbios::schema
