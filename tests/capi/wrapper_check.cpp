// A C++ host that uses the library through kelvo_smbios.hpp, built with GCC, mingw and clang-cl
// (MSVC ABI): each table of tests/capi/expected/ opened by the wrapper shows its expected values,
// and the wrapper's answers are the C calls' underneath. No standard library beyond what the
// wrapper needs: the MSVC-ABI build has headers but no C++ runtime library.
// Usage: kelvo-capi-wrapper-check EXPECTED_FILE...
#include <smbios/kelvo_smbios.hpp>

#include <cstdio>
#include <cstring>

#include "capi/expect.h"

namespace {

int failures = 0;

#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            ++failures;                                                                  \
            std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                                \
    } while (0)

void CheckCase(const char* path) {
    ks_case c;
    CHECK(ks_load(path, &c));
    ksmbios::Table table;
    CHECK(!table && table.OpenBytes(c.raw, c.raw_size) && table);
    failures += ks_check(table.get(), c.text, path);

    // The wrapper hands out what the C calls do: the C++ interface's view, and the structures
    // with their strings and records (examples/c/inventory.cpp reads those of a type).
    ksmbios_error error{};
    ksmbios_records records{};
    error.struct_size = sizeof error;
    records.struct_size = sizeof records;
    CHECK(ksmbios_get_error(table.get(), &error) == KSMBIOS_OK &&
          ksmbios_get_records(table.get(), &records) == KSMBIOS_OK);
    CHECK(table.GetError().message == error.message && table.GetError().code == error.code);
    CHECK(table.LastRecords().bios == records.bios &&
          table.LastRecords().memory_device == records.memory_device);
    std::size_t count = 0;
    for (ksmbios::Structure s : table.AllStructures()) {
        ksmbios_structure info{};
        info.struct_size = sizeof info;
        CHECK(ksmbios_get_structure(table.get(), count, &info) == KSMBIOS_OK);
        CHECK(s.Index() == count++ && s.Type() == info.type && s.Handle() == info.handle &&
              s.Formatted() == info.formatted && s.String(0).empty());
        const char* text = "";
        std::size_t length = 0;
        CHECK(ksmbios_get_string(table.get(), s.Index(), 1, &text, &length) != KSMBIOS_OK ||
              s.String(1) == std::string_view(text, length));
        CHECK(s.As<ksmbios_memory_device>() == (info.type == 17 ? info.record : nullptr));
    }
    CHECK(count == table.Info().structure_count);

    // Moving hands the handle over; a failed open keeps the one held.
    ksmbios::Table moved(static_cast<ksmbios::Table&&>(table));
    const ksmbios_table* held = moved.get();
    CHECK(!table && held != nullptr);
    CHECK(moved.OpenBytes(nullptr, 1).Code() == KSMBIOS_INVALID_ARGUMENT && moved.get() == held);
    ks_free(&c);
}

}  // namespace

int main(int argc, char** argv) {
    CHECK(argc > 1);
    for (int i = 1; i < argc; ++i) CheckCase(argv[i]);
    ksmbios::Table none;
    CHECK(none.GetError().message.empty() && none.AcceptedVersion() == 0);
    CHECK(none.LastRecords().bios == nullptr && none.Info().structure_count == 0);
    CHECK(none.OpenFile("no such file.kelvo").Code() == KSMBIOS_FILE_UNREADABLE);
    CHECK(ksmbios::Status(KSMBIOS_OUT_OF_MEMORY).Text() == "out of memory");
    std::printf("%d tables, %d failures\n", argc - 1, failures);
    return failures == 0 ? 0 : 1;
}
