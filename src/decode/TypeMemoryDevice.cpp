#include <smbios/TypeMemoryDevice.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeMemoryDevice::TypeMemoryDevice() {}
TypeMemoryDevice::TypeMemoryDevice(const TypeMemoryDevice&) {}
TypeMemoryDevice& TypeMemoryDevice::operator=(const TypeMemoryDevice&) { return *this; }
TypeMemoryDevice::~TypeMemoryDevice() {}

namespace pimpl {

void DecodeMemoryDevice(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
