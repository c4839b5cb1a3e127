#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 46, String Property: a string that belongs to another structure, and what it is.
// clang-format off
inline constexpr FieldDef kStringPropertyFields[] = {
    Row("string_property.property_id", "String Property ID", 0x04, 2, V3_5, Kind::Enum)
        .Shown(0x09).Names(KSMBIOS_NAMES_STRING_PROPERTY_ID).As(Format::StringPropertyId),
    Row("string_property.property_value", "String Property Value", 0x06, 1, V3_5, Kind::String)
        .Shown(0x09),
    Row("string_property.parent_handle", "Parent Handle", 0x07, 2, V3_5, Kind::Handle)
        .Shown(0x09).Reference(),
};
// clang-format on

inline constexpr TypeDef kStringProperty =
    Type(46, "string_property", "String Property", nullptr, nullptr, kStringPropertyFields);

}  // namespace kelvo::shared::smbios::schema
