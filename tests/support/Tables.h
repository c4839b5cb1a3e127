#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/TableBuilder.h"

// Whole tables in the raw layout, shared by the tests, the fuzzers' seed corpus and the
// benchmarks.
namespace kelvo::test::tables {

// Adds one structure of each decoded type (0, 1, 2, 3, 4, 9, 11, 16, 17), as written from the
// standard (support/StandardStructures.h), from `handle` on. Returns the next free handle.
std::uint16_t AddEveryType(TableBuilder& builder, std::uint16_t handle);

// `instances` structures of every decoded type and the end-of-table structure.
std::vector<std::uint8_t> EveryType(std::uint8_t major, std::uint8_t minor, int instances = 1);

// The mix of a desktop machine: 80 structures (BIOS, system, board, chassis, two processors
// with their caches, eight memory devices, slots, port connectors, probes and vendor types)
// and the end-of-table structure, version 3.3.
std::vector<std::uint8_t> Desktop();

// Exactly `structures` structures cycling through the desktop mix, then the end-of-table
// structure.
std::vector<std::uint8_t> Sized(std::size_t structures);

}  // namespace kelvo::test::tables
