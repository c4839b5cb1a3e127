#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// The structures of a type that the schema does not describe (OEM-specific types from 128 on,
// numbers that the standard leaves undefined): their header and formatted bytes in hex, sixteen a
// line, then their strings. Neither row is in the list of types; their type number stands for
// every such number.
// clang-format off
inline constexpr FieldDef kOemSpecificFields[] = {
    Row("oem_specific.header_and_data", "Header and Data", 0x00, 4, V2_0, Kind::Bytes)
        .As(Format::HeaderAndData),
    Row("oem_specific.strings", "Strings", 0x00, 1, V2_0, Kind::Text).View().As(Format::StringSet),
};
inline constexpr FieldDef kUnknownTypeFields[] = {
    Row("unknown_type.header_and_data", "Header and Data", 0x00, 4, V2_0, Kind::Bytes)
        .As(Format::HeaderAndData),
    Row("unknown_type.strings", "Strings", 0x00, 1, V2_0, Kind::Text).View().As(Format::StringSet),
};
// Any structure as dmidecode -u shows it, whatever its type: its header and data bytes, then each
// string as its bytes (with the terminating zero) and as text.
inline constexpr FieldDef kUndecodedFields[] = {
    Row("undecoded.header_and_data", "Header and Data", 0x00, 4, V2_0, Kind::Bytes)
        .As(Format::HeaderAndData),
    Row("undecoded.strings", "Strings", 0x00, 1, V2_0, Kind::Text).View().As(Format::StringBytes),
};
// clang-format on

inline constexpr TypeDef kOemSpecific =
    Type(128, "oem_specific", "OEM-specific Type", nullptr, nullptr, kOemSpecificFields);
inline constexpr TypeDef kUndecoded =
    Type(0, "undecoded", "Undecoded", nullptr, nullptr, kUndecodedFields);
inline constexpr TypeDef kUnknownType =
    Type(0, "unknown_type", "Unknown Type", nullptr, nullptr, kUnknownTypeFields);

}  // namespace kelvo::shared::smbios::schema
