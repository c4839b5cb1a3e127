#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Types 19 and 20, Memory Array and Memory Device Mapped Address. The addresses are in kB; a
// starting address of FFFF FFFFh hands both over to the extended addresses, in bytes.
inline constexpr Special kRowPosition[] = {{0, "<OUT OF SPEC>"}, {0xFF, "Unknown"}};
inline constexpr Special kFFUnknown[] = {{0xFF, "Unknown"}};

// clang-format off
inline constexpr FieldDef kMemoryArrayMappedAddressFields[] = {
    Row("memory_array_mapped_address.starting_address", "Starting Address", 0x04, 4, V2_1,
        Kind::Hex).Shown(0x0F).As(Format::MappedStart),
    Row("memory_array_mapped_address.ending_address", "Ending Address", 0x08, 4, V2_1, Kind::Hex)
        .Shown(0x0F).As(Format::MappedEnd),
    Row("memory_array_mapped_address.range_size", "Range Size", 0x04, 4, V2_1, Kind::Size)
        .Shown(0x0F).As(Format::MappedSize).View(),
    Row("memory_array_mapped_address.memory_array_handle", "Physical Array Handle", 0x0C, 2, V2_1,
        Kind::Handle).Shown(0x0F).Reference(),
    Row("memory_array_mapped_address.partition_width", "Partition Width", 0x0E, 1, V2_1,
        Kind::Decimal).Shown(0x0F),
    Row("memory_array_mapped_address.extended_starting_address", "", 0x0F, 8, V2_7, Kind::Part),
    Row("memory_array_mapped_address.extended_ending_address", "", 0x17, 8, V2_7, Kind::Part),
};

inline constexpr FieldDef kMemoryDeviceMappedAddressFields[] = {
    Row("memory_device_mapped_address.starting_address", "Starting Address", 0x04, 4, V2_1,
        Kind::Hex).Shown(0x13).As(Format::MappedStart),
    Row("memory_device_mapped_address.ending_address", "Ending Address", 0x08, 4, V2_1, Kind::Hex)
        .Shown(0x13).As(Format::MappedEnd),
    Row("memory_device_mapped_address.range_size", "Range Size", 0x04, 4, V2_1, Kind::Size)
        .Shown(0x13).As(Format::MappedSize).View(),
    Row("memory_device_mapped_address.memory_device_handle", "Physical Device Handle", 0x0C, 2,
        V2_1, Kind::Handle).Shown(0x13).Reference(),
    Row("memory_device_mapped_address.memory_array_mapped_address_handle",
        "Memory Array Mapped Address Handle", 0x0E, 2, V2_1, Kind::Handle).Shown(0x13)
        .Reference(),
    Row("memory_device_mapped_address.partition_row_position", "Partition Row Position", 0x10, 1,
        V2_1, Kind::Decimal).Shown(0x13).Specials(kRowPosition),
    // 0: not interleaved.
    Row("memory_device_mapped_address.interleave_position", "Interleave Position", 0x11, 1, V2_1,
        Kind::Decimal).Shown(0x13).Omit(0).Specials(kFFUnknown),
    Row("memory_device_mapped_address.interleaved_data_depth", "Interleaved Data Depth", 0x12, 1,
        V2_1, Kind::Decimal).Shown(0x13).Omit(0).Specials(kFFUnknown),
    Row("memory_device_mapped_address.extended_starting_address", "", 0x13, 8, V2_7, Kind::Part),
    Row("memory_device_mapped_address.extended_ending_address", "", 0x1B, 8, V2_7, Kind::Part),
};
// clang-format on

inline constexpr TypeDef kMemoryArrayMappedAddress =
    Type(19, "memory_array_mapped_address", "Memory Array Mapped Address", nullptr, nullptr,
         kMemoryArrayMappedAddressFields);
inline constexpr TypeDef kMemoryDeviceMappedAddress =
    Type(20, "memory_device_mapped_address", "Memory Device Mapped Address", nullptr, nullptr,
         kMemoryDeviceMappedAddressFields);

}  // namespace kelvo::shared::smbios::schema
