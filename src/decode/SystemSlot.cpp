#include <smbios/SystemSlot.h>

#include "decode/Decoders.h"
#include "decode/OwnedString.h"

namespace kelvo::shared::smbios {

using pimpl::AssignString;
using pimpl::DuplicateString;
using pimpl::ReleaseString;

SystemSlot::SMBios_2_1::SMBios_2_1() : SlotCharacteristics2(0) {}

SystemSlot::SMBios_2_6::SMBios_2_6()
    : SegmentGroupNumber(0), BusNumber(0), DeviceFunctionNumber(0) {}

SystemSlot::SystemSlot()
    : SlotDesignationStringNumber(0),
      SlotDesignation(DuplicateString("")),
      SlotType(0),
      SlotDataBusWidth(0),
      CurrentUsage(0),
      SlotLength(0),
      SlotID(0),
      SlotCharacteristics1(0) {}

SystemSlot::SystemSlot(const SystemSlot& other)
    : SlotDesignationStringNumber(other.SlotDesignationStringNumber),
      SlotDesignation(DuplicateString(other.SlotDesignation)),
      SlotType(other.SlotType),
      SlotDataBusWidth(other.SlotDataBusWidth),
      CurrentUsage(other.CurrentUsage),
      SlotLength(other.SlotLength),
      SlotID(other.SlotID),
      SlotCharacteristics1(other.SlotCharacteristics1),
      V2_1(other.V2_1),
      V2_6(other.V2_6) {}

SystemSlot& SystemSlot::operator=(const SystemSlot& other) {
    if (this == &other) return *this;
    SlotDesignationStringNumber = other.SlotDesignationStringNumber;
    AssignString(SlotDesignation, other.SlotDesignation);
    SlotType = other.SlotType;
    SlotDataBusWidth = other.SlotDataBusWidth;
    CurrentUsage = other.CurrentUsage;
    SlotLength = other.SlotLength;
    SlotID = other.SlotID;
    SlotCharacteristics1 = other.SlotCharacteristics1;
    V2_1 = other.V2_1;
    V2_6 = other.V2_6;
    return *this;
}

SystemSlot::~SystemSlot() { ReleaseString(SlotDesignation); }

namespace pimpl {

void DecodeSystemSlot(ParseState& state, FieldCursor& fields) {
    SystemSlot& record = state.current.slot;
    if (state.version < SMBiosSpecVersion::V2_0) return;
    record.SlotDesignationStringNumber = fields.Byte();
    record.SlotType = fields.Byte();
    record.SlotDataBusWidth = fields.Byte();
    record.CurrentUsage = fields.Byte();
    record.SlotLength = fields.Byte();
    record.SlotID = fields.Word();
    record.SlotCharacteristics1 = fields.Byte();
    AssignString(record.SlotDesignation, LookupString(state, record.SlotDesignationStringNumber));

    if (state.version < SMBiosSpecVersion::V2_1) return;
    record.V2_1.SlotCharacteristics2 = fields.Byte();

    if (state.version < SMBiosSpecVersion::V2_6) return;
    record.V2_6.SegmentGroupNumber = fields.Word();
    record.V2_6.BusNumber = fields.Byte();
    record.V2_6.DeviceFunctionNumber = fields.Byte();
}

}  // namespace pimpl
}  // namespace kelvo::shared::smbios
