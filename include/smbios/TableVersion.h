#pragma once

#include <cstdint>

namespace kelvo::shared::smbios {

// The table's SMBIOS version as major * 256 + minor. Versions 3.0 and later are all
// reported as V3_0; None means that no table was walked to its end.
enum class SMBiosSpecVersion : std::int32_t {
    None = 0,
    V2_0 = 0x0200,
    V2_1 = 0x0201,
    V2_2 = 0x0202,
    V2_3 = 0x0203,
    V2_4 = 0x0204,
    V2_5 = 0x0205,
    V2_6 = 0x0206,
    V2_7 = 0x0207,
    V2_8 = 0x0208,
    V3_0 = 0x0300,
};

}  // namespace kelvo::shared::smbios
