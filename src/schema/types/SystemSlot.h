#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 9, System Slots.
// clang-format off
inline constexpr FieldDef kSystemSlotFields[] = {
    Row("system_slot.slot_designation", "Designation", 0x04, 1, V2_0, Kind::String).Shown(0x0C)
        .Record("SlotDesignation"),
    // The type reads with the data bus width before it ("x16 PCI Express 3", "8-bit ISA"); its raw
    // number is the word at 05h, the width in its high byte.
    Row("system_slot.slot_type", "Type", 0x05, 1, V2_0, Kind::Enum).Shown(0x0C)
        .Names(KSMBIOS_NAMES_SLOT_TYPE).As(Format::SlotType).Record("SlotType"),
    Row("system_slot.slot_data_bus_width", "", 0x06, 1, V2_0, Kind::Part).Shown(0x0C)
        .Names(KSMBIOS_NAMES_SLOT_WIDTH).Record("SlotDataBusWidth"),
    Row("system_slot.current_usage", "Current Usage", 0x07, 1, V2_0, Kind::Enum).Shown(0x0C)
        .Names(KSMBIOS_NAMES_SLOT_USAGE).Record("CurrentUsage"),
    Row("system_slot.slot_length", "Length", 0x08, 1, V2_0, Kind::Enum).Shown(0x0C)
        .Names(KSMBIOS_NAMES_SLOT_LENGTH).Record("SlotLength"),
    // What the ID means depends on the slot's type.
    Row("system_slot.slot_id", "ID", 0x09, 2, V2_0, Kind::Text).Shown(0x0C).As(Format::SlotId)
        .Record("SlotID"),
    Row("system_slot.slot_characteristics_1", "Characteristics", 0x0B, 1, V2_0, Kind::Flags)
        .Shown(0x0C).Names(KSMBIOS_NAMES_SLOT_CHARACTERISTICS1_BITS).Named(1, 7, "None")
        .As(Format::SlotCharacteristics).Record("SlotCharacteristics1"),
    Row("system_slot.slot_characteristics_2", "", 0x0C, 1, V2_1, Kind::Part)
        .Names(KSMBIOS_NAMES_SLOT_CHARACTERISTICS2_BITS).Named(0, 7, "None")
        .Record("SlotCharacteristics2"),
    Row("system_slot.segment_group_number", "Bus Address", 0x0D, 2, V2_6, Kind::Text)
        .Shown(0x11).As(Format::BusAddress).Record("SegmentGroupNumber"),
    Row("system_slot.bus_number", "", 0x0F, 1, V2_6, Kind::Part).Record("BusNumber"),
    Row("system_slot.device_function_number", "", 0x10, 1, V2_6, Kind::Part)
        .Record("DeviceFunctionNumber"),
    Row("system_slot.data_bus_width", "Data Bus Width", 0x11, 1, V3_2, Kind::Decimal)
        .Shown(0x13),
    Row("system_slot.peer_grouping_count", "Peer Devices", 0x12, 1, V3_2, Kind::Decimal)
        .Shown(0x13),
    Row("system_slot.peer_groups", "Peer Device", 0x13, 5, V3_2, Kind::Text).Shown(0x13)
        .As(Format::PeerDevices).Elements("system_slot.peer_grouping_count", 5),
    // The peer groups' array decides where the 3.4 and 3.5 fields lie. A PCI Express slot's
    // information is its generation.
    Row("system_slot.slot_information", "PCI Express Generation", 0x00, 1, V3_4, Kind::Decimal)
        .After("system_slot.peer_groups").As(Format::PciExpressGeneration),
    Row("system_slot.slot_physical_width", "Slot Physical Width", 0x01, 1, V3_4, Kind::Enum)
        .After("system_slot.peer_groups").Omit(0).Names(KSMBIOS_NAMES_SLOT_PHYSICAL_WIDTH),
    // In hundredths of a millimetre.
    Row("system_slot.slot_pitch", "Pitch", 0x02, 2, V3_4, Kind::Decimal)
        .After("system_slot.peer_groups").Omit(0).Unit("mm").As(Format::Hundredths),
    Row("system_slot.slot_height", "Height", 0x04, 1, V3_5, Kind::Enum)
        .After("system_slot.peer_groups").Names(KSMBIOS_NAMES_SLOT_HEIGHT),
};
// clang-format on

inline constexpr TypeDef kSystemSlot =
    Type(9, "system_slot", "System Slot Information", "System Slots", "slot", kSystemSlotFields);

}  // namespace kelvo::shared::smbios::schema
