#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 10, On Board Devices Information (obsolete since 2.6): from 04h to the end of the
// structure, two bytes a device: its type (bits 6:0) and status (bit 7), then its description.
// Each device is headed on its own, numbered when the structure holds several.
// clang-format off
inline constexpr FieldDef kOnBoardDevicesFields[] = {
    Row("on_board_devices.devices", "Type", 0x04, 2, V2_0, Kind::Text).Shown(0x06)
        .Names(KSMBIOS_NAMES_ONBOARD_DEVICE_TYPE).Specials(kDeviceStatus)
        .As(Format::OnBoardDevices).ElementsToEnd(2).Headed("On Board Device # Information"),
};
// clang-format on

inline constexpr TypeDef kOnBoardDevices =
    Type(10, "on_board_devices", "On Board Device Information", nullptr, "baseboard",
         kOnBoardDevicesFields);

}  // namespace kelvo::shared::smbios::schema
