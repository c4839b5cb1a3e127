#include "capi/describe.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "capi/record_fields.h"

void ks_text_free(ks_text* text) {
    free(text->data);
    text->data = NULL;
    text->size = text->capacity = 0;
}

void ks_printf(ks_text* text, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (length < 0) return;
    if ((size_t)length >= sizeof line) length = (int)sizeof line - 1;
    if (text->size + (size_t)length + 1 > text->capacity) {
        size_t capacity = text->capacity ? text->capacity * 2 : 4096;
        while (capacity < text->size + (size_t)length + 1) capacity *= 2;
        char* grown = (char*)realloc(text->data, capacity);
        if (grown == NULL) {
            text->failed = 1;
            return;
        }
        text->data = grown;
        text->capacity = capacity;
    }
    memcpy(text->data + text->size, line, (size_t)length + 1);
    text->size += (size_t)length;
}

/* Printable ASCII as it is, everything else (and the backslash) as \xHH. */
static void escaped(ks_text* text, const char* bytes, size_t size) {
    char chunk[200];
    size_t used = 0;
    for (size_t i = 0; i < size; ++i) {
        const unsigned char c = (unsigned char)bytes[i];
        if (used > sizeof chunk - 6) {
            chunk[used] = 0;
            ks_printf(text, "%s", chunk);
            used = 0;
        }
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            chunk[used++] = (char)c;
        } else {
            used += (size_t)snprintf(chunk + used, 6, "\\x%02X", c);
        }
    }
    chunk[used] = 0;
    ks_printf(text, "%s", chunk);
}

/* Bytes in upper-case hex, in chunks. */
static void hex(ks_text* text, const unsigned char* bytes, size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    char chunk[257];
    size_t used = 0;
    for (size_t i = 0; i < size; ++i) {
        chunk[used++] = digits[bytes[i] >> 4];
        chunk[used++] = digits[bytes[i] & 15];
        if (used == sizeof chunk - 1 || i + 1 == size) {
            chunk[used] = 0;
            ks_printf(text, "%s", chunk);
            used = 0;
        }
    }
}

