// The nine records decoded from structures written by hand from the SMBIOS standard
// (support/StandardStructures.h). Each row below gives, from the standard, where a field lies,
// its width, the version that introduced it and the value that the hand-written structure holds
// there, so a field that the library reads from a wrong offset, with a wrong width or from a
// wrong version fails under its own name. Then what the records' copies carry and own, and the
// fields that code fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/Describe.h"
#include "support/StandardStructures.h"
#include "support/TimeZone.h"
#include "support/WithinLength.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

// A field as text: a number in decimal, bytes in hex, a text as it is ("(null)" for none).
template <class T, class = std::enable_if_t<std::is_integral_v<T>>>
std::string Of(T n) {
    return std::to_string(static_cast<std::uint64_t>(n));
}
std::string Of(const char* text) { return text ? text : "(null)"; }
template <std::size_t N>
std::string Of(const std::uint8_t (&bytes)[N]) {
    return Hex(bytes, N);
}
std::string OfBytes(const std::uint8_t* bytes, std::size_t size) {
    return bytes ? Hex(bytes, size) : "";
}

constexpr std::uint16_t kNever = 0xFFFF;  // not read by version

// One field: its offset and width in the structure, the version that introduced it, and its
// value in the standard structure.
template <class R>
struct Field {
    const char* name;
    unsigned offset;
    unsigned width;
    std::uint16_t since;
    std::string expected;
    std::string (*get)(const R&);
};

#define NUMBER(member, offset, width, since, value)                                       \
    Field<R> {                                                                            \
#member, offset, width, since, Of(value), [](const R& r) { return Of(r.member); } \
    }
#define STRING(member, offset, since, value)                                          \
    Field<R> {                                                                        \
#member, offset, 1, since, Of(value), [](const R& r) { return Of(r.member); } \
    }

// A record type's standard structure and its fields.
template <class R>
struct Standard {
    const standard::Structure& structure;
    std::vector<Field<R>> fields;
};
template <class R>
Standard<R> StandardOf();

