#pragma once

#include <cstdint>

#include <smbios/Export.h>

namespace kelvo::shared::smbios {

// OEM Strings, structure type 11.
struct KELVO_SMBIOS_API TypeOemStrings {
    // The structure's Count byte as read; independent of the strings the area holds.
    std::uint8_t Count;
    // The strings back to back, each with its NUL, without the set's closing NUL. Owned
    // (released with delete[]); null when there is no area. An area may hold 0 bytes.
    char* Strings;
    // Bytes in Strings; 1 for a record that was never decoded.
    std::int32_t StringsSize;

    TypeOemStrings();
    TypeOemStrings(const TypeOemStrings& other);
    TypeOemStrings& operator=(const TypeOemStrings& other);
    ~TypeOemStrings();

    // Copies at most Count strings into out[0..n-1] and returns n. Each copy is a new heap
    // string that the caller releases with delete[]. Returns UINT64_MAX and writes nothing when
    // there is no area, StringsSize is below 1 or out is null; returns 0 when the area holds
    // no string.
    std::uint64_t GetOemStrings(char** out) const;
};

}  // namespace kelvo::shared::smbios
