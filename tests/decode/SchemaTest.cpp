// The schema as a host walks it (schema/Schema.h): its rows hold together and agree with the C++
// records' own descriptions.
#include "schema/Schema.h"

#include <gtest/gtest.h>

#include <smbios/RecordFields.h>
#include <smbios/kelvo_smbios_names.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

namespace fields = kelvo::shared::smbios::fields;
using namespace kelvo::shared::smbios::schema;

// The bit `bit` of the structure's byte `byte` belongs to the field.
bool Holds(const FieldDef& f, unsigned byte, unsigned bit) {
    if (byte < f.offset || byte >= f.offset + f.width) return false;
    const unsigned shift = 8 * (byte - f.offset) + bit;
    return shift >= 64 || (f.mask >> shift & 1u) != 0;
}

bool FixedPlace(const FieldDef& f) {
    return !f.array.Present() && f.afterKey == nullptr && !f.view;
}

TEST(SchemaTest, NoTwoFieldsShareABit) {
    for (std::size_t t = 0; t < TypeCount(); ++t) {
        const TypeDef& type = Types()[t];
        for (unsigned byte = 0; byte < 256; ++byte) {
            for (unsigned bit = 0; bit < 8; ++bit) {
                std::string holders;
                for (std::size_t i = 0; i < type.fieldCount; ++i) {
                    const FieldDef& f = type.fields[i];
                    if (FixedPlace(f) && Holds(f, byte, bit)) holders += std::string(" ") + f.key;
                }
                EXPECT_LE(std::count(holders.begin(), holders.end(), ' '), 1)
                    << "byte " << byte << " bit " << bit << ":" << holders;
            }
        }
    }
}

TEST(SchemaTest, EveryNamesListThatARowReadsHasNames) {
    for (std::size_t t = 0; t < TypeCount(); ++t) {
        const TypeDef& type = Types()[t];
        for (std::size_t i = 0; i < type.fieldCount; ++i) {
            const FieldDef& f = type.fields[i];
            if (f.names == 0) continue;
            int named = 0;
            for (std::uint32_t value = 0; value < 0x200; ++value) {
                named += ksmbios_name(f.names, value) != nullptr;
            }
            EXPECT_GT(named, 0) << f.key;
        }
    }
}

// Where a record field lies; no name for the members that no structure field holds.
struct Place {
    const char* name = nullptr;
    unsigned offset = 0;
    std::size_t width = 0;
    unsigned since = 0;
};
template <class B, class T>
Place PlaceOf(const fields::Number<B, T>& f) {
    return {f.name, f.offset, sizeof(T), f.since};
}
template <class B>
Place PlaceOf(const fields::String<B>& f) {
    return {f.name, f.offset, 1, f.since};
}
template <class B, std::size_t N>
Place PlaceOf(const fields::Bytes<B, N>& f) {
    return {f.name, f.offset, N, f.since};
}
template <class F>
Place PlaceOf(const F&) {
    return {};
}

// Each record field that a structure holds has the row that names its member, at its offset (or
// placed after an array when code places it), as wide, from the same version; each record's
// title is its type row's.
TEST(SchemaTest, EveryRecordFieldAgreesWithItsRow) {
    int checked = 0;
    fields::ForEachRecord([&](auto* none) {
        using Record = std::remove_const_t<std::remove_pointer_t<decltype(none)>>;
        const TypeDef* type = FindType(fields::Layout<Record>::type);
        ASSERT_NE(type, nullptr) << fields::Layout<Record>::name;
        EXPECT_STREQ(type->name, fields::Layout<Record>::title);
        fields::ForEachRecordField<Record>([&](auto, const auto& f) {
            const Place place = PlaceOf(f);
            if (place.name == nullptr) return;
            const FieldDef* row = nullptr;
            for (std::size_t i = 0; i < type->fieldCount; ++i) {
                const char* member = type->fields[i].record;
                if (member != nullptr && std::strcmp(member, place.name) == 0)
                    row = &type->fields[i];
            }
            ASSERT_NE(row, nullptr) << fields::Layout<Record>::name << "." << place.name;
            EXPECT_EQ(place.offset == 0 ? row->afterKey != nullptr : row->offset == place.offset,
                      true)
                << row->key;
            EXPECT_EQ(row->width, place.width) << row->key;
            EXPECT_EQ(row->since, place.since) << row->key;
            ++checked;
        });
    });
    EXPECT_GT(checked, 60);
}

}  // namespace
