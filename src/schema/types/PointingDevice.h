#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 21, Built-in Pointing Device.
// clang-format off
inline constexpr FieldDef kPointingDeviceFields[] = {
    Row("pointing_device.type", "Type", 0x04, 1, V2_1, Kind::Enum).Shown(0x07)
        .Names(KSMBIOS_NAMES_POINTING_DEVICE_TYPE),
    Row("pointing_device.interface", "Interface", 0x05, 1, V2_1, Kind::Enum).Shown(0x07)
        .Names(KSMBIOS_NAMES_POINTING_DEVICE_INTERFACE),
    Row("pointing_device.number_of_buttons", "Buttons", 0x06, 1, V2_1, Kind::Decimal)
        .Shown(0x07),
};
// clang-format on

inline constexpr TypeDef kPointingDevice = Type(21, "pointing_device", "Built-in Pointing Device",
                                                nullptr, nullptr, kPointingDeviceFields);

}  // namespace kelvo::shared::smbios::schema
