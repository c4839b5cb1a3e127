#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 0, BIOS Information.
// clang-format off
inline constexpr FieldDef kBiosFields[] = {
    Row("bios.vendor", "Vendor", 0x04, 1, V2_0, Kind::String).Shown(0x12).Record("Vendor"),
    Row("bios.version", "Version", 0x05, 1, V2_0, Kind::String).Shown(0x12).Record("BIOSVersion"),
    Row("bios.release_date", "Release Date", 0x08, 1, V2_0, Kind::String).Shown(0x12)
        .Record("BIOSReleaseDate"),
    // UEFI firmware has no real-mode segment: no address and no runtime size.
    Row("bios.starting_address_segment", "Address", 0x06, 2, V2_0, Kind::Hex).Shown(0x12)
        .As(Format::BiosAddress).Omit(0).Record("BIOSStartingSegment"),
    Row("bios.runtime_size", "Runtime Size", 0x06, 2, V2_0, Kind::Size).Shown(0x12).View()
        .As(Format::BiosRuntimeSize).Omit(0),
    Row("bios.rom_size", "ROM Size", 0x09, 1, V2_0, Kind::Size).Shown(0x12)
        .As(Format::BiosRomSize).Record("BIOSROMSize"),
    Row("bios.extended_rom_size", "", 0x18, 2, V3_1, Kind::Part),
    Row("bios.characteristics", "Characteristics", 0x0A, 8, V2_0, Kind::Flags).Shown(0x12)
        .Names(KSMBIOS_NAMES_BIOS_CHARACTERISTICS_BITS).Named(4, 31, "")
        .As(Format::BiosCharacteristics).Record("BIOSCharacteristics"),
    Row("bios.characteristics_extension_1", "", 0x12, 1, V2_4, Kind::Part)
        .Names(KSMBIOS_NAMES_BIOS_EXTENSION1_BITS).Named(0, 7, "").Record("ExtensionByte1"),
    Row("bios.characteristics_extension_2", "", 0x13, 1, V2_4, Kind::Part)
        .Names(KSMBIOS_NAMES_BIOS_EXTENSION2_BITS).Named(0, 7, "").Record("ExtensionByte2"),
    Row("bios.system_bios_major_release", "BIOS Revision", 0x14, 1, V2_4, Kind::Text).Shown(0x18)
        .As(Format::Release).Record("SystemBIOSMajorRelease"),
    Row("bios.system_bios_minor_release", "", 0x15, 1, V2_4, Kind::Part)
        .Record("SystemBIOSMinorRelease"),
    Row("bios.embedded_controller_major_release", "Firmware Revision", 0x16, 1, V2_4, Kind::Text)
        .Shown(0x18).As(Format::Release).Record("EmbeddedFirmwareMajorRelease"),
    Row("bios.embedded_controller_minor_release", "", 0x17, 1, V2_4, Kind::Part)
        .Record("EmbeddedFirmwareMinorRelease"),
};
// clang-format on

inline constexpr TypeDef kBios =
    Type(0, "bios", "BIOS Information", "BIOS Information", "bios", kBiosFields);

}  // namespace kelvo::shared::smbios::schema
