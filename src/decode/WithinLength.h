#pragma once

#include <cstdint>

#include <smbios/SMBiosInfo.h>

#include "common/TableView.h"

namespace kelvo::shared::smbios::pimpl {

// One structure of a table: where its header starts and what the header says.
struct StructureRef {
    TableView table;          // the whole structure table
    std::uint64_t start = 0;  // offset of the structure's first header byte
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::uint16_t handle = 0;
};

// Decode a structure into the record of its type as the structure really is: each field is read
// only when it lies wholly inside the structure's Length (otherwise it keeps the default record's
// value), whatever the table's version. Strings are resolved in the structure's string set. A
// BIOS release date that does not convert leaves BIOSReleaseDate empty; nothing throws but
// std::bad_alloc.
void DecodeWithinLength(const StructureRef& structure, TypeBios& record);
void DecodeWithinLength(const StructureRef& structure, TypeSysInfo& record);
void DecodeWithinLength(const StructureRef& structure, TypeBaseboard& record);
void DecodeWithinLength(const StructureRef& structure, TypeSystemEnclosure& record);
void DecodeWithinLength(const StructureRef& structure, TypeProcessor& record);
void DecodeWithinLength(const StructureRef& structure, SystemSlot& record);
void DecodeWithinLength(const StructureRef& structure, TypeOemStrings& record);
void DecodeWithinLength(const StructureRef& structure, TypePhysicalMemory& record);
void DecodeWithinLength(const StructureRef& structure, TypeMemoryDevice& record);

}  // namespace kelvo::shared::smbios::pimpl
