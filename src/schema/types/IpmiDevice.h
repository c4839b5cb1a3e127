#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 38, IPMI Device Information. The byte at 10h (2.3 layouts of 12h bytes) holds the base
// address's lowest bit, the register spacing and, with bit 3, the interrupt's polarity and mode.
// clang-format off
inline constexpr FieldDef kIpmiDeviceFields[] = {
    Row("ipmi_device.interface_type", "Interface Type", 0x04, 1, V2_3, Kind::Enum).Shown(0x10)
        .Names(KSMBIOS_NAMES_IPMI_INTERFACE_TYPE),
    Row("ipmi_device.specification_revision", "Specification Version", 0x05, 1, V2_3, Kind::Text)
        .Shown(0x10).As(Format::NibblePair),
    Row("ipmi_device.i2c_target_address", "I2C Slave Address", 0x06, 1, V2_3, Kind::Hex)
        .Shown(0x10).Bits(0xFE, 1).As(Format::LowerHex),
    // FFh: there is none.
    Row("ipmi_device.nv_storage_device_address", "NV Storage Device Address", 0x07, 1, V2_3,
        Kind::Decimal).Shown(0x10).As(Format::NvStorageDevice),
    // Bit 0 (with the modifier's bit) says I/O space or memory; SSIF gives an SMBus address.
    Row("ipmi_device.base_address", "Base Address", 0x08, 8, V2_3, Kind::Hex).Shown(0x10)
        .As(Format::IpmiBaseAddress),
    Row("ipmi_device.base_address_lsb", "", 0x10, 1, V2_3, Kind::Part).Shown(0x11)
        .Bits(0x10, 4),
    // Bits 7:6 the register spacing; with bit 3, bit 1 the interrupt's polarity and bit 0 its
    // trigger mode. An SSIF interface has none of them.
    Row("ipmi_device.register_spacing", "Register Spacing", 0x10, 1, V2_3, Kind::Enum)
        .Shown(0x12).Bits(0xCF, 0).Names(KSMBIOS_NAMES_IPMI_REGISTER_SPACING)
        .As(Format::IpmiModifier),
    // 0: no interrupt.
    Row("ipmi_device.interrupt_number", "Interrupt Number", 0x11, 1, V2_3, Kind::Decimal)
        .Shown(0x12).Omit(0),
};
// clang-format on

inline constexpr TypeDef kIpmiDevice =
    Type(38, "ipmi_device", "IPMI Device Information", nullptr, nullptr, kIpmiDeviceFields);

}  // namespace kelvo::shared::smbios::schema
