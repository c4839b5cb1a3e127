// Stands in for Microsoft's time.h where Wine's lacks struct timespec, which libc++ names.
#pragma once
#include_next <time.h>
#ifndef _TIMESPEC_DEFINED
#define _TIMESPEC_DEFINED
struct timespec {
    long long tv_sec;
    long tv_nsec;
};
#endif
