#include "render/RecordText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "decode/OwnedString.h"

namespace {

using namespace kelvo::shared::smbios;
using pimpl::AssignString;

template <class Record>
std::string Render(const Record& record) {
    std::ostringstream text;
    text << record;
    return text.str();
}

TEST(RecordTextTest, BiosShowsItsTextsAndReleaseBytesInDecimal) {
    TypeBios bios;
    AssignString(bios.Vendor, "Acme");
    AssignString(bios.BIOSVersion, "1.07");
    AssignString(bios.BIOSReleaseDate, "2019-06-15T00:00:00+00:00");
    bios.BIOSStartingSegment = 0xF000;
    bios.ExtensionByte1 = 1, bios.ExtensionByte2 = 2;
    bios.SystemBIOSMajorRelease = 3, bios.SystemBIOSMinorRelease = 4;
    bios.EmbeddedFirmwareMajorRelease = 255, bios.EmbeddedFirmwareMinorRelease = 255;
    bios.BIOSROMSize = 9;  // not part of the text
    EXPECT_EQ(Render(bios),
              "{ \"Vendor\": \"Acme\", \"BIOSVersion\": \"1.07\", \"BIOSStartingSegment\": 61440, "
              "\"BIOSReleaseDate\": \"2019-06-15T00:00:00+00:00\", \"ExtensionByte1\": 1, "
              "\"ExtensionByte2\": 2, \"SystemBIOSMajorRelease\": 3, \"SystemBIOSMinorRelease\": "
              "4, \"EmbeddedFirmwareMajorRelease\": 255, \"EmbeddedFirmwareMinorRelease\": 255 }");
}

TEST(RecordTextTest, TextsAreWrittenUnescapedAndNullTextsAsNull) {
    TypeSysInfo system;
    AssignString(system.Manufacturer, "Ac\"me");
    AssignString(system.ProductName, "Model 7");
    pimpl::ReleaseString(system.Version);  // as a failed allocation leaves it
    AssignString(system.SerialNumber, "123");
    EXPECT_EQ(Render(system),
              "{ \"Manufacturer\": \"Ac\"me\", \"ProductName\": \"Model 7\", \"Version\": null, "
              "\"SerialNumber\": \"123\" }");
}

TEST(RecordTextTest, OemStringsListAtMostCountValues) {
    TypeOemStrings oem;
    EXPECT_EQ(Render(oem), "");  // no area: nothing at all

    const char area[] = "Alpha\0Beta";  // 11 bytes with the final NUL
    oem.Strings = new char[sizeof area];
    std::memcpy(oem.Strings, area, sizeof area);
    oem.StringsSize = sizeof area;
    struct Case {
        std::uint8_t count;
        std::int32_t size;
        const char* text;
    };
    for (const Case& c : {Case{2, 11, "{ \"Values\": [ \"Alpha\", \"Beta\" ] }"},
                          Case{1, 11, "{ \"Values\": [ \"Alpha\" ] }"},
                          Case{3, 11, "{ \"Values\": [ \"Alpha\", \"Beta\" ] }"},
                          Case{2, 1, "{ \"Values\": [  ] }"},     // counted zero strings
                          Case{2, 0, "{ \"Values\": [  ] }"}}) {  // refused: listed as empty
        oem.Count = c.count;
        oem.StringsSize = c.size;
        EXPECT_EQ(Render(oem), c.text) << int(c.count) << " " << c.size;
    }
    oem.StringsSize = sizeof area;
}

}  // namespace
