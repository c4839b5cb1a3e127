#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>

#include "common/TableView.h"

namespace kelvo::shared::smbios::detail {

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

// The end of a field that a record's description places at a fixed offset, or 0 for one that
// code places or fills.
template <class B, class T>
std::uint64_t FieldEnd(const fields::Number<B, T>& f) {
    return f.offset + sizeof(T);
}
template <class B>
std::uint64_t FieldEnd(const fields::String<B>& f) {
    return f.offset == 0 ? 0 : f.offset + 1u;
}
template <class B, std::size_t N>
std::uint64_t FieldEnd(const fields::Bytes<B, N>& f) {
    return f.offset + N;
}
template <class F>
std::uint64_t FieldEnd(const F&) {
    return 0;
}

// The longest a structure of `Record`'s type is at `version` by its fixed fields.
template <class Record>
std::uint64_t FixedLength(std::uint16_t version) {
    std::uint64_t length = 4;
    fields::ForEachBlock<Record>([&](auto block) {
        using Block = std::remove_reference_t<decltype(fields::Access(Record{}, block))>;
        fields::ForEachField<std::remove_const_t<Block>>([&](const auto& f) {
            if (f.since <= version) length = std::max(length, FieldEnd(f));
        });
    });
    return length;
}

}  // namespace kelvo::shared::smbios::detail
