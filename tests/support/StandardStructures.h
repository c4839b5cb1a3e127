#pragma once

// One structure of each decoded type, written byte by byte from the layout tables of the DMTF
// SMBIOS standard (DSP0134), each at the longest layout that a 3.0 table knows for its type. Every
// byte carries its offset; every field holds a value of its own (multi-byte values with distinct
// bytes where the field's range allows), so that a field read from a wrong offset, with a wrong
// width or from a wrong version shows. The values are plausible firmware values; where the standard
// ties two fields together (the core counts, the sizes' escape values), the comment says what the
// pair means.
//
// These bytes are the tests' outside reference for decoding: nothing here is derived from the
// library's own field descriptions.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace kelvo::test::standard {

// A structure as a table holds it: the formatted area from offset 00h (type, Length, handle,
// fields) to Length - 1, then its strings, string number 1 first.
struct Structure {
    std::vector<std::uint8_t> formatted;
    std::vector<std::string> strings;

    std::uint8_t Type() const { return formatted[0]; }
    std::uint16_t Handle() const {
        return static_cast<std::uint16_t>(formatted[2] | formatted[3] << 8);
    }
};

// clang-format off

// BIOS Information (type 0), the 2.4 layout: 18h bytes.
inline const Structure kBios = {{
    0x00,                    // 00h Type 0
    0x18,                    // 01h Length
    0x00, 0x01,              // 02h Handle 0100h
    0x01,                    // 04h Vendor: string 1
    0x02,                    // 05h BIOS Version: string 2
    0x00, 0xE8,              // 06h BIOS Starting Address Segment E800h
    0x03,                    // 08h BIOS Release Date: string 3
    0x3F,                    // 09h BIOS ROM Size: 64K * (3Fh + 1) = 4 MB
    0x80, 0x98, 0x09, 0x7C,  // 0Ah BIOS Characteristics: bit 7 PCI; 11 upgradeable; 12 shadowing;
                             //     15 boot from CD; 16 selectable boot; 19 EDD; 26 print screen
                             //     (int 5h); 27 8042 keyboard (int 9h); 28 serial (int 14h);
                             //     29 printer (int 17h); 30 CGA/mono video (int 10h)
    0x12, 0x34, 0x56, 0x78,  // 0Eh     bits 32-63, reserved for the BIOS and system vendors
    0x83,                    // 12h BIOS Characteristics Extension Byte 1 (2.4): ACPI, USB legacy,
                             //     smart battery
    0x0D,                    // 13h Extension Byte 2 (2.4): BIOS boot specification, targeted
                             //     content distribution, UEFI
    0x05,                    // 14h System BIOS Major Release (2.4): 5
    0x11,                    // 15h System BIOS Minor Release (2.4): 17
    0x06,                    // 16h Embedded Controller Firmware Major Release (2.4): 6
    0x28,                    // 17h Embedded Controller Firmware Minor Release (2.4): 40
}, {"Kelvo Firmware Works", "K1.23", "07/14/2021"}};

// System Information (type 1), the 2.4 layout: 1Bh bytes.
inline const Structure kSystem = {{
    0x01,                    // 00h Type 1
    0x1B,                    // 01h Length
    0x01, 0x01,              // 02h Handle 0101h
    0x01,                    // 04h Manufacturer: string 1
    0x02,                    // 05h Product Name: string 2
    0x03,                    // 06h Version: string 3
    0x04,                    // 07h Serial Number: string 4
    0x78, 0x56, 0x34, 0x12,  // 08h UUID (2.1): time_low, little-endian: 12345678h
    0xBC, 0x9A,              // 0Ch     time_mid: 9ABCh
    0xF0, 0xDE,              // 0Eh     time_hi_and_version: DEF0h
    0x01, 0x23,              // 10h     clock_seq_hi_and_reserved, clock_seq_low
    0x45, 0x67, 0x89, 0xAB,  // 12h     node, 6 bytes in order
    0xCD, 0xEF,
    0x06,                    // 18h Wake-up Type (2.1): Power Switch
    0x05,                    // 19h SKU Number (2.4): string 5
    0x06,                    // 1Ah Family (2.4): string 6
}, {"Kelvo Systems", "KS-9000", "Rev B", "SYS-00042", "SKU-7", "Kelvo Desk"}};

