#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 126, Inactive: a structure that the firmware has switched off; its bytes say nothing.
inline constexpr TypeDef kInactive = Type(126, "inactive", "Inactive", nullptr, nullptr);

// Type 127, End-of-Table: nothing but its header.
inline constexpr TypeDef kEndOfTable = Type(127, "end_of_table", "End Of Table", nullptr, nullptr);

}  // namespace kelvo::shared::smbios::schema
