#pragma once

// The fields of the nine records, each described once: the member, where the structure holds it,
// from which table version on, and how it is best shown. The library's decoding and the records'
// constructors, copies and destructors are driven by these descriptions, and so is every
// listing of a record's fields (the kelvo-smbios tool, the tests). Iterate them with ForEachBlock
// and ForEachField.
//
// Adding a plain number or string to a record: declare the member in the record's header and add
// one row to its block's list below.

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include <smbios/SystemSlot.h>
#include <smbios/TypeBaseboard.h>
#include <smbios/TypeBios.h>
#include <smbios/TypeMemoryDevice.h>
#include <smbios/TypeOemStrings.h>
#include <smbios/TypePhysicalMemory.h>
#include <smbios/TypeProcessor.h>
#include <smbios/TypeSysInfo.h>
#include <smbios/TypeSystemEnclosure.h>

namespace kelvo::shared::smbios::fields {

// How a number is best shown: handles, flags and enumerations in hex, counts and sizes in decimal.
enum class Show : std::uint8_t { Decimal, Hex };

// A number that the structure holds at `offset` (counted from the structure's first byte), stored
// as it is, little-endian in the structure.
template <class Block, class T>
struct Number {
    T Block::*member;
    const char* name;
    std::uint8_t offset;
    std::uint16_t since;  // table version that introduced it: 0x0204 for 2.4
    Show show;
};

// A string of the structure: its string number at `offset` and the owned text of that string.
// `carried` is false for the string numbers that copies do not carry (a copy holds 0, an
// assignment keeps the target's own). `converted` marks a text that code makes from the string
// (the BIOS release date). An offset of 0 means that code places the field (the enclosure's SKU
// number follows its contained elements).
template <class Block>
struct String {
    std::uint8_t Block::*number;
    char* Block::*text;
    const char* name;
    std::uint8_t offset;
    std::uint16_t since;
    bool carried;
    bool converted;
};

// `N` bytes from `offset`, in structure order, uninterpreted.
template <class Block, std::size_t N>
struct Bytes {
    std::uint8_t (Block::*member)[N];
    const char* name;
    std::uint8_t offset;
    std::uint16_t since;
};

// An owned text that no string number names: made by code from other fields (the UUID text), or
// never filled (the chassis type name).
template <class Block>
struct Text {
    char* Block::*text;
    const char* name;
    std::uint16_t since;
};

// A member that code fills and that copies carry as it is (the baseboard's pointer to its
// contained handles, the OEM area's size).
template <class Block, class T>
struct Kept {
    T Block::*member;
    const char* name;
    std::uint16_t since;
};

// An owned array that code fills and copies (the enclosure's contained elements, the OEM area).
template <class Block, class T>
struct Owned {
    T* Block::*member;
    const char* name;
    std::uint16_t since;
};

// The fields of one block, in declaration order: a record's own fields, or one of its nested
// version structures.
template <class Block>
struct Fields;

// A record: its structure type, its names and its blocks. A block is the record itself (member
// pointer null) or the nested version structure that the member pointer names.
template <class Record>
struct Layout;

template <class Record, class Block>
struct BlockOf {
    using Type = Block;
    Block Record::*member;  // null for the record's own fields
    const char* name;       // "V2_1", or "" for the record's own fields
};

template <class Record, class Block>
constexpr Block& Access(Record& record, BlockOf<Record, Block> block) {
    if constexpr (std::is_same_v<Record, Block>) {
        return record;
    } else {
        return record.*block.member;
    }
}
template <class Record, class Block>
constexpr const Block& Access(const Record& record, BlockOf<Record, Block> block) {
    if constexpr (std::is_same_v<Record, Block>) {
        return record;
    } else {
        return record.*block.member;
    }
}

// Calls visit(block) for each block of a record, in declaration order.
template <class Record, class Visit>
constexpr void ForEachBlock(Visit&& visit) {
    std::apply([&](const auto&... block) { (visit(block), ...); }, Layout<Record>::blocks);
}

// Calls visit(field) for each field of a block, in declaration order.
template <class Block, class Visit>
constexpr void ForEachField(Visit&& visit) {
    std::apply([&](const auto&... field) { (visit(field), ...); }, Fields<Block>::list);
}

// Calls visit(block, field) for every field of a record, blocks and fields in declaration order;
// `block` is the field's BlockOf (fields::Access(record, block) reaches the block).
template <class Record, class Visit>
constexpr void ForEachRecordField(Visit&& visit) {
    ForEachBlock<Record>([&](auto block) {
        using Block = typename decltype(block)::Type;
        ForEachField<Block>([&](const auto& field) { visit(block, field); });
    });
}

// Rows of the lists below; `B` is the block that a list describes.
#define KELVO_NUMBER(m, offset, since, show) \
    Number<B, decltype(B::m)> { &B::m, #m, offset, since, Show::show }
#define KELVO_STRING(m, offset, since) \
    String<B> { &B::m##StringNumber, &B::m, #m, offset, since, true, false }
#define KELVO_STRING_NOT_CARRIED(m, offset, since) \
    String<B> { &B::m##StringNumber, &B::m, #m, offset, since, false, false }
#define KELVO_BYTES(m, offset, since) \
    Bytes<B, sizeof(B::m)> { &B::m, #m, offset, since }
#define KELVO_TEXT(m, since) \
    Text<B> { &B::m, #m, since }
#define KELVO_KEPT(m, since) \
    Kept<B, decltype(B::m)> { &B::m, #m, since }
#define KELVO_OWNED(m, since) \
    Owned<B, std::remove_pointer_t<decltype(B::m)>> { &B::m, #m, since }

// clang-format off
template <> struct Fields<TypeBios> {
    using B = TypeBios;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING_NOT_CARRIED(Vendor,                  0x04, 0x0200),
        KELVO_STRING_NOT_CARRIED(BIOSVersion,             0x05, 0x0200),
        KELVO_NUMBER(BIOSStartingSegment,                 0x06, 0x0200, Hex),
        // The text is the converted date, "YYYY-MM-DDTHH:MM:SS+00:00".
        String<B>{&B::BIOSReleaseDateStringNumber, &B::BIOSReleaseDate, "BIOSReleaseDate",
                                                          0x08, 0x0200, false, true},
        KELVO_NUMBER(BIOSROMSize,                         0x09, 0x0200, Decimal),
        KELVO_BYTES(BIOSCharacteristics,                  0x0A, 0x0200),
        KELVO_NUMBER(ExtensionByte1,                      0x12, 0x0204, Hex),
        KELVO_NUMBER(ExtensionByte2,                      0x13, 0x0204, Hex),
        KELVO_NUMBER(SystemBIOSMajorRelease,              0x14, 0x0204, Decimal),
        KELVO_NUMBER(SystemBIOSMinorRelease,              0x15, 0x0204, Decimal),
        KELVO_NUMBER(EmbeddedFirmwareMajorRelease,        0x16, 0x0204, Decimal),
        KELVO_NUMBER(EmbeddedFirmwareMinorRelease,        0x17, 0x0204, Decimal));
};

template <> struct Fields<TypeSysInfo> {
    using B = TypeSysInfo;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING_NOT_CARRIED(Manufacturer,            0x04, 0x0200),
        KELVO_STRING_NOT_CARRIED(ProductName,             0x05, 0x0200),
        KELVO_STRING_NOT_CARRIED(Version,                 0x06, 0x0200),
        KELVO_STRING_NOT_CARRIED(SerialNumber,            0x07, 0x0200));
};
template <> struct Fields<TypeSysInfo::SMBios_2_1> {
    using B = TypeSysInfo::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_BYTES(UUID,                                 0x08, 0x0201),
        KELVO_NUMBER(WakeUpType,                          0x18, 0x0201, Hex),
        // "33221100-5544-7766-8899-AABBCCDDEEFF", made from UUID.
        KELVO_TEXT(UUIDString,                                  0x0201));
};
template <> struct Fields<TypeSysInfo::SMBios_2_4> {
    using B = TypeSysInfo::SMBios_2_4;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(SKUNumber,                           0x19, 0x0204),
        KELVO_STRING(Family,                              0x1A, 0x0204));
};

template <> struct Fields<TypeBaseboard> {
    using B = TypeBaseboard;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(Manufacturer,                        0x04, 0x0200),
        KELVO_STRING(Product,                             0x05, 0x0200),
        KELVO_STRING(Version,                             0x06, 0x0200),
        KELVO_STRING(SerialNumber,                        0x07, 0x0200),
        KELVO_STRING(AssetTag,                            0x08, 0x0200),
        KELVO_NUMBER(FeatureFlags,                        0x09, 0x0200, Hex),
        KELVO_STRING(LocationInChassis,                   0x0A, 0x0200),
        KELVO_NUMBER(ChassisHandle,                       0x0B, 0x0200, Hex),
        KELVO_NUMBER(BoardType,                           0x0D, 0x0200, Hex),
        KELVO_NUMBER(NumberOfContainedObjectHandles,      0x0E, 0x0200, Decimal),
        // Points at offset 0Fh in the table.
        KELVO_KEPT(ContainedObjectHandles,                      0x0200));
};

template <> struct Fields<TypeSystemEnclosure> {
    using B = TypeSystemEnclosure;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(Manufacturer,                        0x04, 0x0200),
        KELVO_NUMBER(ChassisType,                         0x05, 0x0200, Hex),
        KELVO_STRING(Version,                             0x06, 0x0200),
        KELVO_STRING(SerialNumber,                        0x07, 0x0200),
        KELVO_STRING(AssetTag,                            0x08, 0x0200),
        KELVO_TEXT(ChassisTypeName,                             0x0200));
};
template <> struct Fields<TypeSystemEnclosure::SMBios_2_1> {
    using B = TypeSystemEnclosure::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(BootUpState,                         0x09, 0x0201, Hex),
        KELVO_NUMBER(PowerSupplyState,                    0x0A, 0x0201, Hex),
        KELVO_NUMBER(ThermalState,                        0x0B, 0x0201, Hex),
        KELVO_NUMBER(SecurityStatus,                      0x0C, 0x0201, Hex));
};
template <> struct Fields<TypeSystemEnclosure::SMBios_2_3> {
    using B = TypeSystemEnclosure::SMBios_2_3;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(OEMDefined,                          0x0D, 0x0203, Hex),
        KELVO_NUMBER(Height,                              0x11, 0x0203, Decimal),
        KELVO_NUMBER(NumberOfPowerCords,                  0x12, 0x0203, Decimal),
        KELVO_NUMBER(ContainedElementCount,               0x13, 0x0203, Decimal),
        KELVO_NUMBER(ContainedElementRecordLength,        0x14, 0x0203, Decimal),
        // Count * RecordLength bytes from offset 15h.
        KELVO_OWNED(ContainedElements,                          0x0203));
};
template <> struct Fields<TypeSystemEnclosure::SMBios_2_7> {
    using B = TypeSystemEnclosure::SMBios_2_7;
    static constexpr auto list = std::make_tuple(
        // At 15h + ContainedElementCount * ContainedElementRecordLength.
        KELVO_STRING(SKUNumber,                           0x00, 0x0207));
};

