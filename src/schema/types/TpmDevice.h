#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 43, TPM Device.
// clang-format off
inline constexpr FieldDef kTpmDeviceFields[] = {
    Row("tpm_device.vendor_id", "Vendor ID", 0x04, 4, V3_1, Kind::Text).Shown(0x1B)
        .As(Format::VendorText),
    Row("tpm_device.major_spec_version", "Specification Version", 0x08, 1, V3_1, Kind::Text)
        .Shown(0x1B).As(Format::DottedPair),
    Row("tpm_device.minor_spec_version", "", 0x09, 1, V3_1, Kind::Part),
    // Its meaning follows the major version: TPM 1.2's version structure, or TPM 2.0's
    // firmware version (the second dword is the vendor's own).
    Row("tpm_device.firmware_version_1", "Firmware Revision", 0x0A, 4, V3_1, Kind::Text)
        .Shown(0x1B).As(Format::TpmFirmware),
    Row("tpm_device.firmware_version_2", "", 0x0E, 4, V3_1, Kind::Part),
    Row("tpm_device.description", "Description", 0x12, 1, V3_1, Kind::String).Shown(0x1B),
    // Bit 2: none of the others means anything.
    Row("tpm_device.characteristics", "Characteristics", 0x13, 8, V3_1, Kind::Flags).Shown(0x1B)
        .Names(KSMBIOS_NAMES_TPM_CHARACTERISTIC_BITS).Named(3, 5, "")
        .As(Format::TpmCharacteristics),
    Row("tpm_device.oem_defined", "OEM-specific Information", 0x1B, 4, V3_1, Kind::Hex)
        .Shown(0x1F),
};
// clang-format on

inline constexpr TypeDef kTpmDevice =
    Type(43, "tpm_device", "TPM Device", nullptr, nullptr, kTpmDeviceFields);

}  // namespace kelvo::shared::smbios::schema
