// ksmbios_name and the names lists entry by entry: the C interface's face of the schema's names
// lists (schema/NameLists.h).
#include <smbios/kelvo_smbios_fields.h>
#include <smbios/kelvo_smbios_names.h>

#include "schema/Names.h"

namespace schema = kelvo::shared::smbios::schema;

extern "C" const char* ksmbios_name(ksmbios_name_list list, uint32_t value) {
    const schema::Name* name = schema::FindName(list, value);
    return name != nullptr ? name->text : nullptr;
}

extern "C" ksmbios_name_list ksmbios_name_list_count(void) {
    ksmbios_name_list count = 1;
    while (schema::FindNames(count) != nullptr) ++count;
    return count;
}

extern "C" ksmbios_status ksmbios_name_entry(ksmbios_name_list list, size_t entry, uint32_t* value,
                                             const char** name) {
    if (value == nullptr || name == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    const schema::NamesList* names = schema::FindNames(list);
    if (names == nullptr || entry >= names->count) return KSMBIOS_OUT_OF_RANGE;
    *value = names->names[entry].value;
    *name = names->names[entry].text;
    return KSMBIOS_OK;
}
