/* A C host of the field calls: a table written byte by byte from the SMBIOS standard's layouts
 * of the memory device (type 17) and the baseboard (type 2), its fields as dmidecode 3.4 shows
 * the same bytes, and the description of every type read without a table.
 * Usage: kelvo-capi-check-fields */
#include <smbios/kelvo_smbios_fields.h>

#include <stdio.h>
#include <string.h>

static int failures = 0;

#define CHECK(condition)                                                            \
    do {                                                                            \
        if (!(condition)) {                                                         \
            ++failures;                                                             \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
        }                                                                           \
    } while (0)

/* SMBIOS 3.0, raw RSMB header, then the structures. */
static const unsigned char table_bytes[] = {
    0x00, 3, 0, 0, 0, 0, 0, 0, /* Length, patched by main */
    /* Type 17, Memory Device, the 2.8 layout (28h bytes), handle 0040h. */
    0x11, 0x28, 0x40, 0x00, /* */
    0x3F, 0x00,             /* 04h Physical Memory Array Handle */
    0xFE, 0xFF,             /* 06h Memory Error Information Handle: not provided */
    0x48, 0x00,             /* 08h Total Width 72 */
    0x40, 0x00,             /* 0Ah Data Width 64 */
    0x00, 0x20,             /* 0Ch Size 8192 MB */
    0x09,                   /* 0Eh Form Factor: DIMM */
    0x00,                   /* 0Fh Device Set: none */
    0x01, 0x02,             /* 10h Device Locator, 11h Bank Locator */
    0x1A,                   /* 12h Memory Type: DDR4 */
    0x80, 0x00,             /* 13h Type Detail: bit 7, synchronous */
    0x60, 0x09,             /* 15h Speed 2400 */
    0x03, 0x00, 0x00, 0x00, /* 17h Manufacturer, Serial Number, Asset Tag, Part Number */
    0x02,                   /* 1Bh Attributes: rank 2 */
    0x00, 0x00, 0x00, 0x00, /* 1Ch Extended Size */
    0x55, 0x08,             /* 20h Configured Memory Speed 2133 */
    0xB0, 0x04, 0xB0, 0x04, 0xB0, 0x04, /* 22h voltages 1200 mV */
    'D', 'I', 'M', 'M', ' ', 'A', 0, 'B', 'A', 'N', 'K', ' ', '0', 0, 'K', 'e', 'l', 'v', 'o', 0, 0,
    /* Type 17 of the 2.1 layout (15h bytes) in this 3.0 table: nothing past its Length. */
    0x11, 0x15, 0x41, 0x00, 0x3F, 0x00, 0xFE, 0xFF, 0x40, 0x00, 0x40, 0x00, 0x00, 0x04, 0x09, 0x00,
    0x00, 0x00, 0x1A, 0x80, 0x00, 0, 0,
    /* Type 2, Baseboard, with two contained object handles (11h + 2 * 2 bytes). */
    0x02, 0x13, 0x50, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, /* 04h to 08h strings */
    0x09,                                                 /* 09h Features: bits 0 and 3 */
    0x00, 0x60, 0x00,                                     /* 0Ah location, 0Bh chassis 0060h */
    0x0A,                                                 /* 0Dh Type: motherboard */
    0x02, 0x40, 0x00, 0x41, 0x00,                         /* 0Eh count, 0Fh handles */
    'B', 'o', 'a', 'r', 'd', 0, 0,
    /* An OEM structure, which the library does not describe. */
    0xC8, 0x05, 0x60, 0x00, 0x01, 0, 0,
    /* End of table. */
    0x7F, 0x04, 0xFF, 0xFF, 0, 0};

/* The field of structure `index` whose key is `key`, or a zeroed one. */
static ksmbios_field find_field(ksmbios_table* table, size_t index, const char* key) {
    ksmbios_field field;
    size_t count = 0;
    CHECK(ksmbios_get_field_count(table, index, &count) == KSMBIOS_OK);
    for (size_t i = 0; i < count; ++i) {
        memset(&field, 0, sizeof field);
        field.struct_size = sizeof field;
        CHECK(ksmbios_get_field(table, index, i, &field) == KSMBIOS_OK);
        if (strcmp(field.key, key) == 0) return field;
    }
    memset(&field, 0, sizeof field);
    return field;
}

static int shows(const ksmbios_field* field, const char* label, const char* text) {
    return field->key != NULL && strcmp(field->label, label) == 0 && strcmp(field->text, text) == 0;
}

