/* Start-up of the test programs built with clang-cl for the MSVC ABI. Microsoft's start-up
 * objects are not at hand, so the entry point sets up the UCRT's narrow arguments itself, calls
 * main and exits with its result. */
#include <stdlib.h> /* exit, __p___argc, __p___argv */

int main(int argc, char** argv);

int __cdecl _configure_narrow_argv(int mode);
int __cdecl _initialize_narrow_environment(void);

void __cdecl mainCRTStartup(void) {
    _configure_narrow_argv(2 /* _crt_argv_unexpanded_arguments */);
    _initialize_narrow_environment();
    exit(main(*__p___argc(), *__p___argv()));
}
