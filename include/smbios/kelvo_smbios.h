/*
 * kelvo-shared-smbios, C interface.
 *
 * Plain C (C99 and C++), undecorated exports, no C++ type and no exception crossing it, so that
 * any compiler's programs (MSVC, clang-cl, mingw, GCC) and any language with a C foreign
 * function interface can use the library.
 *
 * A handle (ksmbios_table) holds one table and answers two views of it:
 *  - the C++ interface's view: the outcome of constructing SMBiosInfo on the table (its Error),
 *    the accepted version and the nine records exactly as SMBiosInfo's getters return them;
 *  - the table as it is: every structure in table order with its header, formatted bytes and
 *    strings, and for the nine decoded types every structure decoded, each field read only when
 *    it lies wholly inside the structure's Length (0 otherwise), whatever the table's version.
 *
 * Every pointer that a call hands out stays valid until ksmbios_close of its handle. Every call
 * returns a ksmbios_status; ksmbios_status_text describes each. Structures that the caller
 * passes start with their own size (set it to sizeof the structure): later versions of the
 * library may grow them, and a size below the first version's is refused with
 * KSMBIOS_STRUCT_TOO_SMALL. Handles are not locked: use one from one thread at a time.
 */
#ifndef KELVO_SMBIOS_H
#define KELVO_SMBIOS_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(KELVO_SMBIOS_EXPORTS)
#define KSMBIOS_API __declspec(dllexport)
#else
#define KSMBIOS_API __declspec(dllimport)
#endif
#define KSMBIOS_CALL __cdecl
#else
#define KSMBIOS_API __attribute__((visibility("default")))
#define KSMBIOS_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Outcome of a call ---------------------------------------------------------------------- */

typedef int32_t ksmbios_status;
#define KSMBIOS_OK 0
#define KSMBIOS_INVALID_ARGUMENT 1   /* a null handle or pointer, or a value out of its range */
#define KSMBIOS_STRUCT_TOO_SMALL 2   /* a caller structure's struct_size is too small */
#define KSMBIOS_FILE_UNREADABLE 3    /* the file or folder cannot be opened or read */
#define KSMBIOS_NOT_A_TABLE 4        /* no readable SMBIOS table (header, or major below 2) */
#define KSMBIOS_OUT_OF_MEMORY 5      /* an allocation failed; nothing was made */
#define KSMBIOS_OUT_OF_RANGE 6       /* no structure or string with that index or number */
#define KSMBIOS_LOGGER_ALREADY_SET 7 /* the library's logger was already set up */
#define KSMBIOS_INTERNAL_ERROR 8     /* an unexpected failure inside the library */

/* A fixed English text for `status` (never null). */
KSMBIOS_API const char* KSMBIOS_CALL ksmbios_status_text(ksmbios_status status);

/* ---- Handle --------------------------------------------------------------------------------- */

typedef struct ksmbios_table ksmbios_table;

/* The running machine's table, read as SMBiosInfo's default reader reads it. A machine without a
 * readable table still gives a handle: its C++ view holds the failure, and the table view
 * answers KSMBIOS_NOT_A_TABLE. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_open_machine(ksmbios_table** out);

/* `size` bytes in the raw layout of GetSystemFirmwareTable('RSMB'): calling method, major,
 * minor, DMI revision, 32-bit little-endian Length, then the structure table. The bytes are
 * copied; `data` may be null when `size` is 0. Any bytes give a handle (the views tell). */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_open_bytes(const uint8_t* data, size_t size,
                                                           ksmbios_table** out);

/* A table file: a raw RSMB file, a dmidecode --dump-bin file or memory image, a folder holding
 * smbios_entry_point and DMI (as /sys/firmware/dmi/tables) or a bare structure table. An entry
 * point's table is taken only from a place where its structures agree with the entry point; a
 * table that stops early is read up to its last whole structure (ksmbios_get_source in
 * kelvo_smbios_source.h tells). `path` is UTF-8. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_open_file(const char* path, ksmbios_table** out);

/* Releases the handle and everything it handed out. A null handle is ignored. */
KSMBIOS_API void KSMBIOS_CALL ksmbios_close(ksmbios_table* table);

