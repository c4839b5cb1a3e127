#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 34, Management Device: a chip that watches voltages, temperatures and fans.
// clang-format off
inline constexpr FieldDef kManagementDeviceFields[] = {
    Row("management_device.description", "Description", 0x04, 1, V2_3, Kind::String).Shown(0x0B),
    Row("management_device.type", "Type", 0x05, 1, V2_3, Kind::Enum).Shown(0x0B)
        .Names(KSMBIOS_NAMES_MANAGEMENT_DEVICE_TYPE),
    Row("management_device.address", "Address", 0x06, 4, V2_3, Kind::Hex).Shown(0x0B),
    Row("management_device.address_type", "Address Type", 0x0A, 1, V2_3, Kind::Enum).Shown(0x0B)
        .Names(KSMBIOS_NAMES_MANAGEMENT_DEVICE_ADDRESS_TYPE),
};
// clang-format on

inline constexpr TypeDef kManagementDevice =
    Type(34, "management_device", "Management Device", nullptr, nullptr, kManagementDeviceFields);

}  // namespace kelvo::shared::smbios::schema
