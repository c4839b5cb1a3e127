/* A C host's reading of both views of a handle, key by key: each line KEY=VALUE of a case's
 * expected description is answered from the handle and compared. A record member is read where
 * the line says (MEMBER@OFFSET:KIND) in the record that the C interface hands out; the size of
 * each record, as this compiler lays out the C structure, is checked against the C++ one. */
#include "capi/compare.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct text {
    char* data;
    size_t size, capacity;
} text;

static int put(text* t, const char* bytes, size_t size) {
    if (t->size + size + 1 > t->capacity) {
        size_t capacity = t->capacity ? t->capacity : 256;
        while (capacity < t->size + size + 1) capacity *= 2;
        char* grown = (char*)realloc(t->data, capacity);
        if (grown == NULL) abort();
        t->data = grown;
        t->capacity = capacity;
    }
    memcpy(t->data + t->size, bytes, size);
    t->size += size;
    t->data[t->size] = 0;
    return 0;
}

static int put_number(text* t, unsigned long long value) {
    char digits[24];
    return put(t, digits, (size_t)snprintf(digits, sizeof digits, "%llu", value));
}

/* Printable ASCII as it is, everything else (and the backslash) as \xHH. */
static int put_escaped(text* t, const char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const unsigned char c = (unsigned char)bytes[i];
        char hex[8];
        if (c >= 0x20 && c < 0x7F && c != '\\')
            put(t, bytes + i, 1);
        else
            put(t, hex, (size_t)snprintf(hex, sizeof hex, "\\x%02X", c));
    }
    return 0;
}

static int put_hex(text* t, const unsigned char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        char hex[4];
        put(t, hex, (size_t)snprintf(hex, sizeof hex, "%02X", bytes[i]));
    }
    return 0;
}

static size_t record_size(unsigned type) {
    switch (type) {
        case 0:
            return sizeof(ksmbios_bios);
        case 1:
            return sizeof(ksmbios_system);
        case 2:
            return sizeof(ksmbios_baseboard);
        case 3:
            return sizeof(ksmbios_enclosure);
        case 4:
            return sizeof(ksmbios_processor);
        case 9:
            return sizeof(ksmbios_slot);
        case 11:
            return sizeof(ksmbios_oem_strings);
        case 16:
            return sizeof(ksmbios_memory_array);
        case 17:
            return sizeof(ksmbios_memory_device);
        default:
            return 0;
    }
}

/* MEMBER@OFFSET:KIND of `record`, or its size for "sizeof". */
static int put_member(text* t, const char* record, unsigned type, const char* member) {
    const char* at = strchr(member, '@');
    if (record == NULL) return put(t, "(none)", 6);
    if (strcmp(member, "sizeof") == 0) return put_number(t, record_size(type));
    if (at == NULL || strchr(at, ':') == NULL) return put(t, "?", 1);
    const size_t offset = strtoul(at + 1, NULL, 10);
    const char* kind = strchr(at, ':') + 1;
    const size_t width =
        kind[0] == 'u' || kind[0] == 'x' ? strtoul(kind + 1, NULL, 10) : sizeof(const char*);
    if (offset + width > record_size(type)) return put(t, "(outside the record)", 20);
    const char* pointer = NULL; /* only a text, a pointer or the OEM area is one */
    if (kind[0] != 'u' && kind[0] != 'x') memcpy(&pointer, record + offset, sizeof pointer);
    if (kind[0] == 'u') {
        unsigned long long value = 0;
        memcpy(&value, record + offset, width); /* little-endian */
        put_number(t, value);
    } else if (kind[0] == 'x') {
        put_hex(t, (const unsigned char*)record + offset, width);
    } else if (kind[0] == 's') {
        if (pointer == NULL)
            put(t, "(null)", 6);
        else
            put_escaped(t, pointer, strlen(pointer));
    } else if (kind[0] == 'p') {
        put(t, pointer ? "set" : "null", pointer ? 3 : 4);
    } else if (kind[0] == 'a') {
        int32_t size;
        memcpy(&size, record + strtoul(kind + 1, NULL, 10), sizeof size);
        if (pointer != NULL && size > 0) put_escaped(t, pointer, (size_t)size);
    }
    return 0;
}

static const char* const last_names[] = {"bios",        "system",       "baseboard",
                                         "enclosure",   "processor",    "slot",
                                         "oem_strings", "memory_array", "memory_device"};
static const unsigned last_types[] = {0, 1, 2, 3, 4, 9, 11, 16, 17};

