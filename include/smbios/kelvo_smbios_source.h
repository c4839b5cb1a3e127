/*
 * kelvo-shared-smbios, C interface: where a handle's table came from, its bytes as they are, and
 * opening a table file with options and a readable reason for a refusal.
 */
#ifndef KELVO_SMBIOS_SOURCE_H
#define KELVO_SMBIOS_SOURCE_H

#include <smbios/kelvo_smbios.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ksmbios_open_options {
    uint32_t struct_size;
    /* The version of a bare structure table (a file without entry point or raw header), as
     * major * 256 + minor; 0 to take the lowest version whose structure layouts are long enough
     * for every structure of the nine decoded types. Other formats carry their own version. */
    int32_t bare_version;
    /* When not null, receives one NUL-terminated line naming the file and the fault when the
     * file is refused (cut to error_size bytes), and an empty text otherwise. */
    char* error_text;
    size_t error_size;
    uint32_t flags; /* KSMBIOS_OPEN_... */
} ksmbios_open_options;

/* The handle is for the structures (ksmbios_get_structure, ksmbios_get_string): their `record`
 * stays null, and the C++ interface's view is made when a call first asks for it. This spares
 * the work of decoding records (the BIOS release date's locale among it) for hosts that read the
 * bytes themselves. */
#define KSMBIOS_OPEN_STRUCTURES_ONLY 1u

/* As ksmbios_open_file, with `options` (null for the defaults): a bare table's version, a
 * refusal's reason as one line, and flags. Both read the same formats by the same rules. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_open_file_with(const char* path,
                                                               const ksmbios_open_options* options,
                                                               ksmbios_table** out);

/* How the handle's table was kept. */
#define KSMBIOS_SOURCE_RAW 0               /* the raw RSMB layout (also ksmbios_open_bytes) */
#define KSMBIOS_SOURCE_DUMP 1              /* an entry point and the table at its address */
#define KSMBIOS_SOURCE_AFTER_ENTRY_POINT 2 /* an entry point, the table right after it */
#define KSMBIOS_SOURCE_FOLDER 3            /* smbios_entry_point and DMI */
#define KSMBIOS_SOURCE_BARE 4              /* the structure table alone */
#define KSMBIOS_SOURCE_MACHINE 5           /* the running machine */
/* An entry point, and the table at its address less the image's 64 KiB-aligned base. */
#define KSMBIOS_SOURCE_MEMORY_IMAGE 6

/* The members after version_inferred came later. A host built when the structure ended there
 * sets a smaller struct_size; the call still accepts it and fills only the members that fit. */
typedef struct ksmbios_source {
    uint32_t struct_size;
    int32_t format;           /* KSMBIOS_SOURCE_... */
    int32_t version_inferred; /* 1 when a bare table's version was inferred */
    /* 1 when the table was read only up to its last whole structure: its bytes end first, or it
     * holds a structure that cannot be stepped over (a Length below 4, strings without their
     * double NUL). The handle's table then holds those structures, and its raw header's Length
     * counts their bytes. */
    int32_t stopped_early;
    /* One line (UTF-8) naming the file and saying where the table stopped and why: the byte
     * offset and the handle of the last whole structure. Empty when the table is whole. Valid
     * until ksmbios_close. */
    const char* warning;
} ksmbios_source;

/* Fills `out` as far as its struct_size reaches (at least the first three members). */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_source(const ksmbios_table* table,
                                                           ksmbios_source* out);

/* The handle's table in the raw RSMB layout (8-byte header, then the structures), as the handle
 * holds it. `*data` is null and `*size` 0 when the handle holds no bytes (a machine without a
 * readable table). */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_raw(const ksmbios_table* table,
                                                        const uint8_t** data, size_t* size);

#ifdef __cplusplus
}
#endif

#endif /* KELVO_SMBIOS_SOURCE_H */
