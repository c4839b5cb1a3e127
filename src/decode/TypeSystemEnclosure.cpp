#include <smbios/TypeSystemEnclosure.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeSystemEnclosure::TypeSystemEnclosure() {}
TypeSystemEnclosure::TypeSystemEnclosure(const TypeSystemEnclosure&) {}
TypeSystemEnclosure& TypeSystemEnclosure::operator=(const TypeSystemEnclosure&) { return *this; }
TypeSystemEnclosure::~TypeSystemEnclosure() {}

namespace pimpl {

void DecodeSystemEnclosure(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