template <> struct Fields<TypeProcessor> {
    using B = TypeProcessor;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(SocketDesignation,                   0x04, 0x0200),
        KELVO_NUMBER(ProcessorType,                       0x05, 0x0200, Hex),
        KELVO_NUMBER(ProcessorFamily,                     0x06, 0x0200, Hex),
        KELVO_STRING(ProcessorManufacturer,               0x07, 0x0200),
        KELVO_BYTES(ProcessorID,                          0x08, 0x0200),
        KELVO_STRING(ProcessorVersion,                    0x10, 0x0200),
        KELVO_NUMBER(Voltage,                             0x11, 0x0200, Hex),
        KELVO_NUMBER(ExternalClock,                       0x12, 0x0200, Decimal),
        KELVO_NUMBER(MaxSpeed,                            0x14, 0x0200, Decimal),
        KELVO_NUMBER(CurrentSpeed,                        0x16, 0x0200, Decimal),
        KELVO_NUMBER(Status,                              0x18, 0x0200, Hex),
        KELVO_NUMBER(ProcessorUpgrade,                    0x19, 0x0200, Hex));
};
template <> struct Fields<TypeProcessor::SMBios_2_1> {
    using B = TypeProcessor::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(L1CacheHandle,                       0x1A, 0x0201, Hex),
        KELVO_NUMBER(L2CacheHandle,                       0x1C, 0x0201, Hex),
        KELVO_NUMBER(L3CacheHandle,                       0x1E, 0x0201, Hex));
};
template <> struct Fields<TypeProcessor::SMBios_2_3> {
    using B = TypeProcessor::SMBios_2_3;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(SerialNumber,                        0x20, 0x0203),
        KELVO_STRING(AssetTag,                            0x21, 0x0203),
        KELVO_STRING(PartNumber,                          0x22, 0x0203));
};
template <> struct Fields<TypeProcessor::SMBios_2_5> {
    using B = TypeProcessor::SMBios_2_5;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(CoreCount,                           0x23, 0x0205, Decimal),
        KELVO_NUMBER(CoreEnabled,                         0x24, 0x0205, Decimal),
        KELVO_NUMBER(ThreadCount,                         0x25, 0x0205, Decimal),
        KELVO_NUMBER(ProcessorCharacteristics,            0x26, 0x0205, Hex));
};
template <> struct Fields<TypeProcessor::SMBios_2_6> {
    using B = TypeProcessor::SMBios_2_6;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(ProcessorFamily2,                    0x28, 0x0206, Hex));
};
template <> struct Fields<TypeProcessor::SMBios_3_0> {
    using B = TypeProcessor::SMBios_3_0;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(CoreCount2,                          0x2A, 0x0300, Decimal),
        KELVO_NUMBER(CoreEnabled2,                        0x2C, 0x0300, Decimal),
        KELVO_NUMBER(ThreadCount2,                        0x2E, 0x0300, Decimal));
};

