#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 3, System Enclosure or Chassis.
inline constexpr Special kChassisLock[] = {{0, "Not Present"}, {1, "Present"}};

// clang-format off
inline constexpr FieldDef kChassisFields[] = {
    Row("chassis.manufacturer", "Manufacturer", 0x04, 1, V2_0, Kind::String).Shown(0x09)
        .Record("Manufacturer"),
    Row("chassis.type", "Type", 0x05, 1, V2_0, Kind::Enum).Shown(0x09).Bits(0x7F, 0)
        .Names(KSMBIOS_NAMES_CHASSIS_TYPE).Record("ChassisType"),
    Row("chassis.lock", "Lock", 0x05, 1, V2_0, Kind::Decimal).Shown(0x09).Bits(0x80, 7)
        .Specials(kChassisLock),
    Row("chassis.version", "Version", 0x06, 1, V2_0, Kind::String).Shown(0x09).Record("Version"),
    Row("chassis.serial_number", "Serial Number", 0x07, 1, V2_0, Kind::String).Shown(0x09)
        .Record("SerialNumber"),
    Row("chassis.asset_tag", "Asset Tag", 0x08, 1, V2_0, Kind::String).Shown(0x09)
        .Record("AssetTag"),
    Row("chassis.boot_up_state", "Boot-up State", 0x09, 1, V2_1, Kind::Enum).Shown(0x0D)
        .Names(KSMBIOS_NAMES_CHASSIS_STATE).Record("BootUpState"),
    Row("chassis.power_supply_state", "Power Supply State", 0x0A, 1, V2_1, Kind::Enum)
        .Shown(0x0D).Names(KSMBIOS_NAMES_CHASSIS_STATE).Record("PowerSupplyState"),
    Row("chassis.thermal_state", "Thermal State", 0x0B, 1, V2_1, Kind::Enum).Shown(0x0D)
        .Names(KSMBIOS_NAMES_CHASSIS_STATE).Record("ThermalState"),
    Row("chassis.security_status", "Security Status", 0x0C, 1, V2_1, Kind::Enum).Shown(0x0D)
        .Names(KSMBIOS_NAMES_CHASSIS_SECURITY_STATUS).Record("SecurityStatus"),
    Row("chassis.oem_defined", "OEM Information", 0x0D, 4, V2_3, Kind::Hex).Shown(0x11)
        .Record("OEMDefined"),
    Row("chassis.height", "Height", 0x11, 1, V2_3, Kind::Decimal).Shown(0x13).Unit("U")
        .Specials(kZeroUnspecified).Record("Height"),
    Row("chassis.number_of_power_cords", "Number Of Power Cords", 0x12, 1, V2_3, Kind::Decimal)
        .Shown(0x13).Specials(kZeroUnspecified).Record("NumberOfPowerCords"),
    Row("chassis.contained_element_count", "", 0x13, 1, V2_3, Kind::Part)
        .Record("ContainedElementCount"),
    Row("chassis.contained_element_record_length", "", 0x14, 1, V2_3, Kind::Part)
        .Record("ContainedElementRecordLength"),
    Row("chassis.contained_elements", "Contained Elements", 0x15, 3, V2_3, Kind::Text)
        .Shown(0x15).As(Format::ContainedElements)
        .Elements("chassis.contained_element_count", "chassis.contained_element_record_length"),
    Row("chassis.sku_number", "SKU Number", 0x00, 1, V2_7, Kind::String)
        .After("chassis.contained_elements").Record("SKUNumber"),
    // 3.9: the rack that the enclosure is made for, and its height in that rack's units (the
    // Height field is FFh then).
    Row("chassis.rack_type", "Rack Type", 0x01, 1, V3_9, Kind::Decimal)
        .After("chassis.contained_elements"),
    Row("chassis.rack_height", "Rack Height", 0x02, 1, V3_9, Kind::Decimal)
        .After("chassis.contained_elements").Specials(kZeroUnspecified),
};
// clang-format on

inline constexpr TypeDef kChassis = Type(3, "chassis", "Chassis Information",
                                         "System Enclosure or Chassis", "chassis", kChassisFields);

}  // namespace kelvo::shared::smbios::schema
