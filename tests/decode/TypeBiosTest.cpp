#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
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

struct DateCase {
    const char* name;
    const char* date;  // null: the structure names no release date string
    const char* zone;
    const char* expected;  // the stored text, or the construction's error message
    bool fails;
    bool needsDaylightRules = false;
};

class TypeBiosDateTest : public ::testing::TestWithParam<DateCase> {};

// Two BIOS structures and a baseboard: the second BIOS wins unless its date stops the walk,
// which keeps the first and decodes nothing after it.
TEST_P(TypeBiosDateTest, ConvertsTheDateOrStopsTheWalk) {
    const DateCase& c = GetParam();
#if defined(_WIN32)
    // The C runtime's TZ carries no daylight saving rules of its own; which apply depends on the
    // runtime (under Wine, on the process's earlier TZ settings).
    if (c.needsDaylightRules) GTEST_SKIP() << "TZ daylight saving rules are not honoured here";
#endif
    ScopedTimeZone zone(c.zone);
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

INSTANTIATE_TEST_SUITE_P(
    Dates, TypeBiosDateTest,
    ::testing::Values(
        DateCase{"Plain", "03/15/2019", kUtc, "2019-03-15T00:00:00+00:00", false},
        // Standard-time midnight is 01:00 once daylight saving time is in force.
        DateCase{"DaylightSaving", "03/15/2019", "EST5EDT,M3.2.0,M11.1.0",
                 "2019-03-15T01:00:00+00:00", false, true},
        DateCase{"ZoneWestOfUtc", "03/15/2019", "EST5", "2019-03-15T00:00:00+00:00", false},
        DateCase{"DayZero", "01/00/2020", kUtc, "2019-12-31T00:00:00+00:00", false},
        DateCase{"MonthThirteen", "13/01/2020", kUtc, "2021-01-01T00:00:00+00:00", false},
        DateCase{"TwoDigitYear", "12/31/99", kUtc, "", false},
        DateCase{"FirstYear", "01/01/1900", kUtc, "1900-01-01T00:00:00+00:00", false},
        // The day is two characters from position 3, whatever follows them.
        DateCase{"DayTakenByPosition", "03/1592019", kUtc, "2019-03-15T00:00:00+00:00", false},
        DateCase{"DayWithoutNumber", "1/5/2020", kUtc, "invalid stoi argument", true},
        DateCase{"NoDateString", nullptr, kUtc, "invalid string position", true},
        DateCase{"ShortText", "1/1/1", kUtc, "invalid string position", true}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs only where the "en_US" locale cannot be found: the build runs it once with LOCPATH pointing
// at an empty place.
TEST(TypeBiosTest, MissingLocaleStopsTheWalkOnlyWhenADateIsFormatted) {
    if (std::getenv("KELVO_EXPECT_NO_LOCALE") == nullptr) GTEST_SKIP() << "en_US is available";
    ScopedTimeZone zone(kUtc);
    TableBuilder table(2, 4), early(2, 4);
    AddBios(table, "Vendor", "03/15/2019");
    AddBios(early, "Vendor", "12/31/99");  // rejected before the locale is needed
    ParsedTable parsed(table.End()), rejected(early.End());

    EXPECT_STREQ(parsed.info.GetError().Message(), "bad locale name");
    EXPECT_FALSE(rejected.info.GetError());
}

}  // namespace
