#pragma once

// What a structure type is made of, as data: one row per type and one row per field. A field row
// says where the field lies (its offset, width and the table version that introduced it), from
// which structure Length on it is shown, and how it is shown: by its kind (a string, a number
// with a unit and special values, an enumeration or flag bits from a names list, a handle, ...)
// or, for the few fields that need code, by a named formatter. The generic decoder
// (decode/FieldDecoder.h) turns any structure into fields through these rows; nothing else in
// the library knows a field's offset, width or version.
//
// Every row is static data: pointers into the schema stay valid for the life of the program.

#include <cstddef>
#include <cstdint>

#include <smbios/kelvo_smbios_names.h>

namespace kelvo::shared::smbios::schema {

// What a field's value is.
enum class Kind : std::uint8_t {
    Part,     // not shown on its own: the field before it reads it (an extension, a second byte)
    String,   // a string number; shown as the string
    Decimal,  // a number, with its unit and special values
    Hex,      // a number shown in hex
    Enum,     // a value named by a names list
    Flags,    // bits named by a names list
    Handle,   // the handle of another structure
    Size,     // a size in bytes, kB, MB, ...
    Bytes,    // bytes shown as they are
    Uuid,     // a UUID
    Text,     // text that code makes from the field's bytes
};

// The fields that need code to be shown. Each names a function of decode/Formatters.cpp.
enum class Format : std::uint8_t {
    ByKind,  // the kind says how
#define KELVO_FORMATTER(name) name,
#include "schema/Formatters.def"
#undef KELVO_FORMATTER
};

// A value that is shown as a text of its own ("Unknown" for 0).
struct Special {
    std::uint64_t value;
    const char* text;
};

// Where an array's elements lie: `count` elements of `stride` bytes (or of the size that the field
// `strideKey` holds) from the field's offset. `countKey` names the field that holds the count;
// with `toEnd`, the elements run to the end of the structure, as many as its Length holds.
struct Array {
    const char* countKey = nullptr;
    const char* strideKey = nullptr;
    std::uint8_t stride = 0;
    bool toEnd = false;

    constexpr bool Present() const { return countKey != nullptr || toEnd; }
};

struct FieldDef {
    const char* key;    // stable: "memory_device.size"
    const char* label;  // as people read it: "Size"; empty for a part
    std::uint8_t offset;
    std::uint8_t width;   // bytes; for an array, of one element
    std::uint16_t since;  // table version that introduced it: 0x0204 for 2.4
    Kind kind;

    // Shown when the structure's Length is at least this, and covers the field.
    std::uint8_t shownFrom = 0;
    Format format = Format::ByKind;
    ksmbios_name_list names = 0;  // Enum and Flags
    std::uint64_t mask = ~0ull;   // the bits of the field that hold the value
    std::uint8_t shift = 0;       // ... and where they start
    std::uint8_t firstBit = 0;    // Flags: the bits that are named
    std::uint8_t lastBit = 63;
    const char* none = nullptr;  // Flags: the text when none is set
    const char* unit = nullptr;  // Decimal: after the number ("MHz")
    const Special* specials = nullptr;
    std::uint8_t specialCount = 0;
    // With `hasEscape`, a value of `escape` hands over to the part that follows the field, when
    // the structure's Length covers it (the processor family's FEh, a count of FFh).
    bool hasEscape = false;
    std::uint64_t escape = 0;
    bool hasOmit = false;  // the field is left out when its value is `omit`
    std::uint64_t omit = 0;
    std::uint8_t omitFrom = 0;        // ... and the structure's Length is at least this
    const char* onlyIfKey = nullptr;  // shown only when that field is not 0
    bool onlyIfIs = false;            // ... or, with this, only when it is `onlyIfValue`
    std::uint64_t onlyIfValue = 0;
    Array array;  // an array when array.Present()
    // An array whose elements each open under a heading of their own, in place of the type's
    // title: the title when the structure holds one element, this text with '#' replaced by the
    // element's number (from 1) when it holds several. An element starts at each field of the row
    // that carries the row's label.
    const char* heading = nullptr;
    const char* afterKey = nullptr;  // placed `offset` bytes after the end of that array
    bool reference = false;          // refers to another structure (a handle, the processor ID)
    bool view = false;               // reads bytes that an earlier field describes
    const char* record = nullptr;    // the member of the C++ record that holds it
    // Shown only in tables of versions from `layoutFrom` up to, not including, `layoutBefore`:
    // the rows of a layout that a later version of the standard replaced.
    std::uint16_t layoutFrom = 0;
    std::uint16_t layoutBefore = 0xFFFF;

