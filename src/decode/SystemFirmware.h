#pragma once

#include <kelvo/error/Error.h>
#include <smbios/SMBiosInfo.h>

#include "decode/Walker.h"

namespace kelvo::shared::smbios::pimpl {

// Validates the raw table that a reader supplies and keeps the last record of each decoded
// structure type. The constructor never throws; a failure ends in `error`.
class SystemFirmware {
public:
    explicit SystemFirmware(const IFirmwareReader* reader);
    // Copies the parse result (version, records, error); the reader is not carried.
    SystemFirmware(const SystemFirmware& other);
    SystemFirmware& operator=(const SystemFirmware&) = delete;

    SMBiosSpecVersion version;
    TypeBios bios;
    TypeSysInfo sysInfo;
    TypeBaseboard baseboard;
    TypeSystemEnclosure enclosure;
    TypeProcessor processor;
    SystemSlot slot;
    TypePhysicalMemory physicalMemory;
    TypeMemoryDevice memoryDevice;
    TypeOemStrings oemStrings;
    kelvo::shared::error::Error error;

private:
    void GenerateSMBIOSData(detail::ParseState& state);
};

}  // namespace kelvo::shared::smbios::pimpl

namespace kelvo::shared::smbios::detail {

// Size of the raw header in front of the structure table.
constexpr std::uint64_t kRawHeaderSize = 8;

// The table version from a raw header's major and minor bytes, versions from 3.0 on counted as
// 3.0; None when the library does not decode that version.
SMBiosSpecVersion AcceptedVersion(std::uint8_t major, std::uint8_t minor);

}  // namespace kelvo::shared::smbios::detail