template <> struct Fields<SystemSlot> {
    using B = SystemSlot;
    static constexpr auto list = std::make_tuple(
        KELVO_STRING(SlotDesignation,                     0x04, 0x0200),
        KELVO_NUMBER(SlotType,                            0x05, 0x0200, Hex),
        KELVO_NUMBER(SlotDataBusWidth,                    0x06, 0x0200, Hex),
        KELVO_NUMBER(CurrentUsage,                        0x07, 0x0200, Hex),
        KELVO_NUMBER(SlotLength,                          0x08, 0x0200, Hex),
        KELVO_NUMBER(SlotID,                              0x09, 0x0200, Hex),
        KELVO_NUMBER(SlotCharacteristics1,                0x0B, 0x0200, Hex));
};
template <> struct Fields<SystemSlot::SMBios_2_1> {
    using B = SystemSlot::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(SlotCharacteristics2,                0x0C, 0x0201, Hex));
};
template <> struct Fields<SystemSlot::SMBios_2_6> {
    using B = SystemSlot::SMBios_2_6;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(SegmentGroupNumber,                  0x0D, 0x0206, Hex),
        KELVO_NUMBER(BusNumber,                           0x0F, 0x0206, Hex),
        KELVO_NUMBER(DeviceFunctionNumber,                0x10, 0x0206, Hex));
};

