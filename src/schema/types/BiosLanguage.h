#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 13, BIOS Language Information. The Flags byte was reserved before 2.1, at the same
// Length: only the table's version tells that it means something.
// clang-format off
inline constexpr FieldDef kBiosLanguageFields[] = {
    Row("bios_language.flags", "Language Description Format", 0x05, 1, V2_1, Kind::Enum)
        .Shown(0x16).Bits(0x01, 0).Names(KSMBIOS_NAMES_LANGUAGE_FORMAT)
        .As(Format::LanguageFormat),
    // The count, then the strings 1 to the count.
    Row("bios_language.installable_languages", "Installable Languages", 0x04, 1, V2_0,
        Kind::Decimal).Shown(0x16).As(Format::StringList),
    Row("bios_language.current_language", "Currently Installed Language", 0x15, 1, V2_0,
        Kind::String).Shown(0x16),
};
// clang-format on

inline constexpr TypeDef kBiosLanguage =
    Type(13, "bios_language", "BIOS Language Information", nullptr, "bios", kBiosLanguageFields);

}  // namespace kelvo::shared::smbios::schema
