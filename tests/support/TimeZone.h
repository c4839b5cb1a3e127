#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace kelvo::test {

// Sets the local time zone while it lives (release dates are normalized in it); a null zone
// removes TZ.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : hadOld_(std::getenv("TZ") != nullptr) {
        if (hadOld_) old_ = std::getenv("TZ");
        Set(zone);
    }
    ~ScopedTimeZone() { Set(hadOld_ ? old_.c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

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

}  // namespace kelvo::test
