#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 14, Group Associations: the group's name, then to the end of the structure three bytes an
// item: its structure type and handle.
// clang-format off
inline constexpr FieldDef kGroupAssociationsFields[] = {
    Row("group_associations.group_name", "Name", 0x04, 1, V2_0, Kind::String).Shown(0x05),
    Row("group_associations.items", "Items", 0x05, 3, V2_0, Kind::Text).Shown(0x05)
        .Names(KSMBIOS_NAMES_STRUCTURE_TYPE).As(Format::GroupItems).ElementsToEnd(3).Reference(),
};
// clang-format on

inline constexpr TypeDef kGroupAssociations = Type(14, "group_associations", "Group Associations",
                                                   nullptr, nullptr, kGroupAssociationsFields);

}  // namespace kelvo::shared::smbios::schema