/* ---- Records (the same layout as the C++ records of <smbios/SMBiosInfo.h>) ------------------
 * Texts are NUL-terminated 8-bit strings, never null in a record that the library hands out.
 * A string number of 0 means that the structure names no string. */

typedef struct ksmbios_bios {
    uint8_t VendorStringNumber;
    const char* Vendor;
    uint8_t BIOSVersionStringNumber;
    const char* BIOSVersion;
    uint16_t BIOSStartingSegment;
    uint8_t BIOSReleaseDateStringNumber;
    const char* BIOSReleaseDate; /* "YYYY-MM-DDTHH:MM:SS+00:00", or empty */
    uint8_t BIOSROMSize;
    uint8_t BIOSCharacteristics[8];
    uint8_t ExtensionByte1;
    uint8_t ExtensionByte2;
    uint8_t SystemBIOSMajorRelease;
    uint8_t SystemBIOSMinorRelease;
    uint8_t EmbeddedFirmwareMajorRelease;
    uint8_t EmbeddedFirmwareMinorRelease;
} ksmbios_bios;

typedef struct ksmbios_system_2_1 {
    uint8_t UUID[16];
    uint8_t WakeUpType;
    const char* UUIDString;
} ksmbios_system_2_1;

typedef struct ksmbios_system_2_4 {
    uint8_t SKUNumberStringNumber;
    const char* SKUNumber;
    uint8_t FamilyStringNumber;
    const char* Family;
} ksmbios_system_2_4;

typedef struct ksmbios_system {
    uint8_t ManufacturerStringNumber;
    const char* Manufacturer;
    uint8_t ProductNameStringNumber;
    const char* ProductName;
    uint8_t VersionStringNumber;
    const char* Version;
    uint8_t SerialNumberStringNumber;
    const char* SerialNumber;
    ksmbios_system_2_1 V2_1;
    ksmbios_system_2_4 V2_4;
} ksmbios_system;

typedef struct ksmbios_baseboard {
    uint8_t ManufacturerStringNumber;
    const char* Manufacturer;
    uint8_t ProductStringNumber;
    const char* Product;
    uint8_t VersionStringNumber;
    const char* Version;
    uint8_t SerialNumberStringNumber;
    const char* SerialNumber;
    uint8_t AssetTagStringNumber;
    const char* AssetTag;
    uint8_t FeatureFlags;
    uint8_t LocationInChassisStringNumber;
    const char* LocationInChassis;
    uint16_t ChassisHandle;
    uint8_t BoardType;
    uint8_t NumberOfContainedObjectHandles;
    /* The table's bytes at offset 0Fh: 16-bit little-endian handles, unaligned, so read them
     * byte by byte. In the C++ interface's view the count is the table's and may exceed the
     * bytes present, and the pointer is null only when the offset lies past the table's end; in
     * the table view it is null unless every handle the count announces lies inside the
     * structure's Length. */
    const uint8_t* ContainedObjectHandles;
} ksmbios_baseboard;

typedef struct ksmbios_enclosure_2_1 {
    uint8_t BootUpState;
    uint8_t PowerSupplyState;
    uint8_t ThermalState;
    uint8_t SecurityStatus;
} ksmbios_enclosure_2_1;

typedef struct ksmbios_enclosure_2_3 {
    uint32_t OEMDefined;
    uint8_t Height;
    uint8_t NumberOfPowerCords;
    uint8_t ContainedElementCount;
    uint8_t ContainedElementRecordLength;
    /* Count * RecordLength bytes from offset 15h: filled in the table view when they lie inside
     * the structure's Length, always null in the C++ interface's view. */
    const uint8_t* ContainedElements;
} ksmbios_enclosure_2_3;

typedef struct ksmbios_enclosure_2_7 {
    uint8_t SKUNumberStringNumber;
    const char* SKUNumber;
} ksmbios_enclosure_2_7;

