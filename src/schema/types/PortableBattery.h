#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 22, Portable Battery. From 2.2 on, a battery that follows the Smart Battery Data
// Specification gives its manufacture date, serial number and chemistry in the SBDS fields
// instead: the older field is then 0 (chemistry: Unknown) and left out.
inline constexpr Special kMaximumError[] = {{0xFF, "Unknown"}};
inline constexpr Special kDesignVoltage[] = {{0, "Unknown"}};

// clang-format off
inline constexpr FieldDef kPortableBatteryFields[] = {
    Row("portable_battery.location", "Location", 0x04, 1, V2_1, Kind::String).Shown(0x10),
    Row("portable_battery.manufacturer", "Manufacturer", 0x05, 1, V2_1, Kind::String)
        .Shown(0x10),
    Row("portable_battery.manufacture_date", "Manufacture Date", 0x06, 1, V2_1, Kind::String)
        .Shown(0x10).OmitFrom(0, 0x1A),
    Row("portable_battery.serial_number", "Serial Number", 0x07, 1, V2_1, Kind::String)
        .Shown(0x10).OmitFrom(0, 0x1A),
    Row("portable_battery.device_name", "Name", 0x08, 1, V2_1, Kind::String).Shown(0x10),
    Row("portable_battery.device_chemistry", "Chemistry", 0x09, 1, V2_1, Kind::Enum).Shown(0x10)
        .OmitFrom(0x02, 0x1A).Names(KSMBIOS_NAMES_BATTERY_CHEMISTRY),
    // In mWh, times the multiplier when there is one.
    Row("portable_battery.design_capacity", "Design Capacity", 0x0A, 2, V2_1, Kind::Decimal)
        .Shown(0x10).As(Format::BatteryCapacity),
    Row("portable_battery.design_capacity_multiplier", "", 0x15, 1, V2_2, Kind::Part),
    Row("portable_battery.design_voltage", "Design Voltage", 0x0C, 2, V2_1, Kind::Decimal)
        .Shown(0x10).Unit("mV").Specials(kDesignVoltage),
    Row("portable_battery.sbds_version_number", "SBDS Version", 0x0E, 1, V2_1, Kind::String)
        .Shown(0x10),
    Row("portable_battery.maximum_error_in_battery_data", "Maximum Error", 0x0F, 1, V2_1,
        Kind::Decimal).Shown(0x10).Unit("%").Specials(kMaximumError),
    Row("portable_battery.sbds_serial_number", "SBDS Serial Number", 0x10, 2, V2_2, Kind::Hex)
        .Shown(0x1A).OnlyIfIs("portable_battery.serial_number", 0).As(Format::HexDigits),
    // Bits 15:9 the year from 1980, 8:5 the month, 4:0 the day.
    Row("portable_battery.sbds_manufacture_date", "SBDS Manufacture Date", 0x12, 2, V2_2,
        Kind::Text).Shown(0x1A).OnlyIfIs("portable_battery.manufacture_date", 0)
        .As(Format::SbdsDate),
    Row("portable_battery.sbds_device_chemistry", "SBDS Chemistry", 0x14, 1, V2_2, Kind::String)
        .Shown(0x1A).OnlyIfIs("portable_battery.device_chemistry", 0x02),
    Row("portable_battery.oem_specific", "OEM-specific Information", 0x16, 4, V2_2, Kind::Hex)
        .Shown(0x1A),
};
// clang-format on

inline constexpr TypeDef kPortableBattery =
    Type(22, "portable_battery", "Portable Battery", nullptr, nullptr, kPortableBatteryFields);

}  // namespace kelvo::shared::smbios::schema
