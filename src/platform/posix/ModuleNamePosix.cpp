#include <dlfcn.h>

#include <cstring>

#include "platform/ModuleName.h"

namespace kelvo::shared::smbios::platform {

std::wstring LibraryFileName() {
    Dl_info info{};
    // Any address inside the library finds the object that holds it.
    if (dladdr(reinterpret_cast<const void*>(&LibraryFileName), &info) == 0 ||
        info.dli_fname == nullptr) {
        return {};
    }
    const char* slash = std::strrchr(info.dli_fname, '/');
    if (slash == nullptr) return {};
    // File names are taken byte for byte; library names are plain ASCII.
    std::wstring name;
    for (const char* c = slash + 1; *c != '\0'; ++c) name.push_back(static_cast<unsigned char>(*c));
    return name;
}

}  // namespace kelvo::shared::smbios::platform
