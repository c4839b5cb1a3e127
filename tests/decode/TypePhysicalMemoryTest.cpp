#include <smbios/TypePhysicalMemory.h>

#include <gtest/gtest.h>

#include "support/RecordFields.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// The structure type exists from 2.1 on. MaximumCapacity holds the value that points to
// ExtendedMaximumCapacity; both are kept as they are.
const RecordLayout<TypePhysicalMemory> kArray{
    16,
    &SMBiosInfo::GetTypePhysicalMemory,
    {RECORD_FIELD(V2_1.Location, 0x04, 1, 0x0201, 0x03),
     RECORD_FIELD(V2_1.Use, 0x05, 1, 0x0201, 0x04),
     RECORD_FIELD(V2_1.MemoryErrorCorrection, 0x06, 1, 0x0201, 0x06),
     RECORD_FIELD(V2_1.MaximumCapacity, 0x07, 4, 0x0201, 0x80000000),
     RECORD_FIELD(V2_1.MemoryErrorInformationHandle, 0x0B, 2, 0x0201, 0xFFFE),
     RECORD_FIELD(V2_1.NumberOfMemoryDevices, 0x0D, 2, 0x0201, 0x0004),
     RECORD_FIELD(V2_7.ExtendedMaximumCapacity, 0x0F, 8, 0x0207, 0x0000001000000000)},
    {}};

TEST(TypePhysicalMemoryTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kArray); }

TEST(TypePhysicalMemoryTest, CutTablesReadWholeFieldsOnly) { ExpectCutsReadWholeFields(kArray); }

TEST(TypePhysicalMemoryTest, CopiesCarryEveryField) { ExpectDeepCopies(kArray); }

}  // namespace
