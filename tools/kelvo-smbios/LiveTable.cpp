// The running machine's table as the tool reads it itself, for saving it and for its header.
#include "TableFile.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kelvo::smbios_tool {

#if defined(_WIN32)

RawTable ReadLiveTable() {
    const DWORD rsmb = 0x52534D42;  // 'RSMB'
    const char* source = "the firmware's RSMB table";
    const UINT size = GetSystemFirmwareTable(rsmb, 0, nullptr, 0);
    if (size == 0) {
        throw FileError(std::string(source) + ": cannot read (error " +
                        std::to_string(GetLastError()) + ")");
    }
    RawTable raw(size);
    if (GetSystemFirmwareTable(rsmb, 0, raw.data(), size) != size) {
        throw FileError(std::string(source) + ": changed size while being read");
    }
    if (raw.size() < kRawHeaderSize) throw FileError(std::string(source) + ": too short");
    const std::uint64_t length = raw[4] | raw[5] << 8 | raw[6] << 16 | std::uint64_t{raw[7]} << 24;
    if (length > raw.size() - kRawHeaderSize) {
        throw FileError(std::string(source) + ": its header's Length runs past its end");
    }
    raw.resize(kRawHeaderSize + length);
    return raw;
}

#else

RawTable ReadLiveTable() { return LoadTable("/sys/firmware/dmi/tables"); }

#endif

}  // namespace kelvo::smbios_tool
