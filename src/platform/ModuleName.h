#pragma once

#include <string>

namespace kelvo::shared::smbios::platform {

// The file name, without its directory, of the module (DLL or shared object) that holds this
// library's code, as the process loaded it; empty when it cannot be found.
std::wstring LibraryFileName();

}  // namespace kelvo::shared::smbios::platform
