#include <smbios/TypeMemoryDevice.h>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

TypeMemoryDevice::SMBios_2_1::SMBios_2_1()
    : PhysicalMemoryArrayHandle(0),
      MemoryErrorInformationHandle(0),
      TotalWidth(0),
      DataWidth(0),
      Size(0),
      FormFactor(0),
      DeviceSet(0),
      DeviceLocatorStringNumber(0),
      DeviceLocator(DuplicateString("")),
      BankLocatorStringNumber(0),
      BankLocator(DuplicateString("")),
      MemoryType(0),
      TypeDetail(0) {}

TypeMemoryDevice::SMBios_2_1::SMBios_2_1(const SMBios_2_1& other)
    : PhysicalMemoryArrayHandle(other.PhysicalMemoryArrayHandle),
      MemoryErrorInformationHandle(other.MemoryErrorInformationHandle),
      TotalWidth(other.TotalWidth),
      DataWidth(other.DataWidth),
      Size(other.Size),
      FormFactor(other.FormFactor),
      DeviceSet(other.DeviceSet),
      DeviceLocatorStringNumber(other.DeviceLocatorStringNumber),
      DeviceLocator(DuplicateString(other.DeviceLocator)),
      BankLocatorStringNumber(other.BankLocatorStringNumber),
      BankLocator(DuplicateString(other.BankLocator)),
      MemoryType(other.MemoryType),
      TypeDetail(other.TypeDetail) {}

TypeMemoryDevice::SMBios_2_1& TypeMemoryDevice::SMBios_2_1::operator=(const SMBios_2_1& other) {
    if (this == &other) return *this;
    PhysicalMemoryArrayHandle = other.PhysicalMemoryArrayHandle;
    MemoryErrorInformationHandle = other.MemoryErrorInformationHandle;
    TotalWidth = other.TotalWidth;
    DataWidth = other.DataWidth;
    Size = other.Size;
    FormFactor = other.FormFactor;
    DeviceSet = other.DeviceSet;
    DeviceLocatorStringNumber = other.DeviceLocatorStringNumber;
    AssignString(DeviceLocator, other.DeviceLocator);
    BankLocatorStringNumber = other.BankLocatorStringNumber;
    AssignString(BankLocator, other.BankLocator);
    MemoryType = other.MemoryType;
    TypeDetail = other.TypeDetail;
    return *this;
}

TypeMemoryDevice::SMBios_2_1::~SMBios_2_1() {
    ReleaseString(DeviceLocator);
    ReleaseString(BankLocator);
}

TypeMemoryDevice::SMBios_2_3::SMBios_2_3()
    : Speed(0),
      ManufacturerStringNumber(0),
      Manufacturer(DuplicateString("")),
      SerialNumberStringNumber(0),
      SerialNumber(DuplicateString("")),
      AssetTagStringNumber(0),
      AssetTag(DuplicateString("")),
      PartNumberStringNumber(0),
      PartNumber(DuplicateString("")) {}

TypeMemoryDevice::SMBios_2_3::SMBios_2_3(const SMBios_2_3& other)
    : Speed(other.Speed),
      ManufacturerStringNumber(other.ManufacturerStringNumber),
      Manufacturer(DuplicateString(other.Manufacturer)),
      SerialNumberStringNumber(other.SerialNumberStringNumber),
      SerialNumber(DuplicateString(other.SerialNumber)),
      AssetTagStringNumber(other.AssetTagStringNumber),
      AssetTag(DuplicateString(other.AssetTag)),
      PartNumberStringNumber(other.PartNumberStringNumber),
      PartNumber(DuplicateString(other.PartNumber)) {}

TypeMemoryDevice::SMBios_2_3& TypeMemoryDevice::SMBios_2_3::operator=(const SMBios_2_3& other) {
    if (this == &other) return *this;
    Speed = other.Speed;
    ManufacturerStringNumber = other.ManufacturerStringNumber;
    AssignString(Manufacturer, other.Manufacturer);
    SerialNumberStringNumber = other.SerialNumberStringNumber;
    AssignString(SerialNumber, other.SerialNumber);
    AssetTagStringNumber = other.AssetTagStringNumber;
    AssignString(AssetTag, other.AssetTag);
    PartNumberStringNumber = other.PartNumberStringNumber;
    AssignString(PartNumber, other.PartNumber);
    return *this;
}

TypeMemoryDevice::SMBios_2_3::~SMBios_2_3() {
    ReleaseString(Manufacturer);
    ReleaseString(SerialNumber);
    ReleaseString(AssetTag);
    ReleaseString(PartNumber);
}

