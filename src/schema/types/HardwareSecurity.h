#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 24, Hardware Security: four statuses of two bits in one byte.
// clang-format off
inline constexpr FieldDef kHardwareSecurityFields[] = {
    Row("hardware_security.power_on_password_status", "Power-On Password Status", 0x04, 1, V2_1,
        Kind::Enum).Shown(0x05).Bits(0xC0, 6).Names(KSMBIOS_NAMES_HARDWARE_SECURITY_STATUS),
    Row("hardware_security.keyboard_password_status", "Keyboard Password Status", 0x04, 1, V2_1,
        Kind::Enum).Shown(0x05).Bits(0x30, 4).Names(KSMBIOS_NAMES_HARDWARE_SECURITY_STATUS),
    Row("hardware_security.administrator_password_status", "Administrator Password Status", 0x04,
        1, V2_1, Kind::Enum).Shown(0x05).Bits(0x0C, 2)
        .Names(KSMBIOS_NAMES_HARDWARE_SECURITY_STATUS),
    Row("hardware_security.front_panel_reset_status", "Front Panel Reset Status", 0x04, 1, V2_1,
        Kind::Enum).Shown(0x05).Bits(0x03, 0).Names(KSMBIOS_NAMES_HARDWARE_SECURITY_STATUS),
};
// clang-format on

inline constexpr TypeDef kHardwareSecurity =
    Type(24, "hardware_security", "Hardware Security", nullptr, nullptr, kHardwareSecurityFields);

}  // namespace kelvo::shared::smbios::schema