// Baseboard (or Module) Information (type 2) with two contained object handles: 13h bytes.
inline const Structure kBaseboard = {{
    0x02,                    // 00h Type 2
    0x13,                    // 01h Length: 0Fh + 2 * 2
    0x02, 0x01,              // 02h Handle 0102h
    0x01,                    // 04h Manufacturer: string 1
    0x02,                    // 05h Product: string 2
    0x03,                    // 06h Version: string 3
    0x04,                    // 07h Serial Number: string 4
    0x05,                    // 08h Asset Tag: string 5
    0x09,                    // 09h Feature Flags: hosting board (bit 0), replaceable (bit 3)
    0x06,                    // 0Ah Location in Chassis: string 6
    0x03, 0x01,              // 0Bh Chassis Handle 0103h (the enclosure below)
    0x0A,                    // 0Dh Board Type: Motherboard
    0x02,                    // 0Eh Number of Contained Object Handles: 2
    0x04, 0x01,              // 0Fh Contained Object Handle 0104h (the processor below)
    0x09, 0x01,              // 11h Contained Object Handle 0109h (the slot below)
}, {"Kelvo Boards", "KB-100", "1.0", "BRD-7788", "Asset-B", "Bay 1"}};

// System Enclosure or Chassis (type 3), the 2.7 layout with two contained elements of 3 bytes:
// 15h + 2 * 3 + 1 = 1Ch bytes.
inline const Structure kEnclosure = {{
    0x03,                    // 00h Type 3
    0x1C,                    // 01h Length
    0x03, 0x01,              // 02h Handle 0103h
    0x01,                    // 04h Manufacturer: string 1
    0x83,                    // 05h Type: chassis lock present (bit 7), Desktop (03h)
    0x02,                    // 06h Version: string 2
    0x03,                    // 07h Serial Number: string 3
    0x04,                    // 08h Asset Tag Number: string 4
    0x03,                    // 09h Boot-up State (2.1): Safe
    0x04,                    // 0Ah Power Supply State (2.1): Warning
    0x06,                    // 0Bh Thermal State (2.1): Non-recoverable
    0x05,                    // 0Ch Security Status (2.1): External interface enabled
    0x8D, 0x7C, 0x6B, 0x5A,  // 0Dh OEM-defined (2.3): 5A6B7C8Dh
    0x07,                    // 11h Height (2.3): 7 U
    0x03,                    // 12h Number of Power Cords (2.3): 3
    0x02,                    // 13h Contained Element Count (2.3): 2
    0x03,                    // 14h Contained Element Record Length (2.3): 3
    0x91, 0x01, 0x04,        // 15h Element 1: SMBIOS structure type 17 (bit 7 set), 1 to 4
    0x06, 0x00, 0x02,        // 18h Element 2: baseboard type Processor Module, 0 to 2
    0x05,                    // 1Bh SKU Number (2.7): string 5
}, {"Kelvo Cases", "C-2", "CH-5150", "Asset-C", "CH-SKU"}};

