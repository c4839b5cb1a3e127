#pragma once

// What every exported C call shares: no exception leaves it, and a caller's structure is filled
// only when it is at least as large as this version's.

#include <smbios/kelvo_smbios.h>

#include <cstring>
#include <new>

namespace kelvo::shared::smbios::capi {

template <class Work>
ksmbios_status Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return KSMBIOS_OUT_OF_MEMORY;
    } catch (...) {
        return KSMBIOS_INTERNAL_ERROR;
    }
}

template <class Out>
bool Fits(const Out* out) {
    return out->struct_size >= sizeof(Out);
}

// Copies `value` into the caller's structure, keeping the size that the caller gave.
template <class Out>
void Store(Out* out, Out value) {
    value.struct_size = out->struct_size;
    std::memcpy(out, &value, sizeof(Out));
}

}  // namespace kelvo::shared::smbios::capi