/* The answer to `key` (up to its '='). */
static int answer(text* t, const ksmbios_table* table, const char* key, size_t length) {
    char k[256];
    snprintf(k, sizeof k, "%.*s", (int)length, key);
    ksmbios_error error = {sizeof error, 0, 0, 0, NULL, NULL, NULL, NULL};
    if (strncmp(k, "error.", 6) == 0) {
        if (ksmbios_get_error(table, &error) != KSMBIOS_OK) return put(t, "?", 1);
        if (strcmp(k + 6, "failed") == 0) return put_number(t, (unsigned long long)error.failed);
        if (strcmp(k + 6, "category") == 0)
            return put_number(t, (unsigned long long)error.category);
        if (strcmp(k + 6, "code") == 0) {
            char digits[24];
            return put(t, digits,
                       (size_t)snprintf(digits, sizeof digits, "%lld", (long long)error.code));
        }
        if (strcmp(k + 6, "message") == 0)
            return put_escaped(t, error.message, strlen(error.message));
        if (strcmp(k + 6, "component") == 0)
            return put(t, error.component, strlen(error.component));
    }
    if (strcmp(k, "version") == 0) {
        int32_t version = -1;
        ksmbios_get_accepted_version(table, &version);
        return put_number(t, (unsigned long long)version);
    }
    if (strncmp(k, "last.", 5) == 0) {
        ksmbios_records records;
        memset(&records, 0, sizeof records);
        records.struct_size = sizeof records;
        if (ksmbios_get_records(table, &records) != KSMBIOS_OK) return put(t, "?", 1);
        const void* const all[] = {
            records.bios,        records.system,       records.baseboard,
            records.enclosure,   records.processor,    records.slot,
            records.oem_strings, records.memory_array, records.memory_device};
        for (size_t i = 0; i < 9; ++i) {
            const size_t n = strlen(last_names[i]);
            if (strncmp(k + 5, last_names[i], n) == 0 && k[5 + n] == '.')
                return put_member(t, (const char*)all[i], last_types[i],
                                  strchr(k + 6 + n, '@') ? strrchr(k, '.') + 1 : k + 6 + n);
        }
        return put(t, "?", 1);
    }
    ksmbios_table_info info;
    memset(&info, 0, sizeof info);
    info.struct_size = sizeof info;
    const ksmbios_status status = ksmbios_get_table_info(table, &info);
    if (strcmp(k, "table") == 0)
        return put(t, ksmbios_status_text(status), strlen(ksmbios_status_text(status)));
    if (strncmp(k, "table.", 6) == 0) {
        char line[64];
        if (status != KSMBIOS_OK) return put(t, "?", 1);
        if (strcmp(k + 6, "version") == 0)
            return put(t, line,
                       (size_t)snprintf(line, sizeof line, "%u.%u", info.major_version,
                                        info.minor_version));
        if (strcmp(k + 6, "length") == 0) return put_number(t, info.length);
        if (strcmp(k + 6, "walked") == 0) return put_number(t, info.walked_length);
        if (strcmp(k + 6, "count") == 0) return put_number(t, info.structure_count);
        return put(t, "?", 1);
    }
    char* rest = NULL;
    const size_t index = k[0] == 's' ? strtoul(k + 1, &rest, 10) : 0;
    ksmbios_structure s;
    memset(&s, 0, sizeof s);
    s.struct_size = sizeof s;
    if (rest == NULL || *rest != '.' || ksmbios_get_structure(table, index, &s) != KSMBIOS_OK)
        return put(t, "?", 1);
    ++rest;
    if (strcmp(rest, "header") == 0) {
        char line[80];
        return put(t, line,
                   (size_t)snprintf(line, sizeof line, "%u %u %u @%llu", s.type, s.length, s.handle,
                                    (unsigned long long)s.offset));
    }
    if (strcmp(rest, "formatted") == 0) return put_hex(t, s.formatted, s.formatted_size);
    if (strcmp(rest, "strings") == 0) return put_number(t, s.string_count);
    if (strncmp(rest, "string", 6) == 0) {
        const char* string = NULL;
        size_t size = 0;
        if (ksmbios_get_string(table, index, (uint8_t)atoi(rest + 6), &string, &size) != KSMBIOS_OK)
            return put(t, "?", 1);
        return put_escaped(t, string, size);
    }
    if (strcmp(rest, "record") == 0) return put(t, s.record ? "set" : "none", s.record ? 3 : 4);
    if (strncmp(rest, "record.", 7) == 0)
        return put_member(t, (const char*)s.record, s.type,
                          strchr(rest, '@') ? strrchr(rest, '.') + 1 : rest + 7);
    return put(t, "?", 1);
}

int ks_compare(const ksmbios_table* table, const char* expected, const char* name) {
    int differences = 0;
    text got = {NULL, 0, 0};
    for (const char* line = expected; *line != 0;) {
        const char* end = strchr(line, '\n');
        const char* equals = strchr(line, '=');
        if (end == NULL) end = line + strlen(line);
        if (equals == NULL || equals > end) equals = end;
        got.size = 0;
        put(&got, "", 0);
        answer(&got, table, line, (size_t)(equals - line));
        const size_t want = end > equals ? (size_t)(end - equals - 1) : 0;
        if (got.size != want || memcmp(got.data, equals + 1, want) != 0) {
            if (name != NULL && ++differences <= 5)
                fprintf(stderr, "%s: %.*s\n  got:      %s\n  expected: %.*s\n", name,
                        (int)(equals - line), line, got.data, (int)want, equals + 1);
            else if (name == NULL)
                ++differences;
        }
        line = *end ? end + 1 : end;
    }
    free(got.data);
    return differences;
}
