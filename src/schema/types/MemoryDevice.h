#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 17, Memory Device.
inline constexpr Special kWidthUnknown[] = {{0, "Unknown"}, {0xFFFF, "Unknown"}};
inline constexpr Special kDeviceSet[] = {{0, "None"}, {0xFF, "Unknown"}};
inline constexpr Special kPortionSize[] = {{0, "None"}, {~0ull, "Unknown"}};
inline constexpr Special kRevisionUnknown[] = {{0xFF00, "Unknown"}};

// clang-format off
inline constexpr FieldDef kMemoryDeviceFields[] = {
    Row("memory_device.physical_memory_array_handle", "Array Handle", 0x04, 2, V2_1, Kind::Handle)
        .Shown(0x15).Reference().Record("PhysicalMemoryArrayHandle"),
    Row("memory_device.memory_error_information_handle", "Error Information Handle", 0x06, 2,
        V2_1, Kind::Handle).Shown(0x15).Specials(kErrorHandle).Reference()
        .Record("MemoryErrorInformationHandle"),
    Row("memory_device.total_width", "Total Width", 0x08, 2, V2_1, Kind::Decimal).Shown(0x15)
        .Unit("bits").Specials(kWidthUnknown).Record("TotalWidth"),
    Row("memory_device.data_width", "Data Width", 0x0A, 2, V2_1, Kind::Decimal).Shown(0x15)
        .Unit("bits").Specials(kWidthUnknown).Record("DataWidth"),
    // In MB, or in kB with bit 15; 7FFFh hands over to the extended size, in MB.
    Row("memory_device.size", "Size", 0x0C, 2, V2_1, Kind::Size).Shown(0x15)
        .As(Format::MemoryDeviceSize).Record("Size"),
    Row("memory_device.extended_size", "", 0x1C, 4, V2_7, Kind::Part).Record("ExtendedSize"),
    Row("memory_device.form_factor", "Form Factor", 0x0E, 1, V2_1, Kind::Enum).Shown(0x15)
        .Names(KSMBIOS_NAMES_MEMORY_FORM_FACTOR).Record("FormFactor"),
    Row("memory_device.device_set", "Set", 0x0F, 1, V2_1, Kind::Decimal).Shown(0x15)
        .Specials(kDeviceSet).Record("DeviceSet"),
    Row("memory_device.device_locator", "Locator", 0x10, 1, V2_1, Kind::String).Shown(0x15)
        .Record("DeviceLocator"),
    Row("memory_device.bank_locator", "Bank Locator", 0x11, 1, V2_1, Kind::String).Shown(0x15)
        .Record("BankLocator"),
    Row("memory_device.memory_type", "Type", 0x12, 1, V2_1, Kind::Enum).Shown(0x15)
        .Names(KSMBIOS_NAMES_MEMORY_TYPE).Record("MemoryType"),
    Row("memory_device.type_detail", "Type Detail", 0x13, 2, V2_1, Kind::Flags).Shown(0x15)
        .Names(KSMBIOS_NAMES_MEMORY_TYPE_DETAIL_BITS).Named(1, 15, "None")
        .As(Format::NamesOnOneLine).Record("TypeDetail"),
    // An empty slot's remaining fields say nothing. FFFFh hands a speed over to its extended
    // speed, which both extended speeds together must hold.
    Row("memory_device.speed", "Speed", 0x15, 2, V2_3, Kind::Decimal).Shown(0x17)
        .OnlyIf("memory_device.size").As(Format::MemorySpeed).Record("Speed"),
    Row("memory_device.extended_speed", "", 0x54, 4, V3_3, Kind::Part).Shown(0x5C),
    Row("memory_device.manufacturer", "Manufacturer", 0x17, 1, V2_3, Kind::String).Shown(0x1B)
        .OnlyIf("memory_device.size").Record("Manufacturer"),
    Row("memory_device.serial_number", "Serial Number", 0x18, 1, V2_3, Kind::String).Shown(0x1B)
        .OnlyIf("memory_device.size").Record("SerialNumber"),
    Row("memory_device.asset_tag", "Asset Tag", 0x19, 1, V2_3, Kind::String).Shown(0x1B)
        .OnlyIf("memory_device.size").Record("AssetTag"),
    Row("memory_device.part_number", "Part Number", 0x1A, 1, V2_3, Kind::String).Shown(0x1B)
        .OnlyIf("memory_device.size").Record("PartNumber"),
    // Bits 3:0 the rank.
    Row("memory_device.attributes", "Rank", 0x1B, 1, V2_6, Kind::Decimal).Shown(0x1C)
        .OnlyIf("memory_device.size").As(Format::Rank).Record("Attributes"),
    Row("memory_device.configured_memory_speed", "Configured Memory Speed", 0x20, 2, V2_7,
        Kind::Decimal).Shown(0x22).OnlyIf("memory_device.size").As(Format::MemorySpeed)
        .Record("ConfiguredMemoryClockSpeed"),
    Row("memory_device.extended_configured_memory_speed", "", 0x58, 4, V3_3, Kind::Part)
        .Shown(0x5C),
    Row("memory_device.minimum_voltage", "Minimum Voltage", 0x22, 2, V2_8, Kind::Decimal)
        .Shown(0x28).OnlyIf("memory_device.size").As(Format::Millivolts)
        .Record("MinimumVoltage"),
    Row("memory_device.maximum_voltage", "Maximum Voltage", 0x24, 2, V2_8, Kind::Decimal)
        .Shown(0x28).OnlyIf("memory_device.size").As(Format::Millivolts)
        .Record("MaximumVoltage"),
    Row("memory_device.configured_voltage", "Configured Voltage", 0x26, 2, V2_8, Kind::Decimal)
        .Shown(0x28).OnlyIf("memory_device.size").As(Format::Millivolts)
        .Record("ConfiguredVoltage"),
    // 3.2: what the device is made of and how it can be used. The block up to the controller's
    // product ID is shown only whole.
    Row("memory_device.memory_technology", "Memory Technology", 0x28, 1, V3_2, Kind::Enum)
        .Shown(0x34).OnlyIf("memory_device.size").Names(KSMBIOS_NAMES_MEMORY_TECHNOLOGY),
    Row("memory_device.memory_operating_mode_capability", "Memory Operating Mode Capability",
        0x29, 2, V3_2, Kind::Flags).Shown(0x34).OnlyIf("memory_device.size")
        .Names(KSMBIOS_NAMES_MEMORY_OPERATING_MODE_BITS).Named(1, 15, "None")
        .As(Format::NamesOnOneLine),
    Row("memory_device.firmware_version", "Firmware Version", 0x2B, 1, V3_2, Kind::String)
        .Shown(0x34).OnlyIf("memory_device.size"),
    // JEDEC JEP-106 codes: the bank less one (bits 6:0 of the first byte), then the maker.
    Row("memory_device.module_manufacturer_id", "Module Manufacturer ID", 0x2C, 2, V3_2,
        Kind::Text).Shown(0x34).OnlyIf("memory_device.size").As(Format::JedecId),
    Row("memory_device.module_product_id", "Module Product ID", 0x2E, 2, V3_2, Kind::Hex)
        .Shown(0x34).OnlyIf("memory_device.size").Specials(kZeroUnknown),
    Row("memory_device.memory_subsystem_controller_manufacturer_id",
        "Memory Subsystem Controller Manufacturer ID", 0x30, 2, V3_2, Kind::Text).Shown(0x34)
        .OnlyIf("memory_device.size").As(Format::JedecId),
    Row("memory_device.memory_subsystem_controller_product_id",
        "Memory Subsystem Controller Product ID", 0x32, 2, V3_2, Kind::Hex).Shown(0x34)
        .OnlyIf("memory_device.size").Specials(kZeroUnknown),
    // Sizes in bytes.
    Row("memory_device.non_volatile_size", "Non-Volatile Size", 0x34, 8, V3_2, Kind::Size)
        .OnlyIf("memory_device.size").As(Format::ByteSize).Specials(kPortionSize),
    Row("memory_device.volatile_size", "Volatile Size", 0x3C, 8, V3_2, Kind::Size)
        .OnlyIf("memory_device.size").As(Format::ByteSize).Specials(kPortionSize),
    Row("memory_device.cache_size", "Cache Size", 0x44, 8, V3_2, Kind::Size)
        .OnlyIf("memory_device.size").As(Format::ByteSize).Specials(kPortionSize),
    Row("memory_device.logical_size", "Logical Size", 0x4C, 8, V3_2, Kind::Size)
        .OnlyIf("memory_device.size").As(Format::ByteSize).Specials(kPortionSize),
    // 3.7: the power management IC's and the registering clock driver's maker and revision.
    Row("memory_device.pmic0_manufacturer_id", "PMIC0 Manufacturer ID", 0x5C, 2, V3_7,
        Kind::Text).OnlyIf("memory_device.size").As(Format::JedecId),
    Row("memory_device.pmic0_revision_number", "PMIC0 Revision Number", 0x5E, 2, V3_7, Kind::Hex)
        .OnlyIf("memory_device.size").Specials(kRevisionUnknown),
    Row("memory_device.rcd_manufacturer_id", "RCD Manufacturer ID", 0x60, 2, V3_7, Kind::Text)
        .OnlyIf("memory_device.size").As(Format::JedecId),
    Row("memory_device.rcd_revision_number", "RCD Revision Number", 0x62, 2, V3_7, Kind::Hex)
        .OnlyIf("memory_device.size").Specials(kRevisionUnknown),
};
// clang-format on

inline constexpr TypeDef kMemoryDevice =
    Type(17, "memory_device", "Memory Device", "Memory Device", "memory", kMemoryDeviceFields);

}  // namespace kelvo::shared::smbios::schema
