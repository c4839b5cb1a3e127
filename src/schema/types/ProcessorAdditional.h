#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 44, Processor Additional Information: a processor structure's architecture-specific
// block, its length, architecture and bytes.
// clang-format off
inline constexpr FieldDef kProcessorAdditionalFields[] = {
    Row("processor_additional.referenced_handle", "Referenced Handle", 0x04, 2, V3_3,
        Kind::Handle).Shown(0x08).Reference(),
    Row("processor_additional.block_length", "", 0x06, 1, V3_3, Kind::Part),
    Row("processor_additional.processor_type", "Processor Type", 0x07, 1, V3_3, Kind::Enum)
        .Shown(0x08).Names(KSMBIOS_NAMES_PROCESSOR_ARCHITECTURE),
    Row("processor_additional.processor_specific_data", "Processor-Specific Data", 0x08, 1, V3_3,
        Kind::Bytes).Shown(0x08).Elements("processor_additional.block_length", 1)
        .As(Format::HexLines),
};
// clang-format on

inline constexpr TypeDef kProcessorAdditional =
    Type(44, "processor_additional", "Processor Additional Information", nullptr, nullptr,
         kProcessorAdditionalFields);

}  // namespace kelvo::shared::smbios::schema
