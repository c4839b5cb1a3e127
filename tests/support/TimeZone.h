#pragma once

#include <cstdlib>
#include <ctime>

namespace kelvo::test {

// Sets the local time zone that release dates are normalized in. It is not put back: each test
// that reads a date sets the zone it expects.
inline void SetTimeZone(const char* zone) {
#if defined(_WIN32)
    _putenv_s("TZ", zone);
    _tzset();
#else
    setenv("TZ", zone, 1);
    tzset();
#endif
}

}  // namespace kelvo::test
