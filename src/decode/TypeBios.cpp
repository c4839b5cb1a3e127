#include <smbios/TypeBios.h>

#include <ctime>
#include <iomanip>
#include <limits>
#include <locale>
#include <new>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#if defined(_WIN32)
#include <locale.h>
#endif

#include "decode/FieldOperations.h"
#include "decode/RecordDecoder.h"

namespace kelvo::shared::smbios {

const int TypeBios::BIOSCharacteristicsSize;

KELVO_DESCRIBED_MEMBERS(TypeBios, TypeBios)

namespace detail {

namespace {

constexpr const char* kDateLocaleName = "en_US";

// Like std::substr, but failing with the message that the date conversion reports.
std::string Substring(const std::string& text, std::size_t position, std::size_t count) {
    if (position > text.size()) throw std::out_of_range("invalid string position");
    return text.substr(position, count);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Parses like std::stoi in base 10: leading white space, an optional sign, then the longest run
// of digits; whatever follows is ignored.
int ParseInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t firstDigit = i;
    // Magnitude limit: INT_MAX, or one more for a negative value.
    const long long limit = std::numeric_limits<int>::max() + (negative ? 1LL : 0LL);
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) throw std::out_of_range("stoi argument out of range");
    }
    if (i == firstDigit) throw std::invalid_argument("invalid stoi argument");
    return static_cast<int>(negative ? -value : value);
}

// The "en_US" locale, or none when the system has no such locale.
std::optional<std::locale> LoadDateLocale() {
#if defined(_WIN32)
    // mingw's std::locale knows only "C", so ask the C runtime whether the locale exists; it
    // also knows the name in its "en-US" spelling.
    _locale_t locale = _create_locale(LC_ALL, kDateLocaleName);
    if (locale == nullptr) {
        std::string hyphenated(kDateLocaleName);
        for (char& c : hyphenated) {
            if (c == '_') c = '-';
        }
        locale = _create_locale(LC_ALL, hyphenated.c_str());
    }
    if (locale == nullptr) return std::nullopt;
    _free_locale(locale);
    return std::locale::classic();
#else
    try {
        return std::locale(kDateLocaleName);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
#endif
}

// The locale that dates are formatted with. Every formatted field is numeric, so only its
// existence matters: a missing "en_US" is reported as a failure. Looking a locale up costs more
// than decoding a whole table, so the answer is kept for the life of the process.
std::locale DateLocale() {
    static const std::optional<std::locale> locale = LoadDateLocale();
    if (!locale) throw std::runtime_error("bad locale name");
    return *locale;
}

// "+hh:mm" or "-hh:mm".
std::string FormatUtcOffset(int offsetHours) {
    const long long seconds = offsetHours * 3600LL;
    const long long magnitude = seconds < 0 ? -seconds : seconds;
    const long long hours = magnitude / 3600;
    const long long minutes = magnitude % 3600 / 60;
    std::string text(seconds < 0 ? "-" : "+");
    if (hours < 10) text += '0';
    text += std::to_string(hours);
    text += ':';
    if (minutes < 10) text += '0';
    text += std::to_string(minutes);
    return text;
}

// `time` as "yyyy-mm-ddThh:mm:ss" followed by FormatUtcOffset(offsetHours); empty when a field
// is out of range. Throws std::runtime_error "bad locale name" without the "en_US" locale.
std::string FormatDateTime(const std::tm& time, int offsetHours) {
    const bool valid = time.tm_sec >= 0 && time.tm_sec <= 61 && time.tm_min >= 0 &&
                       time.tm_min <= 59 && time.tm_hour >= 0 && time.tm_hour <= 23 &&
                       time.tm_mday >= 1 && time.tm_mday <= 31 && time.tm_mon >= 0 &&
                       time.tm_mon <= 11 && time.tm_year >= 0 && time.tm_wday >= 0 &&
                       time.tm_wday <= 6 && time.tm_yday >= 0 && time.tm_yday <= 365;
    if (!valid) return std::string();

    std::ostringstream text;
    text.imbue(DateLocale());
    // The zone designator always states `offsetHours`, never the local zone, so the local
    // offset ("%z") is not written at all; Windows' C runtime would write a zone name there.
    text << std::put_time(&time, "%Y-%m-%dT%H:%M:%S");
    if (!text.good()) return std::string();
    return text.str() + FormatUtcOffset(offsetHours);
}

// The release date text "mm/dd/yyyy", parts taken by position, as "yyyy-mm-ddThh:mm:ss+00:00"
// after std::mktime has normalized it in local time; empty for a year before 1900. Throws
// std::out_of_range "invalid string position" for a text shorter than six characters and
// std::invalid_argument "invalid stoi argument" for a part without a number.
std::string ReleaseDateText(const std::string& date) {
    std::tm time{};  // midnight, daylight saving time not in force
    time.tm_year = ParseInt(Substring(date, 6, 4)) - 1900;
    time.tm_mon = ParseInt(Substring(date, 0, 2)) - 1;
    time.tm_mday = ParseInt(Substring(date, 3, 2));
    // Normalizes the fields in local time (01/00/2020 becomes December 31st) and fills the week
    // and year days. Its result is not needed and a failure is ignored: FormatDateTime judges
    // the fields as mktime left them.
    std::mktime(&time);
    return FormatDateTime(time, 0);
}

}  // namespace

void DecodeSpecial(const StructureReader& s, TypeBios& bios) {
    const std::string date(s.String(bios.BIOSReleaseDateStringNumber));
    if (!s.withinLength) {
        SetText(bios.BIOSReleaseDate, ReleaseDateText(date));
        return;
    }
    // Read as the structure is, a date that does not convert leaves the text empty.
    try {
        SetText(bios.BIOSReleaseDate, ReleaseDateText(date));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
    }
}

}  // namespace detail
}  // namespace kelvo::shared::smbios