// Processor Information (type 4), the 3.0 layout: 2Ah + 6 = 30h bytes. The core and thread counts
// of 3.0 hold values of their own beside the one-byte counts, so that each shows where it is read.
inline const Structure kProcessor = {{
    0x04,                    // 00h Type 4
    0x30,                    // 01h Length
    0x04, 0x01,              // 02h Handle 0104h
    0x01,                    // 04h Socket Designation: string 1
    0x03,                    // 05h Processor Type: Central Processor
    0xFE,                    // 06h Processor Family: see Processor Family 2
    0x02,                    // 07h Processor Manufacturer: string 2
    0xC1, 0xD0, 0x4F, 0x41,  // 08h Processor ID: MIDR 414FD0C1h (implementor 41h, part D0Ch)
    0x9A, 0xBC, 0xDE, 0xF0,  // 0Ch     upper half
    0x03,                    // 10h Processor Version: string 3
    0x8C,                    // 11h Voltage: bit 7 set, 0Ch tenths: 1.2 V
    0x0A, 0x01,              // 12h External Clock: 266 MHz
    0xD8, 0x0E,              // 14h Max Speed: 3800 MHz
    0x60, 0x09,              // 16h Current Speed: 2400 MHz
    0x41,                    // 18h Status: socket populated (bit 6), CPU enabled (1)
    0x04,                    // 19h Processor Upgrade: ZIF Socket
    0x30, 0x0A,              // 1Ah L1 Cache Handle (2.1): 0A30h
    0x31, 0x0A,              // 1Ch L2 Cache Handle (2.1): 0A31h
    0x32, 0x0A,              // 1Eh L3 Cache Handle (2.1): 0A32h
    0x04,                    // 20h Serial Number (2.3): string 4
    0x05,                    // 21h Asset Tag (2.3): string 5
    0x06,                    // 22h Part Number (2.3): string 6
    0xFF,                    // 23h Core Count (2.5): FFh, see Core Count 2
    0xF0,                    // 24h Core Enabled (2.5): 240
    0xFE,                    // 25h Thread Count (2.5): 254
    0xFC, 0x01,              // 26h Processor Characteristics (2.5): 64-bit, multi-core,
                             //     hardware thread, execute protection, enhanced
                             //     virtualization, power/performance control, 128-bit (bits 2-8)
    0x18, 0x01,              // 28h Processor Family 2 (2.6): 0118h, ARM
    0x20, 0x01,              // 2Ah Core Count 2 (3.0): 288
    0x10, 0x01,              // 2Ch Core Enabled 2 (3.0): 272
    0x40, 0x02,              // 2Eh Thread Count 2 (3.0): 576
}, {"CPU0", "Kelvo Silicon", "Kelvo K8 @ 3.80GHz", "CPU-SN-1", "CPU-AT-2", "CPU-PN-3"}};

// System Slots (type 9), the 2.6 layout: 11h bytes.
inline const Structure kSlot = {{
    0x09,                    // 00h Type 9
    0x11,                    // 01h Length
    0x09, 0x01,              // 02h Handle 0109h
    0x01,                    // 04h Slot Designation: string 1
    0xB5,                    // 05h Slot Type: PCI Express Gen 3 x8
    0x0B,                    // 06h Slot Data Bus Width: 8x
    0x04,                    // 07h Current Usage: In use
    0x03,                    // 08h Slot Length: Short Length
    0x09, 0x02,              // 09h Slot ID: 0209h
    0x0C,                    // 0Bh Slot Characteristics 1: 3.3 V (bit 2), shared (bit 3)
    0x05,                    // 0Ch Slot Characteristics 2 (2.1): PME (bit 0), SMBus (bit 2)
    0x02, 0x01,              // 0Dh Segment Group Number (2.6): 0102h
    0x3B,                    // 0Fh Bus Number (2.6): 3Bh
    0xFD,                    // 10h Device/Function Number (2.6): device 1Fh, function 5
}, {"PCIE3"}};

// OEM Strings (type 11): 05h bytes and three strings.
inline const Structure kOemStrings = {{
    0x0B,                    // 00h Type 11
    0x05,                    // 01h Length
    0x0B, 0x01,              // 02h Handle 010Bh
    0x03,                    // 04h Count: 3
}, {"Kelvo OEM one", "OEM-2", "third"}};

// Physical Memory Array (type 16), the 2.7 layout: 17h bytes.
inline const Structure kMemoryArray = {{
    0x10,                    // 00h Type 16
    0x17,                    // 01h Length
    0x10, 0x01,              // 02h Handle 0110h
    0x09,                    // 04h Location (2.1): Proprietary add-on card
    0x03,                    // 05h Use (2.1): System memory
    0x06,                    // 06h Memory Error Correction (2.1): Multi-bit ECC
    0x00, 0x00, 0x00, 0x80,  // 07h Maximum Capacity (2.1): 80000000h, see Extended
    0xFE, 0xFF,              // 0Bh Memory Error Information Handle (2.1): FFFEh, not provided
    0x04, 0x01,              // 0Dh Number of Memory Devices (2.1): 260
    0x00, 0x00, 0x00, 0x40,  // 0Fh Extended Maximum Capacity (2.7): 0000012340000000h bytes,
    0x23, 0x01, 0x00, 0x00,  //     1165 GB
}, {}};

