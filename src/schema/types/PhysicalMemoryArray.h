#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 16, Physical Memory Array.
// clang-format off
inline constexpr FieldDef kPhysicalMemoryArrayFields[] = {
    Row("physical_memory_array.location", "Location", 0x04, 1, V2_1, Kind::Enum).Shown(0x0F)
        .Names(KSMBIOS_NAMES_MEMORY_ARRAY_LOCATION).Record("Location"),
    Row("physical_memory_array.use", "Use", 0x05, 1, V2_1, Kind::Enum).Shown(0x0F)
        .Names(KSMBIOS_NAMES_MEMORY_ARRAY_USE).Record("Use"),
    Row("physical_memory_array.memory_error_correction", "Error Correction Type", 0x06, 1, V2_1,
        Kind::Enum).Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_ERROR_CORRECTION)
        .Record("MemoryErrorCorrection"),
    // In kB; 80000000h hands over to the extended capacity, in bytes.
    Row("physical_memory_array.maximum_capacity", "Maximum Capacity", 0x07, 4, V2_1, Kind::Size)
        .Shown(0x0F).As(Format::MaximumCapacity).Record("MaximumCapacity"),
    Row("physical_memory_array.extended_maximum_capacity", "", 0x0F, 8, V2_7, Kind::Part)
        .Record("ExtendedMaximumCapacity"),
    Row("physical_memory_array.memory_error_information_handle", "Error Information Handle", 0x0B,
        2, V2_1, Kind::Handle).Shown(0x0F).Specials(kErrorHandle).Reference()
        .Record("MemoryErrorInformationHandle"),
    Row("physical_memory_array.number_of_memory_devices", "Number Of Devices", 0x0D, 2, V2_1,
        Kind::Decimal).Shown(0x0F).Record("NumberOfMemoryDevices"),
};
// clang-format on

inline constexpr TypeDef kPhysicalMemoryArray =
    Type(16, "physical_memory_array", "Physical Memory Array", "Physical Memory Array", "memory",
         kPhysicalMemoryArrayFields);

}  // namespace kelvo::shared::smbios::schema
