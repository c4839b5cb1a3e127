#pragma once

#include "common/TableView.h"
#include "decode/Walker.h"

namespace kelvo::shared::smbios::pimpl {

// One decoder per structure type. Each fills its record in state.current, reading fields
// in structure order through `fields` (positioned at offset 04h) by the table version alone.
void DecodeBios(ParseState& state, FieldCursor& fields);
void DecodeSysInfo(ParseState& state, FieldCursor& fields);
void DecodeBaseboard(ParseState& state, FieldCursor& fields);
void DecodeSystemEnclosure(ParseState& state, FieldCursor& fields);
void DecodeProcessor(ParseState& state, FieldCursor& fields);
void DecodeSystemSlot(ParseState& state, FieldCursor& fields);
void DecodeOemStrings(ParseState& state, FieldCursor& fields);
void DecodePhysicalMemory(ParseState& state, FieldCursor& fields);
void DecodeMemoryDevice(ParseState& state, FieldCursor& fields);

}  // namespace kelvo::shared::smbios::pimpl
