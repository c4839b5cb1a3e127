#include <smbios/TypeMemoryDevice.h>

#include <gtest/gtest.h>

#include "support/RecordFields.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// The structure type exists from 2.1 on. Size holds the value that points to ExtendedSize;
// both are kept as they are.
const RecordLayout<TypeMemoryDevice> kDevice{
    17,
    &SMBiosInfo::GetTypeMemoryDevice,
    {RECORD_FIELD(V2_1.PhysicalMemoryArrayHandle, 0x04, 2, 0x0201, 0x1000),
     RECORD_FIELD(V2_1.MemoryErrorInformationHandle, 0x06, 2, 0x0201, 0xFFFE),
     RECORD_FIELD(V2_1.TotalWidth, 0x08, 2, 0x0201, 72),
     RECORD_FIELD(V2_1.DataWidth, 0x0A, 2, 0x0201, 64),
     RECORD_FIELD(V2_1.Size, 0x0C, 2, 0x0201, 0x7FFF),
     RECORD_FIELD(V2_1.FormFactor, 0x0E, 1, 0x0201, 0x09),
     RECORD_FIELD(V2_1.DeviceSet, 0x0F, 1, 0x0201, 0x01),
     RECORD_FIELD(V2_1.DeviceLocatorStringNumber, 0x10, 1, 0x0201, 1),
     RECORD_FIELD(V2_1.BankLocatorStringNumber, 0x11, 1, 0x0201, 2),
     RECORD_FIELD(V2_1.MemoryType, 0x12, 1, 0x0201, 0x1A),
     RECORD_FIELD(V2_1.TypeDetail, 0x13, 2, 0x0201, 0x0080),
     RECORD_FIELD(V2_3.Speed, 0x15, 2, 0x0203, 0x0C80),
     RECORD_FIELD(V2_3.ManufacturerStringNumber, 0x17, 1, 0x0203, 3),
     RECORD_FIELD(V2_3.SerialNumberStringNumber, 0x18, 1, 0x0203, 4),
     RECORD_FIELD(V2_3.AssetTagStringNumber, 0x19, 1, 0x0203, 5),
     RECORD_FIELD(V2_3.PartNumberStringNumber, 0x1A, 1, 0x0203, 6),
     RECORD_FIELD(V2_6.Attributes, 0x1B, 1, 0x0206, 0x02),
     RECORD_FIELD(V2_7.ExtendedSize, 0x1C, 4, 0x0207, 0x00010000),
     RECORD_FIELD(V2_7.ConfiguredMemoryClockSpeed, 0x20, 2, 0x0207, 0x0BB8),
     RECORD_FIELD(V2_8.MinimumVoltage, 0x22, 2, 0x0208, 0x04B0),
     RECORD_FIELD(V2_8.MaximumVoltage, 0x24, 2, 0x0208, 0x05DC),
     RECORD_FIELD(V2_8.ConfiguredVoltage, 0x26, 2, 0x0208, 0x0514)},
    {RECORD_TEXT(V2_1.DeviceLocator, 0x0201, "DIMM_A1"),
     RECORD_TEXT(V2_1.BankLocator, 0x0201, "BANK 0"),
     RECORD_TEXT(V2_3.Manufacturer, 0x0203, "Samsung"),
     RECORD_TEXT(V2_3.SerialNumber, 0x0203, "SN-1"), RECORD_TEXT(V2_3.AssetTag, 0x0203, "AT-1"),
     RECORD_TEXT(V2_3.PartNumber, 0x0203, "PN-1")}};

TEST(TypeMemoryDeviceTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kDevice); }

TEST(TypeMemoryDeviceTest, CutTablesReadWholeFieldsOnly) { ExpectCutsReadWholeFields(kDevice); }

TEST(TypeMemoryDeviceTest, CopiesCarryEveryField) { ExpectDeepCopies(kDevice); }

}  // namespace
