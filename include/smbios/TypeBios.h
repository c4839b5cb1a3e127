#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// BIOS Information, structure type 0.
struct KELVO_SMBIOS_API TypeBios {
    static const int BIOSCharacteristicsSize = 8;

    // Copies do not carry the three string numbers: a copy holds 0 and an assignment leaves
    // the target's numbers as they were.
    std::uint8_t VendorStringNumber;
    char* Vendor;
    std::uint8_t BIOSVersionStringNumber;
    char* BIOSVersion;
    std::uint16_t BIOSStartingSegment;
    std::uint8_t BIOSReleaseDateStringNumber;
    // The release date as "YYYY-MM-DDTHH:MM:SS+00:00", or empty when it has no such form.
    char* BIOSReleaseDate;
    std::uint8_t BIOSROMSize;
    std::uint8_t BIOSCharacteristics[BIOSCharacteristicsSize];
    std::uint8_t ExtensionByte1;
    std::uint8_t ExtensionByte2;
    std::uint8_t SystemBIOSMajorRelease;
    std::uint8_t SystemBIOSMinorRelease;
    std::uint8_t EmbeddedFirmwareMajorRelease;
    std::uint8_t EmbeddedFirmwareMinorRelease;

    TypeBios();
    TypeBios(const TypeBios& other);
    TypeBios& operator=(const TypeBios& other);
    ~TypeBios();
};

}  // namespace kelvo::shared::smbios
