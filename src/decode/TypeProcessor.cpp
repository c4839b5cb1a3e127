#include <smbios/TypeProcessor.h>

#include <algorithm>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

// Out-of-line definition so that the constant is a symbol of the library.
const int TypeProcessor::ProcessorIDSize;

TypeProcessor::SMBios_2_1::SMBios_2_1() : L1CacheHandle(0), L2CacheHandle(0), L3CacheHandle(0) {}
TypeProcessor::SMBios_2_1::SMBios_2_1(const SMBios_2_1& other) = default;
TypeProcessor::SMBios_2_1& TypeProcessor::SMBios_2_1::operator=(const SMBios_2_1& other) = default;
TypeProcessor::SMBios_2_1::~SMBios_2_1() = default;

TypeProcessor::SMBios_2_3::SMBios_2_3()
    : SerialNumberStringNumber(0),
      SerialNumber(DuplicateString("")),
      AssetTagStringNumber(0),
      AssetTag(DuplicateString("")),
      PartNumberStringNumber(0),
      PartNumber(DuplicateString("")) {}

TypeProcessor::SMBios_2_3::SMBios_2_3(const SMBios_2_3& other)
    : SerialNumberStringNumber(other.SerialNumberStringNumber),
      SerialNumber(DuplicateString(other.SerialNumber)),
      AssetTagStringNumber(other.AssetTagStringNumber),
      AssetTag(DuplicateString(other.AssetTag)),
      PartNumberStringNumber(other.PartNumberStringNumber),
      PartNumber(DuplicateString(other.PartNumber)) {}

TypeProcessor::SMBios_2_3& TypeProcessor::SMBios_2_3::operator=(const SMBios_2_3& other) {
    if (this == &other) return *this;
    SerialNumberStringNumber = other.SerialNumberStringNumber;
    AssignString(SerialNumber, other.SerialNumber);
    AssetTagStringNumber = other.AssetTagStringNumber;
    AssignString(AssetTag, other.AssetTag);
    PartNumberStringNumber = other.PartNumberStringNumber;
    AssignString(PartNumber, other.PartNumber);
    return *this;
}

TypeProcessor::SMBios_2_3::~SMBios_2_3() {
    ReleaseString(SerialNumber);
    ReleaseString(AssetTag);
    ReleaseString(PartNumber);
}

TypeProcessor::SMBios_2_5::SMBios_2_5()
    : CoreCount(0), CoreEnabled(0), ThreadCount(0), ProcessorCharacteristics(0) {}
TypeProcessor::SMBios_2_5::SMBios_2_5(const SMBios_2_5& other) = default;
TypeProcessor::SMBios_2_5& TypeProcessor::SMBios_2_5::operator=(const SMBios_2_5& other) = default;
TypeProcessor::SMBios_2_5::~SMBios_2_5() = default;

TypeProcessor::SMBios_2_6::SMBios_2_6() : ProcessorFamily2(0) {}
TypeProcessor::SMBios_2_6::SMBios_2_6(const SMBios_2_6& other) = default;
TypeProcessor::SMBios_2_6& TypeProcessor::SMBios_2_6::operator=(const SMBios_2_6& other) = default;
TypeProcessor::SMBios_2_6::~SMBios_2_6() = default;

TypeProcessor::SMBios_3_0::SMBios_3_0() : CoreCount2(0), CoreEnabled2(0), ThreadCount2(0) {}
TypeProcessor::SMBios_3_0::SMBios_3_0(const SMBios_3_0& other) = default;
TypeProcessor::SMBios_3_0& TypeProcessor::SMBios_3_0::operator=(const SMBios_3_0& other) = default;
TypeProcessor::SMBios_3_0::~SMBios_3_0() = default;

TypeProcessor::TypeProcessor()
    : SocketDesignationStringNumber(0),
      SocketDesignation(DuplicateString("")),
      ProcessorType(0),
      ProcessorFamily(0),
      ProcessorManufacturerStringNumber(0),
      ProcessorManufacturer(DuplicateString("")),
      ProcessorID{},
      ProcessorVersionStringNumber(0),
      ProcessorVersion(DuplicateString("")),
      Voltage(0),
      ExternalClock(0),
      MaxSpeed(0),
      CurrentSpeed(0),
      Status(0),
      ProcessorUpgrade(0) {}

TypeProcessor::TypeProcessor(const TypeProcessor& other)
    : SocketDesignationStringNumber(other.SocketDesignationStringNumber),
      SocketDesignation(DuplicateString(other.SocketDesignation)),
      ProcessorType(other.ProcessorType),
      ProcessorFamily(other.ProcessorFamily),
      ProcessorManufacturerStringNumber(other.ProcessorManufacturerStringNumber),
      ProcessorManufacturer(DuplicateString(other.ProcessorManufacturer)),
      ProcessorID{},
      ProcessorVersionStringNumber(other.ProcessorVersionStringNumber),
      ProcessorVersion(DuplicateString(other.ProcessorVersion)),
      Voltage(other.Voltage),
      ExternalClock(other.ExternalClock),
      MaxSpeed(other.MaxSpeed),
      CurrentSpeed(other.CurrentSpeed),
      Status(other.Status),
      ProcessorUpgrade(other.ProcessorUpgrade),
      V2_1(other.V2_1),
      V2_3(other.V2_3),
      V2_5(other.V2_5),
      V2_6(other.V2_6),
      V3_0(other.V3_0) {
    std::copy(other.ProcessorID, other.ProcessorID + ProcessorIDSize, ProcessorID);
}

