#include <smbios/SystemSlot.h>

#include <gtest/gtest.h>

#include "support/RecordFields.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

const RecordLayout<SystemSlot> kSlot{
    9,
    &SMBiosInfo::GetSystemSlot,
    {RECORD_FIELD(SlotDesignationStringNumber, 0x04, 1, 0x0200, 1),
     RECORD_FIELD(SlotType, 0x05, 1, 0x0200, 0xA5),
     RECORD_FIELD(SlotDataBusWidth, 0x06, 1, 0x0200, 0x0D),
     RECORD_FIELD(CurrentUsage, 0x07, 1, 0x0200, 0x04),
     RECORD_FIELD(SlotLength, 0x08, 1, 0x0200, 0x03), RECORD_FIELD(SlotID, 0x09, 2, 0x0200, 0x0201),
     RECORD_FIELD(SlotCharacteristics1, 0x0B, 1, 0x0200, 0x0C),
     RECORD_FIELD(V2_1.SlotCharacteristics2, 0x0C, 1, 0x0201, 0x07),
     RECORD_FIELD(V2_6.SegmentGroupNumber, 0x0D, 2, 0x0206, 0x1234),
     RECORD_FIELD(V2_6.BusNumber, 0x0F, 1, 0x0206, 0x05),
     RECORD_FIELD(V2_6.DeviceFunctionNumber, 0x10, 1, 0x0206, 0x18)},
    {RECORD_TEXT(SlotDesignation, 0x0200, "Slot3")}};

TEST(SystemSlotTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kSlot); }

TEST(SystemSlotTest, CutTablesReadWholeFieldsOnly) { ExpectCutsReadWholeFields(kSlot); }

TEST(SystemSlotTest, CopiesCarryEveryField) { ExpectDeepCopies(kSlot); }

}  // namespace
