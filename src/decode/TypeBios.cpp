#include <smbios/TypeBios.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeBios::TypeBios() {}
TypeBios::TypeBios(const TypeBios&) {}
TypeBios& TypeBios::operator=(const TypeBios&) { return *this; }
TypeBios::~TypeBios() {}

namespace pimpl {

void DecodeBios(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
