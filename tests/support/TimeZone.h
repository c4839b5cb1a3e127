#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace kelvo::test {

// Sets the local time zone while it lives (release dates are normalized in it).
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        Set(zone);
    }
    ~ScopedTimeZone() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    // A null zone removes TZ.
    static void Set(const char* zone) {
#if defined(_WIN32)
        _putenv_s("TZ", zone != nullptr ? zone : "");  // an empty value removes it
        _tzset();
#else
        zone != nullptr ? setenv("TZ", zone, 1) : unsetenv("TZ");
        tzset();
#endif
    }
    std::optional<std::string> old_;
};

}  // namespace kelvo::test
