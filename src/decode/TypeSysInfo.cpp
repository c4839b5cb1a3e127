#include <smbios/TypeSysInfo.h>

#include <sstream>
#include <string>

#include "decode/FieldOperations.h"
#include "decode/RecordDecoder.h"

namespace kelvo::shared::smbios {

const int TypeSysInfo::SMBios_2_1::UUIDSize;

KELVO_DESCRIBED_MEMBERS(TypeSysInfo::SMBios_2_1, SMBios_2_1)
KELVO_DESCRIBED_MEMBERS(TypeSysInfo::SMBios_2_4, SMBios_2_4)
KELVO_DESCRIBED_MEMBERS(TypeSysInfo, TypeSysInfo, : V2_1(other.V2_1), V2_4(other.V2_4))

namespace detail {

namespace {

using UUIDBytes = std::uint8_t[TypeSysInfo::SMBios_2_1::UUIDSize];

std::string FormatHexByte(std::uint8_t value) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string{digits[value >> 4], digits[value & 0x0F]};
}

// The first three groups are little-endian in the structure and written byte-reversed; the
// last two keep structure order. No value (all 00h, all FFh) is treated specially.
std::string FormatUUID(const UUIDBytes& uuid) {
    static const int order[] = {3,  2, 1, 0,  -1, 5,  4,  -1, 7,  6,
                                -1, 8, 9, -1, 10, 11, 12, 13, 14, 15};
    std::ostringstream text;
    try {
        for (int index : order) {
            if (index < 0) {
                text << '-';
            } else {
                text << FormatHexByte(uuid[index]);
            }
        }
    } catch (...) {
        // Out of memory: the text composed so far is the result.
    }
    return text.str();
}

}  // namespace

void DecodeSpecial(const StructureReader& s, TypeSysInfo& info) {
    if (s.Admits(0x0201, 0x08, TypeSysInfo::SMBios_2_1::UUIDSize)) {
        SetText(info.V2_1.UUIDString, FormatUUID(info.V2_1.UUID));
    }
}

}  // namespace detail
}  // namespace kelvo::shared::smbios
