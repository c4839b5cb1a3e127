#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 5, Memory Controller Information (obsolete since 2.1): the slots' handles, then from 2.1
// the enabled error correcting capabilities after them.
// clang-format off
inline constexpr FieldDef kMemoryControllerFields[] = {
    Row("memory_controller.error_detecting_method", "Error Detecting Method", 0x04, 1, V2_0,
        Kind::Enum).Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_ERROR_DETECTION),
    Row("memory_controller.error_correcting_capability", "Error Correcting Capabilities", 0x05, 1,
        V2_0, Kind::Flags).Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_ECC_CAPABILITY_BITS)
        .Named(0, 5, "None"),
    Row("memory_controller.supported_interleave", "Supported Interleave", 0x06, 1, V2_0,
        Kind::Enum).Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_INTERLEAVE),
    Row("memory_controller.current_interleave", "Current Interleave", 0x07, 1, V2_0, Kind::Enum)
        .Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_INTERLEAVE),
    // 2^n MB; the total is that for each slot.
    Row("memory_controller.maximum_memory_module_size", "Maximum Memory Module Size", 0x08, 1,
        V2_0, Kind::Size).Shown(0x0F).As(Format::PowerOfTwoMegabytes),
    Row("memory_controller.maximum_total_memory_size", "Maximum Total Memory Size", 0x08, 1, V2_0,
        Kind::Size).Shown(0x0F).As(Format::PowerOfTwoMegabytes).View(),
    Row("memory_controller.supported_speeds", "Supported Speeds", 0x09, 2, V2_0, Kind::Flags)
        .Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_SPEED_BITS).Named(0, 4, "None"),
    Row("memory_controller.supported_memory_types", "Supported Memory Types", 0x0B, 2, V2_0,
        Kind::Flags).Shown(0x0F).Names(KSMBIOS_NAMES_MEMORY_MODULE_TYPE_BITS).Named(0, 10, "None"),
    Row("memory_controller.memory_module_voltage", "Memory Module Voltage", 0x0D, 1, V2_0,
        Kind::Text).Shown(0x0F).As(Format::ProcessorVoltage),
    Row("memory_controller.number_of_associated_memory_slots", "", 0x0E, 1, V2_0, Kind::Part),
    Row("memory_controller.memory_module_configuration_handles", "Associated Memory Slots", 0x0F,
        2, V2_0, Kind::Handle).Shown(0x0F)
        .Elements("memory_controller.number_of_associated_memory_slots", 2),
    Row("memory_controller.enabled_error_correcting_capabilities",
        "Enabled Error Correcting Capabilities", 0x00, 1, V2_1, Kind::Flags)
        .After("memory_controller.memory_module_configuration_handles")
        .Names(KSMBIOS_NAMES_MEMORY_ECC_CAPABILITY_BITS).Named(0, 5, "None"),
};
// clang-format on

inline constexpr TypeDef kMemoryController =
    Type(5, "memory_controller", "Memory Controller Information", nullptr, "memory",
         kMemoryControllerFields);

}  // namespace kelvo::shared::smbios::schema
