// Stands in for the parts of Microsoft's math.h that Wine's lacks: the long double functions
// that libc++'s <cmath> names. Only declared; the test programs call none of them.
#pragma once
#include_next <math.h>
#ifdef __cplusplus
extern "C" {
#endif
long double __cdecl scalbnl(long double, int);
long double __cdecl scalblnl(long double, long);
long double __cdecl ldexpl(long double, int);
long double __cdecl frexpl(long double, int*);
long double __cdecl modfl(long double, long double*);
long double __cdecl remquol(long double, long double, int*);
int __cdecl ilogbl(long double);
float __cdecl nexttowardf(float, long double);
float __cdecl erfcf(float);
#define KELVO_UNARY(name) long double __cdecl name(long double);
#define KELVO_BINARY(name) long double __cdecl name(long double, long double);
// clang-format off
KELVO_UNARY(tgammal) KELVO_UNARY(tanl) KELVO_UNARY(tanhl) KELVO_UNARY(sqrtl) KELVO_UNARY(sinl)
KELVO_UNARY(sinhl) KELVO_UNARY(nearbyintl) KELVO_UNARY(logl) KELVO_UNARY(logbl) KELVO_UNARY(log2l)
KELVO_UNARY(log1pl) KELVO_UNARY(log10l) KELVO_UNARY(lgammal) KELVO_UNARY(floorl) KELVO_UNARY(fabsl)
KELVO_UNARY(expm1l) KELVO_UNARY(expl) KELVO_UNARY(exp2l) KELVO_UNARY(erfl) KELVO_UNARY(erfcl)
KELVO_UNARY(cosl) KELVO_UNARY(coshl) KELVO_UNARY(ceill) KELVO_UNARY(cbrtl) KELVO_UNARY(atanl)
KELVO_UNARY(atanhl) KELVO_UNARY(asinl) KELVO_UNARY(asinhl) KELVO_UNARY(acosl) KELVO_UNARY(acoshl)
KELVO_BINARY(powl) KELVO_BINARY(nextafterl) KELVO_BINARY(remainderl) KELVO_BINARY(hypotl)
KELVO_BINARY(fmodl) KELVO_BINARY(fminl) KELVO_BINARY(fmaxl) KELVO_BINARY(fdiml)
KELVO_BINARY(atan2l) KELVO_BINARY(nexttowardl)
// clang-format on
#undef KELVO_UNARY
#undef KELVO_BINARY
#ifdef __cplusplus
}
#endif
