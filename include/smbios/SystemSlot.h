#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// System Slots, structure type 9 (one per expansion slot).
struct KELVO_SMBIOS_API SystemSlot {
    // Fields added by SMBIOS 2.1.
    struct KELVO_SMBIOS_API SMBios_2_1 {
        std::uint8_t SlotCharacteristics2;

        SMBios_2_1();
    };

    // Fields added by SMBIOS 2.6.
    struct KELVO_SMBIOS_API SMBios_2_6 {
        std::uint16_t SegmentGroupNumber;
        std::uint8_t BusNumber;
        std::uint8_t DeviceFunctionNumber;

        SMBios_2_6();
    };

    std::uint8_t SlotDesignationStringNumber;
    char* SlotDesignation;
    std::uint8_t SlotType;
    std::uint8_t SlotDataBusWidth;
    std::uint8_t CurrentUsage;
    std::uint8_t SlotLength;
    std::uint16_t SlotID;
    std::uint8_t SlotCharacteristics1;
    SMBios_2_1 V2_1;
    SMBios_2_6 V2_6;

    SystemSlot();
    SystemSlot(const SystemSlot& other);
    SystemSlot& operator=(const SystemSlot& other);
    ~SystemSlot();
};

}  // namespace kelvo::shared::smbios
