#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Placeholder until the record's fields are decoded.
struct KELVO_SMBIOS_API TypeProcessor {
    TypeProcessor();
    TypeProcessor(const TypeProcessor& other);
    TypeProcessor& operator=(const TypeProcessor& other);
    ~TypeProcessor();
};

}  // namespace kelvo::shared::smbios
