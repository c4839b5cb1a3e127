// Makes each allocation of opening a table through the C interface fail in turn, from bytes and
// from a file, with the log callback at debug: every open ends in KSMBIOS_OK or
// KSMBIOS_OUT_OF_MEMORY (and then no handle), and a handle that was made answers every call.
// The table is the case "every-type-3.0" that kelvo-capi-make-cases writes. Leaks are found by
// LeakSanitizer or valgrind at exit.
#include <smbios/kelvo_smbios.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "capi/compare.h"
#include "support/AllocationSeam.h"

namespace {

namespace allocations = kelvo::test::allocations;

void KSMBIOS_CALL Ignore(int32_t, const char*, uint32_t, const char*, void*) {}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(CInterfaceAllocationTest, EveryFailedAllocationEndsInOutOfMemoryOrAWholeHandle) {
    ASSERT_EQ(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, Ignore, nullptr), KSMBIOS_OK);
    const std::string path = KELVO_CAPI_CASES "/every-type-3.0.raw";
    const std::string raw = Read(path),
                      expected = Read(KELVO_CAPI_CASES "/every-type-3.0.expected");
    ASSERT_FALSE(raw.empty() || expected.empty()) << "no case in " << KELVO_CAPI_CASES;
    const std::pair<const char*, std::function<ksmbios_status(ksmbios_table**)>> openers[] = {
        {"bytes",
         [&](ksmbios_table** out) {
             return ksmbios_open_bytes(reinterpret_cast<const std::uint8_t*>(raw.data()),
                                       raw.size(), out);
         }},
        {"file", [&](ksmbios_table** out) { return ksmbios_open_file(path.c_str(), out); }},
    };
    for (const auto& [name, open] : openers) {
        SCOPED_TRACE(name);
        long outOfMemory = 0;
        for (long n = 1;; ++n) {
            SCOPED_TRACE(n);
            ksmbios_table* table = reinterpret_cast<ksmbios_table*>(1);
            allocations::Arm(n);
            const ksmbios_status status = open(&table);
            allocations::Disarm();
            const bool reached = allocations::Count() >= n;
            if (status == KSMBIOS_OUT_OF_MEMORY) {
                ++outOfMemory;
                EXPECT_EQ(table, nullptr);
                continue;
            }
            ASSERT_EQ(status, KSMBIOS_OK);
            // A failure that the C++ interface absorbed shows in its view, not in the table's:
            // only the open that no failure reached must give the expected answers.
            const int differences = ks_compare(table, expected.c_str(), reached ? nullptr : name);
            ksmbios_close(table);
            if (!reached) {
                EXPECT_EQ(differences, 0);
                break;
            }
        }
        EXPECT_GT(outOfMemory, 0);
    }
}

}  // namespace
