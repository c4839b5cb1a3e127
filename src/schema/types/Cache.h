#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 7, Cache Information. The sizes are in 1K or 64K units (bit 15, or bit 31 from 3.1); from
// 3.1 on the 32-bit sizes hold them, whatever the 16-bit ones say.
// clang-format off
inline constexpr FieldDef kCacheFields[] = {
    Row("cache.socket_designation", "Socket Designation", 0x04, 1, V2_0, Kind::String)
        .Shown(0x0F),
    // Enabled (bit 7), socketed (bit 3), level (bits 2:0, plus one).
    Row("cache.cache_configuration", "Configuration", 0x05, 2, V2_0, Kind::Text).Shown(0x0F)
        .Bits(0x008F, 0).As(Format::CacheConfiguration),
    Row("cache.operational_mode", "Operational Mode", 0x05, 2, V2_0, Kind::Enum).Shown(0x0F)
        .Bits(0x0300, 8).Names(KSMBIOS_NAMES_CACHE_OPERATIONAL_MODE),
    Row("cache.location", "Location", 0x05, 2, V2_0, Kind::Enum).Shown(0x0F).Bits(0x0060, 5)
        .Names(KSMBIOS_NAMES_CACHE_LOCATION),
    Row("cache.installed_size", "Installed Size", 0x09, 2, V2_0, Kind::Size).Shown(0x0F)
        .As(Format::CacheSize),
    Row("cache.installed_cache_size_2", "", 0x17, 4, V3_1, Kind::Part),
    Row("cache.maximum_cache_size", "Maximum Size", 0x07, 2, V2_0, Kind::Size).Shown(0x0F)
        .As(Format::CacheSize),
    Row("cache.maximum_cache_size_2", "", 0x13, 4, V3_1, Kind::Part),
    Row("cache.supported_sram_type", "Supported SRAM Types", 0x0B, 2, V2_0, Kind::Flags)
        .Shown(0x0F).Names(KSMBIOS_NAMES_CACHE_SRAM_TYPE_BITS).Named(0, 6, "None"),
    Row("cache.current_sram_type", "Installed SRAM Type", 0x0D, 2, V2_0, Kind::Flags).Shown(0x0F)
        .Names(KSMBIOS_NAMES_CACHE_SRAM_TYPE_BITS).Named(0, 6, "None")
        .As(Format::NamesOnOneLine),
    Row("cache.cache_speed", "Speed", 0x0F, 1, V2_1, Kind::Decimal).Shown(0x13).Unit("ns")
        .Specials(kZeroUnknown),
    Row("cache.error_correction_type", "Error Correction Type", 0x10, 1, V2_1, Kind::Enum)
        .Shown(0x13).Names(KSMBIOS_NAMES_CACHE_ERROR_CORRECTION),
    Row("cache.system_cache_type", "System Type", 0x11, 1, V2_1, Kind::Enum).Shown(0x13)
        .Names(KSMBIOS_NAMES_CACHE_SYSTEM_TYPE),
    Row("cache.associativity", "Associativity", 0x12, 1, V2_1, Kind::Enum).Shown(0x13)
        .Names(KSMBIOS_NAMES_CACHE_ASSOCIATIVITY),
};
// clang-format on

inline constexpr TypeDef kCache =
    Type(7, "cache", "Cache Information", nullptr, "cache", kCacheFields);

}  // namespace kelvo::shared::smbios::schema
