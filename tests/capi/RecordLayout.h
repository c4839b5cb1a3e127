// The C records must lie exactly over the C++ ones: same size, every member at the same offset
// with the same size. Checked at compile time by every compiler that builds a test (GCC, mingw,
// clang-cl in the MSVC ABI).
#pragma once

#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <cstddef>

#include "capi/record_fields.h"

namespace kelvo::test::layout {

using namespace kelvo::shared::smbios;

// clang-format off
#define KS_SAME(m)                                                                               \
    static_assert(offsetof(CType, m) == offsetof(CppType, m), "offset of " #m);                  \
    static_assert(sizeof(CType{}.m) == sizeof(CppType{}.m), "size of " #m);
#define KS_SAME_BYTES(m, n) KS_SAME(m)
#define KS_CHECK_RECORD(c, cpp, type, FIELDS)                                                    \
    namespace check_##cpp {                                                                      \
    using CType = c;                                                                             \
    using CppType = cpp;                                                                         \
    static_assert(sizeof(CType) == sizeof(CppType), "size of " #c);                             \
    static_assert(alignof(CType) == alignof(CppType), "alignment of " #c);                      \
    FIELDS(KS_SAME, KS_SAME, KS_SAME_BYTES, KS_SAME)                                             \
    }
// clang-format on

KS_RECORDS(KS_CHECK_RECORD)

#undef KS_CHECK_RECORD
#undef KS_SAME_BYTES
#undef KS_SAME

}  // namespace kelvo::test::layout
