#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Types 18 and 33, 32-Bit and 64-Bit Memory Error Information: the same fields, with 64-bit
// addresses in the second. An address of the top bit alone, and a resolution of 80000000h, are
// unknown.
inline constexpr Special kAddress32Unknown[] = {{0x80000000u, "Unknown"}};
inline constexpr Special kAddress64Unknown[] = {{0x8000000000000000u, "Unknown"}};

// clang-format off
inline constexpr FieldDef kMemoryError32Fields[] = {
    Row("memory_error_32.error_type", "Type", 0x04, 1, V2_1, Kind::Enum).Shown(0x17)
        .Names(KSMBIOS_NAMES_MEMORY_ERROR_TYPE),
    Row("memory_error_32.error_granularity", "Granularity", 0x05, 1, V2_1, Kind::Enum)
        .Shown(0x17).Names(KSMBIOS_NAMES_MEMORY_ERROR_GRANULARITY),
    Row("memory_error_32.error_operation", "Operation", 0x06, 1, V2_1, Kind::Enum).Shown(0x17)
        .Names(KSMBIOS_NAMES_MEMORY_ERROR_OPERATION),
    Row("memory_error_32.vendor_syndrome", "Vendor Syndrome", 0x07, 4, V2_1, Kind::Hex)
        .Shown(0x17).Specials(kZeroUnknown),
    Row("memory_error_32.memory_array_error_address", "Memory Array Address", 0x0B, 4, V2_1,
        Kind::Hex).Shown(0x17).Specials(kAddress32Unknown),
    Row("memory_error_32.device_error_address", "Device Address", 0x0F, 4, V2_1, Kind::Hex)
        .Shown(0x17).Specials(kAddress32Unknown),
    Row("memory_error_32.error_resolution", "Resolution", 0x13, 4, V2_1, Kind::Hex).Shown(0x17)
        .Specials(kAddress32Unknown),
};

inline constexpr FieldDef kMemoryError64Fields[] = {
    Row("memory_error_64.error_type", "Type", 0x04, 1, V2_3, Kind::Enum).Shown(0x1F)
        .Names(KSMBIOS_NAMES_MEMORY_ERROR_TYPE),
    Row("memory_error_64.error_granularity", "Granularity", 0x05, 1, V2_3, Kind::Enum)
        .Shown(0x1F).Names(KSMBIOS_NAMES_MEMORY_ERROR_GRANULARITY),
    Row("memory_error_64.error_operation", "Operation", 0x06, 1, V2_3, Kind::Enum).Shown(0x1F)
        .Names(KSMBIOS_NAMES_MEMORY_ERROR_OPERATION),
    Row("memory_error_64.vendor_syndrome", "Vendor Syndrome", 0x07, 4, V2_3, Kind::Hex)
        .Shown(0x1F).Specials(kZeroUnknown),
    Row("memory_error_64.memory_array_error_address", "Memory Array Address", 0x0B, 8, V2_3,
        Kind::Hex).Shown(0x1F).Specials(kAddress64Unknown),
    Row("memory_error_64.device_error_address", "Device Address", 0x13, 8, V2_3, Kind::Hex)
        .Shown(0x1F).Specials(kAddress64Unknown),
    Row("memory_error_64.error_resolution", "Resolution", 0x1B, 4, V2_3, Kind::Hex).Shown(0x1F)
        .Specials(kAddress32Unknown),
};
// clang-format on

inline constexpr TypeDef kMemoryError32 =
    Type(18, "memory_error_32", "32-bit Memory Error Information", nullptr, nullptr,
         kMemoryError32Fields);
inline constexpr TypeDef kMemoryError64 =
    Type(33, "memory_error_64", "64-bit Memory Error Information", nullptr, nullptr,
         kMemoryError64Fields);

}  // namespace kelvo::shared::smbios::schema
