#include <smbios/TypeSysInfo.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeSysInfo::TypeSysInfo() {}
TypeSysInfo::TypeSysInfo(const TypeSysInfo&) {}
TypeSysInfo& TypeSysInfo::operator=(const TypeSysInfo&) { return *this; }
TypeSysInfo::~TypeSysInfo() {}

namespace pimpl {

void DecodeSysInfo(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
