#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API SystemSlot {
    SystemSlot();
    SystemSlot(const SystemSlot& other);
    SystemSlot& operator=(const SystemSlot& other);
    ~SystemSlot();
};

}  // namespace kelvo::shared::smbios