// Memory Device (type 17), the 2.8 layout: 28h bytes.
inline const Structure kMemoryDevice = {{
    0x11,                    // 00h Type 17
    0x28,                    // 01h Length
    0x11, 0x01,              // 02h Handle 0111h
    0x10, 0x01,              // 04h Physical Memory Array Handle (2.1): 0110h (the array above)
    0xFE, 0xFF,              // 06h Memory Error Information Handle (2.1): FFFEh, not provided
    0x48, 0x00,              // 08h Total Width (2.1): 72 bits
    0x40, 0x00,              // 0Ah Data Width (2.1): 64 bits
    0xFF, 0x7F,              // 0Ch Size (2.1): 7FFFh, see Extended Size
    0x09,                    // 0Eh Form Factor (2.1): DIMM
    0x02,                    // 0Fh Device Set (2.1): 2
    0x01,                    // 10h Device Locator (2.1): string 1
    0x02,                    // 11h Bank Locator (2.1): string 2
    0x1A,                    // 12h Memory Type (2.1): DDR4
    0x80, 0x20,              // 13h Type Detail (2.1): Synchronous (bit 7), Registered (bit 13)
    0x80, 0x0C,              // 15h Speed (2.3): 3200 MT/s
    0x03,                    // 17h Manufacturer (2.3): string 3
    0x04,                    // 18h Serial Number (2.3): string 4
    0x05,                    // 19h Asset Tag (2.3): string 5
    0x06,                    // 1Ah Part Number (2.3): string 6
    0x02,                    // 1Bh Attributes (2.6): rank 2
    0x00, 0x00, 0x01, 0x00,  // 1Ch Extended Size (2.7): 00010000h MB, 64 GB
    0x75, 0x0B,              // 20h Configured Memory Speed (2.7): 2933 MT/s
    0xB0, 0x04,              // 22h Minimum Voltage (2.8): 1200 mV
    0x46, 0x05,              // 24h Maximum Voltage (2.8): 1350 mV
    0xE2, 0x04,              // 26h Configured Voltage (2.8): 1250 mV
}, {"DIMM A1", "BANK 0", "Kelvo Memory", "MEM-00A1", "MEM-AT", "KM-32G-3200"}};

// The same structures at the newest layouts (up to SMBIOS 3.9): the bytes that later versions
// add after the 3.0 layout, and the strings they name.
inline Structure Longer(const Structure& s, std::initializer_list<std::uint8_t> added,
                        std::initializer_list<const char*> strings = {}) {
    Structure longer = s;
    longer.formatted.insert(longer.formatted.end(), added);
    longer.formatted[1] = static_cast<std::uint8_t>(longer.formatted.size());
    longer.strings.insert(longer.strings.end(), strings.begin(), strings.end());
    return longer;
}

// System Enclosure or Chassis, the 3.9 layout: 1Eh bytes.
inline const Structure kEnclosure39 = Longer(kEnclosure, {
    0x02,                    // 1Ch Rack Type (3.9): 2
    0x2A,                    // 1Dh Rack Height (3.9): 42
});

// Processor Information, the 3.8 layout: 33h bytes.
inline const Structure kProcessor38 = Longer(kProcessor, {
    0x1E, 0x02,              // 30h Thread Enabled (3.6): 542
    0x07,                    // 32h Socket Type (3.8): string 7
}, {"LGA4677"});

// System Slots, the 3.5 layout with one peer group: 13h + 5 + 5 = 1Dh bytes.
inline const Structure kSlot35 = Longer(kSlot, {
    0x0A,                    // 11h Data Bus Width (3.2): 10
    0x01,                    // 12h Peer (S/B/D/F/Width) grouping count (3.2): 1
    0x00, 0x00,              // 13h Peer 1: Segment Group Number 0000h
    0x3C,                    // 15h     Bus Number 3Ch
    0x0A,                    // 16h     Device/Function Number: device 1, function 2
    0x04,                    // 17h     Data bus width 4
    0x04,                    // 18h Slot Information (3.4): PCI Express generation 4
    0x0D,                    // 19h Slot Physical Width (3.4): 16x
    0xF0, 0x07,              // 1Ah Slot Pitch (3.4): 07F0h, 20.32 mm
    0x04,                    // 1Ch Slot Height (3.5): Low-profile
});

