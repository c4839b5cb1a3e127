#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 37, Memory Channel: then, for each memory device, its load and its handle.
// clang-format off
inline constexpr FieldDef kMemoryChannelFields[] = {
    Row("memory_channel.channel_type", "Type", 0x04, 1, V2_3, Kind::Enum).Shown(0x07)
        .Names(KSMBIOS_NAMES_MEMORY_CHANNEL_TYPE),
    Row("memory_channel.maximum_channel_load", "Maximal Load", 0x05, 1, V2_3, Kind::Decimal)
        .Shown(0x07),
    Row("memory_channel.memory_device_count", "Devices", 0x06, 1, V2_3, Kind::Decimal)
        .Shown(0x07),
    Row("memory_channel.memory_devices", "Device", 0x07, 3, V2_3, Kind::Text).Shown(0x07)
        .As(Format::MemoryChannelDevices).Elements("memory_channel.memory_device_count", 3),
};
// clang-format on

inline constexpr TypeDef kMemoryChannel =
    Type(37, "memory_channel", "Memory Channel", nullptr, nullptr, kMemoryChannelFields);

}  // namespace kelvo::shared::smbios::schema
