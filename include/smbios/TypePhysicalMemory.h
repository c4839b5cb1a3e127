#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypePhysicalMemory {
    TypePhysicalMemory();
    TypePhysicalMemory(const TypePhysicalMemory& other);
    TypePhysicalMemory& operator=(const TypePhysicalMemory& other);
    ~TypePhysicalMemory();
};

}  // namespace kelvo::shared::smbios