    // Setters for the rows: Row(...).Shown(0x12).Names(...)
    constexpr FieldDef Shown(std::uint8_t length) const {
        FieldDef f = *this;
        f.shownFrom = length;
        return f;
    }
    constexpr FieldDef As(Format how) const {
        FieldDef f = *this;
        f.format = how;
        return f;
    }
    constexpr FieldDef Names(ksmbios_name_list list) const {
        FieldDef f = *this;
        f.names = list;
        return f;
    }
    constexpr FieldDef Bits(std::uint64_t bits, std::uint8_t first) const {
        FieldDef f = *this;
        f.mask = bits;
        f.shift = first;
        return f;
    }
    constexpr FieldDef Named(std::uint8_t first, std::uint8_t last, const char* whenNone) const {
        FieldDef f = *this;
        f.firstBit = first;
        f.lastBit = last;
        f.none = whenNone;
        return f;
    }
    constexpr FieldDef Unit(const char* text) const {
        FieldDef f = *this;
        f.unit = text;
        return f;
    }
    template <std::size_t N>
    constexpr FieldDef Specials(const Special (&list)[N]) const {
        FieldDef f = *this;
        f.specials = list;
        f.specialCount = static_cast<std::uint8_t>(N);
        return f;
    }
    constexpr FieldDef Escape(std::uint64_t value) const {
        FieldDef f = *this;
        f.hasEscape = true;
        f.escape = value;
        return f;
    }
    constexpr FieldDef Omit(std::uint64_t value) const {
        FieldDef f = *this;
        f.hasOmit = true;
        f.omit = value;
        return f;
    }
    constexpr FieldDef OmitFrom(std::uint64_t value, std::uint8_t length) const {
        FieldDef f = Omit(value);
        f.omitFrom = length;
        return f;
    }
    constexpr FieldDef OnlyIf(const char* key) const {
        FieldDef f = *this;
        f.onlyIfKey = key;
        return f;
    }
    constexpr FieldDef OnlyIfIs(const char* key, std::uint64_t value) const {
        FieldDef f = OnlyIf(key);
        f.onlyIfIs = true;
        f.onlyIfValue = value;
        return f;
    }
    constexpr FieldDef Elements(const char* countKey, std::uint8_t stride) const {
        FieldDef f = *this;
        f.array = {countKey, nullptr, stride, false};
        return f;
    }
    constexpr FieldDef Elements(const char* countKey, const char* strideKey) const {
        FieldDef f = *this;
        f.array = {countKey, strideKey, 0, false};
        return f;
    }
    constexpr FieldDef ElementsToEnd(std::uint8_t stride) const {
        FieldDef f = *this;
        f.array = {nullptr, nullptr, stride, true};
        return f;
    }
    constexpr FieldDef Headed(const char* text) const {
        FieldDef f = *this;
        f.heading = text;
        return f;
    }
    constexpr FieldDef After(const char* arrayKey) const {
        FieldDef f = *this;
        f.afterKey = arrayKey;
        return f;
    }
    constexpr FieldDef Reference() const {
        FieldDef f = *this;
        f.reference = true;
        return f;
    }
    constexpr FieldDef View() const {
        FieldDef f = *this;
        f.view = true;
        return f;
    }
    constexpr FieldDef Layout(std::uint16_t from, std::uint16_t before) const {
        FieldDef f = *this;
        f.layoutFrom = from;
        f.layoutBefore = before;
        return f;
    }
    constexpr FieldDef Record(const char* member) const {
        FieldDef f = *this;
        f.record = member;
        return f;
    }
};

// Table versions, as major * 256 + minor.
constexpr std::uint16_t V2_0 = 0x0200, V2_1 = 0x0201, V2_2 = 0x0202, V2_3 = 0x0203, V2_4 = 0x0204,
                        V2_5 = 0x0205, V2_6 = 0x0206, V2_7 = 0x0207, V2_8 = 0x0208, V3_0 = 0x0300,
                        V3_1 = 0x0301, V3_2 = 0x0302, V3_3 = 0x0303, V3_4 = 0x0304, V3_5 = 0x0305,
                        V3_6 = 0x0306, V3_7 = 0x0307, V3_8 = 0x0308, V3_9 = 0x0309;

// A field row: key, label, offset, width, the version that introduced it, and its kind.
constexpr FieldDef Row(const char* key, const char* label, std::uint8_t offset, std::uint8_t width,
                       std::uint16_t since, Kind kind) {
    FieldDef f{};
    f.key = key;
    f.label = label;
    f.offset = offset;
    f.width = width;
    f.since = since;
    f.kind = kind;
    return f;
}

struct TypeDef {
    std::uint8_t type;
    const char* key;      // stable: "memory_device"
    const char* title;    // the heading as dmidecode writes it: "Base Board Information"
    const char* name;     // the C++ record's title: "Baseboard Information"; null without one
    const char* keyword;  // dmidecode's -t keyword that selects it, or null
    const FieldDef* fields;
    std::size_t fieldCount;
};

// The described types, in the order of their numbers.
const TypeDef* Types();
std::size_t TypeCount();

// The row of structure type `type`, or null when the schema does not describe it.
const TypeDef* FindType(std::uint8_t type);

// The row that describes structures of `type`: its own, or for a type that the schema does not
// describe, the row that shows any structure as its bytes and strings (an OEM-specific type from
// 128 on, an unknown type below).
const TypeDef& Describing(std::uint8_t type);

// The rows that show any structure undecoded: its header and data bytes, then its strings.
const TypeDef& Undecoded();

// Row `index`: the described types (0 to TypeCount() - 1), then the rows of undescribed
// OEM-specific types (TypeCount()) and of undescribed numbers below 128 (TypeCount() + 1); null
// past them.
const TypeDef* TypeRow(std::size_t index);
std::size_t RowIndex(const TypeDef& row);

// The row of field `key` of `type`, or null.
const FieldDef* FindField(const TypeDef& type, const char* key);

}  // namespace kelvo::shared::smbios::schema
