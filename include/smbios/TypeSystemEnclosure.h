#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// System Enclosure or Chassis, structure type 3.
struct KELVO_SMBIOS_API TypeSystemEnclosure {
    // Fields added by SMBIOS 2.1.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        std::uint8_t BootUpState;
        std::uint8_t PowerSupplyState;
        std::uint8_t ThermalState;
        std::uint8_t SecurityStatus;

        SMBios_2_1();
    };

    // Fields added by SMBIOS 2.3.
    struct KELVO_SMBIOS_API SMBios_2_3 {
        std::uint32_t OEMDefined;
        std::uint8_t Height;
        std::uint8_t NumberOfPowerCords;
        std::uint8_t ContainedElementCount;
        std::uint8_t ContainedElementRecordLength;
        // ContainedElementCount * ContainedElementRecordLength bytes, owned (released with
        // delete[]), or null. Decoding leaves it null.
        std::uint8_t* ContainedElements;

        SMBios_2_3();
        SMBios_2_3(const SMBios_2_3& other);
        SMBios_2_3& operator=(const SMBios_2_3& other);
        ~SMBios_2_3();
    };

    // Fields added by SMBIOS 2.7.
    struct KELVO_SMBIOS_API SMBios_2_7 {
        std::uint8_t SKUNumberStringNumber;
        char* SKUNumber;

        SMBios_2_7();
        SMBios_2_7(const SMBios_2_7& other);
        SMBios_2_7& operator=(const SMBios_2_7& other);
        ~SMBios_2_7();
    };

    std::uint8_t ManufacturerStringNumber;
    char* Manufacturer;
    // Bit 7: chassis lock present; bits 6:0: the chassis type.
    std::uint8_t ChassisType;
    std::uint8_t VersionStringNumber;
    char* Version;
    std::uint8_t SerialNumberStringNumber;
    char* SerialNumber;
    std::uint8_t AssetTagStringNumber;
    char* AssetTag;
    // Never filled by the library; stays empty and is carried by copies.
    char* ChassisTypeName;
    SMBios_2_1 V2_1;
    SMBios_2_3 V2_3;
    SMBios_2_7 V2_7;

    TypeSystemEnclosure();
    TypeSystemEnclosure(const TypeSystemEnclosure& other);
    TypeSystemEnclosure& operator=(const TypeSystemEnclosure& other);
    ~TypeSystemEnclosure();

private:
    // Static name of the chassis type in ChassisType, ignoring the chassis lock bit.
    const char* GetEnclosureName();
};

}  // namespace kelvo::shared::smbios
