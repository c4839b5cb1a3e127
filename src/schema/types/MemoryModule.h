#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 6, Memory Module Information (obsolete since 2.1).
// clang-format off
inline constexpr FieldDef kMemoryModuleFields[] = {
    Row("memory_module.socket_designation", "Socket Designation", 0x04, 1, V2_0, Kind::String)
        .Shown(0x0C),
    // A RAS line in each nibble, Fh for none.
    Row("memory_module.bank_connections", "Bank Connections", 0x05, 1, V2_0, Kind::Text)
        .Shown(0x0C).As(Format::BankConnections),
    Row("memory_module.current_speed", "Current Speed", 0x06, 1, V2_0, Kind::Decimal).Shown(0x0C)
        .Unit("ns").Specials(kZeroUnknown),
    Row("memory_module.current_memory_type", "Type", 0x07, 2, V2_0, Kind::Flags).Shown(0x0C)
        .Names(KSMBIOS_NAMES_MEMORY_MODULE_TYPE_BITS).Named(0, 10, "None")
        .As(Format::NamesOnOneLine),
    Row("memory_module.installed_size", "Installed Size", 0x09, 1, V2_0, Kind::Size).Shown(0x0C)
        .As(Format::ModuleSize),
    Row("memory_module.enabled_size", "Enabled Size", 0x0A, 1, V2_0, Kind::Size).Shown(0x0C)
        .As(Format::ModuleSize),
    Row("memory_module.error_status", "Error Status", 0x0B, 1, V2_0, Kind::Enum).Shown(0x0C)
        .Bits(0x07, 0).Names(KSMBIOS_NAMES_MEMORY_MODULE_ERROR_STATUS),
};
// clang-format on

inline constexpr TypeDef kMemoryModule =
    Type(6, "memory_module", "Memory Module Information", nullptr, "memory", kMemoryModuleFields);

}  // namespace kelvo::shared::smbios::schema