static void check_fields(void) {
    unsigned char bytes[sizeof table_bytes];
    memcpy(bytes, table_bytes, sizeof bytes);
    bytes[4] = (unsigned char)(sizeof bytes - 8);
    ksmbios_table* table = NULL;
    CHECK(ksmbios_open_bytes(bytes, sizeof bytes, &table) == KSMBIOS_OK);

    ksmbios_field f = find_field(table, 0, "memory_device.size");
    CHECK(shows(&f, "Size", "8 GB") && f.has_raw && f.raw == 0x2000 && f.offset == 0x0C &&
          f.width == 2 && !f.reference);
    f = find_field(table, 0, "memory_device.physical_memory_array_handle");
    CHECK(shows(&f, "Array Handle", "0x003F") && f.kind == KSMBIOS_KIND_HANDLE && f.reference);
    f = find_field(table, 0, "memory_device.memory_error_information_handle");
    CHECK(shows(&f, "Error Information Handle", "Not Provided") && f.raw == 0xFFFE);
    f = find_field(table, 0, "memory_device.form_factor");
    CHECK(shows(&f, "Form Factor", "DIMM") && f.raw == 9);
    f = find_field(table, 0, "memory_device.device_locator");
    CHECK(shows(&f, "Locator", "DIMM A") && f.kind == KSMBIOS_KIND_STRING && f.offset == 0x10);
    f = find_field(table, 0, "memory_device.memory_type");
    CHECK(shows(&f, "Type", "DDR4"));
    f = find_field(table, 0, "memory_device.type_detail");
    CHECK(shows(&f, "Type Detail", "Synchronous"));
    f = find_field(table, 0, "memory_device.speed");
    CHECK(shows(&f, "Speed", "2400 MT/s") && f.raw == 2400);
    f = find_field(table, 0, "memory_device.manufacturer");
    CHECK(shows(&f, "Manufacturer", "Kelvo"));
    f = find_field(table, 0, "memory_device.configured_voltage");
    CHECK(shows(&f, "Configured Voltage", "1.2 V"));

    /* The 2.1 layout: its fields, and nothing that lies past its Length. */
    f = find_field(table, 1, "memory_device.size");
    CHECK(shows(&f, "Size", "1 GB"));
    f = find_field(table, 1, "memory_device.speed");
    CHECK(f.key == NULL);

    /* A list: its count as the text, one item a handle. */
    f = find_field(table, 2, "baseboard.contained_object_handles");
    CHECK(shows(&f, "Contained Object Handles", "2") && f.item_count == 2 && f.items != NULL &&
          strcmp(f.items[0], "0x0040") == 0 && strcmp(f.items[1], "0x0041") == 0);
    f = find_field(table, 2, "baseboard.feature_flags");
    CHECK(shows(&f, "Features", "") && f.item_count == 2 &&
          strcmp(f.items[0], "Board is a hosting board") == 0 &&
          strcmp(f.items[1], "Board is replaceable") == 0);
    f = find_field(table, 2, "baseboard.product");
    CHECK(shows(&f, "Product Name", "Not Specified"));

    /* An OEM structure shows as its header and data bytes in hex (dmidecode's layout), then its
       strings. */
    f = find_field(table, 3, "oem_specific.header_and_data");
    CHECK(shows(&f, "Header and Data", "") && f.item_count == 1 && f.items != NULL &&
          strcmp(f.items[0], "C8 05 60 00 01") == 0);
    size_t count = 1;
    CHECK(ksmbios_get_field_count(table, 5, &count) == KSMBIOS_OUT_OF_RANGE);

    /* Undecoded, as dmidecode -u: any type's bytes, then its strings as bytes and as text. */
    CHECK(ksmbios_get_undecoded_count(table, 2, &count) == KSMBIOS_OK && count == 2);
    f.struct_size = sizeof f;
    CHECK(ksmbios_get_undecoded_field(table, 2, 0, &f) == KSMBIOS_OK &&
          shows(&f, "Header and Data", "") && f.item_count == 2 &&
          strcmp(f.items[0], "02 13 50 00 01 00 00 00 00 09 00 60 00 0A 02 40") == 0 &&
          strcmp(f.items[1], "00 41 00") == 0);
    CHECK(ksmbios_get_undecoded_field(table, 2, 1, &f) == KSMBIOS_OK && shows(&f, "Strings", "") &&
          f.item_count == 2 && strcmp(f.items[0], "42 6F 61 72 64 00") == 0 &&
          strcmp(f.items[1], "Board") == 0);
    CHECK(ksmbios_get_undecoded_count(table, 3, &count) == KSMBIOS_OK && count == 1);
    CHECK(ksmbios_get_undecoded_field(table, 3, 1, &f) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_get_undecoded_count(table, 5, &count) == KSMBIOS_OUT_OF_RANGE);

    ksmbios_field small;
    memset(&small, 0, sizeof small);
    small.struct_size = sizeof small - 1;
    CHECK(ksmbios_get_field(table, 0, 0, &small) == KSMBIOS_STRUCT_TOO_SMALL);
    small.struct_size = sizeof small;
    CHECK(ksmbios_get_field(table, 0, 1000, &small) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_get_field(NULL, 0, 0, &small) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_field(table, 0, 0, NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_get_field_count(table, 0, NULL) == KSMBIOS_INVALID_ARGUMENT);
    ksmbios_close(table);

    /* No table to read. */
    static const unsigned char old[8] = {0, 1, 0, 0, 0, 0, 0, 0};
    CHECK(ksmbios_open_bytes(old, sizeof old, &table) == KSMBIOS_OK);
    CHECK(ksmbios_get_field_count(table, 0, &count) == KSMBIOS_NOT_A_TABLE);
    ksmbios_close(table);
}

static int starts_with_key(const char* key, const char* type_key) {
    const size_t length = strlen(type_key);
    return strncmp(key, type_key, length) == 0 && key[length] == '.';
}

static void check_schema(void) {
    size_t types = 0, index = 99;
    CHECK(ksmbios_schema_type_count(&types) == KSMBIOS_OK && types >= 9);
    CHECK(ksmbios_schema_find_type(17, &index) == KSMBIOS_OK);
    ksmbios_schema_type type;
    memset(&type, 0, sizeof type);
    type.struct_size = sizeof type;
    CHECK(ksmbios_schema_get_type(index, &type) == KSMBIOS_OK && type.type == 17 &&
          strcmp(type.key, "memory_device") == 0 && strcmp(type.title, "Memory Device") == 0 &&
          strcmp(type.keyword, "memory") == 0);
    CHECK(ksmbios_schema_find_type(0x2000, &index) == KSMBIOS_OUT_OF_RANGE);

    int previous = -1;
    for (size_t t = 0; t < types; ++t) {
        CHECK(ksmbios_schema_get_type(t, &type) == KSMBIOS_OK && (int)type.type > previous);
        previous = type.type;
        CHECK(ksmbios_schema_find_type(type.type, &index) == KSMBIOS_OK && index == t);
        for (size_t i = 0; i < type.field_count; ++i) {
            ksmbios_schema_field row;
            memset(&row, 0, sizeof row);
            row.struct_size = sizeof row;
            CHECK(ksmbios_schema_get_field(t, i, &row) == KSMBIOS_OK);
            CHECK(starts_with_key(row.key, type.key) && row.label != NULL);
            CHECK(row.kind >= KSMBIOS_KIND_PART && row.kind <= KSMBIOS_KIND_TEXT);
            CHECK(row.offset + row.width <= 0x100 && row.since >= 0x0200);
            for (size_t s = 0; s < row.special_count; ++s) {
                uint64_t value = 0;
                const char* text = NULL;
                CHECK(ksmbios_schema_get_special(t, i, s, &value, &text) == KSMBIOS_OK &&
                      text != NULL && text[0] != 0);
            }
            uint64_t value = 0;
            const char* text = NULL;
            CHECK(ksmbios_schema_get_special(t, i, row.special_count, &value, &text) ==
                  KSMBIOS_OUT_OF_RANGE);
            /* Every list that a row names has names. */
            if (row.names != 0) {
                uint32_t number = 0;
                CHECK(ksmbios_name_entry(row.names, 0, &number, &text) == KSMBIOS_OK);
            }
        }
        ksmbios_schema_field past;
        past.struct_size = sizeof past;
        CHECK(ksmbios_schema_get_field(t, type.field_count, &past) == KSMBIOS_OUT_OF_RANGE);
    }
    /* Past the described types, the rows that show OEM-specific and unknown types. */
    static const struct {
        uint32_t type;
        const char* key; /* of the row that shows it; null: the type's own */
    } shown_by[] = {
        {17, NULL},           {127, NULL},          {128, "oem_specific"}, {255, "oem_specific"},
        {47, "unknown_type"}, {125, "unknown_type"}};
    for (size_t i = 0; i < sizeof shown_by / sizeof shown_by[0]; ++i) {
        CHECK(ksmbios_schema_describing(shown_by[i].type, &index) == KSMBIOS_OK &&
              ksmbios_schema_get_type(index, &type) == KSMBIOS_OK);
        CHECK(shown_by[i].key ? index >= types && strcmp(type.key, shown_by[i].key) == 0
                              : index < types && type.type == shown_by[i].type);
    }
    CHECK(ksmbios_schema_describing(256, &index) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_schema_get_type(types + 2, &type) == KSMBIOS_OUT_OF_RANGE);

    /* The memory device's size row, as the standard places it. */
    CHECK(ksmbios_schema_find_type(17, &index) == KSMBIOS_OK);
    CHECK(ksmbios_schema_get_type(index, &type) == KSMBIOS_OK);
    int found = 0;
    for (size_t i = 0; i < type.field_count; ++i) {
        ksmbios_schema_field row;
        row.struct_size = sizeof row;
        CHECK(ksmbios_schema_get_field(index, i, &row) == KSMBIOS_OK);
        if (strcmp(row.key, "memory_device.size") != 0) continue;
        found = row.offset == 0x0C && row.width == 2 && row.since == 0x0201 &&
                strcmp(row.label, "Size") == 0;
    }
    CHECK(found);
    /* A group association's items, three bytes each, run to the end of the structure. */
    CHECK(ksmbios_schema_find_type(14, &index) == KSMBIOS_OK);
    ksmbios_schema_field items;
    items.struct_size = sizeof items;
    CHECK(ksmbios_schema_get_field(index, 1, &items) == KSMBIOS_OK && items.to_end == 1 &&
          items.count_key == NULL && items.stride == 3 && items.offset == 0x05 &&
          items.element_heading == NULL);
    /* An on-board devices structure heads each of its devices, numbered when it holds several. */
    CHECK(ksmbios_schema_find_type(10, &index) == KSMBIOS_OK);
    CHECK(ksmbios_schema_get_field(index, 0, &items) == KSMBIOS_OK && items.stride == 2 &&
          items.element_heading != NULL &&
          strcmp(items.element_heading, "On Board Device # Information") == 0);
    /* A battery of the 2.2 layout (1Ah bytes) names its chemistry Unknown (02h) by leaving the
     * Chemistry out and showing the SBDS Chemistry string instead. */
    CHECK(ksmbios_schema_find_type(22, &index) == KSMBIOS_OK);
    ksmbios_schema_field chemistry, sbds;
    chemistry.struct_size = sbds.struct_size = sizeof chemistry;
    CHECK(ksmbios_schema_get_field(index, 5, &chemistry) == KSMBIOS_OK &&
          chemistry.offset == 0x09 && chemistry.has_omit == 1 && chemistry.omit == 0x02 &&
          chemistry.omit_from == 0x1A);
    CHECK(ksmbios_schema_get_field(index, 13, &sbds) == KSMBIOS_OK && sbds.offset == 0x14 &&
          sbds.only_if_is == 1 && sbds.only_if_value == 0x02 &&
          strcmp(sbds.only_if_key, chemistry.key) == 0);

    /* A processor's family hands over to Processor Family 2 at FEh. */
    CHECK(ksmbios_schema_find_type(4, &index) == KSMBIOS_OK);
    CHECK(ksmbios_schema_get_field(index, 2, &items) == KSMBIOS_OK && items.offset == 0x06 &&
          items.has_escape == 1 && items.escape == 0xFE);
    /* A host interface before 3.2: the type alone (and an OEM vendor); from 3.2, a data length
     * in front of the data. */
    CHECK(ksmbios_schema_find_type(42, &index) == KSMBIOS_OK);
    CHECK(ksmbios_schema_get_field(index, 0, &items) == KSMBIOS_OK && items.offset == 0x04 &&
          items.layout_from == 0 && items.layout_before == 0x0302);
    CHECK(ksmbios_schema_get_field(index, 3, &items) == KSMBIOS_OK && items.offset == 0x05 &&
          items.layout_from == 0x0302 && items.layout_before == 0xFFFF);

    /* The names lists, entry by entry, agree with ksmbios_name. */
    const ksmbios_name_list lists = ksmbios_name_list_count();
    CHECK(lists > KSMBIOS_NAMES_STRUCTURE_TYPE);
    for (ksmbios_name_list list = 1; list < lists; ++list) {
        uint32_t value = 0, last = 0;
        const char* name = NULL;
        size_t entry = 0;
        for (; ksmbios_name_entry(list, entry, &value, &name) == KSMBIOS_OK; ++entry) {
            CHECK(ksmbios_name(list, value) == name && (entry == 0 || value > last));
            last = value;
        }
        CHECK(entry > 0);
    }
    uint32_t value = 0;
    const char* name = NULL;
    CHECK(ksmbios_name_entry(KSMBIOS_NAMES_MEMORY_TYPE, 0, &value, &name) == KSMBIOS_OK);
    CHECK(ksmbios_name_entry(lists, 0, &value, &name) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_name_entry(0, 0, &value, &name) == KSMBIOS_OUT_OF_RANGE);
    CHECK(ksmbios_name_entry(1, 0, NULL, &name) == KSMBIOS_INVALID_ARGUMENT);

    type.struct_size = 4;
    CHECK(ksmbios_schema_get_type(0, &type) == KSMBIOS_STRUCT_TOO_SMALL);
    CHECK(ksmbios_schema_type_count(NULL) == KSMBIOS_INVALID_ARGUMENT);
    CHECK(ksmbios_schema_find_type(17, NULL) == KSMBIOS_INVALID_ARGUMENT);
}

int main(void) {
    check_fields();
    check_schema();
    printf("fields and schema: %d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