template <> struct Fields<TypeOemStrings> {
    using B = TypeOemStrings;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(Count,                               0x04, 0x0200, Decimal),
        // The strings back to back from offset 05h, and their size in bytes.
        KELVO_OWNED(Strings,                                    0x0200),
        KELVO_KEPT(StringsSize,                                 0x0200));
};

template <> struct Fields<TypePhysicalMemory> {
    static constexpr auto list = std::make_tuple();
};
template <> struct Fields<TypePhysicalMemory::SMBios_2_1> {
    using B = TypePhysicalMemory::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(Location,                            0x04, 0x0201, Hex),
        KELVO_NUMBER(Use,                                 0x05, 0x0201, Hex),
        KELVO_NUMBER(MemoryErrorCorrection,               0x06, 0x0201, Hex),
        KELVO_NUMBER(MaximumCapacity,                     0x07, 0x0201, Decimal),
        KELVO_NUMBER(MemoryErrorInformationHandle,        0x0B, 0x0201, Hex),
        KELVO_NUMBER(NumberOfMemoryDevices,               0x0D, 0x0201, Decimal));
};
template <> struct Fields<TypePhysicalMemory::SMBios_2_7> {
    using B = TypePhysicalMemory::SMBios_2_7;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(ExtendedMaximumCapacity,             0x0F, 0x0207, Decimal));
};

