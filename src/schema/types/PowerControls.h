#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 25, System Power Controls: the next scheduled power-on as BCD month, day, hour, minute
// and second.
// clang-format off
inline constexpr FieldDef kPowerControlsFields[] = {
    Row("power_controls.next_scheduled_power_on_month", "Next Scheduled Power-on", 0x04, 1, V2_2,
        Kind::Text).Shown(0x09).As(Format::PowerOnTime),
    Row("power_controls.next_scheduled_power_on_day_of_month", "", 0x05, 1, V2_2, Kind::Part),
    Row("power_controls.next_scheduled_power_on_hour", "", 0x06, 1, V2_2, Kind::Part),
    Row("power_controls.next_scheduled_power_on_minute", "", 0x07, 1, V2_2, Kind::Part),
    Row("power_controls.next_scheduled_power_on_second", "", 0x08, 1, V2_2, Kind::Part),
};
// clang-format on

inline constexpr TypeDef kPowerControls =
    Type(25, "power_controls", "System Power Controls", nullptr, nullptr, kPowerControlsFields);

}  // namespace kelvo::shared::smbios::schema
