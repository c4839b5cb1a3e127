// A C++ host that uses the library only through kelvo_smbios.hpp, built with GCC, mingw and
// clang-cl (MSVC ABI). It checks the wrapper's answers against the C calls underneath on every
// case. No standard library beyond what the wrapper needs: the MSVC-ABI build has headers but no
// C++ runtime library.
#include <smbios/kelvo_smbios.hpp>

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

int failures = 0;

#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            ++failures;                                                                  \
            std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                                \
    } while (0)

template <class Record>
void CheckRecords(const ksmbios::Table& table) {
    const auto records = table.All<Record>();
    std::size_t expected = 0;
    for (ksmbios::Structure s : table.StructuresOfType(ksmbios::RecordType<Record>::value)) {
        ++expected;
        CHECK(s.As<Record>() != nullptr);
    }
    CHECK(static_cast<std::size_t>(std::distance(records.begin(), records.end())) == expected);
}

void CheckCase(const char* dir, const char* name) {
    char path[1024];
    std::snprintf(path, sizeof path, "%s/%s.raw", dir, name);
    static unsigned char raw[1 << 20];  // every case is far smaller
    std::FILE* in = std::fopen(path, "rb");
    const std::size_t size = in != nullptr ? std::fread(raw, 1, sizeof raw, in) : 0;
    if (in != nullptr) std::fclose(in);
    ksmbios::Table table;
    CHECK(!table);
    CHECK(table.OpenBytes(raw, size));
    CHECK(static_cast<bool>(table));

    // The C++ interface's view.
    ksmbios_error error{};
    error.struct_size = sizeof error;
    CHECK(ksmbios_get_error(table.get(), &error) == KSMBIOS_OK);
    const ksmbios::Error wrapped = table.GetError();
    CHECK(wrapped.failed == (error.failed != 0) && wrapped.code == error.code);
    CHECK(wrapped.message == error.message && wrapped.text == error.text);
    ksmbios_records records{};
    records.struct_size = sizeof records;
    CHECK(ksmbios_get_records(table.get(), &records) == KSMBIOS_OK);
    const ksmbios_records last = table.LastRecords();
    CHECK(last.bios == records.bios && last.memory_device == records.memory_device);
    CHECK(std::strcmp(last.bios->Vendor, records.bios->Vendor) == 0);

    // The table as it is: the ranges walk the same structures as the C calls.
    ksmbios::Status status;
    const ksmbios_table_info info = table.Info(&status);
    std::size_t count = 0;
    for (ksmbios::Structure s : table.AllStructures()) {
        ksmbios_structure c{};
        c.struct_size = sizeof c;
        CHECK(ksmbios_get_structure(table.get(), s.Index(), &c) == KSMBIOS_OK);
        CHECK(s.Index() == count && s.Type() == c.type && s.Handle() == c.handle);
        CHECK(s.Formatted() == c.formatted && s.FormattedSize() == c.formatted_size);
        for (std::size_t n = 1; n <= s.StringCount() && n < 256; ++n) {
            const char* text = nullptr;
            std::size_t length = 0;
            CHECK(ksmbios_get_string(table.get(), s.Index(), static_cast<std::uint8_t>(n), &text,
                                     &length) == KSMBIOS_OK);
            CHECK(s.String(static_cast<std::uint8_t>(n)) == std::string_view(text, length));
        }
        CHECK(s.String(0).empty());
        ++count;
    }
    CHECK(count == info.structure_count);
    CHECK(status.Code() == (size >= 8 && raw[1] >= 2 ? KSMBIOS_OK : KSMBIOS_NOT_A_TABLE));
    CheckRecords<ksmbios_bios>(table);
    CheckRecords<ksmbios_processor>(table);
    CheckRecords<ksmbios_memory_device>(table);
    CheckRecords<ksmbios_oem_strings>(table);

    // Moving hands the handle over; a failed open keeps the one held.
    ksmbios::Table moved(static_cast<ksmbios::Table&&>(table));
    CHECK(!table && moved.get() != nullptr);
    const ksmbios_table* held = moved.get();
    CHECK(moved.OpenBytes(nullptr, 1).Code() == KSMBIOS_INVALID_ARGUMENT);
    CHECK(moved.get() == held);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvo-capi-wrapper-check CASE_DIR\n");
        return 2;
    }
    char path[1024];
    std::snprintf(path, sizeof path, "%s/cases.txt", argv[1]);
    std::FILE* list = std::fopen(path, "r");
    int cases = 0;
    for (char line[1024]; list != nullptr && std::fgets(line, sizeof line, list);) {
        if (char* tab = std::strchr(line, '\t')) {
            *tab = 0;
            CheckCase(argv[1], line);
            ++cases;
        }
    }
    if (list != nullptr) std::fclose(list);
    CHECK(cases > 0);
    ksmbios::Table none;
    CHECK(none.GetError().message.empty() && none.AcceptedVersion() == 0);
    CHECK(none.LastRecords().bios == nullptr && none.Info().structure_count == 0);
    CHECK(none.OpenFile("no such file.kelvo").Code() == KSMBIOS_FILE_UNREADABLE);
    CHECK(ksmbios::Status(KSMBIOS_OUT_OF_MEMORY).Text() == "out of memory");
    std::printf("%d cases, %d failures\n", cases, failures);
    return failures == 0 ? 0 : 1;
}
