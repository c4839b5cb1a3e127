// The schema's accessors, and the checks that its rows hold together, made when it compiles.
#include "schema/Schema.h"

#include <initializer_list>

#include "schema/Types.h"
#include "schema/types/Undescribed.h"

namespace kelvo::shared::smbios::schema {

namespace {

// How many names lists there are: their identifiers run from 1 to this.
constexpr ksmbios_name_list kNamesLists = 0
#define KELVO_NAMES(id, list) +1
#include "schema/NameLists.def"
#undef KELVO_NAMES
    ;

constexpr bool Same(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

// The index of field `key` of `type`, or its field count. (Indexes rather than pointers: GCC's
// undefined-behaviour sanitizer makes a comparison of an element's address non-constant.)
constexpr std::size_t Find(const TypeDef& type, const char* key) {
    std::size_t i = 0;
    while (i < type.fieldCount && !Same(type.fields[i].key, key)) ++i;
    return i;
}

// "memory_device.size" belongs to "memory_device".
constexpr bool KeyOfType(const char* key, const char* type) {
    while (*type != '\0' && *key == *type) ++key, ++type;
    return *type == '\0' && *key == '.';
}

// The bits of the structure that a field at a fixed place holds, as a mask over bytes
// [offset, offset + width): true when two such fields share a bit.
constexpr bool Overlap(const FieldDef& a, const FieldDef& b) {
    for (unsigned byte = a.offset; byte < a.offset + a.width; ++byte) {
        if (byte < b.offset || byte >= b.offset + b.width) continue;
        const unsigned shiftA = 8 * (byte - a.offset);
        const unsigned shiftB = 8 * (byte - b.offset);
        const std::uint64_t bitsA = shiftA < 64 ? (a.mask >> shiftA) & 0xFF : 0xFF;
        const std::uint64_t bitsB = shiftB < 64 ? (b.mask >> shiftB) & 0xFF : 0xFF;
        if ((bitsA & bitsB) != 0) return true;
    }
    return false;
}

// Rows of layouts that no table version shares may hold the same bits.
constexpr bool SharedLayout(const FieldDef& a, const FieldDef& b) {
    return a.layoutFrom < b.layoutBefore && b.layoutFrom < a.layoutBefore;
}

constexpr bool FixedPlace(const FieldDef& f) {
    return !f.array.Present() && f.afterKey == nullptr && !f.view;
}

// Every key that a row names exists in its type; no two fields at fixed places of one layout
// share a bit;
// a field with an escape value has the part it hands over to right after it; keys are the
// type's and unique; lists of names are only where they are read.
constexpr bool Consistent(const TypeDef& type) {
    for (std::size_t i = 0; i < type.fieldCount; ++i) {
        const FieldDef& f = type.fields[i];
        if (!KeyOfType(f.key, type.key) || Find(type, f.key) != i) return false;
        if (f.width == 0 || (f.kind == Kind::Part) != (f.label[0] == '\0')) return false;
        for (const char* key : {f.onlyIfKey, f.array.countKey, f.array.strideKey, f.afterKey}) {
            if (key != nullptr && Find(type, key) == type.fieldCount) return false;
        }
        if (f.afterKey != nullptr && !type.fields[Find(type, f.afterKey)].array.Present()) {
            return false;
        }
        if (f.hasEscape && (i + 1 == type.fieldCount || type.fields[i + 1].kind != Kind::Part)) {
            return false;
        }
        if ((f.kind == Kind::Enum || f.kind == Kind::Flags) && f.names == 0) return false;
        if (f.names < 0 || f.names > kNamesLists) return false;
        if (f.view) {
            bool inside = false;
            for (std::size_t j = 0; j < i; ++j) {
                const FieldDef& g = type.fields[j];
                inside = inside || (FixedPlace(g) && f.offset >= g.offset &&
                                    f.offset + f.width <= g.offset + g.width);
            }
            if (!inside) return false;
        }
        for (std::size_t j = 0; j < i && FixedPlace(f); ++j) {
            const FieldDef& g = type.fields[j];
            if (FixedPlace(g) && SharedLayout(f, g) && Overlap(f, g)) return false;
        }
    }
    return true;
}

constexpr bool AllConsistent() {
    for (std::size_t i = 0; i < sizeof kTypes / sizeof kTypes[0]; ++i) {
        if (i > 0 && kTypes[i - 1].type >= kTypes[i].type) return false;
        if (!Consistent(kTypes[i])) return false;
    }
    return Consistent(kOemSpecific) && Consistent(kUnknownType) && Consistent(kUndecoded);
}
static_assert(AllConsistent(), "a type's rows do not hold together");

}  // namespace

const TypeDef* Types() { return kTypes; }
std::size_t TypeCount() { return sizeof kTypes / sizeof kTypes[0]; }

const TypeDef* FindType(std::uint8_t type) {
    for (const TypeDef& row : kTypes) {
        if (row.type == type) return &row;
    }
    return nullptr;
}

const TypeDef& Describing(std::uint8_t type) {
    if (const TypeDef* row = FindType(type)) return *row;
    return type >= 128 ? kOemSpecific : kUnknownType;
}

const TypeDef& Undecoded() { return kUndecoded; }

const TypeDef* TypeRow(std::size_t index) {
    if (index < TypeCount()) return &kTypes[index];
    if (index == TypeCount()) return &kOemSpecific;
    return index == TypeCount() + 1 ? &kUnknownType : nullptr;
}

std::size_t RowIndex(const TypeDef& row) {
    if (&row == &kOemSpecific) return TypeCount();
    if (&row == &kUnknownType) return TypeCount() + 1;
    return static_cast<std::size_t>(&row - kTypes);
}

const FieldDef* FindField(const TypeDef& type, const char* key) {
    const std::size_t i = Find(type, key);
    return i < type.fieldCount ? &type.fields[i] : nullptr;
}

}  // namespace kelvo::shared::smbios::schema
