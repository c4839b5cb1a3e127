#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#include "decode/DateTime.h"
#include "decode/OwnedString.h"
#include "decode/Walker.h"
#include "support/TableBuilder.h"

namespace {

using namespace kelvo::shared::smbios;
using kelvo::test::ParsedTable;
using kelvo::test::TableBuilder;
using Bytes = std::vector<std::uint8_t>;

// Sets the local time zone while it lives; a null zone removes TZ.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : hadOld_(std::getenv("TZ") != nullptr) {
        if (hadOld_) old_ = std::getenv("TZ");
        Set(zone);
    }
    ~ScopedTimeZone() { Set(hadOld_ ? old_.c_str() : nullptr); }

private:
    static void Set(const char* zone) {
#if defined(_WIN32)
        _putenv_s("TZ", zone != nullptr ? zone : "");  // an empty value removes it
        _tzset();
#else
        zone != nullptr ? setenv("TZ", zone, 1) : unsetenv("TZ");
        tzset();
#endif
    }
    bool hadOld_;
    std::string old_;
};

constexpr const char* kUtc = "UTC0";

// A type-0 structure with every field set: string 1 the vendor, 2 the version, 3 the date.
void AddBios(TableBuilder& table, const char* vendor, const char* date) {
    auto& bios = table.Add(0)
                     .BytesAt(0x04, {1, 2, 0x00, 0xF0,
                                     static_cast<std::uint8_t>(date != nullptr ? 3 : 0), 0x0F})
                     .BytesAt(0x0A, {0x80, 0x1A, 0x0B, 0x98, 0x00, 0x00, 0x00, 0x00})
                     .BytesAt(0x12, {0x11, 0x12, 0x13, 0x14, 0x15, 0x16})
                     .String(vendor)
                     .String("1.2");
    if (date != nullptr) bios.String(date);
}

class TypeBiosVersionTest : public ::testing::TestWithParam<int> {};

TEST_P(TypeBiosVersionTest, ReadsTheBaseFieldsAlwaysAndTheReleaseBytesFrom24) {
    ScopedTimeZone zone(kUtc);
    TableBuilder table(GetParam() >> 8, GetParam() & 0xFF);
    AddBios(table, "Vendor", "03/15/2019");
    ParsedTable parsed(table.End());
    ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();

    const TypeBios& bios = parsed.info.GetTypeBios();
    EXPECT_STREQ(bios.Vendor, "Vendor");
    EXPECT_STREQ(bios.BIOSVersion, "1.2");
    EXPECT_STREQ(bios.BIOSReleaseDate, "2019-03-15T00:00:00+00:00");
    EXPECT_EQ(bios.BIOSStartingSegment, 0xF000);
    EXPECT_EQ(bios.BIOSROMSize, 0x0F);
    EXPECT_EQ(Bytes(bios.BIOSCharacteristics, bios.BIOSCharacteristics + 8),
              Bytes({0x80, 0x1A, 0x0B, 0x98, 0, 0, 0, 0}));
    // Assigned into the facade's record, which keeps string numbers of 0.
    EXPECT_EQ(
        bios.VendorStringNumber + bios.BIOSVersionStringNumber + bios.BIOSReleaseDateStringNumber,
        0);
    const Bytes release = {bios.ExtensionByte1,
                           bios.ExtensionByte2,
                           bios.SystemBIOSMajorRelease,
                           bios.SystemBIOSMinorRelease,
                           bios.EmbeddedFirmwareMajorRelease,
                           bios.EmbeddedFirmwareMinorRelease};
    EXPECT_EQ(release,
              GetParam() >= 0x0204 ? Bytes({0x11, 0x12, 0x13, 0x14, 0x15, 0x16}) : Bytes(6, 0));
}