typedef struct ksmbios_enclosure {
    uint8_t ManufacturerStringNumber;
    const char* Manufacturer;
    uint8_t ChassisType; /* bit 7: lock present; bits 6:0: chassis type */
    uint8_t VersionStringNumber;
    const char* Version;
    uint8_t SerialNumberStringNumber;
    const char* SerialNumber;
    uint8_t AssetTagStringNumber;
    const char* AssetTag;
    const char* ChassisTypeName; /* never filled: empty */
    ksmbios_enclosure_2_1 V2_1;
    ksmbios_enclosure_2_3 V2_3;
    ksmbios_enclosure_2_7 V2_7;
} ksmbios_enclosure;

typedef struct ksmbios_processor_2_1 {
    uint16_t L1CacheHandle;
    uint16_t L2CacheHandle;
    uint16_t L3CacheHandle;
} ksmbios_processor_2_1;

typedef struct ksmbios_processor_2_3 {
    uint8_t SerialNumberStringNumber;
    const char* SerialNumber;
    uint8_t AssetTagStringNumber;
    const char* AssetTag;
    uint8_t PartNumberStringNumber;
    const char* PartNumber;
} ksmbios_processor_2_3;

typedef struct ksmbios_processor_2_5 {
    uint8_t CoreCount;
    uint8_t CoreEnabled;
    uint8_t ThreadCount;
    uint16_t ProcessorCharacteristics;
} ksmbios_processor_2_5;

typedef struct ksmbios_processor_2_6 {
    uint16_t ProcessorFamily2;
} ksmbios_processor_2_6;

typedef struct ksmbios_processor_3_0 {
    uint16_t CoreCount2;
    uint16_t CoreEnabled2;
    uint16_t ThreadCount2;
} ksmbios_processor_3_0;

typedef struct ksmbios_processor {
    uint8_t SocketDesignationStringNumber;
    const char* SocketDesignation;
    uint8_t ProcessorType;
    uint8_t ProcessorFamily;
    uint8_t ProcessorManufacturerStringNumber;
    const char* ProcessorManufacturer;
    uint8_t ProcessorID[8];
    uint8_t ProcessorVersionStringNumber;
    const char* ProcessorVersion;
    uint8_t Voltage;
    uint16_t ExternalClock;
    uint16_t MaxSpeed;
    uint16_t CurrentSpeed;
    uint8_t Status;
    uint8_t ProcessorUpgrade;
    ksmbios_processor_2_1 V2_1;
    ksmbios_processor_2_3 V2_3;
    ksmbios_processor_2_5 V2_5;
    ksmbios_processor_2_6 V2_6;
    ksmbios_processor_3_0 V3_0;
} ksmbios_processor;

typedef struct ksmbios_slot_2_1 {
    uint8_t SlotCharacteristics2;
} ksmbios_slot_2_1;

typedef struct ksmbios_slot_2_6 {
    uint16_t SegmentGroupNumber;
    uint8_t BusNumber;
    uint8_t DeviceFunctionNumber;
} ksmbios_slot_2_6;

typedef struct ksmbios_slot {
    uint8_t SlotDesignationStringNumber;
    const char* SlotDesignation;
    uint8_t SlotType;
    uint8_t SlotDataBusWidth;
    uint8_t CurrentUsage;
    uint8_t SlotLength;
    uint16_t SlotID;
    uint8_t SlotCharacteristics1;
    ksmbios_slot_2_1 V2_1;
    ksmbios_slot_2_6 V2_6;
} ksmbios_slot;

typedef struct ksmbios_oem_strings {
    uint8_t Count;       /* the structure's Count byte */
    const char* Strings; /* the strings back to back, each with its NUL; may be null */
    int32_t StringsSize; /* bytes in Strings */
} ksmbios_oem_strings;

