#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 42, Management Controller Host Interface: the interface's type, its type-specific data
// (a count of bytes, then the bytes) and the protocol records that follow them. A network host
// interface's data name its device; its protocols are listed by ID.
// clang-format off
inline constexpr FieldDef kHostInterfaceFields[] = {
    Row("host_interface.interface_type", "Host Interface Type", 0x04, 1, V2_7, Kind::Enum)
        .Shown(0x0B).Names(KSMBIOS_NAMES_HOST_INTERFACE_TYPE),
    Row("host_interface.interface_data_length", "", 0x05, 1, V3_0, Kind::Part),
    Row("host_interface.interface_data", "Device Type", 0x06, 1, V3_0, Kind::Bytes).Shown(0x0B)
        .Elements("host_interface.interface_data_length", 1).As(Format::HostInterfaceData)
        .Names(KSMBIOS_NAMES_HOST_INTERFACE_DEVICE_TYPE),
};
// clang-format on

inline constexpr TypeDef kHostInterface =
    Type(42, "host_interface", "Management Controller Host Interface", nullptr, nullptr,
         kHostInterfaceFields);

}  // namespace kelvo::shared::smbios::schema
