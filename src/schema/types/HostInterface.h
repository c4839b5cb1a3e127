#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 42, Management Controller Host Interface. From 3.2: the interface's type, its type-specific
// data (a count of bytes, then the bytes) and the protocol records that follow them; a network host
// interface's data name its device, its protocols are listed by ID. Before 3.2 the data had no
// count in front, so nothing after them can be found: only the type is read, and an OEM
// interface's vendor (its IANA enterprise number, MSB first) from the four bytes that follow it.
// clang-format off
inline constexpr FieldDef kHostInterfaceFields[] = {
    Row("host_interface.type_before_3_2", "Interface Type", 0x04, 1, V2_7, Kind::Enum)
        .Shown(0x05).Names(KSMBIOS_NAMES_HOST_INTERFACE_TYPE).Layout(0, V3_2),
    Row("host_interface.vendor_id_before_3_2", "Vendor ID", 0x05, 4, V2_7, Kind::Hex).Shown(0x09)
        .OnlyIfIs("host_interface.type_before_3_2", 0xF0).As(Format::BytesInOrder)
        .Layout(0, V3_2),
    Row("host_interface.interface_type", "Host Interface Type", 0x04, 1, V2_7, Kind::Enum)
        .Shown(0x0B).Names(KSMBIOS_NAMES_HOST_INTERFACE_TYPE).Layout(V3_2, 0xFFFF),
    Row("host_interface.interface_data_length", "", 0x05, 1, V3_2, Kind::Part)
        .Layout(V3_2, 0xFFFF),
    Row("host_interface.interface_data", "Device Type", 0x06, 1, V3_2, Kind::Bytes).Shown(0x0B)
        .Elements("host_interface.interface_data_length", 1).As(Format::HostInterfaceData)
        .Names(KSMBIOS_NAMES_HOST_INTERFACE_DEVICE_TYPE).Layout(V3_2, 0xFFFF),
};
// clang-format on

inline constexpr TypeDef kHostInterface =
    Type(42, "host_interface", "Management Controller Host Interface", nullptr, nullptr,
         kHostInterfaceFields);

}  // namespace kelvo::shared::smbios::schema