// clang-format off
template <> Standard<TypeBios> StandardOf() { using R = TypeBios; return {standard::kBios, {
        STRING(Vendor,                          0x04,    0x0200, "Kelvo Firmware Works"),
        STRING(BIOSVersion,                     0x05,    0x0200, "K1.23"),
        NUMBER(BIOSStartingSegment,             0x06, 2, 0x0200, 0xE800),
        STRING(BIOSReleaseDate,                 0x08,    0x0200, "2021-07-14T00:00:00+00:00"),
        NUMBER(BIOSROMSize,                     0x09, 1, 0x0200, 0x3F),
        NUMBER(BIOSCharacteristics,             0x0A, 8, 0x0200, "8098097C12345678"),
        NUMBER(ExtensionByte1,                  0x12, 1, 0x0204, 0x83),
        NUMBER(ExtensionByte2,                  0x13, 1, 0x0204, 0x0D),
        NUMBER(SystemBIOSMajorRelease,          0x14, 1, 0x0204, 5),
        NUMBER(SystemBIOSMinorRelease,          0x15, 1, 0x0204, 17),
        NUMBER(EmbeddedFirmwareMajorRelease,    0x16, 1, 0x0204, 6),
        NUMBER(EmbeddedFirmwareMinorRelease,    0x17, 1, 0x0204, 40)}};
}
template <> Standard<TypeSysInfo> StandardOf() { using R = TypeSysInfo; return {standard::kSystem, {
        STRING(Manufacturer,                    0x04,     0x0200, "Kelvo Systems"),
        STRING(ProductName,                     0x05,     0x0200, "KS-9000"),
        STRING(Version,                         0x06,     0x0200, "Rev B"),
        STRING(SerialNumber,                    0x07,     0x0200, "SYS-00042"),
        NUMBER(V2_1.UUID,                       0x08, 16, 0x0201, "78563412BC9AF0DE0123456789ABCDEF"),
        // The first three groups little-endian, as dmidecode shows it from 2.6 on.
        NUMBER(V2_1.UUIDString,                 0x08, 16, 0x0201,
                                                "12345678-9ABC-DEF0-0123-456789ABCDEF"),
        NUMBER(V2_1.WakeUpType,                 0x18, 1,  0x0201, 0x06),
        STRING(V2_4.SKUNumber,                  0x19,     0x0204, "SKU-7"),
        STRING(V2_4.Family,                     0x1A,     0x0204, "Kelvo Desk")}};
}
template <> Standard<TypeBaseboard> StandardOf() { using R = TypeBaseboard; return {standard::kBaseboard, {
        STRING(Manufacturer,                    0x04,    0x0200, "Kelvo Boards"),
        STRING(Product,                         0x05,    0x0200, "KB-100"),
        STRING(Version,                         0x06,    0x0200, "1.0"),
        STRING(SerialNumber,                    0x07,    0x0200, "BRD-7788"),
        STRING(AssetTag,                        0x08,    0x0200, "Asset-B"),
        NUMBER(FeatureFlags,                    0x09, 1, 0x0200, 0x09),
        STRING(LocationInChassis,               0x0A,    0x0200, "Bay 1"),
        NUMBER(ChassisHandle,                   0x0B, 2, 0x0200, 0x0103),
        NUMBER(BoardType,                       0x0D, 1, 0x0200, 0x0A),
        NUMBER(NumberOfContainedObjectHandles,  0x0E, 1, 0x0200, 2),
        // Handles 0104h and 0109h, little-endian, as the table holds them.
        Field<R>{"ContainedObjectHandles",      0x0F, 4, 0x0200, "04010901",
                 [](const R& r) { return OfBytes(reinterpret_cast<const std::uint8_t*>(
                                                     r.ContainedObjectHandles), 4); }}}};
}
template <> Standard<TypeSystemEnclosure> StandardOf() { using R = TypeSystemEnclosure; return {standard::kEnclosure, {
        STRING(Manufacturer,                    0x04,    0x0200, "Kelvo Cases"),
        NUMBER(ChassisType,                     0x05, 1, 0x0200, 0x83),
        STRING(Version,                         0x06,    0x0200, "C-2"),
        STRING(SerialNumber,                    0x07,    0x0200, "CH-5150"),
        STRING(AssetTag,                        0x08,    0x0200, "Asset-C"),
        NUMBER(V2_1.BootUpState,                0x09, 1, 0x0201, 0x03),
        NUMBER(V2_1.PowerSupplyState,           0x0A, 1, 0x0201, 0x04),
        NUMBER(V2_1.ThermalState,               0x0B, 1, 0x0201, 0x06),
        NUMBER(V2_1.SecurityStatus,             0x0C, 1, 0x0201, 0x05),
        NUMBER(V2_3.OEMDefined,                 0x0D, 4, 0x0203, 0x5A6B7C8D),
        NUMBER(V2_3.Height,                     0x11, 1, 0x0203, 7),
        NUMBER(V2_3.NumberOfPowerCords,         0x12, 1, 0x0203, 3),
        NUMBER(V2_3.ContainedElementCount,      0x13, 1, 0x0203, 2),
        NUMBER(V2_3.ContainedElementRecordLength, 0x14, 1, 0x0203, 3),
        // Kept only when the structure is read as it is, within its Length.
        Field<R>{"V2_3.ContainedElements",      0x15, 6, kNever, "910104060002",
                 [](const R& r) { return OfBytes(r.V2_3.ContainedElements, 6); }},
        STRING(V2_7.SKUNumber,                  0x1B,    0x0207, "CH-SKU")}};
}
template <> Standard<TypeProcessor> StandardOf() { using R = TypeProcessor; return {standard::kProcessor, {
        STRING(SocketDesignation,               0x04,    0x0200, "CPU0"),
        NUMBER(ProcessorType,                   0x05, 1, 0x0200, 0x03),
        NUMBER(ProcessorFamily,                 0x06, 1, 0x0200, 0xFE),
        STRING(ProcessorManufacturer,           0x07,    0x0200, "Kelvo Silicon"),
        NUMBER(ProcessorID,                     0x08, 8, 0x0200, "C1D04F419ABCDEF0"),
        STRING(ProcessorVersion,                0x10,    0x0200, "Kelvo K8 @ 3.80GHz"),
        NUMBER(Voltage,                         0x11, 1, 0x0200, 0x8C),
        NUMBER(ExternalClock,                   0x12, 2, 0x0200, 266),
        NUMBER(MaxSpeed,                        0x14, 2, 0x0200, 3800),
        NUMBER(CurrentSpeed,                    0x16, 2, 0x0200, 2400),
        NUMBER(Status,                          0x18, 1, 0x0200, 0x41),
        NUMBER(ProcessorUpgrade,                0x19, 1, 0x0200, 0x04),
        NUMBER(V2_1.L1CacheHandle,              0x1A, 2, 0x0201, 0x0A30),
        NUMBER(V2_1.L2CacheHandle,              0x1C, 2, 0x0201, 0x0A31),
        NUMBER(V2_1.L3CacheHandle,              0x1E, 2, 0x0201, 0x0A32),
        STRING(V2_3.SerialNumber,               0x20,    0x0203, "CPU-SN-1"),
        STRING(V2_3.AssetTag,                   0x21,    0x0203, "CPU-AT-2"),
        STRING(V2_3.PartNumber,                 0x22,    0x0203, "CPU-PN-3"),
        NUMBER(V2_5.CoreCount,                  0x23, 1, 0x0205, 0xFF),
        NUMBER(V2_5.CoreEnabled,                0x24, 1, 0x0205, 240),
        NUMBER(V2_5.ThreadCount,                0x25, 1, 0x0205, 254),
        NUMBER(V2_5.ProcessorCharacteristics,   0x26, 2, 0x0205, 0x01FC),
        NUMBER(V2_6.ProcessorFamily2,           0x28, 2, 0x0206, 0x0118),
        NUMBER(V3_0.CoreCount2,                 0x2A, 2, 0x0300, 288),
        NUMBER(V3_0.CoreEnabled2,               0x2C, 2, 0x0300, 272),
        NUMBER(V3_0.ThreadCount2,               0x2E, 2, 0x0300, 576)}};
}
template <> Standard<SystemSlot> StandardOf() { using R = SystemSlot; return {standard::kSlot, {
        STRING(SlotDesignation,                 0x04,    0x0200, "PCIE3"),
        NUMBER(SlotType,                        0x05, 1, 0x0200, 0xB5),
        NUMBER(SlotDataBusWidth,                0x06, 1, 0x0200, 0x0B),
        NUMBER(CurrentUsage,                    0x07, 1, 0x0200, 0x04),
        NUMBER(SlotLength,                      0x08, 1, 0x0200, 0x03),
        NUMBER(SlotID,                          0x09, 2, 0x0200, 0x0209),
        NUMBER(SlotCharacteristics1,            0x0B, 1, 0x0200, 0x0C),
        NUMBER(V2_1.SlotCharacteristics2,       0x0C, 1, 0x0201, 0x05),
        NUMBER(V2_6.SegmentGroupNumber,         0x0D, 2, 0x0206, 0x0102),
        NUMBER(V2_6.BusNumber,                  0x0F, 1, 0x0206, 0x3B),
        NUMBER(V2_6.DeviceFunctionNumber,       0x10, 1, 0x0206, 0xFD)}};
}
template <> Standard<TypeOemStrings> StandardOf() { using R = TypeOemStrings; return {standard::kOemStrings, {
        NUMBER(Count,                           0x04, 1, 0x0200, 3),
        // The string set back to back, each string with its NUL: read with the count.
        Field<R>{"Strings",                     0x04, 1, 0x0200,
                 std::string("Kelvo OEM one\0OEM-2\0third\0", 26), [](const R& r) {
                     return std::string(r.Strings ? r.Strings : "",
                                        r.Strings ? r.StringsSize : 0); }}}};
}
template <> Standard<TypePhysicalMemory> StandardOf() { using R = TypePhysicalMemory; return {standard::kMemoryArray, {
        NUMBER(V2_1.Location,                   0x04, 1, 0x0201, 0x09),
        NUMBER(V2_1.Use,                        0x05, 1, 0x0201, 0x03),
        NUMBER(V2_1.MemoryErrorCorrection,      0x06, 1, 0x0201, 0x06),
        NUMBER(V2_1.MaximumCapacity,            0x07, 4, 0x0201, 0x80000000u),
        NUMBER(V2_1.MemoryErrorInformationHandle, 0x0B, 2, 0x0201, 0xFFFE),
        NUMBER(V2_1.NumberOfMemoryDevices,      0x0D, 2, 0x0201, 260),
        NUMBER(V2_7.ExtendedMaximumCapacity,    0x0F, 8, 0x0207, 0x0000012340000000ull)}};
}
template <> Standard<TypeMemoryDevice> StandardOf() { using R = TypeMemoryDevice; return {standard::kMemoryDevice, {
        NUMBER(V2_1.PhysicalMemoryArrayHandle,  0x04, 2, 0x0201, 0x0110),
        NUMBER(V2_1.MemoryErrorInformationHandle, 0x06, 2, 0x0201, 0xFFFE),
        NUMBER(V2_1.TotalWidth,                 0x08, 2, 0x0201, 72),
        NUMBER(V2_1.DataWidth,                  0x0A, 2, 0x0201, 64),
        NUMBER(V2_1.Size,                       0x0C, 2, 0x0201, 0x7FFF),
        NUMBER(V2_1.FormFactor,                 0x0E, 1, 0x0201, 0x09),
        NUMBER(V2_1.DeviceSet,                  0x0F, 1, 0x0201, 2),
        STRING(V2_1.DeviceLocator,              0x10,    0x0201, "DIMM A1"),
        STRING(V2_1.BankLocator,                0x11,    0x0201, "BANK 0"),
        NUMBER(V2_1.MemoryType,                 0x12, 1, 0x0201, 0x1A),
        NUMBER(V2_1.TypeDetail,                 0x13, 2, 0x0201, 0x2080),
        NUMBER(V2_3.Speed,                      0x15, 2, 0x0203, 3200),
        STRING(V2_3.Manufacturer,               0x17,    0x0203, "Kelvo Memory"),
        STRING(V2_3.SerialNumber,               0x18,    0x0203, "MEM-00A1"),
        STRING(V2_3.AssetTag,                   0x19,    0x0203, "MEM-AT"),
        STRING(V2_3.PartNumber,                 0x1A,    0x0203, "KM-32G-3200"),
        NUMBER(V2_6.Attributes,                 0x1B, 1, 0x0206, 0x02),
        NUMBER(V2_7.ExtendedSize,               0x1C, 4, 0x0207, 0x00010000),
        NUMBER(V2_7.ConfiguredMemoryClockSpeed, 0x20, 2, 0x0207, 2933),
        NUMBER(V2_8.MinimumVoltage,             0x22, 2, 0x0208, 1200),
        NUMBER(V2_8.MaximumVoltage,             0x24, 2, 0x0208, 1350),
        NUMBER(V2_8.ConfiguredVoltage,          0x26, 2, 0x0208, 1250)}};
}
// clang-format on

