#pragma once

#include <ostream>

#include <smbios/TypeBios.h>
#include <smbios/TypeOemStrings.h>
#include <smbios/TypeSysInfo.h>

namespace kelvo::shared::smbios {

// One-line, JSON-like text forms of the records that the library's debug log records show.
// Texts are written byte for byte, unescaped. None of them throws: a failure while writing
// is logged as a warning and the text written so far stays in the stream.
std::ostream& operator<<(std::ostream& os, const TypeBios& value);
std::ostream& operator<<(std::ostream& os, const TypeSysInfo& value);
std::ostream& operator<<(std::ostream& os, const TypeOemStrings& value);

}  // namespace kelvo::shared::smbios
