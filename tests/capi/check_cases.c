/* A C host of the library: checks both views of every case that kelvo-capi-make-cases wrote
 * against its expected description (compare.c), then the calls' answers to bad input and the
 * logging callback. Usage: kelvo-capi-check CASE_DIR */
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "capi/compare.h"

static int failures = 0;

#define CHECK(condition)                                                            \
    do {                                                                            \
        if (!(condition)) {                                                         \
            ++failures;                                                             \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                           \
    } while (0)

typedef struct bytes {
    unsigned char* data;
    size_t size;
} bytes;

static int read_file(const char* path, bytes* out) {
    FILE* file = fopen(path, "rb");
    out->data = NULL;
    out->size = 0;
    if (file == NULL) return 0;
    size_t capacity = 0;
    for (;;) {
        if (out->size == capacity) {
            capacity = capacity ? capacity * 2 : 65536;
            unsigned char* grown = (unsigned char*)realloc(out->data, capacity);
            if (grown == NULL) break;
            out->data = grown;
        }
        const size_t got = fread(out->data + out->size, 1, capacity - out->size, file);
        if (got == 0) break;
        out->size += got;
    }
    fclose(file);
    return 1;
}

/* Cuts of the table at `step`-byte intervals, short of the Length that its header claims: the
 * C++ interface's view refuses each as a whole, and the table view walks the whole table's
 * structures up to the cut, at the same offsets and with the same headers, none past it. */
static void check_truncations(const bytes* raw, size_t step) {
    ksmbios_table *whole = NULL, *cut = NULL;
    CHECK(ksmbios_open_bytes(raw->data, raw->size, &whole) == KSMBIOS_OK);
    ksmbios_table_info all = {sizeof all, 0, 0, 0, 0, 0, 0, 0};
    const int readable = ksmbios_get_table_info(whole, &all) == KSMBIOS_OK;
    for (size_t size = 0; size < raw->size; size += step) {
        CHECK(ksmbios_open_bytes(raw->data, size, &cut) == KSMBIOS_OK);
        int32_t version = -1;
        ksmbios_error error = {sizeof error, 0, 0, 0, NULL, NULL, NULL, NULL};
        CHECK(ksmbios_get_accepted_version(cut, &version) == KSMBIOS_OK && version == 0);
        CHECK(ksmbios_get_error(cut, &error) == KSMBIOS_OK && error.failed == 1);
        ksmbios_table_info info = {sizeof info, 0, 0, 0, 0, 0, 0, 0};
        const ksmbios_status status = ksmbios_get_table_info(cut, &info);
        CHECK(status == (readable && size >= 8 ? KSMBIOS_OK : KSMBIOS_NOT_A_TABLE));
        CHECK(status != KSMBIOS_OK ||
              (info.walked_length <= size - 8 && info.structure_count <= all.structure_count));
        for (size_t i = 0; status == KSMBIOS_OK && i < info.structure_count; ++i) {
            ksmbios_structure got = {sizeof got, 0, 0, 0, 0, NULL, 0, 0, NULL}, want = got;
            CHECK(ksmbios_get_structure(cut, i, &got) == KSMBIOS_OK);
            CHECK(ksmbios_get_structure(whole, i, &want) == KSMBIOS_OK);
            CHECK(got.type == want.type && got.length == want.length && got.handle == want.handle &&
                  got.offset == want.offset);
            CHECK(got.offset + got.formatted_size <= size - 8);
        }
        ksmbios_close(cut);
    }
    ksmbios_close(whole);
}

static void check_case(const char* dir, const char* name, const char* origin) {
    char raw_path[1024], path[1024];
    bytes raw, expected;
    snprintf(raw_path, sizeof raw_path, "%s/%s.raw", dir, name);
    CHECK(read_file(raw_path, &raw));
    snprintf(path, sizeof path, "%s/%s.expected", dir, name);
    CHECK(read_file(path, &expected));
    /* NUL-terminate the expected text. */
    unsigned char* grown = (unsigned char*)realloc(expected.data, expected.size + 1);
    if (grown == NULL) return;
    expected.data = grown;
    expected.data[expected.size] = 0;
    const char* text = (const char*)expected.data;

    /* The bytes; the raw file when its header's Length matches what follows; the machine, or the
     * table file the case came from in its own format. */
    const int raw_file = raw.size >= 8 && raw.data[1] >= 2 &&
                         (raw.data[4] | raw.data[5] << 8 | (unsigned long)raw.data[6] << 16 |
                          (unsigned long)raw.data[7] << 24) == raw.size - 8;
    const int machine = strcmp(origin, "machine") == 0, file = strcmp(origin, "-") != 0 && !machine;
    for (int way = 0; way < 4; ++way) {
        ksmbios_table* table = NULL;
        const ksmbios_status status =
            way == 0               ? (machine ? ksmbios_open_machine(&table)
                                              : ksmbios_open_bytes(raw.data, raw.size, &table))
            : way == 1 && raw_file ? ksmbios_open_file(raw_path, &table)
            : way == 2 && file     ? ksmbios_open_file(origin, &table)
                                   : KSMBIOS_OUT_OF_RANGE;
        if (status == KSMBIOS_OUT_OF_RANGE) continue;
        CHECK(status == KSMBIOS_OK);
        /* A file whose table stops inside a structure is read up to its last whole one, with a
         * warning; the expectations are for the bytes as they are. */
        ksmbios_source source = {sizeof source, 0, 0, 0, NULL};
        CHECK(table == NULL || ksmbios_get_source(table, &source) == KSMBIOS_OK);
        CHECK(source.stopped_early == (way != 0 && strncmp(name, "cut-", 4) == 0));
        CHECK(source.warning == NULL || (*source.warning != 0) == (source.stopped_early != 0));
        /* A host built when the structure had its first three members only still gets them. */
        ksmbios_source first = {3 * sizeof(int32_t), -1, -1, 7, NULL};
        CHECK(table == NULL ||
              (ksmbios_get_source(table, &first) == KSMBIOS_OK && first.format == source.format &&
               first.stopped_early == 7 && first.warning == NULL));
        if (table != NULL && !source.stopped_early)
            CHECK(ks_compare(table, text, way == 1 ? raw_path : way == 2 ? origin : name) == 0);
        ksmbios_close(table);
    }
    /* The table that holds every type as a bare structure table: without options its version
     * is inferred. */
    if (strcmp(name, "every-type-3.2") == 0) {
        snprintf(path, sizeof path, "%s/%s.dmi", dir, name);
        FILE* bare = fopen(path, "wb");
        CHECK(bare != NULL && fwrite(raw.data + 8, 1, raw.size - 8, bare) == raw.size - 8);
        if (bare != NULL) fclose(bare);
        ksmbios_table* table = NULL;
        ksmbios_table_info info = {sizeof info, 0, 0, 0, 0, 0, 0, 0};
        CHECK(ksmbios_open_file_with(path, NULL, &table) == KSMBIOS_OK &&
              ksmbios_get_table_info(table, &info) == KSMBIOS_OK && info.structure_count == 34);
        ksmbios_close(table);
    }
    /* Every byte count for the built table that holds every type, 64 cuts of the others
     * (valgrind runs this too). */
    check_truncations(&raw, strcmp(name, "every-type-3.2") == 0 ? 1 : raw.size / 64 + 1);
    free(raw.data);
    free(expected.data);
}

static void check_bad_input(const char* dir) {
    static const unsigned char header[8] = {0, 3, 0, 0, 0, 0, 0, 0};
    ksmbios_table* table = NULL;
    CHECK(ksmbios_open_bytes(header, sizeof header, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_open_bytes(NULL, 8, &table) == KSMBIOS_INVALID_ARGUMENT && table == NULL);
    CHECK(ksmbios_open_file(NULL, &table) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_open_machine(NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_open_file("no such file.kelvo", &table) == KSMBIOS_FILE_UNREADABLE);
    CHECK(table == NULL);
    /* The refusal's text, cut to the caller's buffer. */
    char reason[8] = "";
    ksmbios_open_options options;
    memset(&options, 0, sizeof options);
    options.struct_size = sizeof options;
    options.error_text = reason;
    options.error_size = sizeof reason;
    CHECK(ksmbios_open_file_with("no such file.kelvo", &options, &table) ==
              KSMBIOS_FILE_UNREADABLE &&
          strcmp(reason, "no such") == 0);
    char path[1024];
    snprintf(path, sizeof path, "%s/cases.txt", dir);
    CHECK(ksmbios_open_file(path, &table) == KSMBIOS_NOT_A_TABLE);

    ksmbios_error error;
    ksmbios_records records;
    ksmbios_table_info info;
    ksmbios_structure structure;
    int32_t version = 0;
    const char* text = NULL;
    CHECK(ksmbios_get_error(NULL, &error) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_accepted_version(NULL, &version) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_records(NULL, &records) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_table_info(NULL, &info) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_structure(NULL, 0, &structure) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_string(NULL, 0, 1, &text, NULL) == KSMBIOS_INVALID_ARGUMENT);
    ksmbios_close(NULL);

    CHECK(ksmbios_open_bytes(header, sizeof header, &table) == KSMBIOS_OK);
    CHECK(ksmbios_get_error(table, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_accepted_version(table, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_string(table, 0, 1, NULL, NULL) == KSMBIOS_INVALID_ARGUMENT);
    /* A structure that says it is smaller than the library's version is left untouched. */
    memset(&error, 0xAB, sizeof error);
    error.struct_size = sizeof error - 1;
    CHECK(ksmbios_get_error(table, &error) == KSMBIOS_STRUCT_TOO_SMALL && error.code != 0);
    records.struct_size = 4;
    CHECK(ksmbios_get_records(table, &records) == KSMBIOS_STRUCT_TOO_SMALL);
    info.struct_size = 0;
    CHECK(ksmbios_get_table_info(table, &info) == KSMBIOS_STRUCT_TOO_SMALL);
    structure.struct_size = sizeof structure - 8;
    CHECK(ksmbios_get_structure(table, 0, &structure) == KSMBIOS_STRUCT_TOO_SMALL);
    /* An empty table: no structure, no string. */
    info.struct_size = sizeof info;
    CHECK(ksmbios_get_table_info(table, &info) == KSMBIOS_OK && info.structure_count == 0);
    structure.struct_size = sizeof structure;
    CHECK(ksmbios_get_structure(table, 0, &structure) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_get_string(table, 0, 1, &text, NULL) == KSMBIOS_OUT_OF_RANGE);
    ksmbios_close(table);

    CHECK(strcmp(ksmbios_status_text(KSMBIOS_OK), "success") == 0);
    CHECK(strcmp(ksmbios_status_text(-1), "unknown status") == 0);
    for (ksmbios_status status = KSMBIOS_INVALID_ARGUMENT; status <= KSMBIOS_INTERNAL_ERROR;
         ++status)
        CHECK(strcmp(ksmbios_status_text(status), "unknown status") != 0);
}

typedef struct log_count {
    int records;
    int well_formed;
    int beyond_ascii; /* messages with a character beyond ASCII */
    int converted;    /* messages with the Wine system's texts as UTF-8 (see MakeCases.cpp) */
} log_count;

/* 1 when `text` is well-formed UTF-8 (no overlong form, surrogate or value past U+10FFFF). */
static int is_utf8(const unsigned char* text) {
    while (*text != 0) {
        const unsigned char c = *text;
        int extra = c < 0x80                 ? 0
                    : c >= 0xC2 && c <= 0xDF ? 1
                    : c >= 0xE0 && c <= 0xEF ? 2
                    : c >= 0xF0 && c <= 0xF4 ? 3
                                             : -1;
        if (extra < 0) return 0;
        for (int i = 1; i <= extra; ++i)
            if ((text[i] & 0xC0) != 0x80) return 0;
        if ((c == 0xE0 && text[1] < 0xA0) || (c == 0xED && text[1] >= 0xA0) ||
            (c == 0xF0 && text[1] < 0x90) || (c == 0xF4 && text[1] >= 0x90))
            return 0;
        text += extra + 1;
    }
    return 1;
}

static void KSMBIOS_CALL on_log(int32_t severity, const char* function, uint32_t line,
                                const char* message, void* user) {
    log_count* count = (log_count*)user;
    ++count->records;
    count->well_formed += severity >= KSMBIOS_LOG_FATAL && severity <= KSMBIOS_LOG_DEBUG &&
                          strncmp(function, "kelvo::shared::smbios::", 23) == 0 && line > 0 &&
                          message[0] != 0 && is_utf8((const unsigned char*)message);
    for (const char* p = message; *p != 0; ++p) {
        if ((unsigned char)*p >= 0x80) {
            ++count->beyond_ascii;
            break;
        }
    }
    /* Valid UTF-8 passes as it is; a Latin-1 byte becomes U+FFFD. */
    count->converted +=
        strstr(message,
               "Wine\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x90\x80\x80\xF4\x8A\xAF\x8D") !=
            NULL &&
        strstr(message, "Wine\xEF\xBF\xBD") != NULL;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: kelvo-capi-check CASE_DIR\n");
        return 2;
    }
    static log_count logged;
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, NULL, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, on_log, &logged) == KSMBIOS_OK);
    CHECK(ksmbios_set_log_callback(KSMBIOS_LOG_DEBUG, on_log, &logged) ==
          KSMBIOS_LOGGER_ALREADY_SET);

    char path[1024];
    snprintf(path, sizeof path, "%s/cases.txt", argv[1]);
    bytes list;
    if (!read_file(path, &list) || list.size == 0) {
        fprintf(stderr, "no cases in %s\n", path);
        return 1;
    }
    int cases = 0, machine = 0;
    char* line = (char*)list.data;
    list.data[list.size - 1] = 0; /* the last newline */
    while (line != NULL && *line != 0) {
        char* next = strchr(line, '\n');
        if (next != NULL) *next++ = 0;
        char* tab = strchr(line, '\t');
        if (tab != NULL) {
            *tab = 0;
            check_case(argv[1], line, tab + 1);
            machine |= strcmp(tab + 1, "machine") == 0;
            ++cases;
        }
        line = next;
    }
    free(list.data);
    if (!machine) {
        /* No firmware table here: the C++ view holds the failure, the table view has none. */
        ksmbios_table* table = NULL;
        ksmbios_error error;
        ksmbios_table_info info;
        memset(&error, 0, sizeof error);
        error.struct_size = sizeof error;
        info.struct_size = sizeof info;
        CHECK(ksmbios_open_machine(&table) == KSMBIOS_OK);
        CHECK(ksmbios_get_error(table, &error) == KSMBIOS_OK && error.failed == 1);
        CHECK(strstr(error.message, "Failed to read any byte from Bios NV memory") ==
              error.message);
        CHECK(ksmbios_get_table_info(table, &info) == KSMBIOS_NOT_A_TABLE);
        ksmbios_close(table);
    }
    check_bad_input(argv[1]);
    CHECK(logged.records > 0 && logged.records == logged.well_formed);
    CHECK(logged.beyond_ascii > 0);
#ifndef _WIN32
    /* On Windows the records reach the bridge as UTF-16 that the logger made of the bytes. */
    CHECK(logged.converted > 0);
#endif
    printf("%d cases, %d log records, %d failures%s\n", cases, logged.records, failures,
           machine ? ", the machine's table included" : "");
    return failures == 0 ? 0 : 1;
}
