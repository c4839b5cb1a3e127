/* Reads a case of tests/capi/expected/ and compares a handle with it. A record's member is read
 * where this compiler lays out the C structure: a host whose layout differs from the library's
 * (clang-cl in the MSVC ABI against the mingw DLL) reads other values and fails. */
#include "capi/expect.h"

#include <smbios/kelvo_smbios_fields.h>
#include <smbios/kelvo_smbios_source.h>

#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct member {
    const char* name;
    size_t offset, size;
    /* 'n' number, 'x' bytes in hex, 's' text, 'p' pointer (set or null), 'o' the OEM strings'
     * area and 'l' its size (a number that the texts decide) */
    char kind;
} member;

#define M(T, m, kind) \
    { #m, offsetof(T, m), sizeof(((T*)0)->m), kind }
#define N(T, m) M(T, m, 'n')
#define S(T, m) N(T, m##StringNumber), M(T, m, 's') /* a string's number, then its text */
#define X(T, m) M(T, m, 'x')

/* The members of each record, in order. */
#define BIOS(T)                                                                                   \
    S(T, Vendor), S(T, BIOSVersion), N(T, BIOSStartingSegment), S(T, BIOSReleaseDate),            \
        N(T, BIOSROMSize), X(T, BIOSCharacteristics), N(T, ExtensionByte1), N(T, ExtensionByte2), \
        N(T, SystemBIOSMajorRelease), N(T, SystemBIOSMinorRelease),                               \
        N(T, EmbeddedFirmwareMajorRelease), N(T, EmbeddedFirmwareMinorRelease)
#define SYSTEM(T)                                                                              \
    S(T, Manufacturer), S(T, ProductName), S(T, Version), S(T, SerialNumber), X(T, V2_1.UUID), \
        N(T, V2_1.WakeUpType), M(T, V2_1.UUIDString, 's'), S(T, V2_4.SKUNumber), S(T, V2_4.Family)
#define BASEBOARD(T)                                                                       \
    S(T, Manufacturer), S(T, Product), S(T, Version), S(T, SerialNumber), S(T, AssetTag),  \
        N(T, FeatureFlags), S(T, LocationInChassis), N(T, ChassisHandle), N(T, BoardType), \
        N(T, NumberOfContainedObjectHandles), M(T, ContainedObjectHandles, 'p')
#define ENCLOSURE(T)                                                                          \
    S(T, Manufacturer), N(T, ChassisType), S(T, Version), S(T, SerialNumber), S(T, AssetTag), \
        M(T, ChassisTypeName, 's'), N(T, V2_1.BootUpState), N(T, V2_1.PowerSupplyState),      \
        N(T, V2_1.ThermalState), N(T, V2_1.SecurityStatus), N(T, V2_3.OEMDefined),            \
        N(T, V2_3.Height), N(T, V2_3.NumberOfPowerCords), N(T, V2_3.ContainedElementCount),   \
        N(T, V2_3.ContainedElementRecordLength), M(T, V2_3.ContainedElements, 'p'),           \
        S(T, V2_7.SKUNumber)
#define PROCESSOR(T)                                                                              \
    S(T, SocketDesignation), N(T, ProcessorType), N(T, ProcessorFamily),                          \
        S(T, ProcessorManufacturer), X(T, ProcessorID), S(T, ProcessorVersion), N(T, Voltage),    \
        N(T, ExternalClock), N(T, MaxSpeed), N(T, CurrentSpeed), N(T, Status),                    \
        N(T, ProcessorUpgrade), N(T, V2_1.L1CacheHandle), N(T, V2_1.L2CacheHandle),               \
        N(T, V2_1.L3CacheHandle), S(T, V2_3.SerialNumber), S(T, V2_3.AssetTag),                   \
        S(T, V2_3.PartNumber), N(T, V2_5.CoreCount), N(T, V2_5.CoreEnabled),                      \
        N(T, V2_5.ThreadCount), N(T, V2_5.ProcessorCharacteristics), N(T, V2_6.ProcessorFamily2), \
        N(T, V3_0.CoreCount2), N(T, V3_0.CoreEnabled2), N(T, V3_0.ThreadCount2)
#define SLOT(T)                                                                               \
    S(T, SlotDesignation), N(T, SlotType), N(T, SlotDataBusWidth), N(T, CurrentUsage),        \
        N(T, SlotLength), N(T, SlotID), N(T, SlotCharacteristics1),                           \
        N(T, V2_1.SlotCharacteristics2), N(T, V2_6.SegmentGroupNumber), N(T, V2_6.BusNumber), \
        N(T, V2_6.DeviceFunctionNumber)
#define OEM_STRINGS(T) N(T, Count), M(T, Strings, 'o'), M(T, StringsSize, 'l')
#define MEMORY_ARRAY(T)                                                      \
    N(T, V2_1.Location), N(T, V2_1.Use), N(T, V2_1.MemoryErrorCorrection),   \
        N(T, V2_1.MaximumCapacity), N(T, V2_1.MemoryErrorInformationHandle), \
        N(T, V2_1.NumberOfMemoryDevices), N(T, V2_7.ExtendedMaximumCapacity)
#define MEMORY_DEVICE(T)                                                                         \
    N(T, V2_1.PhysicalMemoryArrayHandle), N(T, V2_1.MemoryErrorInformationHandle),               \
        N(T, V2_1.TotalWidth), N(T, V2_1.DataWidth), N(T, V2_1.Size), N(T, V2_1.FormFactor),     \
        N(T, V2_1.DeviceSet), S(T, V2_1.DeviceLocator), S(T, V2_1.BankLocator),                  \
        N(T, V2_1.MemoryType), N(T, V2_1.TypeDetail), N(T, V2_3.Speed), S(T, V2_3.Manufacturer), \
        S(T, V2_3.SerialNumber), S(T, V2_3.AssetTag), S(T, V2_3.PartNumber),                     \
        N(T, V2_6.Attributes), N(T, V2_7.ExtendedSize), N(T, V2_7.ConfiguredMemoryClockSpeed),   \
        N(T, V2_8.MinimumVoltage), N(T, V2_8.MaximumVoltage), N(T, V2_8.ConfiguredVoltage)

/* Each record's type, its members up to a null name, and where ksmbios_records points at it. */
#define RECORD(type, MEMBERS, T, last) \
    { type, (const member[]){MEMBERS(T), {NULL, 0, 0, 0}}, offsetof(ksmbios_records, last) }
static const struct {
    unsigned type;
    const member* members;
    size_t last;
} records[] = {RECORD(0, BIOS, ksmbios_bios, bios),
               RECORD(1, SYSTEM, ksmbios_system, system),
               RECORD(2, BASEBOARD, ksmbios_baseboard, baseboard),
               RECORD(3, ENCLOSURE, ksmbios_enclosure, enclosure),
               RECORD(4, PROCESSOR, ksmbios_processor, processor),
               RECORD(9, SLOT, ksmbios_slot, slot),
               RECORD(11, OEM_STRINGS, ksmbios_oem_strings, oem_strings),
               RECORD(16, MEMORY_ARRAY, ksmbios_memory_array, memory_array),
               RECORD(17, MEMORY_DEVICE, ksmbios_memory_device, memory_device)};

/* The members of `type`'s record, or null; in `last` the C++ interface's record of it. */
static const member* record_of(unsigned type, const ksmbios_table* table, const void** last) {
    ksmbios_records all = {.struct_size = sizeof all};
    for (size_t i = 0; i < sizeof records / sizeof records[0]; ++i) {
        if (records[i].type != type) continue;
        if (table != NULL && ksmbios_get_records(table, &all) == KSMBIOS_OK)
            memcpy(last, (const char*)&all + records[i].last, sizeof *last);
        return records[i].members;
    }
    return NULL;
}

static const member* find_member(const member* m, const char* name) {
    while (m != NULL && m->name != NULL && strcmp(m->name, name) != 0) ++m;
    return m != NULL && m->name != NULL ? m : NULL;
}

/* The member's value as bytes: a number in decimal (little-endian hosts), a byte array in hex,
 * a text as it is. */
static size_t value(char* out, size_t room, const void* record, const member* m) {
    const unsigned char* p = (const unsigned char*)record + m->offset;
    unsigned long long number = 0;
    const char* text = NULL;
    size_t n = 0;
    if (m->kind == 'n' || m->kind == 'l') {
        for (size_t i = m->size; i-- > 0;) number = number << 8 | p[i];
        return (size_t)snprintf(out, room, "%llu", number);
    }
    for (size_t i = 0; m->kind == 'x' && i < m->size; ++i)
        n += (size_t)snprintf(out + n, room - n, i ? " %02X" : "%02X", p[i]);
    if (m->kind == 'x') return n;
    memcpy(&text, p, sizeof text);
    if (m->kind == 'p') return (size_t)snprintf(out, room, "%s", text ? "set" : "null");
    n = text == NULL     ? 0
        : m->kind == 'o' ? (size_t)((const ksmbios_oem_strings*)record)->StringsSize
                         : strlen(text);
    n = n < room ? n : room;
    memcpy(out, text != NULL ? text : "", n);
    return n;
}

/* The answer of one view (0 the table view, 1 the C++ interface's) to KEY of the structure whose
 * handle WHERE gives ("table:" or "c++:" before it: of that view only); 0 when the line does not
 * ask that view. */
static int answer(const ksmbios_table* table, const char* where, const char* key, int view,
                  char* out, size_t room, size_t* size) {
    ksmbios_structure s = {.struct_size = sizeof s};
    ksmbios_field field = {.struct_size = sizeof field};
    const int of_field = key[0] >= 'a' && key[0] <= 'z';
    const int views = of_field || strncmp(where, "table:", 6) == 0 ? 1 : *where == 'c' ? 2 : 3;
    const char* colon = strchr(where, ':');
    const unsigned long handle = strtoul(colon != NULL ? colon + 1 : where, NULL, 16);
    size_t index = 0, fields = 0;
    if ((views >> view & 1) == 0) return 0;
    while (ksmbios_get_structure(table, index, &s) == KSMBIOS_OK && s.handle != handle) ++index;
    if (of_field && ksmbios_get_field_count(table, index, &fields) == KSMBIOS_OK)
        while (fields-- > 0 && ksmbios_get_field(table, index, fields, &field) == KSMBIOS_OK &&
               strcmp(field.key, key) != 0) {
        }
    const void* last = NULL;
    const member* m = find_member(record_of(s.type, table, &last), key);
    const void* record = view ? last : s.record;
    if (s.handle != handle)
        *size = (size_t)snprintf(out, room, "(no structure)");
    else if (of_field)
        *size = (size_t)snprintf(out, room, "%s",
                                 field.key && !strcmp(field.key, key) ? field.text : "(no field)");
    else
        *size = m && record ? value(out, room, record, m) : (size_t)snprintf(out, room, "(none)");
    return 1;
}

/* The table's own lines: its header's version (as decoded by), Length and structures, the version
 * as written, and the accepted version. */
static size_t table_answer(const ksmbios_table* table, const char* key, char* out, size_t room) {
    ksmbios_table_info info = {.struct_size = sizeof info};
    int32_t version = -1;
    ksmbios_get_table_info(table, &info);
    ksmbios_get_accepted_version(table, &version);
    if (strcmp(key, "accepted") == 0) return (size_t)snprintf(out, room, "%ld", (long)version);
    if (strcmp(key, "written") == 0)
        return (size_t)snprintf(out, room, "%u.%u", info.written_major_version,
                                info.written_minor_version);
    return (size_t)snprintf(out, room, "%u.%u %lu %lu", info.major_version, info.minor_version,
                            (unsigned long)info.length, (unsigned long)info.structure_count);
}

/* `text`'s bytes, with \xHH read as the byte HH. */
static size_t unescape(char* out, size_t room, const char* text, size_t size) {
    size_t n = 0;
    unsigned byte;
    for (size_t i = 0; i < size && n < room; ++n) {
        const int escaped = text[i] == '\\' && sscanf(text + i, "\\x%2x", &byte) == 1;
        out[n] = escaped ? (char)byte : text[i];
        i += escaped ? 4 : 1;
    }
    return n;
}

static const char* next_line(const char* line) {
    line += strcspn(line, "\n");
    return *line != 0 ? line + 1 : line;
}

int ks_check(const ksmbios_table* table, const char* text, const char* name) {
    int differences = 0;
    for (const char* line = text; *line != 0; line = next_line(line)) {
        char where[32] = "", key[128] = "", want[1024], got[1024];
        const int words = sscanf(line, "%31[^ =\n] %127[^=\n]=", where, key);
        const char* equals = strchr(line, '=');
        if (*line == '#' || words < 1 || equals == NULL || equals > next_line(line)) continue;
        if (words == 1 && strcmp(where, "table") != 0 && strcmp(where, "accepted") != 0 &&
            strcmp(where, "written") != 0)
            continue;
        const size_t want_size = unescape(want, sizeof want, equals + 1, strcspn(equals + 1, "\n"));
        for (int view = 0; view < 2; ++view) {
            size_t got_size = 0;
            if (words == 1 && view == 0)
                got_size = table_answer(table, where, got, sizeof got);
            else if (words == 1 || !answer(table, where, key, view, got, sizeof got, &got_size))
                continue;
            if (got_size == want_size && memcmp(got, want, got_size) == 0) continue;
            ++differences;
            if (name != NULL)
                fprintf(stderr, "%s: %s %s (%s): got \"%.*s\", expected \"%.*s\"\n", name, where,
                        key, view ? "C++ interface's view" : "table view", (int)got_size, got,
                        (int)want_size, want);
        }
    }
    return differences;
}

int ks_differ(unsigned type, const void* a, const void* b, int numbers_only) {
    int differences = 0;
    for (const member* m = record_of(type, NULL, NULL); m != NULL && m->name != NULL; ++m) {
        char one[1024], other[1024];
        if (numbers_only && m->kind != 'n' && m->kind != 'x') continue;
        const size_t size = value(one, sizeof one, a, m);
        differences += size != value(other, sizeof other, b, m) || memcmp(one, other, size) != 0;
    }
    return differences;
}

int ks_load(const char* path, ks_case* c) {
    FILE* file = fopen(path, "rb");
    const long size = file != NULL && fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    ksmbios_table* table = NULL;
    const uint8_t* raw = NULL;
    size_t dir = strlen(path);
    memset(c, 0, sizeof *c);
    if (size >= 0 && fseek(file, 0, SEEK_SET) == 0 && (c->text = (char*)malloc((size_t)size + 1)))
        c->text[fread(c->text, 1, (size_t)size, file)] = 0;
    if (file != NULL) fclose(file);
    while (dir > 0 && path[dir - 1] != '/' && path[dir - 1] != '\\') --dir;
    for (const char* line = c->text; line != NULL && *line != 0; line = next_line(line)) {
        if (strncmp(line, "file=", 5) == 0)
            snprintf(c->table, sizeof c->table, "%.*s%.*s", (int)dir, path,
                     (int)strcspn(line + 5, "\n"), line + 5);
        if (strncmp(line, "bytes=", 6) != 0) continue;
        c->raw = (unsigned char*)malloc(strlen(line) / 3 + 1);
        unsigned byte;
        int n = 0;
        for (line += 6; c->raw && *line != '\n' && sscanf(line, "%2x%n", &byte, &n) == 1; line += n)
            c->raw[c->raw_size++] = (unsigned char)byte;
    }
    if (c->table[0] != 0 && ksmbios_open_file(c->table, &table) == KSMBIOS_OK &&
        ksmbios_get_raw(table, &raw, &c->raw_size) == KSMBIOS_OK &&
        (c->raw = (unsigned char*)malloc(c->raw_size)) != NULL)
        memcpy(c->raw, raw, c->raw_size);
    ksmbios_close(table);
    return c->raw != NULL;
}

void ks_free(ks_case* c) {
    free(c->text);
    free(c->raw);
}
