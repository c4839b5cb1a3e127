#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeBios {
    TypeBios();
    TypeBios(const TypeBios& other);
    TypeBios& operator=(const TypeBios& other);
    ~TypeBios();
};

}  // namespace kelvo::shared::smbios
