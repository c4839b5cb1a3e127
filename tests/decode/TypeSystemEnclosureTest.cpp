#include <smbios/TypeSystemEnclosure.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "decode/OwnedString.h"
#include "support/RecordFields.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// Two contained elements of 3 bytes at 15h put the SKU number at 1Bh. ChassisTypeName is no
// string of the structure: it stays empty.
const RecordLayout<TypeSystemEnclosure> kEnclosure{
    3,
    &SMBiosInfo::GetTypeSystemEnclosure,
    {RECORD_FIELD(ManufacturerStringNumber, 0x04, 1, 0x0200, 1),
     RECORD_FIELD(ChassisType, 0x05, 1, 0x0200, 0x83),
     RECORD_FIELD(VersionStringNumber, 0x06, 1, 0x0200, 2),
     RECORD_FIELD(SerialNumberStringNumber, 0x07, 1, 0x0200, 3),
     RECORD_FIELD(AssetTagStringNumber, 0x08, 1, 0x0200, 4),
     RECORD_FIELD(V2_1.BootUpState, 0x09, 1, 0x0201, 0x0A),
     RECORD_FIELD(V2_1.PowerSupplyState, 0x0A, 1, 0x0201, 0x0B),
     RECORD_FIELD(V2_1.ThermalState, 0x0B, 1, 0x0201, 0x0C),
     RECORD_FIELD(V2_1.SecurityStatus, 0x0C, 1, 0x0201, 0x0D),
     RECORD_FIELD(V2_3.OEMDefined, 0x0D, 4, 0x0203, 0x12345678),
     RECORD_FIELD(V2_3.Height, 0x11, 1, 0x0203, 2),
     RECORD_FIELD(V2_3.NumberOfPowerCords, 0x12, 1, 0x0203, 1),
     RECORD_FIELD(V2_3.ContainedElementCount, 0x13, 1, 0x0203, 2),
     RECORD_FIELD(V2_3.ContainedElementRecordLength, 0x14, 1, 0x0203, 3),
     RECORD_FIELD(V2_7.SKUNumberStringNumber, 0x1B, 1, 0x0207, 5)},
    {RECORD_TEXT(Manufacturer, 0x0200, "Maker"), RECORD_TEXT(Version, 0x0200, "V1"),
     RECORD_TEXT(SerialNumber, 0x0200, "SN1"), RECORD_TEXT(AssetTag, 0x0200, "Tag1"),
     RECORD_TEXT(V2_7.SKUNumber, 0x0207, "SKU1"),
     RECORD_TEXT(ChassisTypeName, 0x0200, nullptr, "")},
    {{0x15, {0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6}}}};

TEST(TypeSystemEnclosureTest, FillsEachBlockFromItsVersionOn) { ExpectVersionBlocks(kEnclosure); }

TEST(TypeSystemEnclosureTest, CutTablesReadWholeFieldsOnly) {
    ExpectCutsReadWholeFields(kEnclosure);
}

TEST(TypeSystemEnclosureTest, CopiesCarryEveryField) { ExpectDeepCopies(kEnclosure); }

// The contained elements are stepped over, not kept: the SKU number follows them at 15h + n * m.
TEST(TypeSystemEnclosureTest, SkuNumberFollowsTheContainedElements) {
    for (const auto& [count, length] : {std::pair{0, 3}, {3, 0}, {1, 5}, {2, 3}, {4, 4}}) {
        SCOPED_TRACE(std::to_string(count) + " elements of " + std::to_string(length));
        TableBuilder table(2, 7);
        table.Add(3)
            .BytesAt(0x13, {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(length)})
            .ByteAt(0x15 + count * length, 1)
            .String("SKU");
        ParsedTable parsed(table.End());
        EXPECT_STREQ(parsed.info.GetTypeSystemEnclosure().V2_7.SKUNumber, "SKU");
        EXPECT_EQ(parsed.info.GetTypeSystemEnclosure().V2_3.ContainedElements, nullptr);
    }
}

// A record given contained elements and a chassis type name copies both into memory of its own.
TEST(TypeSystemEnclosureTest, CopiesOwnTheirContainedElements) {
    TypeSystemEnclosure source;
    source.V2_3.ContainedElementCount = 2;
    source.V2_3.ContainedElementRecordLength = 3;
    source.V2_3.ContainedElements = new std::uint8_t[6]{1, 2, 3, 4, 5, 6};
    pimpl::AssignString(source.ChassisTypeName, "carried");
    TypeSystemEnclosure assigned;
    assigned.V2_3.ContainedElements = new std::uint8_t[1]{9};
    assigned = source;
    const TypeSystemEnclosure constructed(source);
    for (const TypeSystemEnclosure* copy : {&constructed, &std::as_const(assigned)}) {
        ASSERT_NE(copy->V2_3.ContainedElements, nullptr);
        EXPECT_NE(copy->V2_3.ContainedElements, source.V2_3.ContainedElements);
        EXPECT_EQ(std::memcmp(copy->V2_3.ContainedElements, source.V2_3.ContainedElements, 6), 0);
        EXPECT_STREQ(copy->ChassisTypeName, "carried");
    }
    assigned = TypeSystemEnclosure();
    EXPECT_EQ(assigned.V2_3.ContainedElements, nullptr);
}

}  // namespace