TypeMemoryDevice::SMBios_2_6::SMBios_2_6() : Attributes(0) {}
TypeMemoryDevice::SMBios_2_6::SMBios_2_6(const SMBios_2_6& other) = default;
TypeMemoryDevice::SMBios_2_6& TypeMemoryDevice::SMBios_2_6::operator=(const SMBios_2_6& other) =
    default;
TypeMemoryDevice::SMBios_2_6::~SMBios_2_6() = default;

TypeMemoryDevice::SMBios_2_7::SMBios_2_7() : ExtendedSize(0), ConfiguredMemoryClockSpeed(0) {}
TypeMemoryDevice::SMBios_2_7::SMBios_2_7(const SMBios_2_7& other) = default;
TypeMemoryDevice::SMBios_2_7& TypeMemoryDevice::SMBios_2_7::operator=(const SMBios_2_7& other) =
    default;
TypeMemoryDevice::SMBios_2_7::~SMBios_2_7() = default;

TypeMemoryDevice::SMBios_2_8::SMBios_2_8()
    : MinimumVoltage(0), MaximumVoltage(0), ConfiguredVoltage(0) {}
TypeMemoryDevice::SMBios_2_8::SMBios_2_8(const SMBios_2_8& other) = default;
TypeMemoryDevice::SMBios_2_8& TypeMemoryDevice::SMBios_2_8::operator=(const SMBios_2_8& other) =
    default;
TypeMemoryDevice::SMBios_2_8::~SMBios_2_8() = default;

// Every field sits in a version block, so the record's operations are those of its blocks.
TypeMemoryDevice::TypeMemoryDevice() = default;
TypeMemoryDevice::TypeMemoryDevice(const TypeMemoryDevice& other) = default;

TypeMemoryDevice& TypeMemoryDevice::operator=(const TypeMemoryDevice& other) {
    if (this == &other) return *this;
    V2_1 = other.V2_1;
    V2_3 = other.V2_3;
    V2_6 = other.V2_6;
    V2_7 = other.V2_7;
    V2_8 = other.V2_8;
    return *this;
}

TypeMemoryDevice::~TypeMemoryDevice() = default;

namespace pimpl {

void DecodeMemoryDevice(ParseState& state, FieldCursor& fields) {
    const SMBiosSpecVersion version = state.version;
    // The structure type exists from 2.1 on; in a 2.0 table the record keeps its defaults.
    if (version < SMBiosSpecVersion::V2_1) return;
    TypeMemoryDevice& record = state.current.memoryDevice;

    TypeMemoryDevice::SMBios_2_1& v21 = record.V2_1;
    v21.PhysicalMemoryArrayHandle = fields.Word();
    v21.MemoryErrorInformationHandle = fields.Word();
    v21.TotalWidth = fields.Word();
    v21.DataWidth = fields.Word();
    v21.Size = fields.Word();
    v21.FormFactor = fields.Byte();
    v21.DeviceSet = fields.Byte();
    v21.DeviceLocatorStringNumber = fields.Byte();
    v21.BankLocatorStringNumber = fields.Byte();
    v21.MemoryType = fields.Byte();
    v21.TypeDetail = fields.Word();
    AssignString(v21.DeviceLocator, LookupString(state, v21.DeviceLocatorStringNumber));
    AssignString(v21.BankLocator, LookupString(state, v21.BankLocatorStringNumber));

    if (version >= SMBiosSpecVersion::V2_3) {
        TypeMemoryDevice::SMBios_2_3& v23 = record.V2_3;
        v23.Speed = fields.Word();
        v23.ManufacturerStringNumber = fields.Byte();
        v23.SerialNumberStringNumber = fields.Byte();
        v23.AssetTagStringNumber = fields.Byte();
        v23.PartNumberStringNumber = fields.Byte();
        AssignString(v23.Manufacturer, LookupString(state, v23.ManufacturerStringNumber));
        AssignString(v23.SerialNumber, LookupString(state, v23.SerialNumberStringNumber));
        AssignString(v23.AssetTag, LookupString(state, v23.AssetTagStringNumber));
        AssignString(v23.PartNumber, LookupString(state, v23.PartNumberStringNumber));
    }

    if (version >= SMBiosSpecVersion::V2_6) {
        record.V2_6.Attributes = fields.Byte();
    }

    if (version >= SMBiosSpecVersion::V2_7) {
        record.V2_7.ExtendedSize = fields.Dword();
        record.V2_7.ConfiguredMemoryClockSpeed = fields.Word();
    }

    if (version >= SMBiosSpecVersion::V2_8) {
        TypeMemoryDevice::SMBios_2_8& v28 = record.V2_8;
        v28.MinimumVoltage = fields.Word();
        v28.MaximumVoltage = fields.Word();
        v28.ConfiguredVoltage = fields.Word();
    }
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
