#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Processor Information, structure type 4. Values are kept as the structure holds them; the
// extension fields (ProcessorFamily2, CoreCount2, ...) are not merged into the base ones.
struct KELVO_SMBIOS_API TypeProcessor {
    // Number of bytes in ProcessorID.
    static const int ProcessorIDSize = 8;

    // Fields added by SMBIOS 2.1.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        std::uint16_t L1CacheHandle;
        std::uint16_t L2CacheHandle;
        std::uint16_t L3CacheHandle;

        SMBios_2_1();
        SMBios_2_1(const SMBios_2_1& other);
        SMBios_2_1& operator=(const SMBios_2_1& other);
        ~SMBios_2_1();
    };

    // Fields added by SMBIOS 2.3.
    struct KELVO_SMBIOS_API SMBios_2_3 {
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

    // Fields added by SMBIOS 2.5.
    struct KELVO_SMBIOS_API SMBios_2_5 {
        std::uint8_t CoreCount;
        std::uint8_t CoreEnabled;
        std::uint8_t ThreadCount;
        std::uint16_t ProcessorCharacteristics;

        SMBios_2_5();
        SMBios_2_5(const SMBios_2_5& other);
        SMBios_2_5& operator=(const SMBios_2_5& other);
        ~SMBios_2_5();
    };

    // Fields added by SMBIOS 2.6.
    struct KELVO_SMBIOS_API SMBios_2_6 {
        std::uint16_t ProcessorFamily2;

        SMBios_2_6();
        SMBios_2_6(const SMBios_2_6& other);
        SMBios_2_6& operator=(const SMBios_2_6& other);
        ~SMBios_2_6();
    };

    // Fields added by SMBIOS 3.0.
    struct KELVO_SMBIOS_API SMBios_3_0 {
        std::uint16_t CoreCount2;
        std::uint16_t CoreEnabled2;
        std::uint16_t ThreadCount2;

        SMBios_3_0();
        SMBios_3_0(const SMBios_3_0& other);
        SMBios_3_0& operator=(const SMBios_3_0& other);
        ~SMBios_3_0();
    };

    std::uint8_t SocketDesignationStringNumber;
    char* SocketDesignation;
    std::uint8_t ProcessorType;
    std::uint8_t ProcessorFamily;
    std::uint8_t ProcessorManufacturerStringNumber;
    char* ProcessorManufacturer;
    // The eight identification bytes in structure order, uninterpreted.
    std::uint8_t ProcessorID[ProcessorIDSize];
    std::uint8_t ProcessorVersionStringNumber;
    char* ProcessorVersion;
    std::uint8_t Voltage;  // the raw voltage byte
    std::uint16_t ExternalClock;
    std::uint16_t MaxSpeed;
    std::uint16_t CurrentSpeed;
    std::uint8_t Status;
    std::uint8_t ProcessorUpgrade;

    SMBios_2_1 V2_1;
    SMBios_2_3 V2_3;
    SMBios_2_5 V2_5;
    SMBios_2_6 V2_6;
    SMBios_3_0 V3_0;

    TypeProcessor();
    TypeProcessor(const TypeProcessor& other);
    TypeProcessor& operator=(const TypeProcessor& other);
    ~TypeProcessor();
};

}  // namespace kelvo::shared::smbios
