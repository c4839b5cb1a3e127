#pragma once

// One structure of each type from 5 (Memory Controller Information) to 15 (System Event Log) that
// the nine records leave out, written byte by byte from the layout tables of the DMTF SMBIOS
// standard (DSP0134) at the longest layout each type has, with the offset of each byte. Nothing
// here is derived from the library's own field descriptions.

#include <vector>

#include "support/StandardStructures.h"

namespace kelvo::test::standard {

// clang-format off

// Memory Controller Information (type 5), the 2.1 layout with two slots: 0Fh + 2 * 2 + 1 bytes.
inline const Structure kMemoryController = {{
    0x05, 0x14, 0x00, 0x05,  // 00h Type 5, Length, Handle 0500h
    0x06,                    // 04h Error Detecting Method: 64-bit ECC
    0x28,                    // 05h Error Correcting Capability: single-bit (bit 3), scrubbing (5)
    0x03, 0x04,              // 06h Supported Interleave: one-way; 07h Current: two-way
    0x0A,                    // 08h Maximum Memory Module Size: 2^10 MB
    0x0C, 0x00,              // 09h Supported Speeds: 70 ns (bit 2), 60 ns (bit 3)
    0x10, 0x01,              // 0Bh Supported Memory Types: EDO (bit 4), DIMM (bit 8)
    0x02,                    // 0Dh Memory Module Voltage: 3.3 V (bit 1)
    0x02,                    // 0Eh Number of Associated Memory Slots: 2
    0x40, 0x0A, 0x41, 0x0A,  // 0Fh Memory Module Configuration Handles: 0A40h, 0A41h
    0x08,                    // 13h Enabled Error Correcting Capabilities (2.1): single-bit
}, {}};

// Memory Module Information (type 6): 0Ch bytes.
inline const Structure kMemoryModule = {{
    0x06, 0x0C, 0x00, 0x06,  // 00h Type 6, Length, Handle 0600h
    0x01,                    // 04h Socket Designation: string 1
    0x12,                    // 05h Bank Connections: RAS 1 and 2
    0x3C,                    // 06h Current Speed: 60 ns
    0x10, 0x01,              // 07h Current Memory Type: EDO (bit 4), DIMM (bit 8)
    0x8A,                    // 09h Installed Size: 2^10 MB, double-bank (bit 7)
    0x0B,                    // 0Ah Enabled Size: 2^11 MB, single-bank
    0x04,                    // 0Bh Error Status: see the event log (bit 2)
}, {"DIMM0"}};

// Cache Information (type 7), the 3.1 layout: 1Bh bytes. The 32-bit sizes differ from the
// 16-bit ones, so that the one shown tells which was read.
inline const Structure kCache = {{
    0x07, 0x1B, 0x00, 0x07,  // 00h Type 7, Length, Handle 0700h
    0x01,                    // 04h Socket Designation: string 1
    0xA9, 0x01,              // 05h Cache Configuration: level 2 (bits 2:0 + 1), socketed (bit 3),
                             //     external (bits 6:5 = 01b), enabled (bit 7), write back (9:8)
    0x00, 0x02,              // 07h Maximum Cache Size: 512 kB (1K units)
    0x00, 0x01,              // 09h Installed Size: 256 kB
    0x20, 0x00, 0x20, 0x00,  // 0Bh Supported, 0Dh Current SRAM Type: synchronous (bit 5)
    0x0A,                    // 0Fh Cache Speed (2.1): 10 ns
    0x05, 0x05, 0x07,        // 10h Error Correction (2.1): single-bit ECC; 11h System Cache Type:
                             //     unified; 12h Associativity: 8-way set-associative
    0x00, 0x08, 0x00, 0x00,  // 13h Maximum Cache Size 2 (3.1): 2048 kB
    0x10, 0x00, 0x00, 0x80,  // 17h Installed Cache Size 2 (3.1): 16 * 64K (bit 31), 1 MB
}, {"L2 Cache"}};

// Port Connector Information (type 8): 09h bytes.
inline const Structure kPortConnector = {{
    0x08, 0x09, 0x00, 0x08,  // 00h Type 8, Length, Handle 0800h
    0x01, 0x00,              // 04h Internal Reference Designator: string 1; 05h type: none
    0x02, 0x12,              // 06h External Reference Designator: string 2; 07h type: Access Bus
    0x10,                    // 08h Port Type: USB
}, {"J3A1", "USB 1"}};

// On Board Devices Information (type 10), two devices: 4 + 2 * 2 bytes.
inline const Structure kOnBoardDevices = {{
    0x0A, 0x08, 0x00, 0x0A,  // 00h Type 10, Length, Handle 0A00h
    0x83, 0x01,              // 04h Device 1: video (bits 6:0), enabled (bit 7); string 1
    0x05, 0x02,              // 06h Device 2: Ethernet, disabled; string 2
}, {"Onboard VGA", "LAN"}};

// System Configuration Options (type 12): 05h bytes.
inline const Structure kConfigurationOptions = {{
    0x0C, 0x05, 0x00, 0x0C,  // 00h Type 12, Length, Handle 0C00h
    0x02,                    // 04h Count: 2 strings
}, {"JP1: 1-2 Clear CMOS", "SW2: off"}};

// BIOS Language Information (type 13), the 2.1 layout: 16h bytes.
inline const Structure kBiosLanguage = {{
    0x0D, 0x16, 0x00, 0x0D,  // 00h Type 13, Length, Handle 0D00h
    0x02,                    // 04h Installable Languages: 2
    0x01,                    // 05h Flags (2.1): abbreviated format (bit 0)
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 06h Reserved, 15 bytes
    0x02,                    // 15h Current Language: string 2
}, {"enUS", "frFR"}};

// Group Associations (type 14), two items: 5 + 3 * 2 bytes.
inline const Structure kGroupAssociations = {{
    0x0E, 0x0B, 0x00, 0x0E,  // 00h Type 14, Length, Handle 0E00h
    0x01,                    // 04h Group Name: string 1
    0x04, 0x00, 0x04,        // 05h Item 1: type 4 (processor), handle 0400h
    0x07, 0x01, 0x04,        // 08h Item 2: type 7 (cache), handle 0401h
}, {"Cpu Module"}};

// System Event Log (type 15), the 2.1 layout with two descriptors: 17h + 2 * 2 bytes.
inline const Structure kSystemEventLog = {{
    0x0F, 0x1B, 0x00, 0x0F,  // 00h Type 15, Length, Handle 0F00h
    0x00, 0x04,              // 04h Log Area Length: 1024
    0x00, 0x00, 0x10, 0x00,  // 06h Log Header Start Offset: 0; 08h Log Data Start Offset: 10h
    0x03,                    // 0Ah Access Method: memory-mapped physical 32-bit address
    0x01,                    // 0Bh Log Status: valid (bit 0), not full (bit 1)
    0x78, 0x56, 0x34, 0x12,  // 0Ch Log Change Token: 12345678h
    0x00, 0x00, 0xD4, 0xFE,  // 10h Access Method Address: FED40000h
    0x01,                    // 14h Log Header Format (2.1): type 1
    0x02, 0x02,              // 15h Number of Supported Log Type Descriptors: 2; 16h each 2 bytes
    0x01, 0x00,              // 17h Single-bit ECC memory error, no data
    0x08, 0x04,              // 19h POST error, POST results bitmap
}, {}};

inline const std::vector<const Structure*> kTypes5To15 = {
    &kMemoryController, &kMemoryModule, &kCache, &kPortConnector, &kOnBoardDevices,
    &kConfigurationOptions, &kBiosLanguage, &kGroupAssociations, &kSystemEventLog};

// clang-format on

}  // namespace kelvo::test::standard
