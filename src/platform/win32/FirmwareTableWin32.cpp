#include "platform/FirmwareTable.h"

#include <windows.h>

namespace kelvo::shared::smbios::platform {

namespace {

constexpr DWORD kRawSMBiosProvider = 0x52534D42;  // 'RSMB'

struct LocalBuffer {
    LPSTR text = nullptr;
    ~LocalBuffer() { LocalFree(text); }
};

}  // namespace

std::string SystemErrorText(unsigned long code) {
    LocalBuffer buffer;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&buffer.text), 0, nullptr);
    if (length == 0) return "No message available for given error code\r\n";
    return std::string(buffer.text, length);
}

bool ReadFirmwareTable(std::vector<std::uint8_t>& bytes, std::string& errorText) {
    bytes.clear();
    // The first call asks for the size, the second reads exactly that many bytes.
    const UINT size = GetSystemFirmwareTable(kRawSMBiosProvider, 0, nullptr, 0);
    if (size != 0) {
        bytes.resize(size);
        if (GetSystemFirmwareTable(kRawSMBiosProvider, 0, bytes.data(), size) == size) return true;
    }
    const DWORD code = GetLastError();
    bytes.clear();
    errorText = SystemErrorText(code);
    return false;
}

}  // namespace kelvo::shared::smbios::platform
