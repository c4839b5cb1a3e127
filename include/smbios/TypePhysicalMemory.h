#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Physical Memory Array, structure type 16. The structure exists from SMBIOS 2.1 on, so all
// fields sit in the version blocks. Values are kept as the structure holds them: a
// MaximumCapacity of 80000000h stays so, next to ExtendedMaximumCapacity.
struct KELVO_SMBIOS_API TypePhysicalMemory {
    // Fields defined by SMBIOS 2.1.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        std::uint8_t Location;
        std::uint8_t Use;
        std::uint8_t MemoryErrorCorrection;
        std::uint32_t MaximumCapacity;
        std::uint16_t MemoryErrorInformationHandle;
        std::uint16_t NumberOfMemoryDevices;

        SMBios_2_1();
        SMBios_2_1(const SMBios_2_1& other);
        SMBios_2_1& operator=(const SMBios_2_1& other);
        ~SMBios_2_1();
    };

    // Fields added by SMBIOS 2.7.
    struct KELVO_SMBIOS_API SMBios_2_7 {
        std::uint64_t ExtendedMaximumCapacity;

        SMBios_2_7();
        SMBios_2_7(const SMBios_2_7& other);
        SMBios_2_7& operator=(const SMBios_2_7& other);
        ~SMBios_2_7();
    };

    SMBios_2_1 V2_1;
    SMBios_2_7 V2_7;

    TypePhysicalMemory();
    TypePhysicalMemory(const TypePhysicalMemory& other);
    TypePhysicalMemory& operator=(const TypePhysicalMemory& other);
    ~TypePhysicalMemory();
};

}  // namespace kelvo::shared::smbios
