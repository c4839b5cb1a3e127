#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Types 26, 28 and 29, Voltage, Temperature and Electrical Current Probe: one layout. Location
// and Status share a byte (bits 4:0 and 7:5). The values are signed: in mV, 1/10 degree C or mA;
// the resolution (1/10 of those, 1/1000 degree C) and the accuracy (1/100 %) are not. 8000h is
// unknown.
inline constexpr Special kProbeUnknown[] = {{0x8000, "Unknown"}};

// The rows of one probe type: its key prefix, its location list, the unit of its values and of
// their resolution, and how finely each is given (Format::Milli for thousandths, ...).
// clang-format off
#define KELVO_PROBE_ROWS(type, locations, unit, value, resolutionUnit, resolution)              \
    Row(type ".description", "Description", 0x04, 1, V2_2, Kind::String).Shown(0x14),          \
    Row(type ".location", "Location", 0x05, 1, V2_2, Kind::Enum).Shown(0x14).Bits(0x1F, 0)     \
        .Names(locations),                                                                     \
    Row(type ".status", "Status", 0x05, 1, V2_2, Kind::Enum).Shown(0x14).Bits(0xE0, 5)         \
        .Names(KSMBIOS_NAMES_PROBE_STATUS),                                                    \
    Row(type ".maximum_value", "Maximum Value", 0x06, 2, V2_2, Kind::Decimal).Shown(0x14)      \
        .As(Format::value).Unit(unit).Specials(kProbeUnknown),                                 \
    Row(type ".minimum_value", "Minimum Value", 0x08, 2, V2_2, Kind::Decimal).Shown(0x14)      \
        .As(Format::value).Unit(unit).Specials(kProbeUnknown),                                 \
    Row(type ".resolution", "Resolution", 0x0A, 2, V2_2, Kind::Decimal).Shown(0x14)            \
        .As(Format::resolution).Unit(resolutionUnit).Specials(kProbeUnknown),                  \
    Row(type ".tolerance", "Tolerance", 0x0C, 2, V2_2, Kind::Decimal).Shown(0x14)              \
        .As(Format::value).Unit(unit).Specials(kProbeUnknown),                                 \
    Row(type ".accuracy", "Accuracy", 0x0E, 2, V2_2, Kind::Decimal).Shown(0x14)                \
        .As(Format::Hundredths).Unit("%").Specials(kProbeUnknown),                                  \
    Row(type ".oem_defined", "OEM-specific Information", 0x10, 4, V2_2, Kind::Hex)             \
        .Shown(0x14),                                                                          \
    Row(type ".nominal_value", "Nominal Value", 0x14, 2, V2_2, Kind::Decimal).Shown(0x16)      \
        .As(Format::value).Unit(unit).Specials(kProbeUnknown)
// clang-format on

inline constexpr FieldDef kVoltageProbeFields[] = {
    KELVO_PROBE_ROWS("voltage_probe", KSMBIOS_NAMES_PROBE_LOCATION, "V", Milli, "mV", Tenths),
};
inline constexpr FieldDef kTemperatureProbeFields[] = {
    KELVO_PROBE_ROWS("temperature_probe", KSMBIOS_NAMES_TEMPERATURE_PROBE_LOCATION, "deg C", Deci,
                     "deg C", Thousandths),
};
inline constexpr FieldDef kElectricalCurrentProbeFields[] = {
    KELVO_PROBE_ROWS("electrical_current_probe", KSMBIOS_NAMES_PROBE_LOCATION, "A", Milli, "mA",
                     Tenths),
};
#undef KELVO_PROBE_ROWS

inline constexpr TypeDef kVoltageProbe =
    Type(26, "voltage_probe", "Voltage Probe", nullptr, nullptr, kVoltageProbeFields);
inline constexpr TypeDef kTemperatureProbe =
    Type(28, "temperature_probe", "Temperature Probe", nullptr, nullptr, kTemperatureProbeFields);
inline constexpr TypeDef kElectricalCurrentProbe =
    Type(29, "electrical_current_probe", "Electrical Current Probe", nullptr, nullptr,
         kElectricalCurrentProbeFields);

}  // namespace kelvo::shared::smbios::schema
