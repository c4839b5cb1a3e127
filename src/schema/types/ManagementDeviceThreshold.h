#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 36, Management Device Threshold Data: signed words in the component's unit, 8000h for a
// threshold that is not given.
// clang-format off
#define KELVO_THRESHOLD(key, label, offset)                                              \
    Row("management_device_threshold." key, label, offset, 2, V2_3, Kind::Decimal)       \
        .Shown(0x10).Omit(0x8000).As(Format::Signed)
inline constexpr FieldDef kManagementDeviceThresholdFields[] = {
    KELVO_THRESHOLD("lower_non_critical", "Lower Non-critical Threshold", 0x04),
    KELVO_THRESHOLD("upper_non_critical", "Upper Non-critical Threshold", 0x06),
    KELVO_THRESHOLD("lower_critical", "Lower Critical Threshold", 0x08),
    KELVO_THRESHOLD("upper_critical", "Upper Critical Threshold", 0x0A),
    KELVO_THRESHOLD("lower_non_recoverable", "Lower Non-recoverable Threshold", 0x0C),
    KELVO_THRESHOLD("upper_non_recoverable", "Upper Non-recoverable Threshold", 0x0E),
};
#undef KELVO_THRESHOLD
// clang-format on

inline constexpr TypeDef kManagementDeviceThreshold =
    Type(36, "management_device_threshold", "Management Device Threshold Data", nullptr, nullptr,
         kManagementDeviceThresholdFields);

}  // namespace kelvo::shared::smbios::schema