typedef struct ksmbios_memory_array_2_1 {
    uint8_t Location;
    uint8_t Use;
    uint8_t MemoryErrorCorrection;
    uint32_t MaximumCapacity;
    uint16_t MemoryErrorInformationHandle;
    uint16_t NumberOfMemoryDevices;
} ksmbios_memory_array_2_1;

typedef struct ksmbios_memory_array_2_7 {
    uint64_t ExtendedMaximumCapacity;
} ksmbios_memory_array_2_7;

typedef struct ksmbios_memory_array {
    ksmbios_memory_array_2_1 V2_1;
    ksmbios_memory_array_2_7 V2_7;
} ksmbios_memory_array;

typedef struct ksmbios_memory_device_2_1 {
    uint16_t PhysicalMemoryArrayHandle;
    uint16_t MemoryErrorInformationHandle;
    uint16_t TotalWidth;
    uint16_t DataWidth;
    uint16_t Size;
    uint8_t FormFactor;
    uint8_t DeviceSet;
    uint8_t DeviceLocatorStringNumber;
    const char* DeviceLocator;
    uint8_t BankLocatorStringNumber;
    const char* BankLocator;
    uint8_t MemoryType;
    uint16_t TypeDetail;
} ksmbios_memory_device_2_1;

typedef struct ksmbios_memory_device_2_3 {
    uint16_t Speed;
    uint8_t ManufacturerStringNumber;
    const char* Manufacturer;
    uint8_t SerialNumberStringNumber;
    const char* SerialNumber;
    uint8_t AssetTagStringNumber;
    const char* AssetTag;
    uint8_t PartNumberStringNumber;
    const char* PartNumber;
} ksmbios_memory_device_2_3;

typedef struct ksmbios_memory_device_2_6 {
    uint8_t Attributes;
} ksmbios_memory_device_2_6;

typedef struct ksmbios_memory_device_2_7 {
    uint32_t ExtendedSize;
    uint16_t ConfiguredMemoryClockSpeed;
} ksmbios_memory_device_2_7;

typedef struct ksmbios_memory_device_2_8 {
    uint16_t MinimumVoltage;
    uint16_t MaximumVoltage;
    uint16_t ConfiguredVoltage;
} ksmbios_memory_device_2_8;

typedef struct ksmbios_memory_device {
    ksmbios_memory_device_2_1 V2_1;
    ksmbios_memory_device_2_3 V2_3;
    ksmbios_memory_device_2_6 V2_6;
    ksmbios_memory_device_2_7 V2_7;
    ksmbios_memory_device_2_8 V2_8;
} ksmbios_memory_device;

/* ---- The C++ interface's view --------------------------------------------------------------- */

/* SMBiosInfo's GetError(). */
typedef struct ksmbios_error {
    uint32_t struct_size;
    int32_t failed;   /* 1 when construction failed, 0 when it succeeded */
    int32_t category; /* 0 none, 1 unknown exception, 2 standard exception, 5 thrown value */
    int64_t code;
    const char* message;   /* never null */
    const char* type_name; /* never null */
    const char* component; /* never null */
    const char* text;      /* the error's whole text form (Error::ToString), never null */
} ksmbios_error;

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_error(const ksmbios_table* table,
                                                          ksmbios_error* out);

/* SMBiosInfo's GetSMBiosVersion(): major * 256 + minor of the accepted version (3.x reads as
 * 0x0300), or 0 when no table was accepted and walked to its end. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_accepted_version(const ksmbios_table* table,
                                                                     int32_t* version);

/* The nine records as SMBiosInfo's getters return them: the last structure of each type, or a
 * default record (numbers 0, texts empty). */
typedef struct ksmbios_records {
    uint32_t struct_size;
    const ksmbios_bios* bios;
    const ksmbios_system* system;
    const ksmbios_baseboard* baseboard;
    const ksmbios_enclosure* enclosure;
    const ksmbios_processor* processor;
    const ksmbios_slot* slot;
    const ksmbios_memory_array* memory_array;
    const ksmbios_memory_device* memory_device;
    const ksmbios_oem_strings* oem_strings;
} ksmbios_records;

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_records(const ksmbios_table* table,
                                                            ksmbios_records* out);

