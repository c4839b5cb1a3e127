#include "support/AllocationSeam.h"

#include <cstdlib>
#include <new>

namespace {
long made = 0;
long failAt = 0;  // 0: never fail
}  // namespace

namespace kelvo::test::allocations {
long Count() { return made; }
void Reset() { made = 0, failAt = 0; }
void Arm(long n) { made = 0, failAt = n; }
void Disarm() { failAt = 0; }
}  // namespace kelvo::test::allocations

void* operator new(std::size_t size) {
    if (++made == failAt) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { ::operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { ::operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { ::operator delete(p); }
