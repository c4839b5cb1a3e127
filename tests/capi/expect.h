/* A table and what its views must show, from a file of tests/capi/expected/ (its README.md says
 * how the lines read), and the comparison of a handle with it. */
#ifndef KELVO_TEST_EXPECT_H
#define KELVO_TEST_EXPECT_H

#include <smbios/kelvo_smbios.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ks_case {
    char* text;         /* the file's lines, NUL-terminated */
    char table[1024];   /* the table file that it names, or empty */
    unsigned char* raw; /* the table in the raw layout */
    size_t raw_size;
} ks_case;

/* Reads the file at `path` and its table; 0 when either cannot be read. */
int ks_load(const char* path, ks_case* out);
void ks_free(ks_case* c);

/* The number of lines of `text` that `table` answers otherwise; each goes to stderr under `name`
 * when that is not null. */
int ks_check(const ksmbios_table* table, const char* text, const char* name);

/* The number of members of two records of `type` (a structure's type) that differ; texts and
 * pointers are left out when `numbers_only` is set. */
int ks_differ(unsigned type, const void* a, const void* b, int numbers_only);

#ifdef __cplusplus
}
#endif

#endif
