#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 39, System Power Supply. The characteristics word: bit 0 hot-replaceable, bit 1 present,
// bit 2 unplugged, bits 6:3 input voltage range switching, bits 9:7 status, bits 13:10 type.
inline constexpr Special kPowerCapacity[] = {{0x8000, "Unknown"}};
inline constexpr Special kUnplugged[] = {{0, "Yes"}, {1, "No"}};
inline constexpr Special kYesNo[] = {{0, "No"}, {1, "Yes"}};

// clang-format off
inline constexpr FieldDef kPowerSupplyFields[] = {
    Row("power_supply.power_unit_group", "Power Unit Group", 0x04, 1, V2_3, Kind::Decimal)
        .Shown(0x10).Omit(0),
    Row("power_supply.location", "Location", 0x05, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.device_name", "Name", 0x06, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.manufacturer", "Manufacturer", 0x07, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.serial_number", "Serial Number", 0x08, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.asset_tag", "Asset Tag", 0x09, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.model_part_number", "Model Part Number", 0x0A, 1, V2_3, Kind::String)
        .Shown(0x10),
    Row("power_supply.revision_level", "Revision", 0x0B, 1, V2_3, Kind::String).Shown(0x10),
    Row("power_supply.max_power_capacity", "Max Power Capacity", 0x0C, 2, V2_3, Kind::Decimal)
        .Shown(0x10).Unit("W").Specials(kPowerCapacity),
    Row("power_supply.status", "Status", 0x0E, 2, V2_3, Kind::Enum).Shown(0x10).Bits(0x0382, 0)
        .Names(KSMBIOS_NAMES_POWER_SUPPLY_STATUS).As(Format::PowerSupplyStatus),
    Row("power_supply.type", "Type", 0x0E, 2, V2_3, Kind::Enum).Shown(0x10).Bits(0x3C00, 10)
        .Names(KSMBIOS_NAMES_POWER_SUPPLY_TYPE),
    Row("power_supply.input_voltage_range_switching", "Input Voltage Range Switching", 0x0E, 2,
        V2_3, Kind::Enum).Shown(0x10).Bits(0x0078, 3)
        .Names(KSMBIOS_NAMES_POWER_SUPPLY_RANGE_SWITCHING),
    Row("power_supply.plugged", "Plugged", 0x0E, 2, V2_3, Kind::Decimal).Shown(0x10)
        .Bits(0x0004, 2).Specials(kUnplugged),
    Row("power_supply.hot_replaceable", "Hot Replaceable", 0x0E, 2, V2_3, Kind::Decimal)
        .Shown(0x10).Bits(0x0001, 0).Specials(kYesNo),
    // FFFFh: none.
    Row("power_supply.input_voltage_probe_handle", "Input Voltage Probe Handle", 0x10, 2, V2_3,
        Kind::Handle).Shown(0x16).Omit(0xFFFF).Reference(),
    Row("power_supply.cooling_device_handle", "Cooling Device Handle", 0x12, 2, V2_3,
        Kind::Handle).Shown(0x16).Omit(0xFFFF).Reference(),
    Row("power_supply.input_current_probe_handle", "Input Current Probe Handle", 0x14, 2, V2_3,
        Kind::Handle).Shown(0x16).Omit(0xFFFF).Reference(),
};
// clang-format on

inline constexpr TypeDef kPowerSupply =
    Type(39, "power_supply", "System Power Supply", nullptr, nullptr, kPowerSupplyFields);

}  // namespace kelvo::shared::smbios::schema