template <> struct Fields<TypeMemoryDevice> {
    static constexpr auto list = std::make_tuple();
};
template <> struct Fields<TypeMemoryDevice::SMBios_2_1> {
    using B = TypeMemoryDevice::SMBios_2_1;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(PhysicalMemoryArrayHandle,           0x04, 0x0201, Hex),
        KELVO_NUMBER(MemoryErrorInformationHandle,        0x06, 0x0201, Hex),
        KELVO_NUMBER(TotalWidth,                          0x08, 0x0201, Decimal),
        KELVO_NUMBER(DataWidth,                           0x0A, 0x0201, Decimal),
        KELVO_NUMBER(Size,                                0x0C, 0x0201, Decimal),
        KELVO_NUMBER(FormFactor,                          0x0E, 0x0201, Hex),
        KELVO_NUMBER(DeviceSet,                           0x0F, 0x0201, Decimal),
        KELVO_STRING(DeviceLocator,                       0x10, 0x0201),
        KELVO_STRING(BankLocator,                         0x11, 0x0201),
        KELVO_NUMBER(MemoryType,                          0x12, 0x0201, Hex),
        KELVO_NUMBER(TypeDetail,                          0x13, 0x0201, Hex));
};
template <> struct Fields<TypeMemoryDevice::SMBios_2_3> {
    using B = TypeMemoryDevice::SMBios_2_3;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(Speed,                               0x15, 0x0203, Decimal),
        KELVO_STRING(Manufacturer,                        0x17, 0x0203),
        KELVO_STRING(SerialNumber,                        0x18, 0x0203),
        KELVO_STRING(AssetTag,                            0x19, 0x0203),
        KELVO_STRING(PartNumber,                          0x1A, 0x0203));
};
template <> struct Fields<TypeMemoryDevice::SMBios_2_6> {
    using B = TypeMemoryDevice::SMBios_2_6;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(Attributes,                          0x1B, 0x0206, Hex));
};
template <> struct Fields<TypeMemoryDevice::SMBios_2_7> {
    using B = TypeMemoryDevice::SMBios_2_7;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(ExtendedSize,                        0x1C, 0x0207, Decimal),
        KELVO_NUMBER(ConfiguredMemoryClockSpeed,          0x20, 0x0207, Decimal));
};
template <> struct Fields<TypeMemoryDevice::SMBios_2_8> {
    using B = TypeMemoryDevice::SMBios_2_8;
    static constexpr auto list = std::make_tuple(
        KELVO_NUMBER(MinimumVoltage,                      0x22, 0x0208, Decimal),
        KELVO_NUMBER(MaximumVoltage,                      0x24, 0x0208, Decimal),
        KELVO_NUMBER(ConfiguredVoltage,                   0x26, 0x0208, Decimal));
};

// The records: structure type, type name, SMBIOS title and blocks in declaration order.
#define KELVO_SELF(R) BlockOf<R, R>{nullptr, ""}
#define KELVO_BLOCK(R, v) BlockOf<R, R::SMBios_##v>{&R::V##v, "V" #v}

