#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 27, Cooling Device. Device Type and Status share a byte (bits 4:0 and 7:5).
inline constexpr Special kNominalSpeed[] = {{0x8000, "Unknown Or Non-rotating"}};

// clang-format off
inline constexpr FieldDef kCoolingDeviceFields[] = {
    Row("cooling_device.temperature_probe_handle", "Temperature Probe Handle", 0x04, 2, V2_2,
        Kind::Handle).Shown(0x0C).Omit(0xFFFF).Reference(),
    Row("cooling_device.device_type", "Type", 0x06, 1, V2_2, Kind::Enum).Shown(0x0C)
        .Bits(0x1F, 0).Names(KSMBIOS_NAMES_COOLING_DEVICE_TYPE),
    Row("cooling_device.status", "Status", 0x06, 1, V2_2, Kind::Enum).Shown(0x0C).Bits(0xE0, 5)
        .Names(KSMBIOS_NAMES_PROBE_STATUS),
    // 0: the device is in no cooling unit group.
    Row("cooling_device.cooling_unit_group", "Cooling Unit Group", 0x07, 1, V2_2, Kind::Decimal)
        .Shown(0x0C).Omit(0),
    Row("cooling_device.oem_defined", "OEM-specific Information", 0x08, 4, V2_2, Kind::Hex)
        .Shown(0x0C),
    Row("cooling_device.nominal_speed", "Nominal Speed", 0x0C, 2, V2_2, Kind::Decimal)
        .Shown(0x0E).Unit("rpm").Specials(kNominalSpeed),
    Row("cooling_device.description", "Description", 0x0E, 1, V2_7, Kind::String).Shown(0x0F),
};
// clang-format on

inline constexpr TypeDef kCoolingDevice =
    Type(27, "cooling_device", "Cooling Device", nullptr, nullptr, kCoolingDeviceFields);

}  // namespace kelvo::shared::smbios::schema
