#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TableBuilder.h"
#include "support/TimeZone.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

constexpr const char* kUtc = "UTC0";

// Base fields, then string 1 the vendor and, when given, string 3 the date.
void AddBios(TableBuilder& table, const char* vendor, const char* date) {
    auto& bios = table.Add(0).BytesAt(
        0x04, {1, 2, 0, 0xF0, static_cast<std::uint8_t>(date != nullptr ? 3 : 0)});
    bios.String(vendor).String("1.2");
    if (date != nullptr) bios.String(date);
}

// Two BIOS structures and a baseboard: the second BIOS wins unless its date stops the walk,
// which keeps the first and decodes nothing after it. Each part of "mm/dd/yyyy" is taken by
// position; mktime normalizes the date in the local time zone.
TEST(TypeBiosTest, ConvertsTheReleaseDateOrStopsTheWalk) {
    const struct {
        const char* date;  // null: the structure names no release date string
        const char* zone;
        const char* expected;  // the stored text, or the construction's error message
        bool fails = false;
    } cases[] = {
        {"03/15/2019", kUtc, "2019-03-15T00:00:00+00:00"},
        // Standard-time midnight is 01:00 once daylight saving time is in force.
        {"03/15/2019", "EST5EDT,M3.2.0,M11.1.0", "2019-03-15T01:00:00+00:00"},
        {"03/15/2019", "EST5", "2019-03-15T00:00:00+00:00"},
        {"01/00/2020", kUtc, "2019-12-31T00:00:00+00:00"},
        {"13/01/2020", kUtc, "2021-01-01T00:00:00+00:00"},
        {"12/31/99", kUtc, ""},
        {"01/01/1900", kUtc, "1900-01-01T00:00:00+00:00"},
        {"03/1592019", kUtc, "2019-03-15T00:00:00+00:00"},
        {"03/15/20195", kUtc, "2019-03-15T00:00:00+00:00"},
        {"1/5/2020", kUtc, "invalid stoi argument", true},
        {nullptr, kUtc, "invalid string position", true},
        {"1/1/1", kUtc, "invalid string position", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date ? c.date : "no date") + " in " + c.zone);
#if defined(_WIN32)
        // The C runtime's TZ carries no daylight saving rules of its own; which apply depends
        // on the runtime (under Wine, on the process's earlier TZ settings).
        if (std::string(c.zone).find(',') != std::string::npos) continue;
#endif
        SetTimeZone(c.zone);
        TableBuilder table(2, 4);
        AddBios(table, "First", "01/02/2003");
        AddBios(table, "Second", c.date);
        table.Add(2).ByteAt(0x04, 1).String("Board");
        ParsedTable parsed(table.End());
        const TypeBios& bios = parsed.info.GetTypeBios();
        EXPECT_STREQ(parsed.info.GetError().Message(), c.fails ? c.expected : "");
        EXPECT_STREQ(bios.Vendor, c.fails ? "First" : "Second");
        EXPECT_STREQ(bios.BIOSReleaseDate, c.fails ? "2003-01-02T00:00:00+00:00" : c.expected);
        EXPECT_STREQ(parsed.info.GetTypeBaseboard().Manufacturer, c.fails ? "" : "Board");
        EXPECT_EQ(parsed.info.GetSMBiosVersion() == SMBiosSpecVersion::None, c.fails);
    }
}

// Runs only where the "en_US" locale cannot be found: the build runs it once with LOCPATH pointing
// at an empty place.
TEST(TypeBiosTest, MissingLocaleStopsTheWalkOnlyWhenADateIsFormatted) {
    if (std::getenv("KELVO_EXPECT_NO_LOCALE") == nullptr) GTEST_SKIP() << "en_US is available";
    SetTimeZone(kUtc);
    TableBuilder table(2, 4), early(2, 4);
    AddBios(table, "Vendor", "03/15/2019");
    AddBios(early, "Vendor", "12/31/99");  // rejected before the locale is needed
    EXPECT_STREQ(ParsedTable(table.End()).info.GetError().Message(), "bad locale name");
    EXPECT_FALSE(ParsedTable(early.End()).info.GetError());
}

}  // namespace
