#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeOemStrings {
    TypeOemStrings();
    TypeOemStrings(const TypeOemStrings& other);
    TypeOemStrings& operator=(const TypeOemStrings& other);
    ~TypeOemStrings();
};

}  // namespace kelvo::shared::smbios