#undef NUMBER
#undef STRING

using Records =
    ::testing::Types<TypeBios, TypeSysInfo, TypeBaseboard, TypeSystemEnclosure, TypeProcessor,
                     SystemSlot, TypeOemStrings, TypePhysicalMemory, TypeMemoryDevice>;

template <class R>
class StandardRecordsTest : public ::testing::Test {
protected:
    void SetUp() override { SetTimeZone("UTC0"); }

    // Each field holds its standard value where `read(field)` says so, else the default
    // record's value.
    template <class Read>
    static void Expect(const R& record, Read&& read) {
        const R defaults;
        for (const Field<R>& f : StandardOf<R>().fields) {
            EXPECT_EQ(f.get(record), read(f) ? f.expected : f.get(defaults)) << f.name;
        }
    }
};
TYPED_TEST_SUITE(StandardRecordsTest, Records);

// The records that SMBiosInfo returns, and their copies and assignments, hold the fields that
// the table's version has, whatever the structures' Length; 3.x reads as 3.0. Each type's standard
// structure follows another of its type, which it replaces.
TYPED_TEST(StandardRecordsTest, EachVersionReadsTheFieldsItIntroduced) {
    for (const int version :
         {0x0200, 0x0201, 0x0202, 0x0203, 0x0204, 0x0205, 0x0206, 0x0207, 0x0208, 0x0300, 0x0304}) {
        SCOPED_TRACE("version " + std::to_string(version >> 8) + "." +
                     std::to_string(version & 0xFF));
        TableBuilder table(static_cast<std::uint8_t>(version >> 8),
                           static_cast<std::uint8_t>(version & 0xFF));
        // Zeros but byte 08h, the BIOS release date's string number.
        for (const standard::Structure* s : standard::kAll) {
            table.Add(s->Type(), 0x10)
                .ByteAt(s->formatted.size() - 1, 0)
                .ByteAt(8, 1)
                .String("01/01/2000");
        }
        for (const standard::Structure* s : standard::kAll) standard::AddTo(table, *s);
        const ParsedTable parsed(table.End());
        ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
        const int effective = std::min(version, 0x0300);
        const TypeParam& decoded = RecordOf<TypeParam>(parsed.info);
        const TypeParam copy(decoded);
        TypeParam assigned;
        assigned = copy;
        for (const TypeParam* record : {&decoded, &copy, &std::as_const(assigned)}) {
            this->Expect(*record, [&](const Field<TypeParam>& f) { return effective >= f.since; });
        }
    }
}

