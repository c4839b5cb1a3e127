#include <smbios/TypeOemStrings.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "decode/FieldOperations.h"
#include "decode/RecordDecoder.h"

namespace kelvo::shared::smbios {

namespace {

constexpr std::uint64_t kRefused = ~std::uint64_t{0};

// A fresh copy of the source's area, or null when it has none. Allocation failure throws.
// A size of 0 with a non-zero Count would call for measuring Count strings, but such an area
// holds no bytes to measure: the copy gets an empty area of its own and keeps the size 0. A
// negative size (only hand-built records have one) likewise gives an empty area.
char* CopyArea(const TypeOemStrings& source) {
    if (source.Strings == nullptr) return nullptr;
    const std::size_t size =
        source.StringsSize > 0 ? static_cast<std::size_t>(source.StringsSize) : 0;
    char* area = new char[size];
    if (size != 0) std::memcpy(area, source.Strings, size);
    return area;
}

}  // namespace

// A record that was never decoded has no area and a size of 1.
TypeOemStrings::TypeOemStrings() {
    detail::InitFields(*this);
    StringsSize = 1;
}

TypeOemStrings::TypeOemStrings(const TypeOemStrings& other) : Strings(CopyArea(other)) {
    detail::CopyFields(*this, other);
}

TypeOemStrings& TypeOemStrings::operator=(const TypeOemStrings& other) {
    if (this == &other) return *this;
    // Copy first: if the allocation throws, this record is left as it was.
    char* area = CopyArea(other);
    detail::AssignFields(*this, other);
    delete[] Strings;
    Strings = area;
    return *this;
}

TypeOemStrings::~TypeOemStrings() { detail::ReleaseFields(*this); }

std::uint64_t TypeOemStrings::GetOemStrings(char** out) const {
    if (Strings == nullptr || StringsSize < 1 || out == nullptr) return kRefused;
    if (StringsSize == 1 || Strings[0] == '\0') return 0;

    const auto size = static_cast<std::size_t>(StringsSize);
    std::size_t position = 0;
    std::uint64_t count = 0;
    while (position < size && count < Count) {
        // The last string may lack its NUL; it then ends with the area.
        const std::size_t length = strnlen(Strings + position, size - position);
        out[count++] = detail::DuplicateString(std::string_view(Strings + position, length));
        position += length + 1;
        // An empty string ends the set.
        if (position >= size || Strings[position] == '\0') break;
    }
    return count;
}

namespace detail {

// The area holds the strings up to and including the NUL that is followed by the set's closing
// NUL. Read by version it runs from offset 05h, whatever the structure's Length says; read within
// the Length, it is the structure's string set. Bytes past the end of the table read as NUL, so
// strings that run into the end are cut there and still end with a NUL.
void DecodeSpecial(const StructureReader& s, TypeOemStrings& record) {
    std::string area;
    if (record.Count != 0) {
        std::uint64_t at = s.withinLength ? s.length : 0x05;
        std::uint8_t byte = s.Read<std::uint8_t>(at++);
        if (byte != 0) {
            for (;;) {
                area.push_back(static_cast<char>(byte));
                const std::uint8_t next = s.Read<std::uint8_t>(at++);
                if (byte == 0 && next == 0) break;
                byte = next;
            }
        }
    }
    record.Strings = new char[area.size()];
    if (!area.empty()) std::memcpy(record.Strings, area.data(), area.size());
    record.StringsSize = static_cast<std::int32_t>(area.size());
}

}  // namespace detail
}  // namespace kelvo::shared::smbios
