// ksmbios_name: the C interface's face of the schema's names lists (schema/NameLists.h).
#include <smbios/kelvo_smbios_names.h>

#include "schema/Names.h"

extern "C" const char* ksmbios_name(ksmbios_name_list list, uint32_t value) {
    const kelvo::shared::smbios::schema::Name* name =
        kelvo::shared::smbios::schema::FindName(list, value);
    return name != nullptr ? name->text : nullptr;
}
