#include <smbios/TypeProcessor.h>

#include <gtest/gtest.h>

#include "support/RecordFields.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// Distinct values everywhere. The family and the core and thread counts hold the values that
// point to the extension fields; they are kept as they are, not merged.
const auto kProcessor =
    RecordLayout<TypeProcessor>{
        4,
        &SMBiosInfo::GetTypeProcessor,
        {RECORD_FIELD(SocketDesignationStringNumber, 0x04, 1, 0x0200, 1),
         RECORD_FIELD(ProcessorType, 0x05, 1, 0x0200, 0x03),
         RECORD_FIELD(ProcessorFamily, 0x06, 1, 0x0200, 0xFE),
         RECORD_FIELD(ProcessorManufacturerStringNumber, 0x07, 1, 0x0200, 2),
         RECORD_FIELD(ProcessorVersionStringNumber, 0x10, 1, 0x0200, 3),
         RECORD_FIELD(Voltage, 0x11, 1, 0x0200, 0x8B),
         RECORD_FIELD(ExternalClock, 0x12, 2, 0x0200, 0x0064),
         RECORD_FIELD(MaxSpeed, 0x14, 2, 0x0200, 0x0E10),
         RECORD_FIELD(CurrentSpeed, 0x16, 2, 0x0200, 0x0BB8),
         RECORD_FIELD(Status, 0x18, 1, 0x0200, 0x41),
         RECORD_FIELD(ProcessorUpgrade, 0x19, 1, 0x0200, 0x2B),
         RECORD_FIELD(V2_1.L1CacheHandle, 0x1A, 2, 0x0201, 0x0701),
         RECORD_FIELD(V2_1.L2CacheHandle, 0x1C, 2, 0x0201, 0x0702),
         RECORD_FIELD(V2_1.L3CacheHandle, 0x1E, 2, 0x0201, 0x0703),
         RECORD_FIELD(V2_3.SerialNumberStringNumber, 0x20, 1, 0x0203, 4),
         RECORD_FIELD(V2_3.AssetTagStringNumber, 0x21, 1, 0x0203, 5),
         RECORD_FIELD(V2_3.PartNumberStringNumber, 0x22, 1, 0x0203, 6),
         RECORD_FIELD(V2_5.CoreCount, 0x23, 1, 0x0205, 0xFF),
         RECORD_FIELD(V2_5.CoreEnabled, 0x24, 1, 0x0205, 0xFF),
         RECORD_FIELD(V2_5.ThreadCount, 0x25, 1, 0x0205, 0xFF),
         RECORD_FIELD(V2_5.ProcessorCharacteristics, 0x26, 2, 0x0205, 0x00FC),
         RECORD_FIELD(V2_6.ProcessorFamily2, 0x28, 2, 0x0206, 0x0118),
         RECORD_FIELD(V3_0.CoreCount2, 0x2A, 2, 0x0300, 0x0100),
         RECORD_FIELD(V3_0.CoreEnabled2, 0x2C, 2, 0x0300, 0x00FE),
         RECORD_FIELD(V3_0.ThreadCount2, 0x2E, 2, 0x0300, 0x0200)},
        {RECORD_TEXT(SocketDesignation, 0x0200, "CPU0"),
         RECORD_TEXT(ProcessorManufacturer, 0x0200, "Intel(R)"),
         RECORD_TEXT(ProcessorVersion, 0x0200, "Xeon"),
         RECORD_TEXT(V2_3.SerialNumber, 0x0203, "SN-1"), RECORD_TEXT(V2_3.AssetTag, 0x0203, "AT-1"),
         RECORD_TEXT(V2_3.PartNumber, 0x0203, "PN-1")}}
        .WithBytes("ProcessorID", [](const TypeProcessor& r) { return r.ProcessorID; }, 0x08,
                   0x0200, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});

TEST(TypeProcessorTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kProcessor); }

TEST(TypeProcessorTest, CutTablesReadWholeFieldsOnly) { ExpectCutsReadWholeFields(kProcessor); }

TEST(TypeProcessorTest, CopiesCarryEveryField) { ExpectDeepCopies(kProcessor); }

}  // namespace
