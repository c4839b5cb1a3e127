// The names lists by identifier, and the checks, made when it compiles, that each list is at the
// number its identifier says and sorted by value. The structure titles come from the type rows.
#include "schema/Names.h"

#include <algorithm>
#include <array>
#include <utility>

#include "schema/Types.h"

namespace kelvo::shared::smbios::schema {

namespace {

constexpr std::size_t kTypeCount = sizeof kTypes / sizeof kTypes[0];

template <std::size_t... I>
constexpr std::array<Name, sizeof...(I)> Titles(std::index_sequence<I...>) {
    return {{Name{kTypes[I].type, kTypes[I].title}...}};
}
constexpr std::array<Name, kTypeCount> kStructureTitle =
    Titles(std::make_index_sequence<kTypeCount>());

template <std::size_t N>
constexpr NamesList Of(ksmbios_name_list id, const Name (&names)[N]) {
    return {id, names, N};
}
template <std::size_t N>
constexpr NamesList Of(ksmbios_name_list id, const std::array<Name, N>& names) {
    return {id, names.data(), N};
}

// Indexed by identifier; 0 names no list.
constexpr NamesList kLists[] = {
    {0, nullptr, 0},
#define KELVO_NAMES(id, list) Of(id, list),
#include "schema/NameLists.def"
#undef KELVO_NAMES
};
constexpr std::size_t kListCount = sizeof kLists / sizeof kLists[0];

constexpr bool InPlaceAndSorted() {
    for (std::size_t i = 1; i < kListCount; ++i) {
        if (kLists[i].id != static_cast<ksmbios_name_list>(i) || kLists[i].count == 0) {
            return false;
        }
        for (std::size_t j = 1; j < kLists[i].count; ++j) {
            if (kLists[i].names[j - 1].value >= kLists[i].names[j].value) return false;
        }
    }
    return true;
}
static_assert(InPlaceAndSorted(), "a names list is out of place or out of order");

}  // namespace

const NamesList* FindNames(ksmbios_name_list list) {
    if (list <= 0 || static_cast<std::size_t>(list) >= kListCount) return nullptr;
    return &kLists[list];
}

const Name* FindName(ksmbios_name_list list, std::uint32_t value) {
    const NamesList* names = FindNames(list);
    if (names == nullptr) return nullptr;
    const Name* end = names->names + names->count;
    const Name* found = std::lower_bound(
        names->names, end, value, [](const Name& name, std::uint32_t v) { return name.value < v; });
    if (found != end && found->value == value) return found;
    for (const NameRange& range : kNameRanges) {
        if (range.id == list && value >= range.name.value && value <= range.last) {
            return &range.name;
        }
    }
    return nullptr;
}

}  // namespace kelvo::shared::smbios::schema