// Read as it is (the C interface's table view): a field is there when it lies wholly inside the
// structure's Length, whatever the version. Each Length from 4 up to the standard's, with the
// strings after it.
TYPED_TEST(StandardRecordsTest, WithinLengthReadsWhatTheLengthAndTheTableHold) {
    const standard::Structure& s = StandardOf<TypeParam>().structure;
    for (std::size_t length = 4; length <= s.formatted.size(); ++length) {
        SCOPED_TRACE("Length " + std::to_string(length));
        standard::Structure cut{{s.formatted.begin(), s.formatted.begin() + length}, s.strings};
        cut.formatted[1] = static_cast<std::uint8_t>(length);
        TableBuilder table;
        const WithinLength<TypeParam> alone(standard::AddTo(table, cut).Bytes());
        this->Expect(alone.record,
                     [&](const Field<TypeParam>& f) { return f.offset + f.width <= length; });
    }
}

// Calls visit(block of a, block of b, field) for every described string.
template <class R1, class R2, class Visit>
void ForEachString(R1& a, R2& b, Visit&& visit) {
    fields::ForEachRecordField<std::remove_const_t<R1>>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        if constexpr (std::is_same_v<std::decay_t<decltype(f)>, fields::String<B>>) {
            visit(fields::Access(a, block), fields::Access(b, block), f);
        }
    });
}

