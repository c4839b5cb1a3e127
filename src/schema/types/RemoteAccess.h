#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 30, Out-of-Band Remote Access: bit 0 of Connections allows inbound connections, bit 1
// outbound ones.
// clang-format off
inline constexpr FieldDef kRemoteAccessFields[] = {
    Row("remote_access.manufacturer_name", "Manufacturer Name", 0x04, 1, V2_2, Kind::String)
        .Shown(0x06),
    Row("remote_access.inbound_connection", "Inbound Connection", 0x05, 1, V2_2, Kind::Decimal)
        .Shown(0x06).Bits(0x01, 0).Specials(kDisabledEnabled),
    Row("remote_access.outbound_connection", "Outbound Connection", 0x05, 1, V2_2, Kind::Decimal)
        .Shown(0x06).Bits(0x02, 1).Specials(kDisabledEnabled),
};
// clang-format on

inline constexpr TypeDef kRemoteAccess =
    Type(30, "remote_access", "Out-of-band Remote Access", nullptr, nullptr, kRemoteAccessFields);

}  // namespace kelvo::shared::smbios::schema
