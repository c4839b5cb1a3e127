#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// Supplies the raw SMBIOS table: an 8-byte header (calling method, major version, minor
// version, DMI revision, 32-bit little-endian table length) followed by the structure table.
// The library calls GetSize once and then GetData once, both while SMBiosInfo is being
// constructed.
class KELVO_SMBIOS_API IFirmwareReader {
public:
    virtual ~IFirmwareReader() {}
    virtual const std::uint8_t* GetData() const = 0;
    virtual std::uint64_t GetSize() const = 0;
};

}  // namespace kelvo::shared::smbios
