#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Memory Device, structure type 17. The structure exists from SMBIOS 2.1 on, so all fields sit
// in the version blocks. Values are kept as the structure holds them: a Size of 7FFFh stays
// so, next to ExtendedSize.
struct KELVO_SMBIOS_API TypeMemoryDevice {
    // Fields defined by SMBIOS 2.1.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        std::uint16_t PhysicalMemoryArrayHandle;  // handle of the owning type-16 structure
        std::uint16_t MemoryErrorInformationHandle;
        std::uint16_t TotalWidth;
        std::uint16_t DataWidth;
        std::uint16_t Size;
        std::uint8_t FormFactor;
        std::uint8_t DeviceSet;
        std::uint8_t DeviceLocatorStringNumber;
        char* DeviceLocator;
        std::uint8_t BankLocatorStringNumber;
        char* BankLocator;
        std::uint8_t MemoryType;
        std::uint16_t TypeDetail;

        SMBios_2_1();
        SMBios_2_1(const SMBios_2_1& other);
        SMBios_2_1& operator=(const SMBios_2_1& other);
        ~SMBios_2_1();
    };

    // Fields added by SMBIOS 2.3.
    struct KELVO_SMBIOS_API SMBios_2_3 {
        std::uint16_t Speed;
        std::uint8_t ManufacturerStringNumber;
        char* Manufacturer;
        std::uint8_t SerialNumberStringNumber;
        char* SerialNumber;
        std::uint8_t AssetTagStringNumber;
        char* AssetTag;
        std::uint8_t PartNumberStringNumber;
        char* PartNumber;

        SMBios_2_3();
        SMBios_2_3(const SMBios_2_3& other);
        SMBios_2_3& operator=(const SMBios_2_3& other);
        ~SMBios_2_3();
    };

    // Fields added by SMBIOS 2.6.
    struct KELVO_SMBIOS_API SMBios_2_6 {
        std::uint8_t Attributes;

        SMBios_2_6();
        SMBios_2_6(const SMBios_2_6& other);
        SMBios_2_6& operator=(const SMBios_2_6& other);
        ~SMBios_2_6();
    };

    // Fields added by SMBIOS 2.7.
    struct KELVO_SMBIOS_API SMBios_2_7 {
        std::uint32_t ExtendedSize;
        std::uint16_t ConfiguredMemoryClockSpeed;

        SMBios_2_7();
        SMBios_2_7(const SMBios_2_7& other);
        SMBios_2_7& operator=(const SMBios_2_7& other);
        ~SMBios_2_7();
    };

    // Fields added by SMBIOS 2.8.
    struct KELVO_SMBIOS_API SMBios_2_8 {
        std::uint16_t MinimumVoltage;
        std::uint16_t MaximumVoltage;
        std::uint16_t ConfiguredVoltage;

        SMBios_2_8();
        SMBios_2_8(const SMBios_2_8& other);
        SMBios_2_8& operator=(const SMBios_2_8& other);
        ~SMBios_2_8();
    };

    SMBios_2_1 V2_1;
    SMBios_2_3 V2_3;
    SMBios_2_6 V2_6;
    SMBios_2_7 V2_7;
    SMBios_2_8 V2_8;

    TypeMemoryDevice();
    TypeMemoryDevice(const TypeMemoryDevice& other);
    TypeMemoryDevice& operator=(const TypeMemoryDevice& other);
    ~TypeMemoryDevice();
};

}  // namespace kelvo::shared::smbios
