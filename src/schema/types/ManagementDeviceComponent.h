#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 35, Management Device Component: a probe or cooling device that a management device
// watches, and the thresholds it watches it against.
// clang-format off
inline constexpr FieldDef kManagementDeviceComponentFields[] = {
    Row("management_device_component.description", "Description", 0x04, 1, V2_3, Kind::String)
        .Shown(0x0B),
    Row("management_device_component.management_device_handle", "Management Device Handle", 0x05,
        2, V2_3, Kind::Handle).Shown(0x0B).Reference(),
    Row("management_device_component.component_handle", "Component Handle", 0x07, 2, V2_3,
        Kind::Handle).Shown(0x0B).Reference(),
    // FFFFh: no thresholds.
    Row("management_device_component.threshold_handle", "Threshold Handle", 0x09, 2, V2_3,
        Kind::Handle).Shown(0x0B).Omit(0xFFFF).Reference(),
};
// clang-format on

inline constexpr TypeDef kManagementDeviceComponent =
    Type(35, "management_device_component", "Management Device Component", nullptr, nullptr,
         kManagementDeviceComponentFields);

}  // namespace kelvo::shared::smbios::schema