#define KELVO_LAYOUT(R, structureType, structureTitle, ...)         \
    template <> struct Layout<R> {                                      \
        static constexpr std::uint8_t type = structureType;             \
        static constexpr const char* name = #R;                         \
        static constexpr const char* title = structureTitle;            \
        static constexpr auto blocks = std::make_tuple(__VA_ARGS__);    \
    };

KELVO_LAYOUT(TypeBios, 0, "BIOS Information",
             KELVO_SELF(TypeBios))
KELVO_LAYOUT(TypeSysInfo, 1, "System Information",
             KELVO_SELF(TypeSysInfo), KELVO_BLOCK(TypeSysInfo, 2_1), KELVO_BLOCK(TypeSysInfo, 2_4))
KELVO_LAYOUT(TypeBaseboard, 2, "Baseboard Information",
             KELVO_SELF(TypeBaseboard))
KELVO_LAYOUT(TypeSystemEnclosure, 3, "System Enclosure or Chassis",
             KELVO_SELF(TypeSystemEnclosure), KELVO_BLOCK(TypeSystemEnclosure, 2_1),
             KELVO_BLOCK(TypeSystemEnclosure, 2_3), KELVO_BLOCK(TypeSystemEnclosure, 2_7))
KELVO_LAYOUT(TypeProcessor, 4, "Processor Information",
             KELVO_SELF(TypeProcessor), KELVO_BLOCK(TypeProcessor, 2_1),
             KELVO_BLOCK(TypeProcessor, 2_3), KELVO_BLOCK(TypeProcessor, 2_5),
             KELVO_BLOCK(TypeProcessor, 2_6), KELVO_BLOCK(TypeProcessor, 3_0))
KELVO_LAYOUT(SystemSlot, 9, "System Slots",
             KELVO_SELF(SystemSlot), KELVO_BLOCK(SystemSlot, 2_1), KELVO_BLOCK(SystemSlot, 2_6))
KELVO_LAYOUT(TypeOemStrings, 11, "OEM Strings",
             KELVO_SELF(TypeOemStrings))
KELVO_LAYOUT(TypePhysicalMemory, 16, "Physical Memory Array",
             KELVO_BLOCK(TypePhysicalMemory, 2_1), KELVO_BLOCK(TypePhysicalMemory, 2_7))
KELVO_LAYOUT(TypeMemoryDevice, 17, "Memory Device",
             KELVO_BLOCK(TypeMemoryDevice, 2_1), KELVO_BLOCK(TypeMemoryDevice, 2_3),
             KELVO_BLOCK(TypeMemoryDevice, 2_6), KELVO_BLOCK(TypeMemoryDevice, 2_7),
             KELVO_BLOCK(TypeMemoryDevice, 2_8))
// clang-format on

#undef KELVO_NUMBER
#undef KELVO_STRING
#undef KELVO_STRING_NOT_CARRIED
#undef KELVO_BYTES
#undef KELVO_TEXT
#undef KELVO_KEPT
#undef KELVO_OWNED
#undef KELVO_SELF
#undef KELVO_BLOCK
#undef KELVO_LAYOUT

// Calls visit with a null pointer of each record type, for the nine records in the order of
// their structure types.
template <class Visit>
constexpr void ForEachRecord(Visit&& visit) {
    visit(static_cast<const TypeBios*>(nullptr));
    visit(static_cast<const TypeSysInfo*>(nullptr));
    visit(static_cast<const TypeBaseboard*>(nullptr));
    visit(static_cast<const TypeSystemEnclosure*>(nullptr));
    visit(static_cast<const TypeProcessor*>(nullptr));
    visit(static_cast<const SystemSlot*>(nullptr));
    visit(static_cast<const TypeOemStrings*>(nullptr));
    visit(static_cast<const TypePhysicalMemory*>(nullptr));
    visit(static_cast<const TypeMemoryDevice*>(nullptr));
}

}  // namespace kelvo::shared::smbios::fields
