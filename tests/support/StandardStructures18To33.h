#pragma once

// One structure of each type from 18 (32-Bit Memory Error Information) to 33 (64-Bit Memory Error
// Information), written byte by byte from the layout tables of the DMTF SMBIOS standard (DSP0134)
// at the longest layout each type has, with the offset of each byte. Where a field can hand over
// to another (the mapped addresses' extended ones) or be unknown, a second structure takes the
// other way. Nothing here is derived from the library's own field descriptions.

#include <vector>

#include "support/StandardStructures.h"

namespace kelvo::test::standard {

// clang-format off

inline const Structure kMemoryError32 = {{
    0x12, 0x17, 0x20, 0x01,   // 00h Type 18, 01h Length, 02h Handle 0120h
    0x03,                     // 04h Error Type: OK
    0x04,                     // 05h Error Granularity: Memory Partition Level
    0x05,                     // 06h Error Operation: Partial Write
    0x01, 0x02, 0x03, 0x04,   // 07h Vendor Syndrome 04030201h
    0x00, 0x00, 0x00, 0x80,   // 0Bh Memory Array Error Address: 80000000h, unknown
    0x44, 0x33, 0x22, 0x11,   // 0Fh Device Error Address 11223344h
    0x00, 0x10, 0x00, 0x00,   // 13h Error Resolution 1000h
}, {}};

inline const Structure kMemoryError64 = {{
    0x21, 0x1F, 0x21, 0x01,                          // 00h Type 33, 01h Length, 02h Handle 0121h
    0x0E,                                            // 04h Error Type: Uncorrectable Error
    0x03,                                            // 05h Error Granularity: Device Level
    0x03,                                            // 06h Error Operation: Read
    0x00, 0x00, 0x00, 0x00,                          // 07h Vendor Syndrome: 0, unknown
    0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11,  // 0Bh Memory Array Error Address
                                                     //     1122334455667788h
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80,  // 13h Device Error Address: top bit alone,
                                                     //     unknown
    0x00, 0x00, 0x00, 0x80,                          // 1Bh Error Resolution: 80000000h, unknown
}, {}};

inline const Structure kArrayMapped = {{
    0x13, 0x1F, 0x30, 0x01,                          // 00h Type 19, 01h Length, 02h Handle 0130h
    0x00, 0x00, 0x10, 0x00,                          // 04h Starting Address 00100000h kB (1 GB)
    0xFF, 0xFF, 0x8F, 0x00,                          // 08h Ending Address 008FFFFFh kB (the last kB
                                                     //     below 9 GB)
    0x10, 0x00,                                      // 0Ch Memory Array Handle 0010h
    0x02,                                            // 0Eh Partition Width 2
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0Fh Extended Starting Address (2.7): unused
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 17h Extended Ending Address (2.7): unused
}, {}};

inline const Structure kArrayMappedExtended = {{
    0x13, 0x1F, 0x31, 0x01,                          // 00h Type 19, 01h Length, 02h Handle 0131h
    0xFF, 0xFF, 0xFF, 0xFF,                          // 04h Starting Address FFFFFFFFh: the extended
                                                     //     ones hold it
    0xFF, 0xFF, 0xFF, 0xFF,                          // 08h Ending Address FFFFFFFFh
    0x10, 0x00,                                      // 0Ch Memory Array Handle 0010h
    0x01,                                            // 0Eh Partition Width 1
    0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00,  // 0Fh Extended Starting Address (2.7) 10 0000
                                                     //     0000h (64 GB)
    0xFF, 0xFF, 0xFF, 0xFF, 0x17, 0x00, 0x00, 0x00,  // 17h Extended Ending Address (2.7) 17 FFFF
                                                     //     FFFFh
}, {}};

inline const Structure kDeviceMapped = {{
    0x14, 0x23, 0x40, 0x01,                          // 00h Type 20, 01h Length, 02h Handle 0140h
    0x00, 0x00, 0x00, 0x00,                          // 04h Starting Address 0
    0xFF, 0xFF, 0x3F, 0x00,                          // 08h Ending Address 003FFFFFh kB (4 GB)
    0x11, 0x00,                                      // 0Ch Memory Device Handle 0011h
    0x30, 0x01,                                      // 0Eh Memory Array Mapped Address Handle 0130h
    0x01,                                            // 10h Partition Row Position 1
    0x02,                                            // 11h Interleave Position 2
    0xFF,                                            // 12h Interleaved Data Depth: FFh, unknown
    0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // 13h Extended Starting Address (2.7): unused
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 1Bh Extended Ending Address (2.7): unused
}, {}};

inline const Structure kDeviceMappedExtended = {{
    0x14, 0x23, 0x41, 0x01,                          // 00h Type 20, 01h Length, 02h Handle 0141h
    0xFF, 0xFF, 0xFF, 0xFF,                          // 04h Starting Address FFFFFFFFh: the extended
                                                     //     ones hold it
    0xFF, 0xFF, 0xFF, 0xFF,                          // 08h Ending Address FFFFFFFFh
    0x11, 0x00,                                      // 0Ch Memory Device Handle 0011h
    0x31, 0x01,                                      // 0Eh Memory Array Mapped Address Handle 0131h
    0x00,                                            // 10h Partition Row Position: 0, out of spec
    0x00,                                            // 11h Interleave Position: 0, not interleaved
    0x00,                                            // 12h Interleaved Data Depth: 0, not
                                                     //     interleaved
    0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00,  // 13h Extended Starting Address (2.7) 10 0000
                                                     //     0000h
    0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00,  // 1Bh Extended Ending Address (2.7): the same,
                                                     //     no range
}, {}};

inline const Structure kPointingDevice = {{
    0x15, 0x07, 0x50, 0x01,   // 00h Type 21, 01h Length, 02h Handle 0150h
    0x07,                     // 04h Type: Touch Pad
    0xA2,                     // 05h Interface: USB
    0x03,                     // 06h Number of Buttons 3
}, {}};

inline const Structure kBattery = {{
    0x16, 0x1A, 0x60, 0x01,   // 00h Type 22, 01h Length, 02h Handle 0160h
    0x01,                     // 04h Location: string 1
    0x02,                     // 05h Manufacturer: string 2
    0x00,                     // 06h Manufacture Date: none, the SBDS date holds it
    0x03,                     // 07h Serial Number: string 3
    0x04,                     // 08h Device Name: string 4
    0x02,                     // 09h Device Chemistry: Unknown, the SBDS chemistry holds it
    0xA0, 0x0F,               // 0Ah Design Capacity 4000 (mWh, times the multiplier)
    0x3C, 0x2D,               // 0Ch Design Voltage 11580 mV
    0x05,                     // 0Eh SBDS Version Number: string 5
    0x02,                     // 0Fh Maximum Error in Battery Data 2%
    0x0B, 0x07,               // 10h SBDS Serial Number (2.2) 070Bh
    0x49, 0x4E,               // 12h SBDS Manufacture Date (2.2): 2019-02-09, (39 << 9) | (2 << 5) |
                              //     9
    0x06,                     // 14h SBDS Device Chemistry (2.2): string 6
    0x0A,                     // 15h Design Capacity Multiplier (2.2) 10
    0x78, 0x56, 0x34, 0x12,   // 16h OEM-specific (2.2) 12345678h
}, {"Front", "LGC", "X12", "01AV478", "03.01", "LiP"}};

inline const Structure kSystemReset = {{
    0x17, 0x0D, 0x70, 0x01,   // 00h Type 23, 01h Length, 02h Handle 0170h
    0x2B,                     // 04h Capabilities: bit 0 enabled; bits 2:1 01b operating system;
                              //     bits 4:3 01b; bit 5 watchdog timer
    0x05, 0x00,               // 05h Reset Count 5
    0xFF, 0xFF,               // 07h Reset Limit: FFFFh, unknown
    0x0A, 0x00,               // 09h Timer Interval 10 (minutes)
    0x3C, 0x00,               // 0Bh Timeout 60 (minutes)
}, {}};

inline const Structure kHardwareSecurity = {{
    0x18, 0x05, 0x80, 0x01,   // 00h Type 24, 01h Length, 02h Handle 0180h
    0x1B,                     // 04h Settings: bits 7:6 00b disabled, 5:4 01b enabled, 3:2 10b not
                              //     implemented, 1:0 11b unknown
}, {}};

inline const Structure kPowerControls = {{
    0x19, 0x09, 0x90, 0x01,   // 00h Type 25, 01h Length, 02h Handle 0190h
    0x12,                     // 04h Next Scheduled Power-on Month 12 (BCD)
    0x31,                     // 05h Day-of-month 31
    0x23,                     // 06h Hour 23
    0x5A,                     // 07h Minute: 5Ah is not BCD
    0x07,                     // 08h Second 07
}, {}};

inline const Structure kVoltageProbe = {{
    0x1A, 0x16, 0xA0, 0x01,   // 00h Type 26, 01h Length, 02h Handle 01A0h
    0x01,                     // 04h Description: string 1
    0x67,                     // 05h Location and Status: bits 4:0 00111b motherboard, 7:5 011b OK
    0x10, 0x27,               // 06h Maximum Value 10000 (mV)
    0x00, 0x80,               // 08h Minimum Value: 8000h, unknown
    0x0A, 0x00,               // 0Ah Resolution 10 (1/10 mV)
    0x64, 0x00,               // 0Ch Tolerance 100 (mV)
    0xE8, 0x03,               // 0Eh Accuracy 1000 (1/100 %)
    0x78, 0x56, 0x34, 0x12,   // 10h OEM-defined 12345678h
    0x18, 0xFC,               // 14h Nominal Value FC18h: -1000 (mV)
}, {"VCore"}};

inline const Structure kCoolingDevice = {{
    0x1B, 0x0F, 0xB0, 0x01,   // 00h Type 27, 01h Length, 02h Handle 01B0h
    0xC0, 0x01,               // 04h Temperature Probe Handle 01C0h
    0x63,                     // 06h Device Type and Status: bits 4:0 00011b fan, 7:5 011b OK
    0x01,                     // 07h Cooling Unit Group 1
    0x00, 0x00, 0x00, 0x00,   // 08h OEM-defined 0
    0xB8, 0x0B,               // 0Ch Nominal Speed 3000 (rpm)
    0x01,                     // 0Eh Description (2.7): string 1
}, {"CPU Fan"}};

inline const Structure kTemperatureProbe = {{
    0x1C, 0x16, 0xC0, 0x01,   // 00h Type 28, 01h Length, 02h Handle 01C0h
    0x01,                     // 04h Description: string 1
    0x6F,                     // 05h Location and Status: bits 4:0 01111b drive back plane, 7:5 011b
                              //     OK
    0xE8, 0x03,               // 06h Maximum Value 1000 (1/10 deg C)
    0x9C, 0xFF,               // 08h Minimum Value FF9Ch: -100
    0x7D, 0x00,               // 0Ah Resolution 125 (1/1000 deg C)
    0x14, 0x00,               // 0Ch Tolerance 20 (1/10 deg C)
    0x32, 0x00,               // 0Eh Accuracy 50 (1/100 %)
    0x00, 0x00, 0x00, 0x00,   // 10h OEM-defined 0
    0x00, 0x80,               // 14h Nominal Value: 8000h, unknown
}, {"Ambient"}};

inline const Structure kCurrentProbe = {{
    0x1D, 0x16, 0xD0, 0x01,   // 00h Type 29, 01h Length, 02h Handle 01D0h
    0x01,                     // 04h Description: string 1
    0x8B,                     // 05h Location and Status: bits 4:0 01011b add-in card, 7:5 100b non-
                              //     critical
    0x88, 0x13,               // 06h Maximum Value 5000 (mA)
    0x00, 0x00,               // 08h Minimum Value 0
    0x05, 0x00,               // 0Ah Resolution 5 (1/10 mA)
    0x00, 0x80,               // 0Ch Tolerance: 8000h, unknown
    0x0F, 0x00,               // 0Eh Accuracy 15 (1/100 %)
    0x01, 0x00, 0x00, 0x00,   // 10h OEM-defined 1
    0xD0, 0x07,               // 14h Nominal Value 2000 (mA)
}, {"ABC"}};

inline const Structure kRemoteAccess = {{
    0x1E, 0x06, 0xE0, 0x01,   // 00h Type 30, 01h Length, 02h Handle 01E0h
    0x01,                     // 04h Manufacturer Name: string 1
    0x02,                     // 05h Connections: bit 0 inbound disabled, bit 1 outbound enabled
}, {"Intel"}};

inline const Structure kBootIntegrity = {{
    0x1F, 0x1C, 0xF0, 0x01,                          // 00h Type 31, 01h Length, 02h Handle 01F0h
    0x70,                                            // 04h Checksum: 70h makes the bytes add up to
                                                     //     0
    0x00,                                            // 05h Reserved
    0x00, 0x00,                                      // 06h Reserved
    0x78, 0x56, 0x34, 0x12,                          // 08h BIS Entry Point Address 16-bit:
                                                     //     1234h:5678h
    0x21, 0x43, 0x65, 0x87,                          // 0Ch BIS Entry Point Address 32-bit 87654321h
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 10h Reserved
    0x00, 0x00, 0x00, 0x00,                          // 18h Reserved
}, {}};

inline const Structure kSystemBoot = {{
    0x20, 0x0B, 0x00, 0x02,              // 00h Type 32, 01h Length, 02h Handle 0200h
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 04h Reserved
    0x08,                                // 0Ah Boot Status: system watchdog timer expired
}, {}};

inline const std::vector<const Structure*> kTypes18To33 = {
    &kMemoryError32, &kArrayMapped, &kArrayMappedExtended, &kDeviceMapped, &kDeviceMappedExtended,
    &kPointingDevice, &kBattery, &kSystemReset, &kHardwareSecurity, &kPowerControls,
    &kVoltageProbe, &kCoolingDevice, &kTemperatureProbe, &kCurrentProbe, &kRemoteAccess,
    &kBootIntegrity, &kSystemBoot, &kMemoryError64};

// clang-format on

}  // namespace kelvo::test::standard
