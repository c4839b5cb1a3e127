#include <smbios/TypeProcessor.h>

#include "decode/Decoders.h"

namespace kelvo::shared::smbios {

TypeProcessor::TypeProcessor() {}
TypeProcessor::TypeProcessor(const TypeProcessor&) {}
TypeProcessor& TypeProcessor::operator=(const TypeProcessor&) { return *this; }
TypeProcessor::~TypeProcessor() {}

namespace pimpl {

void DecodeProcessor(ParseState&, FieldCursor&) {}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
