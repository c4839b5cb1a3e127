// Structure types 18 to 33 through the generic decoder, from structures written byte by byte from
// the SMBIOS standard (support/StandardStructures18To33.h): whole, cut inside each version's
// fields, and with single bytes changed to reach the other values a field can show. The expected
// lines are dmidecode 3.4's reading of the same bytes, except that a value that no list names
// carries its number after dmidecode's out-of-spec mark.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/DecodedLines.h"
#include "support/StandardStructures18To33.h"

namespace {

using namespace kelvo::test::standard;

struct Case {
    const char* name;
    std::uint8_t length;                                         // 0: as written; else cut there
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed;  // (offset, byte) first
    Lines expected;
};

void Check(const Structure& structure, const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(DecodedLines(structure, c.length, 0x0309, c.changed), c.expected) << c.name;
}

// The first `n` of `lines`.
Lines First(const Lines& lines, std::size_t n) { return Lines(lines.begin(), lines.begin() + n); }

// clang-format off
TEST(Types18To33Test, MemoryErrorInformation) {
    Check(kMemoryError32, {
        {"32-bit fields misread", 0, {}, {"Type: OK", "Granularity: Memory Partition Level",
            "Operation: Partial Write", "Vendor Syndrome: 0x04030201",
            "Memory Array Address: Unknown", "Device Address: 0x11223344",
            "Resolution: 0x00001000"}},
        {"shown though cut before the resolution", 0x16, {}, {}}});
    Check(kMemoryError64, {
        {"64-bit fields misread", 0, {}, {"Type: Uncorrectable Error",
            "Granularity: Device Level", "Operation: Read", "Vendor Syndrome: Unknown",
            "Memory Array Address: 0x1122334455667788", "Device Address: Unknown",
            "Resolution: Unknown"}},
        {"shown though cut before the resolution", 0x1E, {}, {}}});
}

TEST(Types18To33Test, MappedAddresses) {
    const Lines kilobytes = {"Starting Address: 0x3FFFFFFFC00", "Ending Address: 0x3FFFFFFFFFF",
                             "Range Size: 1 kB"};
    const Lines array = {"Physical Array Handle: 0x0010", "Partition Width: 1"};
    const Lines device = {"Physical Device Handle: 0x0011",
        "Memory Array Mapped Address Handle: 0x0131", "Partition Row Position: <OUT OF SPEC>"};
    Check(kArrayMapped, {
        {"addresses in kB misread", 0, {}, {"Starting Address: 0x00040000000",
            "Ending Address: 0x0023FFFFFFF", "Range Size: 8 GB", "Physical Array Handle: 0x0010",
            "Partition Width: 2"}},
        {"shown though cut before the partition width", 0x0E, {}, {}}});
    Check(kArrayMappedExtended, {
        {"extended addresses not followed", 0, {}, Join({{"Starting Address: 0x0000001000000000k",
            "Ending Address: 0x00000017FFFFFFFFk", "Range Size: 32 GB"}, array})},
        {"extended addresses read past a 2.1 Length", 0x0F, {}, Join({kilobytes, array})},
        {"extended addresses read though cut", 0x1E, {}, Join({kilobytes, array})}});
    Check(kDeviceMapped, {
        {"device addresses or positions misread", 0, {}, {"Starting Address: 0x00000000000",
            "Ending Address: 0x000FFFFFFFF", "Range Size: 4 GB", "Physical Device Handle: 0x0011",
            "Memory Array Mapped Address Handle: 0x0130", "Partition Row Position: 1",
            "Interleave Position: 2", "Interleaved Data Depth: Unknown"}},
        {"shown though cut before the data depth", 0x12, {}, {}}});
    Check(kDeviceMappedExtended, {
        {"empty range not invalid, or positions of no interleave shown", 0, {},
            Join({{"Starting Address: 0x0000001000000000k", "Ending Address: 0x0000001000000000k",
                   "Range Size: Invalid"}, device})},
        {"extended addresses read past a 2.1 Length", 0x13, {}, Join({kilobytes, device})}});
}

TEST(Types18To33Test, PointingDeviceBatteryResetSecurityAndPowerControls) {
    Check(kPointingDevice, {
        {"fields misread", 0, {}, {"Type: Touch Pad", "Interface: USB", "Buttons: 3"}},
        {"3.5 interface not named", 0, {{0x05, 0xA3}}, {"Type: Touch Pad", "Interface: I2C",
            "Buttons: 3"}},
        {"shown though cut before the buttons", 0x06, {}, {}}});
    const Lines older = {"Location: Front", "Manufacturer: LGC", "Manufacture Date: Not Specified",
        "Serial Number: X12", "Name: 01AV478", "Chemistry: Unknown", "Design Capacity: 4000 mWh",
        "Design Voltage: 11580 mV", "SBDS Version: 03.01", "Maximum Error: 2%"};
    Lines multiplied = older;
    multiplied[6] = "Design Capacity: 40000 mWh";
    Check(kBattery, {
        {"SBDS fields not taken over", 0, {}, Join({First(older, 2), {"Serial Number: X12",
            "Name: 01AV478", "Design Capacity: 40000 mWh", "Design Voltage: 11580 mV",
            "SBDS Version: 03.01", "Maximum Error: 2%", "SBDS Manufacture Date: 2019-02-09",
            "SBDS Chemistry: LiP", "OEM-specific Information: 0x12345678"}})},
        {"SBDS fields shown beside the older ones", 0, {{0x06, 3}, {0x07, 0}, {0x09, 8}},
            Join({First(older, 2), {"Manufacture Date: X12", "Name: 01AV478",
            "Chemistry: Lithium Polymer", "Design Capacity: 40000 mWh",
            "Design Voltage: 11580 mV", "SBDS Version: 03.01", "Maximum Error: 2%",
            "SBDS Serial Number: 070B", "OEM-specific Information: 0x12345678"}})},
        {"2.1 battery left empty fields out or used a multiplier", 0x10, {}, older},
        {"multiplier not used before the SBDS fields", 0x16, {}, multiplied},
        {"shown though cut before the maximum error", 0x0F, {}, {}}});
    const Lines reset = {"Status: Enabled", "Watchdog Timer: Present",
        "Boot Option: Operating System", "Boot Option On Limit: Operating System",
        "Reset Count: 5", "Reset Limit: Unknown", "Timer Interval: 10 min", "Timeout: 60 min"};
    Check(kSystemReset, {
        {"watchdog fields misread", 0, {}, reset},
        {"fields of an absent watchdog shown", 0, {{0x04, 0x1E}}, {"Status: Disabled",
            "Watchdog Timer: Not Present"}},
        {"reserved boot option named", 0, {{0x04, 0x20}}, Join({{"Status: Disabled",
            "Watchdog Timer: Present", "Boot Option: <OUT OF SPEC> (0x00)",
            "Boot Option On Limit: <OUT OF SPEC> (0x00)"}, Lines(reset.begin() + 4, reset.end())})},
        {"shown though cut before the timeout", 0x0C, {}, {}}});
    Check(kHardwareSecurity, {
        {"statuses taken from the wrong bits", 0, {}, {"Power-On Password Status: Disabled",
            "Keyboard Password Status: Enabled", "Administrator Password Status: Not Implemented",
            "Front Panel Reset Status: Unknown"}},
        {"shown though cut before the settings", 0x04, {}, {}}});
    Check(kPowerControls, {
        {"BCD time misread", 0, {}, {"Next Scheduled Power-on: 12-31 23:*:07"}},
        {"values outside their ranges shown", 0,
            {{0x04, 0x00}, {0x05, 0x32}, {0x06, 0x24}, {0x07, 0x00}, {0x08, 0x60}},
            {"Next Scheduled Power-on: *-* *:00:*"}},
        {"shown though cut before the second", 0x08, {}, {}}});
}

TEST(Types18To33Test, ProbesAndCoolingDevice) {
    const Lines voltage = {"Description: VCore", "Location: Motherboard", "Status: OK",
        "Maximum Value: 10.000 V", "Minimum Value: Unknown", "Resolution: 1.0 mV",
        "Tolerance: 0.100 V", "Accuracy: 10.00%", "OEM-specific Information: 0x12345678",
        "Nominal Value: -1.000 V"};
    Check(kVoltageProbe, {
        {"voltages misread", 0, {}, voltage},
        {"nominal value read past its Length", 0x14, {}, First(voltage, 9)},
        {"shown though cut before the OEM field", 0x13, {}, {}}});
    const Lines temperature = {"Description: Ambient", "Location: <OUT OF SPEC> (0x10)",
        "Status: <OUT OF SPEC> (0x00)", "Maximum Value: 100.0 deg C",
        "Minimum Value: -10.0 deg C", "Resolution: 0.125 deg C", "Tolerance: 2.0 deg C",
        "Accuracy: 0.50%", "OEM-specific Information: 0x00000000", "Nominal Value: Unknown"};
    Check(kTemperatureProbe, {
        {"temperatures misread", 0, {}, Join({{"Description: Ambient",
            "Location: Drive Back Plane", "Status: OK"}, Lines(temperature.begin() + 3,
            temperature.end())})},
        {"location past the list named", 0x14, {{0x05, 0x10}}, First(temperature, 9)}});
    Lines current = {"Description: ABC", "Location: Add-in Card", "Status: Non-critical",
        "Maximum Value: 5.000 A", "Minimum Value: 0.000 A", "Resolution: 0.5 mA",
        "Tolerance: Unknown", "Accuracy: 0.15%", "OEM-specific Information: 0x00000001",
        "Nominal Value: 2.000 A"};
    Check(kCurrentProbe, {{"currents misread", 0, {}, current}});
    current[1] = "Location: <OUT OF SPEC> (0x0C)";
    current[2] = "Status: <OUT OF SPEC> (0x00)";
    Check(kCurrentProbe, {
        {"temperature location named for a current probe", 0, {{0x05, 0x0C}}, current}});
    const Lines cooling = {"Temperature Probe Handle: 0x01C0", "Type: Fan", "Status: OK",
        "Cooling Unit Group: 1", "OEM-specific Information: 0x00000000",
        "Nominal Speed: 3000 rpm", "Description: CPU Fan"};
    Check(kCoolingDevice, {
        {"cooling device misread", 0, {}, cooling},
        {"2.7 description read past its Length", 0x0E, {}, First(cooling, 6)},
        {"no probe or no group shown", 0x0C, {{0x04, 0xFF}, {0x05, 0xFF}, {0x06, 0x6A},
            {0x07, 0x00}}, {"Type: <OUT OF SPEC> (0x0A)", "Status: OK",
            "OEM-specific Information: 0x00000000"}},
        {"shown though cut before the OEM field", 0x0B, {}, {}}});
}

TEST(Types18To33Test, RemoteAccessBootIntegrityAndSystemBoot) {
    Check(kRemoteAccess, {
        {"connections taken from the wrong bits", 0, {}, {"Manufacturer Name: Intel",
            "Inbound Connection: Disabled", "Outbound Connection: Enabled"}},
        {"shown though cut before the connections", 0x05, {}, {}}});
    const Lines entries = {"16-bit Entry Point Address: 1234:5678",
                           "32-bit Entry Point Address: 0x87654321"};
    Check(kBootIntegrity, {
        {"checksum not over the whole structure", 0, {}, Join({{"Checksum: OK"}, entries})},
        {"a wrong checksum passed", 0, {{0x04, 0x00}}, Join({{"Checksum: Invalid"}, entries})},
        {"shown though cut before the last reserved bytes", 0x1B, {}, {}}});
    Check(kSystemBoot, {
        {"status misread", 0, {}, {"Status: System watchdog timer expired"}},
        {"status past the list named", 0, {{0x0A, 0x09}}, {"Status: <OUT OF SPEC> (0x09)"}},
        {"OEM range misplaced", 0, {{0x0A, 0xBF}}, {"Status: OEM-specific"}},
        {"product range misplaced", 0, {{0x0A, 0xC0}}, {"Status: Product-specific"}},
        {"shown though cut before the status", 0x0A, {}, {}}});
}
// clang-format on

}  // namespace
