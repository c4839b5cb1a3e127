/* A C host of the library, built by GCC, by mingw and by clang-cl for the MSVC ABI: each table of
 * tests/capi/expected/ shows its expected values opened from its file and from its bytes, and
 * cut at every length; then the calls' answers to bad input, the machine without a table and the
 * logging callback. Usage: kelvo-capi-check EXPECTED_FILE... */
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "capi/expect.h"

static int failures = 0;

#define CHECK(condition)                                                            \
    do {                                                                            \
        if (!(condition)) {                                                         \
            ++failures;                                                             \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                           \
    } while (0)

/* The table cut at every length short of its own. The C++ interface refuses each (the header's
 * Length says more); the table view walks the whole table's structures up to the cut, none past
 * it, and a structure whose bytes are all there has the whole table's numbers, and its texts too
 * once the next structure is there. */
static void check_cuts(const ks_case* c, const ksmbios_table* whole, size_t count) {
    for (size_t size = 0; size < c->raw_size; ++size) {
        ksmbios_table* cut = NULL;
        ksmbios_table_info info = {.struct_size = sizeof info};
        int32_t version = -1;
        CHECK(ksmbios_open_bytes(c->raw, size, &cut) == KSMBIOS_OK);
        CHECK(ksmbios_get_accepted_version(cut, &version) == KSMBIOS_OK && version == 0);
        CHECK(ksmbios_get_table_info(cut, &info) == (size < 8 ? KSMBIOS_NOT_A_TABLE : KSMBIOS_OK));
        CHECK(info.structure_count <= count);
        for (size_t i = 0; i < info.structure_count; ++i) {
            ksmbios_structure got = {.struct_size = sizeof got}, want = got, next = got;
            CHECK(ksmbios_get_structure(cut, i, &got) == KSMBIOS_OK &&
                  ksmbios_get_structure(whole, i, &want) == KSMBIOS_OK);
            CHECK(got.type == want.type && got.length == want.length && got.handle == want.handle &&
                  got.offset == want.offset);
            CHECK(got.offset + got.formatted_size <= size - 8);
            CHECK((got.record == NULL) == (want.record == NULL));
            const int texts = ksmbios_get_structure(cut, i + 1, &next) == KSMBIOS_OK;
            if (got.record != NULL && got.formatted_size == want.formatted_size)
                CHECK(ks_differ(got.type, got.record, want.record, !texts) == 0);
        }
        ksmbios_close(cut);
    }
}

static void check_case(const char* path) {
    ks_case c;
    CHECK(ks_load(path, &c));
    for (int from_file = 0; c.raw != NULL && from_file <= (c.table[0] != 0); ++from_file) {
        ksmbios_table* table = NULL;
        ksmbios_table_info info = {.struct_size = sizeof info};
        /* A host built when ksmbios_source had its first three members gets those alone. */
        ksmbios_source first = {3 * sizeof(int32_t), -1, -1, 7, NULL};
        CHECK((from_file ? ksmbios_open_file(c.table, &table)
                         : ksmbios_open_bytes(c.raw, c.raw_size, &table)) == KSMBIOS_OK);
        failures += ks_check(table, c.text, from_file ? c.table : path);
        CHECK(ksmbios_get_source(table, &first) == KSMBIOS_OK && first.format >= 0 &&
              first.stopped_early == 7 && first.warning == NULL);
        CHECK(ksmbios_get_table_info(table, &info) == KSMBIOS_OK);
        if (!from_file) check_cuts(&c, table, info.structure_count);
        ksmbios_close(table);
    }
    ks_free(&c);
}

/* Every call's answer to a missing argument, a structure too small and an empty table. */
static void check_bad_input(const char* text_file) {
    static const unsigned char header[8] = {0, 3}, major_1[8] = {0, 1};
    ksmbios_table *table = NULL, *empty = NULL, *old = NULL;
    ksmbios_error error = {.struct_size = sizeof error - 1, .code = 7};
    ksmbios_records records = {.struct_size = 4};
    ksmbios_table_info info = {.struct_size = 0}, whole = {.struct_size = sizeof whole};
    ksmbios_structure small = {.struct_size = sizeof small - 8},
                      structure = {.struct_size = sizeof structure};
    int32_t version = 0;
    const char* text = NULL;
    CHECK(ksmbios_open_bytes(header, 8, &empty) == KSMBIOS_OK);
    CHECK(ksmbios_open_bytes(major_1, 8, &old) == KSMBIOS_OK);
    const struct {
        ksmbios_status got, want;
        const char* call;
    } rows[] = {
        {ksmbios_open_bytes(header, 8, NULL), KSMBIOS_INVALID_ARGUMENT, "open_bytes, no out"},
        {ksmbios_open_bytes(NULL, 8, &table), KSMBIOS_INVALID_ARGUMENT, "open_bytes, no data"},
        {ksmbios_open_file(NULL, &table), KSMBIOS_INVALID_ARGUMENT, "open_file, no path"},
        {ksmbios_open_machine(NULL), KSMBIOS_INVALID_ARGUMENT, "open_machine, no out"},
        {ksmbios_open_file("no such file", &table), KSMBIOS_FILE_UNREADABLE, "open_file, none"},
        {ksmbios_open_file(text_file, &table), KSMBIOS_NOT_A_TABLE, "open_file, a text"},
        {ksmbios_get_error(NULL, &error), KSMBIOS_INVALID_ARGUMENT, "get_error, no table"},
        {ksmbios_get_accepted_version(NULL, &version), KSMBIOS_INVALID_ARGUMENT, "version"},
        {ksmbios_get_records(NULL, &records), KSMBIOS_INVALID_ARGUMENT, "get_records, no table"},
        {ksmbios_get_table_info(NULL, &whole), KSMBIOS_INVALID_ARGUMENT, "get_table_info"},
        {ksmbios_get_structure(NULL, 0, &structure), KSMBIOS_INVALID_ARGUMENT, "get_structure"},
        {ksmbios_get_string(NULL, 0, 1, &text, NULL), KSMBIOS_INVALID_ARGUMENT, "get_string"},
        {ksmbios_get_error(empty, NULL), KSMBIOS_INVALID_ARGUMENT, "get_error, no out"},
        {ksmbios_get_accepted_version(empty, NULL), KSMBIOS_INVALID_ARGUMENT, "version, no out"},
        {ksmbios_get_string(empty, 0, 1, NULL, NULL), KSMBIOS_INVALID_ARGUMENT, "string, no out"},
        {ksmbios_get_error(empty, &error), KSMBIOS_STRUCT_TOO_SMALL, "error too small"},
        {ksmbios_get_records(empty, &records), KSMBIOS_STRUCT_TOO_SMALL, "records too small"},
        {ksmbios_get_table_info(empty, &info), KSMBIOS_STRUCT_TOO_SMALL, "info too small"},
        {ksmbios_get_structure(empty, 0, &small), KSMBIOS_STRUCT_TOO_SMALL, "structure small"},
        {ksmbios_get_structure(empty, 0, &structure), KSMBIOS_OUT_OF_RANGE, "no structure"},
        {ksmbios_get_string(empty, 0, 1, &text, NULL), KSMBIOS_OUT_OF_RANGE, "no string"},
        {ksmbios_get_table_info(old, &whole), KSMBIOS_NOT_A_TABLE, "major version 1"},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        if (rows[i].got == rows[i].want) continue;
        ++failures;
        fprintf(stderr, "%s: got %s\n", rows[i].call, ksmbios_status_text(rows[i].got));
    }
    /* A refusal leaves what the caller passed untouched; an empty table has no structure. */
    CHECK(table == NULL && error.code == 7);
    CHECK(ksmbios_get_table_info(empty, &whole) == KSMBIOS_OK && whole.structure_count == 0);
    /* A caller built before the written version was added gets the members it has. */
    ksmbios_table_info first = {.struct_size = offsetof(ksmbios_table_info, written_major_version),
                                .written_major_version = 9};
    CHECK(ksmbios_get_table_info(empty, &first) == KSMBIOS_OK && first.written_major_version == 9 &&
          first.major_version == 3);
    ksmbios_close(empty);
    ksmbios_close(old);
    ksmbios_close(NULL);
    /* The refusal's text, cut to the caller's buffer. */
    char reason[8] = "";
    ksmbios_open_options options = {sizeof options, 0, reason, sizeof reason, 0};
    CHECK(ksmbios_open_file_with("no such file", &options, &table) == KSMBIOS_FILE_UNREADABLE &&
          strcmp(reason, "no such") == 0);
    CHECK(strcmp(ksmbios_status_text(KSMBIOS_OK), "success") == 0);
    CHECK(strcmp(ksmbios_status_text(-1), "unknown status") == 0);
    for (ksmbios_status s = KSMBIOS_INVALID_ARGUMENT; s <= KSMBIOS_INTERNAL_ERROR; ++s)
        CHECK(strcmp(ksmbios_status_text(s), "unknown status") != 0);
}

/* The running machine: without a table it can read (here), the C++ view holds the default
 * reader's failure and the table view has no table; with one (Wine makes one of its host's), the
 * table view reads it, whatever the C++ interface made of it. */
static void check_machine(void) {
    ksmbios_table* table = NULL;
    ksmbios_error error = {.struct_size = sizeof error};
    ksmbios_table_info info = {.struct_size = sizeof info};
    CHECK(ksmbios_open_machine(&table) == KSMBIOS_OK);
    CHECK(ksmbios_get_error(table, &error) == KSMBIOS_OK);
    const ksmbios_status status = ksmbios_get_table_info(table, &info);
    const char* unread = strstr(error.message, "Failed to read any byte from Bios NV memory");
    CHECK(unread == error.message ? error.failed && status == KSMBIOS_NOT_A_TABLE
                                  : status == KSMBIOS_OK && info.structure_count > 0);
    ksmbios_close(table);
}

typedef struct log_count {
    int records, well_formed;
    int converted; /* messages with the OEM strings as UTF-8 (expected/oem-strings.txt) */
} log_count;

static void KSMBIOS_CALL on_log(int32_t severity, const char* function, uint32_t line,
                                const char* message, void* user) {
    log_count* count = (log_count*)user;
    ++count->records;
    count->well_formed += severity >= KSMBIOS_LOG_FATAL && severity <= KSMBIOS_LOG_DEBUG &&
                          strncmp(function, "kelvo::shared::smbios::", 23) == 0 && line > 0 &&
                          message[0] != 0;
    /* Valid UTF-8 passes as it is; a Latin-1 byte becomes U+FFFD. */
    count->converted +=
        strstr(message, "Wine\xEF\xBF\xBD") != NULL &&
        strstr(message,
               "Wine\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x90\x80\x80\xF4\x8A\xAF\x8D");
}

int main(int argc, char** argv) {
    static log_count logged;
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, NULL, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, on_log, &logged) == KSMBIOS_OK);
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, on_log, &logged) ==
          KSMBIOS_LOGGER_ALREADY_SET);
    CHECK(argc > 1);
    for (int i = 1; i < argc; ++i) check_case(argv[i]);
    check_machine();
    check_bad_input(argv[argc - 1]);
    CHECK(logged.records > 0 && logged.records == logged.well_formed);
#ifndef _WIN32
    /* On Windows the records reach the bridge as UTF-16 that the logger made of the bytes. */
    CHECK(logged.converted > 0);
#endif
    printf("%d tables, %d log records, %d failures\n", argc - 1, logged.records, failures);
    return failures == 0 ? 0 : 1;
}