TypeProcessor& TypeProcessor::operator=(const TypeProcessor& other) {
    if (this == &other) return *this;
    SocketDesignationStringNumber = other.SocketDesignationStringNumber;
    AssignString(SocketDesignation, other.SocketDesignation);
    ProcessorType = other.ProcessorType;
    ProcessorFamily = other.ProcessorFamily;
    ProcessorManufacturerStringNumber = other.ProcessorManufacturerStringNumber;
    AssignString(ProcessorManufacturer, other.ProcessorManufacturer);
    std::copy(other.ProcessorID, other.ProcessorID + ProcessorIDSize, ProcessorID);
    ProcessorVersionStringNumber = other.ProcessorVersionStringNumber;
    AssignString(ProcessorVersion, other.ProcessorVersion);
    Voltage = other.Voltage;
    ExternalClock = other.ExternalClock;
    MaxSpeed = other.MaxSpeed;
    CurrentSpeed = other.CurrentSpeed;
    Status = other.Status;
    ProcessorUpgrade = other.ProcessorUpgrade;
    V2_1 = other.V2_1;
    V2_3 = other.V2_3;
    V2_5 = other.V2_5;
    V2_6 = other.V2_6;
    V3_0 = other.V3_0;
    return *this;
}

TypeProcessor::~TypeProcessor() {
    ReleaseString(SocketDesignation);
    ReleaseString(ProcessorManufacturer);
    ReleaseString(ProcessorVersion);
}

namespace pimpl {

void DecodeProcessor(ParseState& state, FieldCursor& fields) {
    TypeProcessor& record = state.current.processor;
    const SMBiosSpecVersion version = state.version;

    if (version >= SMBiosSpecVersion::V2_0) {
        record.SocketDesignationStringNumber = fields.Byte();
        record.ProcessorType = fields.Byte();
        record.ProcessorFamily = fields.Byte();
        record.ProcessorManufacturerStringNumber = fields.Byte();
        fields.Bytes(record.ProcessorID, TypeProcessor::ProcessorIDSize);
        record.ProcessorVersionStringNumber = fields.Byte();
        record.Voltage = fields.Byte();
        record.ExternalClock = fields.Word();
        record.MaxSpeed = fields.Word();
        record.CurrentSpeed = fields.Word();
        record.Status = fields.Byte();
        record.ProcessorUpgrade = fields.Byte();
        AssignString(record.SocketDesignation,
                     LookupString(state, record.SocketDesignationStringNumber));
        AssignString(record.ProcessorManufacturer,
                     LookupString(state, record.ProcessorManufacturerStringNumber));
        AssignString(record.ProcessorVersion,
                     LookupString(state, record.ProcessorVersionStringNumber));
    }

    if (version >= SMBiosSpecVersion::V2_1) {
        TypeProcessor::SMBios_2_1& v21 = record.V2_1;
        v21.L1CacheHandle = fields.Word();
        v21.L2CacheHandle = fields.Word();
        v21.L3CacheHandle = fields.Word();
        if (version >= SMBiosSpecVersion::V2_3) {
            TypeProcessor::SMBios_2_3& v23 = record.V2_3;
            v23.SerialNumberStringNumber = fields.Byte();
            v23.AssetTagStringNumber = fields.Byte();
            v23.PartNumberStringNumber = fields.Byte();
            AssignString(v23.SerialNumber, LookupString(state, v23.SerialNumberStringNumber));
            AssignString(v23.AssetTag, LookupString(state, v23.AssetTagStringNumber));
            AssignString(v23.PartNumber, LookupString(state, v23.PartNumberStringNumber));
        }
    }

    if (version >= SMBiosSpecVersion::V2_5) {
        TypeProcessor::SMBios_2_5& v25 = record.V2_5;
        v25.CoreCount = fields.Byte();
        v25.CoreEnabled = fields.Byte();
        v25.ThreadCount = fields.Byte();
        v25.ProcessorCharacteristics = fields.Word();
        if (version >= SMBiosSpecVersion::V2_6) {
            record.V2_6.ProcessorFamily2 = fields.Word();
            if (version >= SMBiosSpecVersion::V3_0) {
                TypeProcessor::SMBios_3_0& v30 = record.V3_0;
                v30.CoreCount2 = fields.Word();
                v30.CoreEnabled2 = fields.Word();
                v30.ThreadCount2 = fields.Word();
            }
        }
    }
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
