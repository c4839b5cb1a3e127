#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 15, System Event Log. From 2.1 the log type descriptors follow: the count, the size of
// one, and each a log type and the format of its variable data.
// clang-format off
inline constexpr FieldDef kSystemEventLogFields[] = {
    Row("system_event_log.log_area_length", "Area Length", 0x04, 2, V2_0, Kind::Decimal)
        .Shown(0x14).Unit("bytes"),
    Row("system_event_log.log_header_start_offset", "Header Start Offset", 0x06, 2, V2_0,
        Kind::Hex).Shown(0x14),
    // From the header's start to the data's; left out when there is no header.
    Row("system_event_log.log_header_length", "Header Length", 0x06, 2, V2_0, Kind::Decimal)
        .Shown(0x14).As(Format::EventLogHeaderLength).View(),
    Row("system_event_log.log_data_start_offset", "Data Start Offset", 0x08, 2, V2_0, Kind::Hex)
        .Shown(0x14),
    Row("system_event_log.access_method", "Access Method", 0x0A, 1, V2_0, Kind::Enum).Shown(0x14)
        .Names(KSMBIOS_NAMES_EVENT_LOG_ACCESS_METHOD),
    // What the address is depends on the access method.
    Row("system_event_log.access_method_address", "Access Address", 0x10, 4, V2_0, Kind::Text)
        .Shown(0x14).As(Format::EventLogAddress),
    Row("system_event_log.log_status", "Status", 0x0B, 1, V2_0, Kind::Enum).Shown(0x14)
        .Bits(0x03, 0).Names(KSMBIOS_NAMES_EVENT_LOG_STATUS),
    Row("system_event_log.log_change_token", "Change Token", 0x0C, 4, V2_0, Kind::Hex)
        .Shown(0x14),
    Row("system_event_log.log_header_format", "Header Format", 0x14, 1, V2_1, Kind::Enum)
        .Shown(0x17).Names(KSMBIOS_NAMES_EVENT_LOG_HEADER_FORMAT),
    Row("system_event_log.number_of_supported_log_type_descriptors",
        "Supported Log Type Descriptors", 0x15, 1, V2_1, Kind::Decimal).Shown(0x17),
    Row("system_event_log.length_of_each_log_type_descriptor", "", 0x16, 1, V2_1, Kind::Part),
    Row("system_event_log.list_of_supported_event_log_type_descriptors", "Descriptor", 0x17, 2,
        V2_1, Kind::Text).Shown(0x17).Names(KSMBIOS_NAMES_EVENT_LOG_TYPE)
        .As(Format::EventLogDescriptors)
        .Elements("system_event_log.number_of_supported_log_type_descriptors",
                  "system_event_log.length_of_each_log_type_descriptor"),
};
// clang-format on

inline constexpr TypeDef kSystemEventLog =
    Type(15, "system_event_log", "System Event Log", nullptr, "system", kSystemEventLogFields);

}  // namespace kelvo::shared::smbios::schema
