#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 23, System Reset. Its Capabilities byte: bit 0 the status, bits 2:1 the boot option,
// bits 4:3 the boot option on limit, bit 5 whether a watchdog timer is present; the rest say
// something only with a watchdog timer.
inline constexpr Special kFFFFUnknown[] = {{0xFFFF, "Unknown"}};

// clang-format off
inline constexpr FieldDef kSystemResetFields[] = {
    Row("system_reset.status", "Status", 0x04, 1, V2_1, Kind::Decimal).Shown(0x0D)
        .Bits(0x01, 0).Specials(kDisabledEnabled),
    Row("system_reset.watchdog_timer", "Watchdog Timer", 0x04, 1, V2_1, Kind::Decimal)
        .Shown(0x0D).Bits(0x20, 5).Specials(kNotPresentPresent),
    Row("system_reset.boot_option", "Boot Option", 0x04, 1, V2_1, Kind::Enum).Shown(0x0D)
        .Bits(0x06, 1).OnlyIf("system_reset.watchdog_timer")
        .Names(KSMBIOS_NAMES_SYSTEM_RESET_BOOT_OPTION),
    Row("system_reset.boot_option_on_limit", "Boot Option On Limit", 0x04, 1, V2_1, Kind::Enum)
        .Shown(0x0D).Bits(0x18, 3).OnlyIf("system_reset.watchdog_timer")
        .Names(KSMBIOS_NAMES_SYSTEM_RESET_BOOT_OPTION),
    Row("system_reset.reset_count", "Reset Count", 0x05, 2, V2_1, Kind::Decimal).Shown(0x0D)
        .OnlyIf("system_reset.watchdog_timer").Specials(kFFFFUnknown),
    Row("system_reset.reset_limit", "Reset Limit", 0x07, 2, V2_1, Kind::Decimal).Shown(0x0D)
        .OnlyIf("system_reset.watchdog_timer").Specials(kFFFFUnknown),
    Row("system_reset.timer_interval", "Timer Interval", 0x09, 2, V2_1, Kind::Decimal)
        .Shown(0x0D).OnlyIf("system_reset.watchdog_timer").Unit("min").Specials(kFFFFUnknown),
    Row("system_reset.timeout", "Timeout", 0x0B, 2, V2_1, Kind::Decimal).Shown(0x0D)
        .OnlyIf("system_reset.watchdog_timer").Unit("min").Specials(kFFFFUnknown),
};
// clang-format on

inline constexpr TypeDef kSystemReset =
    Type(23, "system_reset", "System Reset", nullptr, "system", kSystemResetFields);

}  // namespace kelvo::shared::smbios::schema
