#include "decode/WithinLength.h"

namespace kelvo::shared::smbios::pimpl {

// Placeholder: records stay default until the record descriptions drive this decoding.
void DecodeWithinLength(const StructureRef&, TypeBios&) {}
void DecodeWithinLength(const StructureRef&, TypeSysInfo&) {}
void DecodeWithinLength(const StructureRef&, TypeBaseboard&) {}
void DecodeWithinLength(const StructureRef&, TypeSystemEnclosure&) {}
void DecodeWithinLength(const StructureRef&, TypeProcessor&) {}
void DecodeWithinLength(const StructureRef&, SystemSlot&) {}
void DecodeWithinLength(const StructureRef&, TypeOemStrings&) {}
void DecodeWithinLength(const StructureRef&, TypePhysicalMemory&) {}
void DecodeWithinLength(const StructureRef&, TypeMemoryDevice&) {}

}  // namespace kelvo::shared::smbios::pimpl