/* ---- The table as it is --------------------------------------------------------------------- */

/* The table's header. The table is read when its 8-byte header is present and its major version is
 * 2 or more; otherwise the calls below answer KSMBIOS_NOT_A_TABLE. The version is the one that the
 * fields (kelvo_smbios_fields.h) are decoded by: the header's, but for versions that firmware is
 * known to write wrongly, read as dmidecode reads them (2.31 and 2.33 as 2.3, 2.51 as 2.6).
 * ksmbios_get_raw (kelvo_smbios_source.h) keeps the header as written. */
typedef struct ksmbios_table_info {
    uint32_t struct_size;
    uint8_t calling_method;
    uint8_t major_version;
    uint8_t minor_version;
    uint8_t dmi_revision;
    uint32_t length;        /* the header's Length */
    uint64_t walked_length; /* bytes of structures present: Length, or fewer when cut short */
    size_t structure_count; /* structures in table order, the end-of-table one included */
    /* Added later: the header's version as written (2.31 stays 2.31). A caller whose struct_size
     * ends before a member does not get it. */
    uint8_t written_major_version;
    uint8_t written_minor_version;
} ksmbios_table_info;

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_table_info(const ksmbios_table* table,
                                                               ksmbios_table_info* out);

/* One structure. `record` points at the decoded record for the types 0 (ksmbios_bios), 1
 * (ksmbios_system), 2 (ksmbios_baseboard), 3 (ksmbios_enclosure), 4 (ksmbios_processor), 9
 * (ksmbios_slot), 11 (ksmbios_oem_strings), 16 (ksmbios_memory_array) and 17
 * (ksmbios_memory_device); it is null for every other type. */
typedef struct ksmbios_structure {
    uint32_t struct_size;
    uint8_t type;
    uint8_t length; /* the header's Length */
    uint16_t handle;
    uint64_t offset;          /* of the header's first byte, from the structure table's start */
    const uint8_t* formatted; /* Length bytes from the header on (fewer when the table ends) */
    size_t formatted_size;
    size_t string_count;
    const void* record;
} ksmbios_structure;

KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_structure(const ksmbios_table* table,
                                                              size_t index, ksmbios_structure* out);

/* String `number` (1 and up) of structure `index`, NUL-terminated, with its length. A string
 * that the table's end cuts short is given up to that end. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_get_string(const ksmbios_table* table, size_t index,
                                                           uint8_t number, const char** text,
                                                           size_t* length);

/* ---- Logging -------------------------------------------------------------------------------- */

/* Severities, as plog numbers them. */
#define KSMBIOS_LOG_NONE 0
#define KSMBIOS_LOG_FATAL 1
#define KSMBIOS_LOG_ERROR 2
#define KSMBIOS_LOG_WARNING 3
#define KSMBIOS_LOG_INFO 4
#define KSMBIOS_LOG_DEBUG 5
#define KSMBIOS_LOG_VERBOSE 6

/* Receives one log record: its severity, the logging function's name, a line number, the
 * message as UTF-8, and the caller's `user` pointer. The texts live only during the call. */
typedef void(KSMBIOS_CALL* ksmbios_log_callback)(int32_t severity, const char* function,
                                                 uint32_t line, const char* message, void* user);

/* Sets up the library's logger so that records up to `max_severity` reach `callback`. The
 * library's logger is set up once per process, so this is a one-time call: later calls, and
 * calls after a C++ host has called kelvoSharedInitializeLogger, change nothing and answer
 * KSMBIOS_LOGGER_ALREADY_SET. Call it before any other call of the library. */
KSMBIOS_API ksmbios_status KSMBIOS_CALL ksmbios_set_log_callback(int32_t max_severity,
                                                                 ksmbios_log_callback callback,
                                                                 void* user);

#ifdef __cplusplus
}
#endif

#endif /* KELVO_SMBIOS_H */
