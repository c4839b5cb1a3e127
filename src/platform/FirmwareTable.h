#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The platform layer: how the running machine's SMBIOS table is obtained. Everything else in
// the library works on bytes and never includes a system header of its own.
namespace kelvo::shared::smbios::platform {

// Reads the running machine's table in the raw layout: an 8-byte header (calling method,
// major, minor, DMI revision, 32-bit little-endian Length) followed by the structure table.
// On failure returns false and puts the system's text for the failure in `errorText`.
bool ReadFirmwareTable(std::vector<std::uint8_t>& bytes, std::string& errorText);

#if defined(_WIN32)
// The system's message for a Win32 error code, or a fixed text when it has none.
std::string SystemErrorText(unsigned long code);
#else
// Where Linux publishes the firmware's SMBIOS entry point and table.
constexpr const char* kSysfsTablesDirectory = "/sys/firmware/dmi/tables";

// Reads `directory`/smbios_entry_point and `directory`/DMI into the raw layout.
bool ReadFirmwareTableFrom(const std::string& directory, std::vector<std::uint8_t>& bytes,
                           std::string& errorText);
#endif

}  // namespace kelvo::shared::smbios::platform
