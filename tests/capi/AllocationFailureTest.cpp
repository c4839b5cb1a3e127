// Makes each allocation of opening a table through the C interface fail in turn, from bytes and
// from a file, with the log callback at debug: every open ends in KSMBIOS_OK or
// KSMBIOS_OUT_OF_MEMORY (and then no handle), and the open that no failure reached shows the
// table's expected values (expected/thinkpad-t480.txt). Leaks are found by LeakSanitizer or
// valgrind at exit.
#include <smbios/kelvo_smbios.h>

#include <gtest/gtest.h>

#include "capi/expect.h"
#include "support/AllocationSeam.h"

namespace {

namespace allocations = kelvo::test::allocations;

void KSMBIOS_CALL Ignore(int32_t, const char*, uint32_t, const char*, void*) {}

TEST(CInterfaceAllocationTest, EveryFailedAllocationEndsInOutOfMemoryOrAWholeHandle) {
    ASSERT_EQ(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, Ignore, nullptr), KSMBIOS_OK);
    ks_case c;
    ASSERT_TRUE(ks_load(KELVO_CAPI_CASE, &c)) << "cannot read " << KELVO_CAPI_CASE;
    for (const char* name : {"bytes", "file"}) {
        SCOPED_TRACE(name);
        long outOfMemory = 0;
        for (long n = 1;; ++n) {
            SCOPED_TRACE(n);
            ksmbios_table* table = reinterpret_cast<ksmbios_table*>(1);
            allocations::Arm(n);
            const ksmbios_status status = *name == 'b'
                                              ? ksmbios_open_bytes(c.raw, c.raw_size, &table)
                                              : ksmbios_open_file(c.table, &table);
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
            const int differences = ks_check(table, c.text, reached ? nullptr : name);
            ksmbios_close(table);
            if (!reached) {
                EXPECT_EQ(differences, 0);
                break;
            }
        }
        EXPECT_GT(outOfMemory, 0);
    }
    ks_free(&c);
}

}  // namespace
