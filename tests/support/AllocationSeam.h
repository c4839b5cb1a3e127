#pragma once

// Replaces the global operator new and delete of the program that links AllocationSeam.cpp,
// so that a test can count allocations and make one of them fail. Single-threaded use only.
// The library's code must be linked into the same program (its objects, or on Linux its shared
// library, whose calls reach the program's operators).
namespace kelvo::test::allocations {

// Allocations made through operator new since the last Arm or Reset.
long Count();

// Restarts the count without any failure.
void Reset();

// Restarts the count and makes allocation number `n` (from 1) throw std::bad_alloc, once.
void Arm(long n);

// No further failure; the count goes on.
void Disarm();

}  // namespace kelvo::test::allocations
