#pragma once

// Decoding one structure into its record, driven by the record's field descriptions. The same
// code serves both ways of reading a structure: by the table's version (the records that
// SMBiosInfo returns) and as the structure really is (the table view).

#include <cstdint>
#include <string_view>

#include <smbios/RecordFields.h>
#include <smbios/TableVersion.h>

#include "common/TableView.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios::detail {

// One structure and the rule that says which of its fields are read.
struct StructureReader {
    TableView table;          // the whole structure table
    std::uint64_t start = 0;  // offset of the structure's first header byte
    std::uint8_t length = 0;  // the structure's Length
    // By version, a field is read when the table's version is at least the one that introduced
    // it, wherever the structure's Length ends (past it, the field is read from the string set
    // that follows). With `withinLength`, a field is read only when it lies wholly inside the
    // Length, whatever the version. A field that is not read keeps its default.
    SMBiosSpecVersion version = SMBiosSpecVersion::None;
    bool withinLength = false;

    bool Admits(std::uint16_t since, std::uint64_t offset, std::uint64_t width) const {
        return withinLength ? offset + width <= length : static_cast<int>(version) >= since;
    }

    // The value at `offset` in the structure; 0 unless it lies wholly inside the table.
    template <class T>
    T Read(std::uint64_t offset) const {
        const std::uint64_t at = start + offset;
        if constexpr (sizeof(T) == 1) return static_cast<T>(table.U8(at));
        if constexpr (sizeof(T) == 2) return static_cast<T>(table.U16(at));
        if constexpr (sizeof(T) == 4) return static_cast<T>(table.U32(at));
        if constexpr (sizeof(T) == 8) return static_cast<T>(table.U64(at));
    }

    // String `number` of the structure's string set (empty for 0 or past the last string).
    std::string_view String(std::uint8_t number) const;
};

// Stores `value` as an owned text; an empty text already in place is kept as it is.
void SetText(char*& text, std::string_view value);

namespace ops {

template <class B, class T>
void Decode(const StructureReader& s, B& b, const fields::Number<B, T>& f) {
    if (s.Admits(f.since, f.offset, sizeof(T))) b.*f.member = s.Read<T>(f.offset);
}
template <class B>
void Decode(const StructureReader& s, B& b, const fields::String<B>& f) {
    if (f.offset == 0 || !s.Admits(f.since, f.offset, 1)) return;  // placed by code
    b.*f.number = s.Read<std::uint8_t>(f.offset);
    if (!f.converted) SetText(b.*f.text, s.String(b.*f.number));
}
// A byte array reads as a number does: whole, or (cut by the table's end) not at all.
template <class B, std::size_t N>
void Decode(const StructureReader& s, B& b, const fields::Bytes<B, N>& f) {
    if (!s.Admits(f.since, f.offset, N) || !s.table.Contains(s.start + f.offset, N)) return;
    for (std::size_t i = 0; i < N; ++i) (b.*f.member)[i] = s.Read<std::uint8_t>(f.offset + i);
}
// Texts made from other fields, kept members and owned arrays: filled by the record's own code.
template <class B, class F>
void Decode(const StructureReader&, B&, const F&) {}

}  // namespace ops

// The fields that a record's own code fills, after its described fields have been read.
void DecodeSpecial(const StructureReader& s, TypeBios& record);             // the release date
void DecodeSpecial(const StructureReader& s, TypeSysInfo& record);          // the UUID text
void DecodeSpecial(const StructureReader& s, TypeBaseboard& record);        // contained handles
void DecodeSpecial(const StructureReader& s, TypeSystemEnclosure& record);  // elements, SKU
void DecodeSpecial(const StructureReader& s, TypeOemStrings& record);       // the string area
template <class Record>
void DecodeSpecial(const StructureReader&, Record&) {}

// Fills a default-constructed record from the structure.
template <class Record>
void DecodeRecord(const StructureReader& s, Record& record) {
    fields::ForEachBlock<Record>([&](auto block) {
        auto& b = fields::Access(record, block);
        using Block = std::remove_reference_t<decltype(b)>;
        fields::ForEachField<Block>([&](const auto& f) { ops::Decode(s, b, f); });
    });
    DecodeSpecial(s, record);
}

}  // namespace kelvo::shared::smbios::detail
