// Structure types 5 to 8, 10 and 12 to 15 through the generic decoder, from structures written
// byte by byte from the SMBIOS standard (support/StandardStructures5To15.h): whole, cut inside
// each version's fields, and with single bytes changed to reach the other values a field can
// show. The expected lines are dmidecode 3.4's reading of the same bytes, except that dmidecode
// numbers the heading of each on-board device when a type 10 structure holds several ("On Board
// Device 2 Information"), where this decoder shows one structure's fields under one heading.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/StandardStructures5To15.h"

namespace {

using namespace kelvo::test::standard;

struct Case {
    const char* name;
    std::uint8_t length;  // 0: as written; else cut there
    std::uint16_t version;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed;  // (offset, byte) first
    Lines expected;
};

void Check(const Structure& structure, const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(DecodedLines(structure, c.length, c.version, c.changed), c.expected) << c.name;
}

// clang-format off
TEST(Types5To15Test, MemoryControllerAndModule) {
    const Lines base = {"Error Detecting Method: 64-bit ECC", "Error Correcting Capabilities:",
        "\tSingle-bit Error Correcting", "\tError Scrubbing",
        "Supported Interleave: One-way Interleave", "Current Interleave: Two-way Interleave",
        "Maximum Memory Module Size: 1024 MB", "Maximum Total Memory Size: 2048 MB",
        "Supported Speeds:", "\t70 ns", "\t60 ns", "Supported Memory Types:", "\tEDO", "\tDIMM",
        "Memory Module Voltage: 3.3 V"};
    const Lines slots = {"Associated Memory Slots: 2", "\t0x0A40", "\t0x0A41"};
    Check(kMemoryController, {
        {"enabled capabilities not read after the slots", 0, 0x0300, {},
         Join({base, slots, {"Enabled Error Correcting Capabilities:",
                             "\tSingle-bit Error Correcting"}})},
        {"2.0 layout misread", 0x13, 0x0200, {}, Join({base, slots})},
        {"slots shown though cut short", 0x12, 0x0200, {}, base},
        {"shown though cut before the slot count", 0x0E, 0x0200, {}, {}}});
    const Lines module = {"Socket Designation: DIMM0", "Bank Connections: 1 2",
        "Current Speed: 60 ns", "Type: EDO DIMM",
        "Installed Size: 1024 MB (Double-bank Connection)",
        "Enabled Size: 2048 MB (Single-bank Connection)", "Error Status: See Event Log"};
    Check(kMemoryModule, {
        {"module fields misread", 0, 0x0300, {}, module},
        {"no banks, sizes not installed or not determinable", 0, 0x0300,
         {{0x05, 0xFF}, {0x09, 0x7F}, {0x0A, 0xFD}},
         {"Socket Designation: DIMM0", "Bank Connections: None", "Current Speed: 60 ns",
          "Type: EDO DIMM", "Installed Size: Not Installed",
          "Enabled Size: Not Determinable (Double-bank Connection)",
          "Error Status: See Event Log"}},
        {"disabled size, both error kinds", 0, 0x0300, {{0x05, 0x0F}, {0x09, 0x7E}, {0x0B, 0x03}},
         {"Socket Designation: DIMM0", "Bank Connections: 0", "Current Speed: 60 ns",
          "Type: EDO DIMM", "Installed Size: Disabled (Single-bank Connection)",
          "Enabled Size: 2048 MB (Single-bank Connection)",
          "Error Status: Correctable and Uncorrectable Errors"}},
        {"shown though cut before the error status", 0x0B, 0x0300, {}, {}}});
}

TEST(Types5To15Test, CacheAndPortConnector) {
    const Lines head = {"Socket Designation: L2 Cache", "Configuration: Enabled, Socketed, Level 2",
                        "Operational Mode: Write Back", "Location: External"};
    const Lines types = {"Supported SRAM Types:", "\tSynchronous", "Installed SRAM Type: Synchronous"};
    const Lines v21 = {"Speed: 10 ns", "Error Correction Type: Single-bit ECC",
                       "System Type: Unified", "Associativity: 8-way Set-associative"};
    Check(kCache, {
        {"32-bit sizes not preferred", 0, 0x0301, {},
         Join({head, {"Installed Size: 1 MB", "Maximum Size: 2 MB"}, types, v21})},
        {"32-bit installed size read though cut", 0x17, 0x0301, {},
         Join({head, {"Installed Size: 256 kB", "Maximum Size: 2 MB"}, types, v21})},
        {"2.1 layout misread", 0x13, 0x0201, {},
         Join({head, {"Installed Size: 256 kB", "Maximum Size: 512 kB"}, types, v21})},
        {"64K units of the 16-bit sizes", 0x13, 0x0201,
         {{0x07, 0x10}, {0x08, 0x80}, {0x09, 0x02}, {0x0A, 0x80}},
         Join({head, {"Installed Size: 128 kB", "Maximum Size: 1 MB"}, types, v21})},
        {"2.1 fields shown though cut", 0x11, 0x0200, {},
         Join({head, {"Installed Size: 256 kB", "Maximum Size: 512 kB"}, types})}});
    Check(kPortConnector, {
        {"port fields misread", 0, 0x0300, {},
         {"Internal Reference Designator: J3A1", "Internal Connector Type: None",
          "External Reference Designator: USB 1", "External Connector Type: Access Bus (USB)",
          "Port Type: USB"}},
        {"shown though cut before the port type", 0x08, 0x0300, {}, {}}});
}

TEST(Types5To15Test, DevicesOptionsLanguagesAndGroups) {
    const Lines first = {"Type: Video", "Status: Enabled", "Description: Onboard VGA"};
    Check(kOnBoardDevices, {
        {"devices not counted from the Length", 0, 0x0300, {},
         Join({first, {"Type: Ethernet", "Status: Disabled", "Description: LAN"}})},
        {"half a device shown", 0x07, 0x0300, {}, first}});
    Check(kConfigurationOptions, {
        {"options not numbered", 0, 0x0300, {},
         {"Option 1: JP1: 1-2 Clear CMOS", "Option 2: SW2: off"}}});
    const Lines languages = {"Installable Languages: 2", "\tenUS", "\tfrFR",
                             "Currently Installed Language: frFR"};
    Check(kBiosLanguage, {
        {"2.1 format flag misread", 0, 0x0201, {},
         Join({{"Language Description Format: Abbreviated"}, languages})},
        {"reserved 2.0 byte read as the format", 0, 0x0200, {}, languages},
        {"shown though cut before the current language", 0x15, 0x0201, {}, {}}});
    Check(kGroupAssociations, {
        {"items not counted from the Length", 0, 0x0300, {},
         {"Name: Cpu Module", "Items: 2", "\t0x0400 (Processor)", "\t0x0401 (Cache)"}},
        {"half an item shown, OEM type unnamed", 0x0A, 0x0300, {{0x05, 0x80}},
         {"Name: Cpu Module", "Items: 1", "\t0x0400 (OEM-specific)"}}});
}

TEST(Types5To15Test, SystemEventLog) {
    const Lines head = {"Area Length: 1024 bytes", "Header Start Offset: 0x0000",
                        "Header Length: 16 bytes", "Data Start Offset: 0x0010"};
    const Lines status = {"Status: Valid, Not Full", "Change Token: 0x12345678"};
    const Lines v20Rest = Join({{"Access Method: Memory-mapped physical 32-bit address",
                                 "Access Address: 0xFED40000"}, status});
    const Lines v20 = Join({head, v20Rest});
    const Lines counts = {"Header Format: Type 1", "Supported Log Type Descriptors: 2"};
    const Lines second = {"Descriptor 2: POST error", "Data Format 2: POST results bitmap"};
    Check(kSystemEventLog, {
        {"descriptors misread", 0, 0x0300, {},
         Join({v20, counts, {"Descriptor 1: Single-bit ECC memory error", "Data Format 1: None"},
               second})},
        {"descriptors shown though cut short", 0x1A, 0x0300, {}, Join({v20, counts})},
        {"2.1 fields shown though cut", 0x16, 0x0200, {}, v20},
        {"empty header shown, index ports, OEM descriptor", 0, 0x0300,
         {{0x06, 0x10}, {0x0A, 0x01}, {0x17, 0x80}, {0x18, 0x80}},
         Join({{"Area Length: 1024 bytes", "Header Start Offset: 0x0010",
                "Data Start Offset: 0x0010",
                "Access Method: Indexed I/O, two 8-bit index ports, one 8-bit data port",
                "Access Address: Index 0x0000, Data 0xFED4"}, status, counts,
               {"Descriptor 1: OEM-specific", "Data Format 1: OEM-specific"}, second})},
        {"non-volatile data handle", 0x16, 0x0300, {{0x0A, 0x04}},
         Join({head, {"Access Method: General-purpose non-volatile data functions",
                      "Access Address: 0x0000"}, status})},
        {"header after the data: negative length as dmidecode shows it", 0x16, 0x0300,
         {{0x06, 0x20}},
         Join({{"Area Length: 1024 bytes", "Header Start Offset: 0x0020",
                "Header Length: 4294967280 byte", "Data Start Offset: 0x0010"}, v20Rest})},
        {"OEM access method", 0x16, 0x0300, {{0x0A, 0x80}},
         Join({head, {"Access Method: OEM-specific", "Access Address: Unknown"}, status})}});
}
// clang-format on

}  // namespace