/* clang-format off */
#define KS_NUM(m) ks_printf(text, "%s." #m "=%llu\n", prefix, (unsigned long long)r->m);
#define KS_TEXT(m)                                                                               \
    ks_printf(text, "%s." #m "=", prefix);                                                       \
    if (r->m == NULL) ks_printf(text, "(null)"); else escaped(text, r->m, strlen(r->m));        \
    ks_printf(text, "\n");
#define KS_BYTES(m, n)                                                                           \
    ks_printf(text, "%s." #m "=", prefix);                                                       \
    hex(text, r->m, (n));                                                                        \
    ks_printf(text, "\n");
#define KS_PTR(m) if (pointers) ks_printf(text, "%s." #m "=%s\n", prefix, r->m != NULL ? "set" : "null");
#define KS_DESCRIBE_RECORD(c, cpp, number, FIELDS)                                               \
    case number: {                                                                               \
        const c* r = (const c*)record;                                                           \
        FIELDS(KS_NUM, KS_TEXT, KS_BYTES, KS_PTR)                                                \
        break;                                                                                   \
    }
/* clang-format on */

void ks_describe_record(ks_text* text, const char* prefix, int type, const void* record,
                        int pointers) {
    if (record == NULL) {
        ks_printf(text, "%s=(none)\n", prefix);
        return;
    }
    switch (type) {
        KS_RECORDS(KS_DESCRIBE_RECORD)
        default:
            return;
    }
    if (type == 11) {
        const ksmbios_oem_strings* r = (const ksmbios_oem_strings*)record;
        ks_printf(text, "%s.Strings=", prefix);
        if (r->Strings != NULL && r->StringsSize > 0)
            escaped(text, r->Strings, (size_t)r->StringsSize);
        ks_printf(text, "\n");
    }
}

void ks_describe_error(ks_text* text, int failed, int category, long long code, const char* message,
                       const char* component) {
    ks_printf(text, "error.failed=%d\nerror.category=%d\nerror.code=%lld\nerror.message=", failed,
              category, code);
    escaped(text, message, strlen(message));
    ks_printf(text, "\nerror.component=%s\n", component);
}

void ks_describe_info(ks_text* text, unsigned major, unsigned minor, unsigned long length,
                      unsigned long long walked, unsigned long count) {
    ks_printf(text, "table.version=%u.%u\ntable.length=%lu\ntable.walked=%llu\ntable.count=%lu\n",
              major, minor, length, walked, count);
}

void ks_describe_structure(ks_text* text, unsigned long index, unsigned type, unsigned length,
                           unsigned handle, unsigned long long offset,
                           const unsigned char* formatted, size_t formatted_size) {
    ks_printf(text, "s%lu.header=%u %u %u @%llu\ns%lu.formatted=", index, type, length, handle,
              offset, index);
    hex(text, formatted, formatted_size);
    ks_printf(text, "\n");
}

void ks_describe_string(ks_text* text, unsigned long index, unsigned long number,
                        const char* string, size_t length) {
    ks_printf(text, "s%lu.string%lu=", index, number);
    escaped(text, string, length);
    ks_printf(text, "\n");
}

void ks_describe_table(ks_text* text, const ksmbios_table* table) {
    ksmbios_error error;
    memset(&error, 0, sizeof error);
    error.struct_size = sizeof error;
    if (ksmbios_get_error(table, &error) == KSMBIOS_OK) {
        ks_describe_error(text, (int)error.failed, (int)error.category, (long long)error.code,
                          error.message, error.component);
    }
    int32_t version = -1;
    ksmbios_get_accepted_version(table, &version);
    ks_printf(text, "version=%d\n", (int)version);

    ksmbios_records records;
    memset(&records, 0, sizeof records);
    records.struct_size = sizeof records;
    if (ksmbios_get_records(table, &records) == KSMBIOS_OK) {
        ks_describe_record(text, "last.bios", 0, records.bios, 1);
        ks_describe_record(text, "last.system", 1, records.system, 1);
        ks_describe_record(text, "last.baseboard", 2, records.baseboard, 1);
        ks_describe_record(text, "last.enclosure", 3, records.enclosure, 1);
        ks_describe_record(text, "last.processor", 4, records.processor, 1);
        ks_describe_record(text, "last.slot", 9, records.slot, 1);
        ks_describe_record(text, "last.oem_strings", 11, records.oem_strings, 1);
        ks_describe_record(text, "last.memory_array", 16, records.memory_array, 1);
        ks_describe_record(text, "last.memory_device", 17, records.memory_device, 1);
    }

    ksmbios_table_info info;
    memset(&info, 0, sizeof info);
    info.struct_size = sizeof info;
    const ksmbios_status status = ksmbios_get_table_info(table, &info);
    if (status != KSMBIOS_OK) {
        ks_printf(text, "table=%s\n", ksmbios_status_text(status));
        return;
    }
    ks_describe_info(text, info.major_version, info.minor_version, (unsigned long)info.length,
                     (unsigned long long)info.walked_length, (unsigned long)info.structure_count);
    for (size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure s;
        memset(&s, 0, sizeof s);
        s.struct_size = sizeof s;
        if (ksmbios_get_structure(table, i, &s) != KSMBIOS_OK) {
            ks_printf(text, "s%lu=unreadable\n", (unsigned long)i);
            continue;
        }
        ks_describe_structure(text, (unsigned long)i, s.type, s.length, s.handle,
                              (unsigned long long)s.offset, s.formatted, s.formatted_size);
        for (size_t n = 1; n <= s.string_count && n <= 255; ++n) {
            const char* string = NULL;
            size_t length = 0;
            ksmbios_get_string(table, i, (uint8_t)n, &string, &length);
            ks_describe_string(text, (unsigned long)i, (unsigned long)n, string, length);
        }
        if (s.record != NULL) {
            char prefix[32];
            snprintf(prefix, sizeof prefix, "s%lu.record", (unsigned long)i);
            ks_describe_record(text, prefix, s.type, s.record, 0);
        }
    }
}
