#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 40, Additional Information: entries of their own lengths, each naming a field of another
// structure (its handle and offset), a string and a value of 1, 2 or 4 bytes.
// clang-format off
inline constexpr FieldDef kAdditionalInformationFields[] = {
    Row("additional_information.entry_count", "", 0x04, 1, V2_6, Kind::Part),
    Row("additional_information.entries", "Additional Information", 0x05, 1, V2_6, Kind::Text)
        .Shown(0x06).As(Format::AdditionalInformation).Reference(),
};
// clang-format on

inline constexpr TypeDef kAdditionalInformation =
    Type(40, "additional_information", "Additional Information", nullptr, nullptr,
         kAdditionalInformationFields);

}  // namespace kelvo::shared::smbios::schema
