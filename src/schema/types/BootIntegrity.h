#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 31, Boot Integrity Services (BIS) Entry Point. The checksum makes the structure's bytes
// add up to 0; the 16-bit entry point is a segment (high word) and an offset.
// clang-format off
inline constexpr FieldDef kBootIntegrityFields[] = {
    Row("boot_integrity.checksum", "Checksum", 0x04, 1, V2_3, Kind::Text).Shown(0x1C)
        .As(Format::StructureChecksum),
    Row("boot_integrity.bis_entry_16", "16-bit Entry Point Address", 0x08, 4, V2_3, Kind::Text)
        .Shown(0x1C).As(Format::SegmentOffset),
    Row("boot_integrity.bis_entry_32", "32-bit Entry Point Address", 0x0C, 4, V2_3, Kind::Hex)
        .Shown(0x1C),
};
// clang-format on

inline constexpr TypeDef kBootIntegrity =
    Type(31, "boot_integrity", "Boot Integrity Services Entry Point", nullptr, nullptr,
         kBootIntegrityFields);

}  // namespace kelvo::shared::smbios::schema
