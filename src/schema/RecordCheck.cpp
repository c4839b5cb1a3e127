// The C++ records' descriptions (<smbios/RecordFields.h>, an installed header) place their
// fields too. They must agree with the schema, which this file proves when it compiles: every
// record field that a structure holds has the schema row that names it as its member, at the
// same offset, of the same width, from the same version, and every such row has its record
// field; each record's title is its type row's.
#include <smbios/RecordFields.h>

#include <cstddef>

#include "schema/Types.h"

namespace kelvo::shared::smbios::schema {

namespace {

constexpr bool Same(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

// Where a record field lies; `name` null for the members that no structure field holds.
struct Place {
    const char* name = nullptr;
    std::uint8_t offset = 0;
    std::size_t width = 0;
    std::uint16_t since = 0;
};
template <class B, class T>
constexpr Place PlaceOf(const fields::Number<B, T>& f) {
    return {f.name, f.offset, sizeof(T), f.since};
}
template <class B>
constexpr Place PlaceOf(const fields::String<B>& f) {
    return {f.name, f.offset, 1, f.since};
}
template <class B, std::size_t N>
constexpr Place PlaceOf(const fields::Bytes<B, N>& f) {
    return {f.name, f.offset, N, f.since};
}
template <class F>
constexpr Place PlaceOf(const F&) {
    return {};
}

// (Indexes rather than pointers: GCC's undefined-behaviour sanitizer makes a comparison of an
// element's address non-constant.)
constexpr std::size_t kTypeCount = sizeof kTypes / sizeof kTypes[0];
constexpr std::size_t TypeIndex(std::uint8_t type) {
    std::size_t i = 0;
    while (i < kTypeCount && kTypes[i].type != type) ++i;
    return i;
}

template <class Record>
constexpr bool Agrees() {
    const std::size_t index = TypeIndex(fields::Layout<Record>::type);
    if (index == kTypeCount) return false;
    const TypeDef& type = kTypes[index];
    if (type.name == nullptr || !Same(type.name, fields::Layout<Record>::title)) return false;
    bool agrees = true;
    std::size_t placed = 0;
    fields::ForEachRecordField<Record>([&](auto, const auto& field) {
        const Place place = PlaceOf(field);
        if (place.name == nullptr) return;
        ++placed;
        std::size_t i = 0;
        while (i < type.fieldCount &&
               (type.fields[i].record == nullptr || !Same(type.fields[i].record, place.name))) {
            ++i;
        }
        if (i == type.fieldCount) {
            agrees = false;
            return;
        }
        const FieldDef& row = type.fields[i];
        // An offset of 0: code places the field, and the row says after what.
        agrees = agrees && row.width == place.width && row.since == place.since &&
                 (place.offset == 0 ? row.afterKey != nullptr : row.offset == place.offset);
    });
    std::size_t rows = 0;
    for (std::size_t i = 0; i < type.fieldCount; ++i) rows += type.fields[i].record != nullptr;
    return agrees && rows == placed;
}

static_assert(Agrees<TypeBios>(), "BIOS record and schema differ");
static_assert(Agrees<TypeSysInfo>(), "System record and schema differ");
static_assert(Agrees<TypeBaseboard>(), "Baseboard record and schema differ");
static_assert(Agrees<TypeSystemEnclosure>(), "Enclosure record and schema differ");
static_assert(Agrees<TypeProcessor>(), "Processor record and schema differ");
static_assert(Agrees<SystemSlot>(), "Slot record and schema differ");
static_assert(Agrees<TypeOemStrings>(), "OEM strings record and schema differ");
static_assert(Agrees<TypePhysicalMemory>(), "Memory array record and schema differ");
static_assert(Agrees<TypeMemoryDevice>(), "Memory device record and schema differ");

}  // namespace

}  // namespace kelvo::shared::smbios::schema
