#include <smbios/TypeBaseboard.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeBaseboard::TypeBaseboard() {}
TypeBaseboard::TypeBaseboard(const TypeBaseboard&) {}
TypeBaseboard& TypeBaseboard::operator=(const TypeBaseboard&) { return *this; }
TypeBaseboard::~TypeBaseboard() {}

namespace pimpl {

void DecodeBaseboard(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
