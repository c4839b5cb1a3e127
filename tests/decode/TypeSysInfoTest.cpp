#include <gtest/gtest.h>

#include "support/RecordFields.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// Copies do not carry the four base string numbers, so the facade's record always holds 0 there.
const auto kSysInfo =
    RecordLayout<TypeSysInfo>{
        1,
        &SMBiosInfo::GetTypeSysInfo,
        {RECORD_FIELD(ManufacturerStringNumber, 0x04, 1, 0x0200, 1, false),
         RECORD_FIELD(ProductNameStringNumber, 0x05, 1, 0x0200, 2, false),
         RECORD_FIELD(VersionStringNumber, 0x06, 1, 0x0200, 3, false),
         RECORD_FIELD(SerialNumberStringNumber, 0x07, 1, 0x0200, 4, false),
         RECORD_FIELD(V2_1.WakeUpType, 0x18, 1, 0x0201, 0x06),
         RECORD_FIELD(V2_4.SKUNumberStringNumber, 0x19, 1, 0x0204, 5),
         RECORD_FIELD(V2_4.FamilyStringNumber, 0x1A, 1, 0x0204, 6)},
        {RECORD_TEXT(Manufacturer, 0x0200, "Maker"), RECORD_TEXT(ProductName, 0x0200, "Product"),
         RECORD_TEXT(Version, 0x0200, "Version"), RECORD_TEXT(SerialNumber, 0x0200, "Serial"),
         RECORD_TEXT(V2_4.SKUNumber, 0x0204, "SKU"), RECORD_TEXT(V2_4.Family, 0x0204, "Family"),
         // The first three groups byte-reversed.
         RECORD_TEXT(V2_1.UUIDString, 0x0201, nullptr, "33221100-5544-7766-8899-AABBCCDDEEFF")}}
        .WithBytes("V2_1.UUID", [](const TypeSysInfo& r) { return r.V2_1.UUID; }, 0x08, 0x0201,
                   {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC,
                    0xDD, 0xEE, 0xFF});

TEST(TypeSysInfoTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kSysInfo); }

TEST(TypeSysInfoTest, CutTablesReadWholeFieldsOnly) { ExpectCutsReadWholeFields(kSysInfo); }

TEST(TypeSysInfoTest, CopiesCarryEverythingButTheBaseStringNumbers) { ExpectDeepCopies(kSysInfo); }

// No UUID value is special: all 00h (not present) and all FFh (not settable) are written out.
TEST(TypeSysInfoTest, WritesOutEveryUuidAsItIs) {
    for (std::uint8_t fill : {0x00, 0xFF}) {
        TableBuilder table(2, 1);
        auto& info = table.Add(1);
        for (unsigned i = 0; i < 16; ++i) info.ByteAt(0x08 + i, fill);
        ParsedTable parsed(table.End());
        EXPECT_STREQ(parsed.info.GetTypeSysInfo().V2_1.UUIDString,
                     fill == 0 ? "00000000-0000-0000-0000-000000000000"
                               : "FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF");
    }
}

}  // namespace
