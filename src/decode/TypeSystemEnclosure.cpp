#include <smbios/TypeSystemEnclosure.h>

#include <cstddef>
#include <cstring>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

namespace {

// A fresh copy of a contained elements block of `size` bytes, or null when there is none.
// Allocation failure throws.
std::uint8_t* CopyBlock(const std::uint8_t* source, std::size_t size) {
    if (source == nullptr) return nullptr;
    std::uint8_t* copy = new std::uint8_t[size];
    if (size != 0) std::memcpy(copy, source, size);
    return copy;
}

std::size_t BlockSize(const TypeSystemEnclosure::SMBios_2_3& block) {
    return static_cast<std::size_t>(block.ContainedElementCount) *
           block.ContainedElementRecordLength;
}

// Names of the chassis types 00h to 24h; any other code is invalid.
constexpr const char* kChassisTypeNames[] = {
    "Invalid",                // 00h
    "Other",                  // 01h
    "Unknown",                // 02h
    "Desktop",                // 03h
    "Low Profile Desktop",    // 04h
    "Pizza Box",              // 05h
    "Mini Tower",             // 06h
    "Tower",                  // 07h
    "Portable",               // 08h
    "Laptop",                 // 09h
    "Notebook",               // 0Ah
    "Hand Held",              // 0Bh
    "Docking Station",        // 0Ch
    "All in One",             // 0Dh
    "Sub Notebook",           // 0Eh
    "Space-saving",           // 0Fh
    "Lunch Box",              // 10h
    "Main Server Chassis",    // 11h
    "Expansion Chassis",      // 12h
    "SubChassis",             // 13h
    "Bus Expansion Chassis",  // 14h
    "Peripheral Chassis",     // 15h
    "RAID Chassis",           // 16h
    "Rack Mount Chassis",     // 17h
    "Sealed-case PC",         // 18h
    "Multi-system chassis",   // 19h
    "Compact PCI",            // 1Ah
    "Advanced TCA",           // 1Bh
    "Blade",                  // 1Ch
    "Blade Enclosure",        // 1Dh: the SMBIOS chassis type enumeration's name for it
    "Tablet",                 // 1Eh
    "Convertible",            // 1Fh
    "Detachable",             // 20h
    "IoT Gateway",            // 21h
    "Embedded PC",            // 22h
    "Mini PC",                // 23h
    "Stick PC",               // 24h
};

constexpr std::uint8_t kChassisLockBit = 0x80;

}  // namespace

TypeSystemEnclosure::SMBios_2_1::SMBios_2_1()
    : BootUpState(0), PowerSupplyState(0), ThermalState(0), SecurityStatus(0) {}

TypeSystemEnclosure::SMBios_2_3::SMBios_2_3()
    : OEMDefined(0),
      Height(0),
      NumberOfPowerCords(0),
      ContainedElementCount(0),
      ContainedElementRecordLength(0),
      ContainedElements(nullptr) {}

TypeSystemEnclosure::SMBios_2_3::SMBios_2_3(const SMBios_2_3& other)
    : OEMDefined(other.OEMDefined),
      Height(other.Height),
      NumberOfPowerCords(other.NumberOfPowerCords),
      ContainedElementCount(other.ContainedElementCount),
      ContainedElementRecordLength(other.ContainedElementRecordLength),
      ContainedElements(CopyBlock(other.ContainedElements, BlockSize(other))) {}

TypeSystemEnclosure::SMBios_2_3& TypeSystemEnclosure::SMBios_2_3::operator=(
    const SMBios_2_3& other) {
    if (this == &other) return *this;
    // Copy the block first: if the allocation throws, this record is left as it was.
    std::uint8_t* block = CopyBlock(other.ContainedElements, BlockSize(other));
    OEMDefined = other.OEMDefined;
    Height = other.Height;
    NumberOfPowerCords = other.NumberOfPowerCords;
    ContainedElementCount = other.ContainedElementCount;
    ContainedElementRecordLength = other.ContainedElementRecordLength;
    delete[] ContainedElements;
    ContainedElements = block;
    return *this;
}

TypeSystemEnclosure::SMBios_2_3::~SMBios_2_3() {
    delete[] ContainedElements;
    ContainedElements = nullptr;
}

TypeSystemEnclosure::SMBios_2_7::SMBios_2_7()
    : SKUNumberStringNumber(0), SKUNumber(DuplicateString("")) {}

TypeSystemEnclosure::SMBios_2_7::SMBios_2_7(const SMBios_2_7& other)
    : SKUNumberStringNumber(other.SKUNumberStringNumber),
      SKUNumber(DuplicateString(other.SKUNumber)) {}

TypeSystemEnclosure::SMBios_2_7& TypeSystemEnclosure::SMBios_2_7::operator=(
    const SMBios_2_7& other) {
    if (this == &other) return *this;
    AssignString(SKUNumber, other.SKUNumber);
    SKUNumberStringNumber = other.SKUNumberStringNumber;
    return *this;
}

