#include <smbios/TypeOemStrings.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

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

TypeOemStrings::TypeOemStrings() : Count(0), Strings(nullptr), StringsSize(1) {}

TypeOemStrings::TypeOemStrings(const TypeOemStrings& other)
    : Count(other.Count), Strings(CopyArea(other)), StringsSize(other.StringsSize) {}

TypeOemStrings& TypeOemStrings::operator=(const TypeOemStrings& other) {
    if (this == &other) return *this;
    // Copy first: if the allocation throws, this record is left as it was.
    char* area = CopyArea(other);
    Count = other.Count;
    StringsSize = other.StringsSize;
    delete[] Strings;
    Strings = area;
    return *this;
}

TypeOemStrings::~TypeOemStrings() {
    delete[] Strings;
    Strings = nullptr;
}

std::uint64_t TypeOemStrings::GetOemStrings(char** out) const {
    if (Strings == nullptr || StringsSize < 1 || out == nullptr) return kRefused;
    if (StringsSize == 1 || Strings[0] == '\0') return 0;

    const auto size = static_cast<std::size_t>(StringsSize);
    std::size_t position = 0;
    std::uint64_t count = 0;
    while (position < size && count < Count) {
        // The last string may lack its NUL; it then ends with the area.
        const std::size_t length = strnlen(Strings + position, size - position);
        out[count++] = pimpl::DuplicateString(std::string_view(Strings + position, length));
        position += length + 1;
        // An empty string ends the set.
        if (position >= size || Strings[position] == '\0') break;
    }
    return count;
}

namespace pimpl {

void DecodeOemStrings(ParseState& state, FieldCursor& fields) {
    TypeOemStrings& record = state.current.oemStrings;
    if (state.version < SMBiosSpecVersion::V2_0) return;
    record.StringsSize = 0;
    record.Count = fields.Byte();
    delete[] record.Strings;
    record.Strings = nullptr;

    // The area runs from offset 05h, whatever the structure's Length says, up to and
    // including the NUL that is followed by the set's closing NUL. Bytes past the end of the
    // table read as NUL, so strings that run into the end are cut there and still end with a
    // NUL.
    std::string area;
    if (record.Count != 0) {
        std::uint8_t byte = fields.Byte();
        if (byte != 0) {
            for (;;) {
                area.push_back(static_cast<char>(byte));
                const std::uint8_t next = fields.Byte();
                if (byte == 0 && next == 0) break;
                byte = next;
            }
        }
    }
    record.Strings = new char[area.size()];
    if (!area.empty()) std::memcpy(record.Strings, area.data(), area.size());
    record.StringsSize = static_cast<std::int32_t>(area.size());
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
