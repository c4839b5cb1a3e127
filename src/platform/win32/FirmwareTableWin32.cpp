#include "platform/FirmwareTable.h"

#include <windows.h>

#include <string>

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

namespace {

std::wstring Wide(const std::string& text) {
    const int count =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    if (count > 0) {
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            count);
    }
    return wide;
}

// The system's text without the line break that FormatMessage ends it with.
std::string LastErrorText() {
    std::string text = SystemErrorText(GetLastError());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

struct Handle {
    HANDLE value;
    ~Handle() {
        if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
    }
};

}  // namespace

bool ReadWholeFile(const std::string& path, std::uint64_t limit, std::vector<std::uint8_t>& bytes,
                   std::string& errorText) {
    bytes.clear();
    const Handle file{CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.value == INVALID_HANDLE_VALUE) {
        errorText = LastErrorText();
        return false;
    }
    std::uint8_t chunk[4096];
    for (;;) {
        DWORD count = 0;
        if (!::ReadFile(file.value, chunk, sizeof chunk, &count, nullptr)) {
            errorText = LastErrorText();
            bytes.clear();
            return false;
        }
        if (count == 0) return true;
        if (bytes.size() + count > limit) {
            errorText = "File too large";
            bytes.clear();
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string PathInFolder(const std::string& folder, const char* name) {
    return folder + "\\" + name;
}

}  // namespace kelvo::shared::smbios::platform
