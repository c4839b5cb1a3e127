#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 2, Baseboard (or Module) Information.
// clang-format off
inline constexpr FieldDef kBaseboardFields[] = {
    Row("baseboard.manufacturer", "Manufacturer", 0x04, 1, V2_0, Kind::String).Shown(0x08)
        .Record("Manufacturer"),
    Row("baseboard.product", "Product Name", 0x05, 1, V2_0, Kind::String).Shown(0x08)
        .Record("Product"),
    Row("baseboard.version", "Version", 0x06, 1, V2_0, Kind::String).Shown(0x08)
        .Record("Version"),
    Row("baseboard.serial_number", "Serial Number", 0x07, 1, V2_0, Kind::String).Shown(0x08)
        .Record("SerialNumber"),
    Row("baseboard.asset_tag", "Asset Tag", 0x08, 1, V2_0, Kind::String).Shown(0x09)
        .Record("AssetTag"),
    Row("baseboard.feature_flags", "Features", 0x09, 1, V2_0, Kind::Flags).Shown(0x0A)
        .Names(KSMBIOS_NAMES_BOARD_FEATURE_BITS).Named(0, 4, "None").Record("FeatureFlags"),
    Row("baseboard.location_in_chassis", "Location In Chassis", 0x0A, 1, V2_0, Kind::String)
        .Shown(0x0E).Record("LocationInChassis"),
    Row("baseboard.chassis_handle", "Chassis Handle", 0x0B, 2, V2_0, Kind::Handle).Shown(0x0E)
        .Reference().Record("ChassisHandle"),
    Row("baseboard.board_type", "Type", 0x0D, 1, V2_0, Kind::Enum).Shown(0x0E)
        .Names(KSMBIOS_NAMES_BOARD_TYPE).Record("BoardType"),
    Row("baseboard.contained_object_handle_count", "", 0x0E, 1, V2_0, Kind::Part)
        .Record("NumberOfContainedObjectHandles"),
    Row("baseboard.contained_object_handles", "Contained Object Handles", 0x0F, 2, V2_0,
        Kind::Handle).Shown(0x0F).Elements("baseboard.contained_object_handle_count", 2)
        .Reference(),
};
// clang-format on

inline constexpr TypeDef kBaseboard = Type(2, "baseboard", "Base Board Information",
                                           "Baseboard Information", "baseboard", kBaseboardFields);

}  // namespace kelvo::shared::smbios::schema
