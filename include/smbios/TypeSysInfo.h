#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// System Information, structure type 1.
struct KELVO_SMBIOS_API TypeSysInfo {
    // Fields from SMBIOS 2.1 on.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        static const int UUIDSize = 16;

        // The sixteen bytes in structure order.
        std::uint8_t UUID[UUIDSize];
        std::uint8_t WakeUpType;
        // UUID as "33221100-5544-7766-8899-AABBCCDDEEFF": the first three groups byte-reversed.
        char* UUIDString;

        SMBios_2_1();
        SMBios_2_1(const SMBios_2_1& other);
        SMBios_2_1& operator=(const SMBios_2_1& other);
        ~SMBios_2_1();
    };

    // Fields from SMBIOS 2.4 on. Copies carry the string numbers.
    struct KELVO_SMBIOS_API SMBios_2_4 {
        std::uint8_t SKUNumberStringNumber;
        char* SKUNumber;
        std::uint8_t FamilyStringNumber;
        char* Family;

        SMBios_2_4();
        SMBios_2_4(const SMBios_2_4& other);
        SMBios_2_4& operator=(const SMBios_2_4& other);
        ~SMBios_2_4();
    };

    // Copies do not carry these four string numbers: a copy holds 0 and an assignment leaves
    // the target's numbers as they were.
    std::uint8_t ManufacturerStringNumber;
    char* Manufacturer;
    std::uint8_t ProductNameStringNumber;
    char* ProductName;
    std::uint8_t VersionStringNumber;
    char* Version;
    std::uint8_t SerialNumberStringNumber;
    char* SerialNumber;
    SMBios_2_1 V2_1;
    SMBios_2_4 V2_4;

    TypeSysInfo();
    TypeSysInfo(const TypeSysInfo& other);
    TypeSysInfo& operator=(const TypeSysInfo& other);
    ~TypeSysInfo();
};

}  // namespace kelvo::shared::smbios
