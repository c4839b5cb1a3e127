#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 41, Onboard Devices Extended Information.

// clang-format off
inline constexpr FieldDef kOnboardDeviceExtendedFields[] = {
    Row("onboard_device_extended.reference_designation", "Reference Designation", 0x04, 1, V2_6,
        Kind::String).Shown(0x0B),
    Row("onboard_device_extended.device_type", "Type", 0x05, 1, V2_6, Kind::Enum).Shown(0x0B)
        .Bits(0x7F, 0).Names(KSMBIOS_NAMES_ONBOARD_DEVICE_TYPE),
    Row("onboard_device_extended.device_status", "Status", 0x05, 1, V2_6, Kind::Decimal)
        .Shown(0x0B).Bits(0x80, 7).Specials(kDeviceStatus),
    Row("onboard_device_extended.device_type_instance", "Type Instance", 0x06, 1, V2_6,
        Kind::Decimal).Shown(0x0B),
    Row("onboard_device_extended.segment_group_number", "Bus Address", 0x07, 2, V2_6, Kind::Text)
        .Shown(0x0B).As(Format::BusAddress),
    Row("onboard_device_extended.bus_number", "", 0x09, 1, V2_6, Kind::Part),
    Row("onboard_device_extended.device_function_number", "", 0x0A, 1, V2_6, Kind::Part),
};
// clang-format on

inline constexpr TypeDef kOnboardDeviceExtended =
    Type(41, "onboard_device_extended", "Onboard Device", nullptr, "baseboard",
         kOnboardDeviceExtendedFields);

}  // namespace kelvo::shared::smbios::schema
