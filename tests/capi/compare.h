/* Compares a handle's answers with a case's expected description (see MakeCases.cpp). */
#ifndef KELVO_TEST_COMPARE_H
#define KELVO_TEST_COMPARE_H

#include <smbios/kelvo_smbios.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The number of lines of `expected` (KEY=VALUE lines) that `table` answers otherwise; the first
 * few differences go to stderr under `name` when it is not null. */
int ks_compare(const ksmbios_table* table, const char* expected, const char* name);

#ifdef __cplusplus
}
#endif

#endif
