// Makes each allocation of opening a table through the C interface fail in turn, from bytes and
// from a file, with the log callback at debug: every open ends in KSMBIOS_OK or
// KSMBIOS_OUT_OF_MEMORY (and then no handle), and a handle that was made answers every call.
// Leaks are found by LeakSanitizer or valgrind at exit.
#include <smbios/kelvo_smbios.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "capi/describe.h"
#include "support/AllocationSeam.h"
#include "support/TableBuilder.h"

namespace {

namespace allocations = kelvo::test::allocations;

void KSMBIOS_CALL Ignore(int32_t, const char*, uint32_t, const char*, void*) {}

std::vector<std::uint8_t> Table() {
    kelvo::test::TableBuilder table(3, 0);
    table.Add(0, 0).ByteAt(0x04, 1).ByteAt(0x08, 2).ByteAt(0x17, 0).String("V").String(
        "01/02/2003");
    table.Add(1, 1).ByteAt(0x04, 1).ByteAt(0x1A, 2).String("M").String("F");
    table.Add(4, 4).ByteAt(0x04, 1).ByteAt(0x2F, 0).String("CPU0");
    table.Add(11, 11).ByteAt(0x04, 2).String("a").String("b");
    table.Add(17, 17).ByteAt(0x10, 1).ByteAt(0x27, 0).String("DIMM0");
    table.Add(17, 18).ByteAt(0x10, 1).ByteAt(0x14, 0).String("DIMM1");
    table.Add(200, 200).String("oem");
    table.End();
    return table.Raw();
}

TEST(CInterfaceAllocationTest, EveryFailedAllocationEndsInOutOfMemoryOrAWholeHandle) {
    ASSERT_EQ(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, Ignore, nullptr), KSMBIOS_OK);
    const std::vector<std::uint8_t> raw = Table();
    const std::string path = ::testing::TempDir() + "kelvo-capi-allocation.rsmb";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    const std::string expected = [&] {
        ksmbios_table* table = nullptr;
        EXPECT_EQ(ksmbios_open_bytes(raw.data(), raw.size(), &table), KSMBIOS_OK);
        ks_text text{};
        ks_describe_table(&text, table);
        ksmbios_close(table);
        const std::string description(text.data, text.size);
        ks_text_free(&text);
        return description;
    }();

    const std::pair<const char*, std::function<ksmbios_status(ksmbios_table**)>> openers[] = {
        {"bytes",
         [&](ksmbios_table** out) { return ksmbios_open_bytes(raw.data(), raw.size(), out); }},
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
            ks_text text{};
            ks_describe_table(&text, table);
            ksmbios_close(table);
            // A failure that the C++ interface absorbed shows in its view, not in the table's.
            const std::string description(text.data, text.size);
            ks_text_free(&text);
            if (!reached) {
                EXPECT_EQ(description, expected);
                break;
            }
        }
        EXPECT_GT(outOfMemory, 0);
    }
    std::remove(path.c_str());
}

}  // namespace