// Memory Device, the 3.7 layout: 64h bytes. The speeds of 15h and 20h are not FFFFh, so the
// extended speeds are not read unless a test sets them so.
inline const Structure kMemoryDevice37 = Longer(kMemoryDevice, {
    0x04,                    // 28h Memory Technology (3.2): NVDIMM-N
    0x18, 0x00,              // 29h Memory Operating Mode Capability (3.2): volatile (bit 3),
                             //     byte-accessible persistent (bit 4)
    0x07,                    // 2Bh Firmware Version (3.2): string 7
    0x80, 0xCE,              // 2Ch Module Manufacturer ID (3.2): bank 1, CEh
    0x34, 0x12,              // 2Eh Module Product ID (3.2): 1234h
    0x04, 0x89,              // 30h Memory Subsystem Controller Manufacturer ID (3.2): bank 5, 89h
    0x00, 0x00,              // 32h Memory Subsystem Controller Product ID (3.2): unknown
    0x00, 0x00, 0x00, 0x00,  // 34h Non-volatile Size (3.2): 8 0000 0000h bytes, 32 GB
    0x08, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x40,  // 3Ch Volatile Size (3.2): 1 4000 0000h bytes, 5 GB
    0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00,  // 44h Cache Size (3.2): none
    0x00, 0x00, 0x00, 0x00,
    0xFF, 0xFF, 0xFF, 0xFF,  // 4Ch Logical Size (3.2): unknown
    0xFF, 0xFF, 0xFF, 0xFF,
    0x00, 0x19, 0x00, 0x00,  // 54h Extended Speed (3.3): 6400 MT/s
    0xE0, 0x15, 0x00, 0x00,  // 58h Extended Configured Memory Speed (3.3): 5600 MT/s
    0x80, 0xB3,              // 5Ch PMIC0 Manufacturer ID (3.7): bank 1, B3h
    0x12, 0x00,              // 5Eh PMIC0 Revision Number (3.7): 12h
    0x86, 0x32,              // 60h RCD Manufacturer ID (3.7): bank 7, 32h
    0x00, 0xFF,              // 62h RCD Revision Number (3.7): FF00h, unknown
}, {"FW 2.1"});

// clang-format on

// The nine, in the order of their types.
inline const std::vector<const Structure*> kAll = {&kBios,       &kSystem,      &kBaseboard,
                                                   &kEnclosure,  &kProcessor,   &kSlot,
                                                   &kOemStrings, &kMemoryArray, &kMemoryDevice};

// The nine at their newest layouts: those that later versions lengthened, and the others.
inline const std::vector<const Structure*> kNewest = {
    &kBios,   &kSystem,     &kBaseboard,   &kEnclosure39,   &kProcessor38,
    &kSlot35, &kOemStrings, &kMemoryArray, &kMemoryDevice37};

// Adds `s` to `table` exactly as written, its Length byte included; under `handle` when given.
inline StructureBuilder& AddTo(TableBuilder& table, const Structure& s, int handle = -1) {
    StructureBuilder& added =
        table.Add(s.Type(), handle < 0 ? s.Handle() : static_cast<std::uint16_t>(handle));
    for (std::size_t offset = 4; offset < s.formatted.size(); ++offset) {
        added.ByteAt(offset, s.formatted[offset]);
    }
    for (const std::string& text : s.strings) added.String(text);
    return added.Length(s.formatted[1]);
}

// A table of `major`.`minor` holding the nine, then the end-of-table structure.
inline std::vector<std::uint8_t> Table(std::uint8_t major = 3, std::uint8_t minor = 0) {
    TableBuilder table(major, minor);
    for (const Structure* s : kAll) AddTo(table, *s);
    return table.End().Raw();
}

}  // namespace kelvo::test::standard
