/* A text description of both views of a handle, one "name=value" line per item. The C hosts
 * describe what the library hands them; the case writer describes the C++ interface's records
 * the same way, so that the two texts can be compared line by line. */
#ifndef KELVO_TEST_DESCRIBE_H
#define KELVO_TEST_DESCRIBE_H

#include <smbios/kelvo_smbios.h>

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ks_text {
    char* data;
    size_t size;
    size_t capacity;
    int failed; /* an allocation failed; the text is incomplete */
} ks_text;

void ks_text_free(ks_text* text);
void ks_printf(ks_text* text, const char* format, ...);

/* One record of structure type `type`, each line prefixed with `prefix`. Pointers into other
 * memory are shown as set or null when `pointers` is non-zero, left out otherwise. */
void ks_describe_record(ks_text* text, const char* prefix, int type, const void* record,
                        int pointers);

/* The pieces of a description, for writers that do not read them from a handle. */
void ks_describe_error(ks_text* text, int failed, int category, long long code, const char* message,
                       const char* component);
void ks_describe_info(ks_text* text, unsigned major, unsigned minor, unsigned long length,
                      unsigned long long walked, unsigned long count);
void ks_describe_structure(ks_text* text, unsigned long index, unsigned type, unsigned length,
                           unsigned handle, unsigned long long offset,
                           const unsigned char* formatted, size_t formatted_size);
void ks_describe_string(ks_text* text, unsigned long index, unsigned long number,
                        const char* string, size_t length);

/* Both views of `table`. */
void ks_describe_table(ks_text* text, const ksmbios_table* table);

#ifdef __cplusplus
}
#endif

#endif