// Copies and assignments carry every field but the string numbers that the description says
// copies do not carry (0 in a copy, the target's own after an assignment), and every text and
// OEM string area at an address of its own; assigning a record to itself changes nothing.
TYPED_TEST(StandardRecordsTest, CopiesCarryWhatTheDescriptionSays) {
    TableBuilder table;
    const auto& written = standard::AddTo(table, StandardOf<TypeParam>().structure);
    const TypeParam source = WithinLength<TypeParam>(written.Bytes()).record;
    TypeParam assigned;
    ForEachString(assigned, assigned, [](auto& b, auto&, const auto& f) { b.*f.number = 0xEE; });
    assigned = source;
    assigned = std::as_const(assigned);
    const TypeParam copy(source);
    ForEachString(source, assigned, [&](const auto& from, const auto& to, const auto& f) {
        EXPECT_EQ(to.*f.number, f.carried ? from.*f.number : 0xEE) << f.name;
        EXPECT_STREQ(to.*f.text, from.*f.text) << f.name;
        EXPECT_NE(to.*f.text, from.*f.text) << f.name << " is shared";
    });
    ForEachString(source, copy, [](const auto& from, const auto& to, const auto& f) {
        EXPECT_NE(to.*f.text, from.*f.text) << f.name << " is shared";
    });
    if constexpr (std::is_same_v<TypeParam, TypeOemStrings>) {
        for (const TypeOemStrings* r : {&copy, &std::as_const(assigned)}) {
            EXPECT_NE(r->Strings, source.Strings);
            EXPECT_EQ(std::string(r->Strings, r->StringsSize),
                      std::string("Kelvo OEM one\0OEM-2\0third\0", 26));
        }
    }
}

// What no description says: the fields that code fills.

// The SKU number follows the contained elements at 15h + n * m. By version the elements are
// stepped over; within the Length they are kept, and copies keep them in memory of their own.
TEST(SpecialFieldsTest, EnclosureSkuFollowsTheContainedElements) {
    for (const auto& [count, length] : {std::pair{0, 3}, {3, 0}, {1, 5}, {2, 3}, {4, 4}}) {
        SCOPED_TRACE(std::to_string(count) + " elements of " + std::to_string(length));
        const unsigned size = count * length;
        TableBuilder table(2, 7);
        auto& chassis = table.Add(3).BytesAt(
            0x13, {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(length)});
        for (unsigned i = 0; i < size; ++i)
            chassis.ByteAt(0x15 + i, static_cast<std::uint8_t>(i + 1));
        chassis.ByteAt(0x15 + size, 1).String("SKU");
        ParsedTable parsed(table.End());
        EXPECT_STREQ(parsed.info.GetTypeSystemEnclosure().V2_7.SKUNumber, "SKU");
        EXPECT_EQ(parsed.info.GetTypeSystemEnclosure().V2_3.ContainedElements, nullptr);

        const auto decoded = WithinLength<TypeSystemEnclosure>(chassis.Bytes()).record;
        const TypeSystemEnclosure copy(decoded);
        TypeSystemEnclosure assigned;
        assigned = copy;
        for (const TypeSystemEnclosure* r : {&decoded, &copy, &std::as_const(assigned)}) {
            EXPECT_STREQ(r->V2_7.SKUNumber, "SKU");
            for (unsigned i = 0; i < size; ++i) EXPECT_EQ(r->V2_3.ContainedElements[i], i + 1);
            EXPECT_EQ(r->V2_3.ContainedElements == nullptr, size == 0);
        }
        EXPECT_TRUE(size == 0 || copy.V2_3.ContainedElements != decoded.V2_3.ContainedElements);
        EXPECT_TRUE(size == 0 || assigned.V2_3.ContainedElements != copy.V2_3.ContainedElements);
    }
}

}  // namespace
