#include <smbios/TypePhysicalMemory.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypePhysicalMemory::TypePhysicalMemory() {}
TypePhysicalMemory::TypePhysicalMemory(const TypePhysicalMemory&) {}
TypePhysicalMemory& TypePhysicalMemory::operator=(const TypePhysicalMemory&) { return *this; }
TypePhysicalMemory::~TypePhysicalMemory() {}

namespace pimpl {

void DecodePhysicalMemory(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
