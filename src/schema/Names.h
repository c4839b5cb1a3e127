#pragma once

// The names lists (schema/NameLists.h) by their KSMBIOS_NAMES_ identifiers.

#include <cstddef>
#include <cstdint>

#include <smbios/kelvo_smbios_names.h>

#include "schema/NameLists.h"

namespace kelvo::shared::smbios::schema {

// One list: its names, sorted by value.
struct NamesList {
    ksmbios_name_list id;
    const Name* names;
    std::size_t count;
};

// The list `list`, or null for an identifier that names none.
const NamesList* FindNames(ksmbios_name_list list);

// The row of `value` in `list`, or null when the list does not name it.
const Name* FindName(ksmbios_name_list list, std::uint32_t value);

}  // namespace kelvo::shared::smbios::schema
