#include <smbios/TypeSysInfo.h>

#include <sstream>
#include <string>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

const int TypeSysInfo::SMBios_2_1::UUIDSize;

TypeSysInfo::SMBios_2_1::SMBios_2_1() : UUID{}, WakeUpType(0), UUIDString(DuplicateString("")) {}

TypeSysInfo::SMBios_2_1::SMBios_2_1(const SMBios_2_1& other)
    : UUID{}, WakeUpType(other.WakeUpType), UUIDString(DuplicateString(other.UUIDString)) {
    for (int i = 0; i < UUIDSize; ++i) UUID[i] = other.UUID[i];
}

TypeSysInfo::SMBios_2_1& TypeSysInfo::SMBios_2_1::operator=(const SMBios_2_1& other) {
    if (this == &other) return *this;
    for (int i = 0; i < UUIDSize; ++i) UUID[i] = other.UUID[i];
    AssignString(UUIDString, other.UUIDString);
    WakeUpType = other.WakeUpType;
    return *this;
}

TypeSysInfo::SMBios_2_1::~SMBios_2_1() { ReleaseString(UUIDString); }

TypeSysInfo::SMBios_2_4::SMBios_2_4()
    : SKUNumberStringNumber(0),
      SKUNumber(DuplicateString("")),
      FamilyStringNumber(0),
      Family(DuplicateString("")) {}

TypeSysInfo::SMBios_2_4::SMBios_2_4(const SMBios_2_4& other)
    : SKUNumberStringNumber(other.SKUNumberStringNumber),
      SKUNumber(DuplicateString(other.SKUNumber)),
      FamilyStringNumber(other.FamilyStringNumber),
      Family(DuplicateString(other.Family)) {}

TypeSysInfo::SMBios_2_4& TypeSysInfo::SMBios_2_4::operator=(const SMBios_2_4& other) {
    if (this == &other) return *this;
    AssignString(SKUNumber, other.SKUNumber);
    SKUNumberStringNumber = other.SKUNumberStringNumber;
    AssignString(Family, other.Family);
    FamilyStringNumber = other.FamilyStringNumber;
    return *this;
}

TypeSysInfo::SMBios_2_4::~SMBios_2_4() {
    ReleaseString(SKUNumber);
    ReleaseString(Family);
}

TypeSysInfo::TypeSysInfo()
    : ManufacturerStringNumber(0),
      Manufacturer(DuplicateString("")),
      ProductNameStringNumber(0),
      ProductName(DuplicateString("")),
      VersionStringNumber(0),
      Version(DuplicateString("")),
      SerialNumberStringNumber(0),
      SerialNumber(DuplicateString("")) {}

// The four base string numbers stay 0: they belong to the structure that was decoded, not to
// copies. The version blocks are default-constructed, then assigned.
TypeSysInfo::TypeSysInfo(const TypeSysInfo& other)
    : ManufacturerStringNumber(0),
      Manufacturer(DuplicateString(other.Manufacturer)),
      ProductNameStringNumber(0),
      ProductName(DuplicateString(other.ProductName)),
      VersionStringNumber(0),
      Version(DuplicateString(other.Version)),
      SerialNumberStringNumber(0),
      SerialNumber(DuplicateString(other.SerialNumber)) {
    V2_1 = other.V2_1;
    V2_4 = other.V2_4;
}

// The target keeps its own four base string numbers.
TypeSysInfo& TypeSysInfo::operator=(const TypeSysInfo& other) {
    if (this == &other) return *this;
    AssignString(Manufacturer, other.Manufacturer);
    AssignString(ProductName, other.ProductName);
    AssignString(Version, other.Version);
    AssignString(SerialNumber, other.SerialNumber);
    V2_1 = other.V2_1;
    V2_4 = other.V2_4;
    return *this;
}

// V2_4's texts and then UUIDString are released by the blocks' own destructors, in that order.
TypeSysInfo::~TypeSysInfo() {
    ReleaseString(Manufacturer);
    ReleaseString(ProductName);
    ReleaseString(Version);
    ReleaseString(SerialNumber);
}

namespace pimpl {

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

void DecodeSysInfo(ParseState& state, FieldCursor& fields) {
    TypeSysInfo& info = state.current.sysInfo;
    if (state.version >= SMBiosSpecVersion::V2_0) {
        info.ManufacturerStringNumber = fields.Byte();
        info.ProductNameStringNumber = fields.Byte();
        info.VersionStringNumber = fields.Byte();
        info.SerialNumberStringNumber = fields.Byte();
        AssignString(info.Manufacturer, LookupString(state, info.ManufacturerStringNumber));
        AssignString(info.ProductName, LookupString(state, info.ProductNameStringNumber));
        AssignString(info.Version, LookupString(state, info.VersionStringNumber));
        AssignString(info.SerialNumber, LookupString(state, info.SerialNumberStringNumber));
    }
    if (state.version >= SMBiosSpecVersion::V2_1) {
        fields.Bytes(info.V2_1.UUID, TypeSysInfo::SMBios_2_1::UUIDSize);
        state.scratch = FormatUUID(info.V2_1.UUID);
        AssignString(info.V2_1.UUIDString, std::string_view(state.scratch));
        info.V2_1.WakeUpType = fields.Byte();
    }
    if (state.version >= SMBiosSpecVersion::V2_4) {
        info.V2_4.SKUNumberStringNumber = fields.Byte();
        info.V2_4.FamilyStringNumber = fields.Byte();
        AssignString(info.V2_4.SKUNumber, LookupString(state, info.V2_4.SKUNumberStringNumber));
        AssignString(info.V2_4.Family, LookupString(state, info.V2_4.FamilyStringNumber));
    }
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
