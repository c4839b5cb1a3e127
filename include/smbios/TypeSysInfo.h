#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeSysInfo {
    TypeSysInfo();
    TypeSysInfo(const TypeSysInfo& other);
    TypeSysInfo& operator=(const TypeSysInfo& other);
    ~TypeSysInfo();
};

}  // namespace kelvo::shared::smbios
