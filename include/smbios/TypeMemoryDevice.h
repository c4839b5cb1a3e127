#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeMemoryDevice {
    TypeMemoryDevice();
    TypeMemoryDevice(const TypeMemoryDevice& other);
    TypeMemoryDevice& operator=(const TypeMemoryDevice& other);
    ~TypeMemoryDevice();
};

}  // namespace kelvo::shared::smbios
