#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 45, Firmware Inventory Information.
// clang-format off
inline constexpr FieldDef kFirmwareInventoryFields[] = {
    Row("firmware_inventory.component_name", "Firmware Component Name", 0x04, 1, V3_5,
        Kind::String).Shown(0x18),
    Row("firmware_inventory.firmware_version", "Firmware Version", 0x05, 1, V3_5, Kind::String)
        .Shown(0x18),
    Row("firmware_inventory.version_format", "Firmware Version Format", 0x06, 1, V3_5, Kind::Enum)
        .Shown(0x18).Names(KSMBIOS_NAMES_FIRMWARE_VERSION_FORMAT),
    Row("firmware_inventory.firmware_id", "Firmware ID", 0x07, 1, V3_5, Kind::String).Shown(0x18),
    Row("firmware_inventory.firmware_id_format", "Firmware ID Format", 0x08, 1, V3_5, Kind::Enum)
        .Shown(0x18).Names(KSMBIOS_NAMES_FIRMWARE_ID_FORMAT),
    Row("firmware_inventory.release_date", "Release Date", 0x09, 1, V3_5, Kind::String)
        .Shown(0x18),
    Row("firmware_inventory.manufacturer", "Manufacturer", 0x0A, 1, V3_5, Kind::String)
        .Shown(0x18),
    Row("firmware_inventory.lowest_supported_version", "Lowest Supported Firmware Version", 0x0B,
        1, V3_5, Kind::String).Shown(0x18),
    // In bytes; all ones when unknown.
    Row("firmware_inventory.image_size", "Image Size", 0x0C, 8, V3_5, Kind::Size).Shown(0x18)
        .As(Format::ByteSize).Specials(kAllOnesUnknown),
    Row("firmware_inventory.characteristics", "Characteristics", 0x14, 2, V3_5, Kind::Flags)
        .Shown(0x18).Names(KSMBIOS_NAMES_FIRMWARE_CHARACTERISTIC_BITS).Named(0, 1, "")
        .As(Format::YesNoBits),
    Row("firmware_inventory.state", "State", 0x16, 1, V3_5, Kind::Enum).Shown(0x18)
        .Names(KSMBIOS_NAMES_FIRMWARE_STATE),
    Row("firmware_inventory.associated_component_count", "", 0x17, 1, V3_5, Kind::Part),
    Row("firmware_inventory.associated_components", "Associated Components", 0x18, 2, V3_5,
        Kind::Handle).Shown(0x18).Elements("firmware_inventory.associated_component_count", 2)
        .Reference(),
};
// clang-format on

inline constexpr TypeDef kFirmwareInventory =
    Type(45, "firmware_inventory", "Firmware Inventory Information", nullptr, nullptr,
         kFirmwareInventoryFields);

}  // namespace kelvo::shared::smbios::schema