INSTANTIATE_TEST_SUITE_P(Versions, TypeBiosVersionTest,
                         ::testing::Values(0x0200, 0x0201, 0x0203, 0x0204, 0x0208, 0x0300, 0x0305));

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
        DateCase{"DayWithoutNumber", "1/5/2020", kUtc, "invalid stoi argument", true},
        DateCase{"NoDateString", nullptr, kUtc, "invalid string position", true},
        DateCase{"ShortText", "1/1/1", kUtc, "invalid string position", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypeBiosLocaleTest, MissingLocaleStopsTheWalkOnlyWhenADateIsFormatted) {
    ScopedTimeZone zone(kUtc);
    const char* previous = pimpl::testing::SetDateLocaleName("xx_XX");
    TableBuilder table(2, 4), early(2, 4);
    AddBios(table, "Vendor", "03/15/2019");
    AddBios(early, "Vendor", "12/31/99");  // rejected before the locale is needed
    ParsedTable parsed(table.End()), rejected(early.End());
    pimpl::testing::SetDateLocaleName(previous);

    EXPECT_STREQ(parsed.info.GetError().Message(), "bad locale name");
    EXPECT_FALSE(rejected.info.GetError());
}

TEST(TypeBiosRecordTest, CopiesCarryEverythingButTheStringNumbers) {
    TypeBios source;
    pimpl::AssignString(source.Vendor, "Vendor");
    source.VendorStringNumber = 1;
    source.BIOSCharacteristics[7] = 0x98;
    source.EmbeddedFirmwareMinorRelease = 0x16;
    TypeBios assigned;
    assigned.VendorStringNumber = 7;
    assigned = source;
    TypeBios copy(source);

    for (const TypeBios* record : {&copy, &assigned}) {
        EXPECT_NE(record->Vendor, source.Vendor);
        EXPECT_STREQ(record->Vendor, "Vendor");
        EXPECT_NE(record->BIOSReleaseDate, source.BIOSReleaseDate);
        EXPECT_EQ(record->BIOSCharacteristics[7], 0x98);
        EXPECT_EQ(record->EmbeddedFirmwareMinorRelease, 0x16);
    }
    EXPECT_EQ(copy.VendorStringNumber, 0);
    EXPECT_EQ(assigned.VendorStringNumber, 7);

    const char* text = source.Vendor;
    source = *&source;
    EXPECT_EQ(source.Vendor, text);
    EXPECT_EQ(source.VendorStringNumber, 1);
}

// Every cut of the table, from exact-size copies: fields that still fit are read, the others
// are 0, and the date decides whether decoding gets as far as the 2.4 bytes.
TEST(TypeBiosTruncationTest, ReadsOnlyWhatTheTableHolds) {
    ScopedTimeZone zone(kUtc);
    TableBuilder table(2, 4);
    AddBios(table, "V", "03/15/2019");
    const Bytes raw = table.End().Raw();
    const std::size_t dateOffset = 0x18 + 2 + 4;  // after "V" and "1.2"
    for (std::uint32_t n = 0; n + 8 <= raw.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        const Bytes cut = TableBuilder::Truncated(raw, n);
        ParsedTable parsed(cut);
        // The same bytes walked directly, to see the record also when the date stops the walk.
        const Bytes bytes(cut.begin() + 8, cut.end());
        pimpl::ParseState state;
        state.version = SMBiosSpecVersion::V2_4;
        state.hasTable = true;
        state.table = pimpl::TableView(bytes.data(), bytes.size());
        bool threw = false;
        try {
            pimpl::NextStructure(state);
        } catch (const std::exception&) {
            threw = true;
        }
        const bool complete = n >= dateOffset + 7;  // "03/15/2" converts (to an empty text)
        EXPECT_EQ(threw, n >= 4 && !complete);
        EXPECT_EQ(static_cast<bool>(parsed.info.GetError()), threw);

        const TypeBios& bios = state.current.bios;
        EXPECT_EQ(bios.VendorStringNumber, n >= 0x05 ? 1 : 0);
        EXPECT_EQ(bios.BIOSStartingSegment, n >= 0x08 ? 0xF000 : 0);
        EXPECT_EQ(bios.BIOSCharacteristics[3], n >= 0x0E ? 0x98 : 0);
        EXPECT_EQ(bios.EmbeddedFirmwareMinorRelease, complete ? 0x16 : 0);
        EXPECT_STREQ(bios.Vendor, n > 0x18 ? "V" : "");
    }
}

}  // namespace
