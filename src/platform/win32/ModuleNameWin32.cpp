#include <windows.h>

#include <cwchar>
#include <memory>

#include "platform/ModuleName.h"

namespace kelvo::shared::smbios::platform {

namespace {
// Any address inside the library's image finds its module; this text is one.
const wchar_t kAddressInsideLibrary[] = L"kelvoSharedInitializeLogger";
constexpr DWORD kPathCapacity = 260;
}  // namespace

std::wstring LibraryFileName() {
    std::unique_ptr<wchar_t[]> path(new wchar_t[kPathCapacity]);
    HMODULE module = nullptr;
    // FROM_ADDRESS | UNCHANGED_REFCOUNT: find our own module without holding a reference.
    if (!GetModuleHandleExW(6, kAddressInsideLibrary, &module) || module == nullptr) return {};
    const DWORD length = GetModuleFileNameW(module, path.get(), kPathCapacity);
    if (length == 0) return {};
    const wchar_t* slash = wcsrchr(path.get(), L'\\');
    if (slash == nullptr) return {};
    // The measure includes the backslash, which leaves room for the NUL of the shorter name.
    const std::size_t size = wcsnlen(slash, kPathCapacity);
    std::unique_ptr<wchar_t[]> name(new wchar_t[size]);
    wcscpy_s(name.get(), size, slash + 1);
    return std::wstring(name.get());
}

}  // namespace kelvo::shared::smbios::platform
