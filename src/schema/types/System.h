#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 1, System Information.
// clang-format off
inline constexpr FieldDef kSystemFields[] = {
    Row("system.manufacturer", "Manufacturer", 0x04, 1, V2_0, Kind::String).Shown(0x08)
        .Record("Manufacturer"),
    Row("system.product_name", "Product Name", 0x05, 1, V2_0, Kind::String).Shown(0x08)
        .Record("ProductName"),
    Row("system.version", "Version", 0x06, 1, V2_0, Kind::String).Shown(0x08).Record("Version"),
    Row("system.serial_number", "Serial Number", 0x07, 1, V2_0, Kind::String).Shown(0x08)
        .Record("SerialNumber"),
    // From 2.6 on the first three fields are little-endian.
    Row("system.uuid", "UUID", 0x08, 16, V2_1, Kind::Uuid).Shown(0x19).As(Format::Uuid)
        .Record("UUID"),
    Row("system.wake_up_type", "Wake-up Type", 0x18, 1, V2_1, Kind::Enum).Shown(0x19)
        .Names(KSMBIOS_NAMES_WAKE_UP_TYPE).Record("WakeUpType"),
    Row("system.sku_number", "SKU Number", 0x19, 1, V2_4, Kind::String).Shown(0x1B)
        .Record("SKUNumber"),
    Row("system.family", "Family", 0x1A, 1, V2_4, Kind::String).Shown(0x1B).Record("Family"),
};
// clang-format on

inline constexpr TypeDef kSystem =
    Type(1, "system", "System Information", "System Information", "system", kSystemFields);

}  // namespace kelvo::shared::smbios::schema
