#pragma once

// One structure of each type from 34 to 46, 126 and 127, and of two types without a layout (an
// OEM type and an undefined number), written byte by byte from the layout tables of the SMBIOS
// standard (DSP0134), every byte with its offset. Nothing here is derived from the library's own
// field descriptions.

#include <cstdint>
#include <vector>

#include "support/StandardStructures.h"

namespace kelvo::test::standard {

// clang-format off
inline const Structure kManagementDevice = {{
    0x22, 0x0B, 0x40, 0x00,  // 00h type 34, Length, handle 0040h
    0x01,                    // 04h Description: string 1
    0x0C,                    // 05h Type: Winbond W83781D
    0x78, 0x56, 0x34, 0x12,  // 06h Address 12345678h
    0x05,                    // 0Ah Address Type: SMBus
}, {"Sensors"}};

inline const Structure kComponent = {{
    0x23, 0x0B, 0x41, 0x00,  // 00h type 35, Length, handle 0041h
    0x01,                    // 04h Description: string 1
    0x40, 0x00,              // 05h Management Device Handle 0040h
    0x2A, 0x1B,              // 07h Component Handle 1B2Ah
    0x42, 0x00,              // 09h Threshold Handle 0042h
}, {"CPU Temp"}};

inline const Structure kThresholds = {{
    0x24, 0x10, 0x42, 0x00,  // 00h type 36, Length, handle 0042h
    0x00, 0x80,              // 04h Lower Non-critical: 8000h, not given
    0x55, 0x00,              // 06h Upper Non-critical: 85
    0xFB, 0xFF,              // 08h Lower Critical: -5
    0x5F, 0x00,              // 0Ah Upper Critical: 95
    0x9C, 0xFF,              // 0Ch Lower Non-recoverable: -100
    0x69, 0x00,              // 0Eh Upper Non-recoverable: 105
}, {}};

inline const Structure kMemoryChannel = {{
    0x25, 0x0D, 0x43, 0x00,  // 00h type 37, Length 7 + 3 * 2, handle 0043h
    0x03,                    // 04h Channel Type: RamBus
    0x08,                    // 05h Maximum Channel Load 8
    0x02,                    // 06h Memory Device Count 2
    0x03, 0x11, 0x00,        // 07h device 1: load 3, handle 0011h
    0x04, 0x12, 0x00,        // 0Ah device 2: load 4, handle 0012h
}, {}};

inline const Structure kIpmi = {{
    0x26, 0x12, 0x44, 0x00,  // 00h type 38, Length, handle 0044h
    0x01,                    // 04h Interface Type: KCS
    0x20,                    // 05h IPMI Specification Revision 2.0
    0x20,                    // 06h I2C Target Address 20h: 10h in bits 7:1
    0xFF,                    // 07h NV Storage Device Address: none
    0xA3, 0x0C, 0, 0, 0, 0, 0, 0,  // 08h Base Address CA2h, bit 0: I/O space
    0x5B,                    // 10h (2.3) modifier: bits 7:6 32-bit spacing, bit 4 the address's
                             //     lowest bit 1, bit 3 interrupt given, bit 1 active high,
                             //     bit 0 level
    0x0A,                    // 11h Interrupt Number 10
}, {}};

inline const Structure kPowerSupply = {{
    0x27, 0x16, 0x45, 0x00,  // 00h type 39, Length, handle 0045h
    0x01,                    // 04h Power Unit Group 1
    0x01, 0x02, 0x03, 0x04,  // 05h Location, Device Name, Manufacturer, Serial Number: 1-4
    0x00, 0x05, 0x06,        // 09h Asset Tag none, Model Part Number 5, Revision Level 6
    0x4C, 0x04,              // 0Ch Max Power Capacity 1100 W
    0xA2, 0x11,              // 0Eh characteristics 11A2h: type Switching (bits 13:10 = 4), status
                             //     OK (9:7 = 3), range Auto-switch (6:3 = 4), plugged, present,
                             //     not hot-replaceable
    0x50, 0x00,              // 10h Input Voltage Probe Handle 0050h
    0xFF, 0xFF,              // 12h Cooling Device Handle: none
    0x52, 0x00,              // 14h Input Current Probe Handle 0052h
}, {"PSU 1", "PWS-1K", "Kelvo Power", "PS-001", "PN-77", "R2"}};

inline const Structure kAdditional = {{
    0x28, 0x10, 0x46, 0x00,  // 00h type 40, Length, handle 0046h
    0x02,                    // 04h Number of entries 2
    0x06, 0x40, 0x00, 0x05, 0x01, 0x0C,  // 05h entry 1: length 6, handle 0040h, offset 05h,
                                         //     string 1, value 0Ch
    0x06, 0x41, 0x00, 0x09, 0x00,        // 0Bh entry 2: length 6, handle 0041h, offset 09h, no
}, {"Board sensor"}};                    //     string; its value lies past the Length

inline const Structure kOnboard = {{
    0x29, 0x0B, 0x47, 0x00,  // 00h type 41, Length, handle 0047h
    0x01,                    // 04h Reference Designation: string 1
    0x85,                    // 05h Device Type: bit 7 enabled, Ethernet
    0x02,                    // 06h Device Type Instance 2
    0x01, 0x00,              // 07h Segment Group Number 1
    0x3B,                    // 09h Bus Number 3Bh
    0x0A,                    // 0Ah Device 1, Function 2
}, {"Onboard LAN 2"}};

inline const Structure kHostInterface = {{
    0x2A, 0x13, 0x50, 0x00,  // 00h type 42, Length, handle 0050h
    0x40,                    // 04h Interface Type: Network Host Interface
    0x05,                    // 05h Interface Type Specific Data Length 5
    0x02,                    // 06h device type: USB
    0x6B, 0x04, 0xB0, 0xFF,  // 07h idVendor 046Bh, idProduct FFB0h
    0x02,                    // 0Bh Number of Protocol Records 2
    0x02, 0x01, 0xAA,        // 0Ch IPMI, 1 byte of data
    0x03, 0x02, 0xBB, 0xCC,  // 0Fh MCTP, 2 bytes of data
}, {}};

inline const Structure kTpm = {{
    0x2B, 0x1F, 0x48, 0x00,  // 00h type 43, Length, handle 0048h
    'N', 'T', 'C', 0x00,     // 04h Vendor ID "NTC"
    0x02, 0x00,              // 08h Major Spec Version 2, Minor 0
    0x10, 0x00, 0x07, 0x00,  // 0Ah Firmware Version 1: 0007h.0010h
    0x01, 0x02, 0x03, 0x04,  // 0Eh Firmware Version 2, the vendor's own
    0x01,                    // 12h Description: string 1
    0x18, 0, 0, 0, 0, 0, 0, 0,  // 13h Characteristics: bits 3 and 4
    0xEF, 0xBE, 0xAD, 0xDE,  // 1Bh OEM-defined DEADBEEFh
}, {"TPM 2.0 module"}};

inline const Structure kProcessorAdditional = {{
    0x2C, 0x0C, 0x49, 0x00,  // 00h type 44, Length, handle 0049h
    0x04, 0x00,              // 04h Referenced Handle 0004h
    0x04,                    // 06h Block Length 4
    0x07,                    // 07h Processor Type: 64-bit RISC-V
    0xDE, 0xC0, 0xAD, 0x0B,  // 08h processor-specific data
}, {}};

inline const Structure kFirmware = {{
    0x2D, 0x1C, 0x4A, 0x00,  // 00h type 45, Length 18h + 2 * 2, handle 004Ah
    0x01, 0x02,              // 04h Component Name string 1, Firmware Version string 2
    0x01,                    // 06h Version Format: MAJOR.MINOR
    0x03,                    // 07h Firmware ID string 3
    0x00,                    // 08h Firmware ID Format: free-form
    0x04, 0x05, 0x06,        // 09h Release Date 4, Manufacturer 5, Lowest Supported Version 6
    0, 0, 0x20, 0, 0, 0, 0, 0,  // 0Ch Image Size 200000h bytes: 2 MB
    0x01, 0x00,              // 14h Characteristics: updatable
    0x04,                    // 16h State: Enabled
    0x02,                    // 17h Number of Associated Components 2
    0x00, 0x01, 0x02, 0x01,  // 18h handles 0100h and 0102h
}, {"BMC Firmware", "1.12", "bmc-main", "2024-05-01", "Kelvo", "1.0"}};

inline const Structure kStringProperty = {{
    0x2E, 0x09, 0x4B, 0x00,  // 00h type 46, Length, handle 004Bh
    0x01, 0x00,              // 04h String Property ID: UEFI device path
    0x01,                    // 06h String Property Value: string 1
    0x09, 0x00,              // 07h Parent Handle 0009h
}, {"PciRoot(0x0)/Pci(0x1C,0x0)"}};

inline const Structure kInactive = {{0x7E, 0x06, 0x4C, 0x00, 0x12, 0x34}, {"old"}};
inline const Structure kEndOfTable = {{0x7F, 0x04, 0x4D, 0x00}, {}};

// Types 200 and 64: no layout; seventeen bytes make a second line.
inline const Structure kOem = {{
    0xC8, 0x11, 0x4E, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B,
    0x0C, 0xFF,
}, {"OEM one", "tab\there"}};
inline const Structure kUnknown = {{0x40, 0x05, 0x4F, 0x00, 0xAB}, {}};
// clang-format on

inline const Structure* const kManagementAll[] = {
    &kManagementDevice,
    &kComponent,
    &kThresholds,
    &kMemoryChannel,
    &kIpmi,
    &kPowerSupply,
    &kAdditional,
    &kOnboard,
    &kHostInterface,
    &kTpm,
    &kProcessorAdditional,
    &kFirmware,
    &kStringProperty,
    &kInactive,
    &kOem,
    &kUnknown,
};

// A 3.9 table holding them, then the end-of-table structure.
inline std::vector<std::uint8_t> ManagementTable() {
    TableBuilder table(3, 9);
    for (const Structure* s : kManagementAll) AddTo(table, *s);
    return table.End().Raw();
}

}  // namespace kelvo::test::standard
