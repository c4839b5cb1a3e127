#pragma once

#include "schema/types/Common.h"

namespace kelvo::shared::smbios::schema {

// Type 4, Processor Information.
// clang-format off
inline constexpr FieldDef kProcessorFields[] = {
    Row("processor.socket_designation", "Socket Designation", 0x04, 1, V2_0, Kind::String)
        .Shown(0x1A).Record("SocketDesignation"),
    Row("processor.processor_type", "Type", 0x05, 1, V2_0, Kind::Enum).Shown(0x1A)
        .Names(KSMBIOS_NAMES_PROCESSOR_TYPE).Record("ProcessorType"),
    // FEh: the family is the word of Processor Family 2.
    Row("processor.processor_family", "Family", 0x06, 1, V2_0, Kind::Enum).Shown(0x1A)
        .Names(KSMBIOS_NAMES_PROCESSOR_FAMILY).Escape(0xFE).Record("ProcessorFamily"),
    Row("processor.processor_family_2", "", 0x28, 2, V2_6, Kind::Part)
        .Record("ProcessorFamily2"),
    Row("processor.processor_manufacturer", "Manufacturer", 0x07, 1, V2_0, Kind::String)
        .Shown(0x1A).Record("ProcessorManufacturer"),
    Row("processor.processor_id", "ID", 0x08, 8, V2_0, Kind::Bytes).Shown(0x1A)
        .As(Format::ProcessorId).Reference().Record("ProcessorID"),
    // What the ID says, by family: an x86 CPUID signature (EAX) and feature flags (EDX), the reset
    // signature of an 80386 or 80486, an Arm MIDR or SoC ID.
    Row("processor.signature", "Signature", 0x08, 4, V2_0, Kind::Text).Shown(0x1A).View()
        .As(Format::ProcessorSignature),
    Row("processor.feature_flags", "Flags", 0x0C, 4, V2_0, Kind::Flags).Shown(0x1A).View()
        .Names(KSMBIOS_NAMES_PROCESSOR_ID_FLAG_BITS).Named(0, 31, "None")
        .As(Format::ProcessorIdFlags),
    Row("processor.processor_version", "Version", 0x10, 1, V2_0, Kind::String).Shown(0x1A)
        .Record("ProcessorVersion"),
    Row("processor.voltage", "Voltage", 0x11, 1, V2_0, Kind::Text).Shown(0x1A)
        .As(Format::ProcessorVoltage).Record("Voltage"),
    Row("processor.external_clock", "External Clock", 0x12, 2, V2_0, Kind::Decimal).Shown(0x1A)
        .Unit("MHz").Specials(kZeroUnknown).Record("ExternalClock"),
    Row("processor.max_speed", "Max Speed", 0x14, 2, V2_0, Kind::Decimal).Shown(0x1A)
        .Unit("MHz").Specials(kZeroUnknown).Record("MaxSpeed"),
    Row("processor.current_speed", "Current Speed", 0x16, 2, V2_0, Kind::Decimal).Shown(0x1A)
        .Unit("MHz").Specials(kZeroUnknown).Record("CurrentSpeed"),
    // Bit 6: the socket is populated; bits 2:0 the processor's status.
    Row("processor.status", "Status", 0x18, 1, V2_0, Kind::Enum).Shown(0x1A)
        .Names(KSMBIOS_NAMES_PROCESSOR_STATUS).As(Format::ProcessorStatus).Record("Status"),
    Row("processor.processor_upgrade", "Upgrade", 0x19, 1, V2_0, Kind::Enum).Shown(0x1A)
        .Names(KSMBIOS_NAMES_PROCESSOR_UPGRADE).Record("ProcessorUpgrade"),
    Row("processor.l1_cache_handle", "L1 Cache Handle", 0x1A, 2, V2_1, Kind::Handle).Shown(0x20)
        .As(Format::CacheHandle).Reference().Record("L1CacheHandle"),
    Row("processor.l2_cache_handle", "L2 Cache Handle", 0x1C, 2, V2_1, Kind::Handle).Shown(0x20)
        .As(Format::CacheHandle).Reference().Record("L2CacheHandle"),
    Row("processor.l3_cache_handle", "L3 Cache Handle", 0x1E, 2, V2_1, Kind::Handle).Shown(0x20)
        .As(Format::CacheHandle).Reference().Record("L3CacheHandle"),
    Row("processor.serial_number", "Serial Number", 0x20, 1, V2_3, Kind::String).Shown(0x23)
        .Record("SerialNumber"),
    Row("processor.asset_tag", "Asset Tag", 0x21, 1, V2_3, Kind::String).Shown(0x23)
        .Record("AssetTag"),
    Row("processor.part_number", "Part Number", 0x22, 1, V2_3, Kind::String).Shown(0x23)
        .Record("PartNumber"),
    // A count of FFh says that the 3.0 word holds it.
    Row("processor.core_count", "Core Count", 0x23, 1, V2_5, Kind::Decimal).Shown(0x28)
        .Omit(0).Escape(0xFF).Record("CoreCount"),
    Row("processor.core_count_2", "", 0x2A, 2, V3_0, Kind::Part).Record("CoreCount2"),
    Row("processor.core_enabled", "Core Enabled", 0x24, 1, V2_5, Kind::Decimal).Shown(0x28)
        .Omit(0).Escape(0xFF).Record("CoreEnabled"),
    Row("processor.core_enabled_2", "", 0x2C, 2, V3_0, Kind::Part).Record("CoreEnabled2"),
    Row("processor.thread_count", "Thread Count", 0x25, 1, V2_5, Kind::Decimal).Shown(0x28)
        .Omit(0).Escape(0xFF).Record("ThreadCount"),
    Row("processor.thread_count_2", "", 0x2E, 2, V3_0, Kind::Part).Record("ThreadCount2"),
    Row("processor.processor_characteristics", "Characteristics", 0x26, 2, V2_5, Kind::Flags)
        .Shown(0x28).Names(KSMBIOS_NAMES_PROCESSOR_CHARACTERISTIC_BITS).Named(2, 9, "None")
        .Record("ProcessorCharacteristics"),
    Row("processor.thread_enabled", "Thread Enabled", 0x30, 2, V3_6, Kind::Decimal).Omit(0),
    // For sockets that the Upgrade list does not name.
    Row("processor.socket_type", "Socket Type", 0x32, 1, V3_8, Kind::String),
};
// clang-format on

inline constexpr TypeDef kProcessor = Type(4, "processor", "Processor Information",
                                           "Processor Information", "processor", kProcessorFields);

}  // namespace kelvo::shared::smbios::schema
