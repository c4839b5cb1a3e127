#include <smbios/TypeOemStrings.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeOemStrings::TypeOemStrings() {}
TypeOemStrings::TypeOemStrings(const TypeOemStrings&) {}
TypeOemStrings& TypeOemStrings::operator=(const TypeOemStrings&) { return *this; }
TypeOemStrings::~TypeOemStrings() {}

namespace pimpl {

void DecodeOemStrings(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
