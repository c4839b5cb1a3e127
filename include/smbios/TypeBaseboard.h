#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Baseboard (Module) Information, structure type 2.
struct KELVO_SMBIOS_API TypeBaseboard {
    std::uint8_t ManufacturerStringNumber;
    char* Manufacturer;
    std::uint8_t ProductStringNumber;
    char* Product;
    std::uint8_t VersionStringNumber;
    char* Version;
    std::uint8_t SerialNumberStringNumber;
    char* SerialNumber;
    std::uint8_t AssetTagStringNumber;
    char* AssetTag;
    std::uint8_t FeatureFlags;
    std::uint8_t LocationInChassisStringNumber;
    char* LocationInChassis;
    std::uint16_t ChassisHandle;
    std::uint8_t BoardType;
    std::uint8_t NumberOfContainedObjectHandles;
    // Points into the table buffer at offset 0Fh of the structure: NumberOfContainedObjectHandles
    // 16-bit little-endian handles, not necessarily aligned, so read them byte by byte. Not
    // owned; valid while the reader's bytes live. The count is the table's, unchecked: it may
    // announce more handles than the structure or the table holds. Null when offset 0Fh lies
    // past the table's end.
    const std::uint16_t* ContainedObjectHandles;

    TypeBaseboard();
    TypeBaseboard(const TypeBaseboard& other);
    TypeBaseboard& operator=(const TypeBaseboard& other);
    ~TypeBaseboard();
};

}  // namespace kelvo::shared::smbios
