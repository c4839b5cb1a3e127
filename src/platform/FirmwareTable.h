#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The platform layer: the only code that talks to the operating system. Everything else in the
// library works on bytes and never includes a system header of its own.
namespace kelvo::shared::smbios::platform {

#if defined(_WIN32)
// Reads the running machine's table through GetSystemFirmwareTable('RSMB'), in its raw layout.
// On failure returns false and puts the system's text for the failure in `errorText`.
bool ReadFirmwareTable(std::vector<std::uint8_t>& bytes, std::string& errorText);

// The system's message for a Win32 error code, or a fixed text when it has none.
std::string SystemErrorText(unsigned long code);
#endif

// Reads the whole file at `path` (UTF-8), refusing one larger than `limit` bytes. On failure
// returns false and puts the system's text for the failure in `errorText`.
bool ReadWholeFile(const std::string& path, std::uint64_t limit, std::vector<std::uint8_t>& bytes,
                   std::string& errorText);

// True when `path` (UTF-8) names a folder.
bool IsDirectory(const std::string& path);

// The file `name` inside `folder`, joined with the system's separator.
std::string PathInFolder(const std::string& folder, const char* name);

}  // namespace kelvo::shared::smbios::platform
