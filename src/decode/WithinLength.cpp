#include "decode/WithinLength.h"

#include "decode/RecordDecoder.h"

namespace kelvo::shared::smbios::detail {

namespace {

template <class Record>
void Decode(const StructureRef& structure, Record& record) {
    DecodeRecord(
        {structure.table, structure.start, structure.length, SMBiosSpecVersion::None, true},
        record);
}

}  // namespace

void DecodeWithinLength(const StructureRef& s, TypeBios& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeSysInfo& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeBaseboard& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeSystemEnclosure& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeProcessor& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, SystemSlot& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeOemStrings& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypePhysicalMemory& record) { Decode(s, record); }
void DecodeWithinLength(const StructureRef& s, TypeMemoryDevice& record) { Decode(s, record); }

}  // namespace kelvo::shared::smbios::detail
