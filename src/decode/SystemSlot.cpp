#include <smbios/SystemSlot.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

SystemSlot::SystemSlot() {}
SystemSlot::SystemSlot(const SystemSlot&) {}
SystemSlot& SystemSlot::operator=(const SystemSlot&) { return *this; }
SystemSlot::~SystemSlot() {}

namespace pimpl {

void DecodeSystemSlot(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
