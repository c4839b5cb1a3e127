/*
 * kelvo-shared-smbios, C interface: every structure as fields, and the description that they are
 * decoded by.
 *
 * The library describes each structure type it decodes as data: a type row (its number, a stable
 * key such as "memory_device", its title) and one row per field (a stable key such as
 * "memory_device.size", the label people read, where its bytes lie, the table version that
 * introduced it and how its value is shown). One decoder reads any structure of the table view
 * through those rows, within the structure's Length, into fields: what ksmbios_get_field hands
 * out is what the kelvo-smbios tool prints.
 *
 * The description needs no table: ksmbios_schema_... and ksmbios_name_entry answer from static
 * data, so that a binding can be generated from them; their pointers stay valid for the life of
 * the process. The fields of a structure are decoded when first asked for; their pointers stay
 * valid until ksmbios_close of the handle.
 */
#ifndef KELVO_SMBIOS_FIELDS_H
#define KELVO_SMBIOS_FIELDS_H

#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_names.h>

#ifdef __cplusplus
extern "C" {
#endif

/* What a field's value is. */
#define KSMBIOS_KIND_PART 0    /* not shown on its own: the field before it reads it */
#define KSMBIOS_KIND_STRING 1  /* a string number; shown as the string */
#define KSMBIOS_KIND_DECIMAL 2 /* a number, with its unit and special values */
#define KSMBIOS_KIND_HEX 3     /* a number shown in hex */
#define KSMBIOS_KIND_ENUM 4    /* a value named by a names list */
#define KSMBIOS_KIND_FLAGS 5   /* bits named by a names list */
#define KSMBIOS_KIND_HANDLE 6  /* the handle of another structure */
#define KSMBIOS_KIND_SIZE 7    /* a size in bytes, kB, MB, ... */
#define KSMBIOS_KIND_BYTES 8   /* bytes shown as they are */
#define KSMBIOS_KIND_UUID 9    /* a UUID */
#define KSMBIOS_KIND_TEXT 10   /* text that the library makes from the field's bytes */

/* ---- The fields of a structure of the table view --------------------------------------------- */

/* One field as shown. An array's elements are fields of their own, with numbered labels. */
typedef struct ksmbios_field {
    uint32_t struct_size;
    const char* key;          /* the field's row: "memory_device.size" */
    const char* label;        /* "Size" */
    int32_t kind;             /* KSMBIOS_KIND_... */
    const char* text;         /* the value as shown, never null; empty for a bare list */
    const char* const* items; /* the lines of a list (item_count of them), null without */
    size_t item_count;
    int32_t has_raw; /* 1 when `raw` holds the number that the table holds */
    uint64_t raw;
    int32_t reference; /* 1 when it refers to another structure (a handle, the processor ID) */
    uint8_t offset;    /* where its bytes lie in the structure */
    uint8_t width;     /* and how many */
} ksmbios_field;

/* How many fields structure `index` has: 0 for a type that the library does not describe. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_field_count(const ksmbios_table* table,
                                                                size_t index, size_t* count);

/* Field `field` (0 first) of structure `index`, in the order in which they are shown. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_field(const ksmbios_table* table, size_t index,
                                                          size_t field, ksmbios_field* out);

/* Structure `index` undecoded, as dmidecode -u shows it, whatever its type: field 0 is its header
 * and data bytes in hex ("Header and Data", sixteen bytes an item), field 1, when it has strings,
 * each string as its bytes with the terminating zero and then as text ("Strings"). */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_undecoded_count(const ksmbios_table* table,
                                                                    size_t index, size_t* count);
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_undecoded_field(const ksmbios_table* table,
                                                                    size_t index, size_t field,
                                                                    ksmbios_field* out);

/* ---- The description, without any table ----------------------------------------------------- */

typedef struct ksmbios_schema_type {
    uint32_t struct_size;
    uint8_t type;        /* the structure type's number */
    const char* key;     /* stable: "memory_device" */
    const char* title;   /* the heading as dmidecode writes it: "Base Board Information" */
    const char* name;    /* the C++ record's title ("Baseboard Information"), or null */
    const char* keyword; /* dmidecode's -t keyword that selects it, or null */
    size_t field_count;
} ksmbios_schema_type;

/* How many types are described; they are numbered 0 to count - 1 in the order of their type
 * numbers. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_type_count(size_t* count);

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_get_type(size_t type_index,
                                                                ksmbios_schema_type* out);

/* The index of the row of structure type `type`; KSMBIOS_OUT_OF_RANGE when it is not described. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_find_type(uint32_t type, size_t* type_index);

/* The index of the row by which structures of `type` are shown: its own, else for a type that is
 * not described the row of OEM-specific types (128 to 255; index ksmbios_schema_type_count()) or
 * of unknown types (index count + 1), which show the structure's bytes and strings. Both extra
 * rows are read with ksmbios_schema_get_type and ksmbios_schema_get_field like any other. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_describing(uint32_t type,
                                                                  size_t* type_index);

/* One field row. Texts that a row does not have are null. */
typedef struct ksmbios_schema_field {
    uint32_t struct_size;
    const char* key;    /* stable: "memory_device.size" */
    const char* label;  /* "Size"; empty for a part */
    int32_t kind;       /* KSMBIOS_KIND_... */
    uint8_t offset;     /* from the structure's first byte (after `after_key`'s array, if set) */
    uint8_t width;      /* bytes; for an array, of one element */
    uint16_t since;     /* the table version that introduced it: 0x0204 for 2.4 */
    uint8_t shown_from; /* shown when the structure's Length is at least this (and covers it) */
    const char* format; /* the name of the library's formatter that shows it, or null */
    ksmbios_name_list names; /* for enumerations and flags; 0 without */
    uint64_t mask;           /* the bits of the field that hold the value ... */
    uint8_t shift;           /* ... and where they start */
    uint8_t first_bit;       /* flags: the bits that are named */
    uint8_t last_bit;
    const char* none;     /* flags: the text when none is set */
    const char* unit;     /* after the number: "MHz" */
    size_t special_count; /* values shown as a text of their own: ksmbios_schema_get_special */
    int32_t has_escape;   /* 1: a value of `escape` hands over to the part that follows */
    uint64_t escape;
    int32_t has_omit; /* 1: the field is left out when its value is `omit` */
    uint64_t omit;
    const char* only_if_key; /* shown only when that field is not 0 */
    const char* count_key;   /* an array: the field that holds its element count */
    const char* stride_key;  /* the field that holds an element's size, or null for `stride` */
    uint8_t stride;
    const char* after_key; /* placed `offset` bytes after the end of that array */
    int32_t reference;     /* 1 when it refers to another structure */
    const char* record;    /* the member of the C++ record that holds it, or null */
    int32_t to_end;     /* 1: an array without `count_key`, as many elements as the Length holds */
    uint8_t omit_from;  /* with has_omit: left out only when the Length is at least this */
    int32_t only_if_is; /* 1: shown only when `only_if_key`'s field is `only_if_value` ... */
    uint64_t only_if_value; /* ... instead of when it is not 0 */
    /* An array whose elements each open under a heading of their own, in place of the type's
     * title: the title when the structure holds one element, this text with '#' replaced by the
     * element's number (from 1) when it holds several; null without. An element starts at each
     * field of the row that carries the row's label. */
    const char* element_heading;
    /* Shown only in tables of versions from `layout_from` up to, not including, `layout_before`
     * (0 and FFFFh for a row of every layout): the rows of a layout that a later version of the
     * standard replaced, and of the layout that replaced it. */
    uint16_t layout_from;
    uint16_t layout_before;
} ksmbios_schema_field;

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_get_field(size_t type_index,
                                                                 size_t field_index,
                                                                 ksmbios_schema_field* out);

/* Special value `special` of a field row: the number and the text shown for it ("Unknown"). */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_schema_get_special(size_t type_index,
                                                                   size_t field_index,
                                                                   size_t special, uint64_t* value,
                                                                   const char** text);

/* The names lists (kelvo_smbios_names.h) one entry at a time: lists are numbered 1 to
 * ksmbios_name_list_count() - 1, their entries 0 first in the order of their values. A range that
 * the standard leaves to vendors is no entry: ksmbios_name names each of its values alike. */
KSMBIOS_API ksmbios_name_list KSMBIOS_CALL ksmbios_name_list_count(void);

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_name_entry(ksmbios_name_list list, size_t entry,
                                                           uint32_t* value, const char** name);

#ifdef __cplusplus
}
#endif

#endif /* KELVO_SMBIOS_FIELDS_H */
