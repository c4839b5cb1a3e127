// A pure virtual function called through an object under construction or destruction. The
// static mingw runtime leaves this hook undefined in a DLL, so such a call would jump to address
// 0; here it stops the process with a message instead.
#include <cstdio>
#include <cstdlib>

extern "C" [[noreturn]] void __cxa_pure_virtual() {
    std::fputs("kelvo-shared-smbios: pure virtual function called\n", stderr);
    std::fflush(stderr);
    std::abort();
}