TypeSystemEnclosure::SMBios_2_7::~SMBios_2_7() { ReleaseString(SKUNumber); }

TypeSystemEnclosure::TypeSystemEnclosure()
    : ManufacturerStringNumber(0),
      Manufacturer(DuplicateString("")),
      ChassisType(0),
      VersionStringNumber(0),
      Version(DuplicateString("")),
      SerialNumberStringNumber(0),
      SerialNumber(DuplicateString("")),
      AssetTagStringNumber(0),
      AssetTag(DuplicateString("")),
      ChassisTypeName(DuplicateString("")) {}

TypeSystemEnclosure::TypeSystemEnclosure(const TypeSystemEnclosure& other)
    : ManufacturerStringNumber(other.ManufacturerStringNumber),
      Manufacturer(DuplicateString(other.Manufacturer)),
      ChassisType(other.ChassisType),
      VersionStringNumber(other.VersionStringNumber),
      Version(DuplicateString(other.Version)),
      SerialNumberStringNumber(other.SerialNumberStringNumber),
      SerialNumber(DuplicateString(other.SerialNumber)),
      AssetTagStringNumber(other.AssetTagStringNumber),
      AssetTag(DuplicateString(other.AssetTag)),
      ChassisTypeName(DuplicateString(other.ChassisTypeName)),
      V2_1(other.V2_1),
      V2_3(other.V2_3),
      V2_7(other.V2_7) {}

TypeSystemEnclosure& TypeSystemEnclosure::operator=(const TypeSystemEnclosure& other) {
    if (this == &other) return *this;
    AssignString(Manufacturer, other.Manufacturer);
    ManufacturerStringNumber = other.ManufacturerStringNumber;
    ChassisType = other.ChassisType;
    AssignString(ChassisTypeName, other.ChassisTypeName);
    AssignString(Version, other.Version);
    VersionStringNumber = other.VersionStringNumber;
    AssignString(SerialNumber, other.SerialNumber);
    SerialNumberStringNumber = other.SerialNumberStringNumber;
    AssignString(AssetTag, other.AssetTag);
    AssetTagStringNumber = other.AssetTagStringNumber;
    V2_1 = other.V2_1;
    V2_3 = other.V2_3;
    V2_7 = other.V2_7;
    return *this;
}

TypeSystemEnclosure::~TypeSystemEnclosure() {
    ReleaseString(Manufacturer);
    ReleaseString(Version);
    ReleaseString(SerialNumber);
    ReleaseString(AssetTag);
    ReleaseString(ChassisTypeName);
}

const char* TypeSystemEnclosure::GetEnclosureName() {
    const std::uint8_t code = ChassisType & static_cast<std::uint8_t>(~kChassisLockBit);
    constexpr std::size_t kKnown = sizeof(kChassisTypeNames) / sizeof(kChassisTypeNames[0]);
    return code < kKnown ? kChassisTypeNames[code] : kChassisTypeNames[0];
}

namespace pimpl {

void DecodeSystemEnclosure(ParseState& state, FieldCursor& fields) {
    TypeSystemEnclosure& record = state.current.enclosure;
    if (state.version < SMBiosSpecVersion::V2_0) return;
    record.ManufacturerStringNumber = fields.Byte();
    record.ChassisType = fields.Byte();
    record.VersionStringNumber = fields.Byte();
    record.SerialNumberStringNumber = fields.Byte();
    record.AssetTagStringNumber = fields.Byte();
    AssignString(record.Manufacturer, LookupString(state, record.ManufacturerStringNumber));
    AssignString(record.Version, LookupString(state, record.VersionStringNumber));
    AssignString(record.SerialNumber, LookupString(state, record.SerialNumberStringNumber));
    AssignString(record.AssetTag, LookupString(state, record.AssetTagStringNumber));

    if (state.version < SMBiosSpecVersion::V2_1) return;
    record.V2_1.BootUpState = fields.Byte();
    record.V2_1.PowerSupplyState = fields.Byte();
    record.V2_1.ThermalState = fields.Byte();
    record.V2_1.SecurityStatus = fields.Byte();

    if (state.version < SMBiosSpecVersion::V2_3) return;
    record.V2_3.OEMDefined = fields.Dword();
    record.V2_3.Height = fields.Byte();
    record.V2_3.NumberOfPowerCords = fields.Byte();
    record.V2_3.ContainedElementCount = fields.Byte();
    record.V2_3.ContainedElementRecordLength = fields.Byte();
    // The contained element records are not kept; the SKU number follows them.
    fields.Skip(BlockSize(record.V2_3));

    if (state.version < SMBiosSpecVersion::V2_7) return;
    record.V2_7.SKUNumberStringNumber = fields.Byte();
    AssignString(record.V2_7.SKUNumber, LookupString(state, record.V2_7.SKUNumberStringNumber));
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
