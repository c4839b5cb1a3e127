#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeSystemEnclosure {
    TypeSystemEnclosure();
    TypeSystemEnclosure(const TypeSystemEnclosure& other);
    TypeSystemEnclosure& operator=(const TypeSystemEnclosure& other);
    ~TypeSystemEnclosure();
};

}  // namespace kelvo::shared::smbios
