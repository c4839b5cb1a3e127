#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 8, Port Connector Information.
// clang-format off
inline constexpr FieldDef kPortConnectorFields[] = {
    Row("port_connector.internal_reference_designator", "Internal Reference Designator", 0x04, 1,
        V2_0, Kind::String).Shown(0x09),
    Row("port_connector.internal_connector_type", "Internal Connector Type", 0x05, 1, V2_0,
        Kind::Enum).Shown(0x09).Names(KSMBIOS_NAMES_PORT_CONNECTOR_TYPE),
    Row("port_connector.external_reference_designator", "External Reference Designator", 0x06, 1,
        V2_0, Kind::String).Shown(0x09),
    Row("port_connector.external_connector_type", "External Connector Type", 0x07, 1, V2_0,
        Kind::Enum).Shown(0x09).Names(KSMBIOS_NAMES_PORT_CONNECTOR_TYPE),
    Row("port_connector.port_type", "Port Type", 0x08, 1, V2_0, Kind::Enum).Shown(0x09)
        .Names(KSMBIOS_NAMES_PORT_TYPE),
};
// clang-format on

inline constexpr TypeDef kPortConnector = Type(8, "port_connector", "Port Connector Information",
                                               nullptr, "connector", kPortConnectorFields);

}  // namespace kelvo::shared::smbios::schema
