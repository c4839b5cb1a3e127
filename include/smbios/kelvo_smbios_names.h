/*
 * kelvo-shared-smbios, C interface: the names that the DMTF SMBIOS standard gives to the values
 * of enumerated fields and to the bits of flag fields, for every host to show the same names.
 *
 * ksmbios_name(list, value) answers the name of `value` in `list`, or null when the standard
 * defines no such value (a host shows it as out of spec, with its number). For the lists of
 * bits (their names end in _BITS) `value` is the bit's number, 0 for the lowest bit. A range of
 * values that the standard leaves to vendors has one name for all ("OEM-specific").
 */
#ifndef KELVO_SMBIOS_NAMES_H
#define KELVO_SMBIOS_NAMES_H

#include <smbios/kelvo_smbios.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ksmbios_name_list;

/* Structure titles, by structure type (the decoded types). */
#define KSMBIOS_NAMES_STRUCTURE_TITLE 1
/* Type 0: BIOS Characteristics (bits 3 to 31), and its two extension bytes. */
#define KSMBIOS_NAMES_BIOS_CHARACTERISTICS_BITS 2
#define KSMBIOS_NAMES_BIOS_EXTENSION1_BITS 3
#define KSMBIOS_NAMES_BIOS_EXTENSION2_BITS 4
/* Type 1. */
#define KSMBIOS_NAMES_WAKE_UP_TYPE 5
/* Type 2. */
#define KSMBIOS_NAMES_BOARD_FEATURE_BITS 6
#define KSMBIOS_NAMES_BOARD_TYPE 7
/* Type 3: the chassis type is bits 6:0 of its byte. */
#define KSMBIOS_NAMES_CHASSIS_TYPE 8
#define KSMBIOS_NAMES_CHASSIS_STATE 9
#define KSMBIOS_NAMES_CHASSIS_SECURITY_STATUS 10
/* Type 4. The family list takes the byte at 06h, or the word at 28h when the byte is FEh. The
 * status is bits 2:0 of the Status byte. The ID flags are the bits of the ID's second dword. */
#define KSMBIOS_NAMES_PROCESSOR_TYPE 11
#define KSMBIOS_NAMES_PROCESSOR_FAMILY 12
#define KSMBIOS_NAMES_PROCESSOR_STATUS 13
#define KSMBIOS_NAMES_PROCESSOR_UPGRADE 14
#define KSMBIOS_NAMES_PROCESSOR_CHARACTERISTIC_BITS 15
#define KSMBIOS_NAMES_PROCESSOR_ID_FLAG_BITS 16
/* Type 9. */
#define KSMBIOS_NAMES_SLOT_TYPE 17
#define KSMBIOS_NAMES_SLOT_WIDTH 18
#define KSMBIOS_NAMES_SLOT_USAGE 19
#define KSMBIOS_NAMES_SLOT_LENGTH 20
#define KSMBIOS_NAMES_SLOT_CHARACTERISTICS1_BITS 21
#define KSMBIOS_NAMES_SLOT_CHARACTERISTICS2_BITS 22
/* Type 16. */
#define KSMBIOS_NAMES_MEMORY_ARRAY_LOCATION 23
#define KSMBIOS_NAMES_MEMORY_ARRAY_USE 24
#define KSMBIOS_NAMES_MEMORY_ERROR_CORRECTION 25
/* Type 17. */
#define KSMBIOS_NAMES_MEMORY_FORM_FACTOR 26
#define KSMBIOS_NAMES_MEMORY_TYPE 27
#define KSMBIOS_NAMES_MEMORY_TYPE_DETAIL_BITS 28
/* Every structure type's short name ("Memory Device"), for references to other structures. */
#define KSMBIOS_NAMES_STRUCTURE_TYPE 29
/* Types 18 and 33. */
#define KSMBIOS_NAMES_MEMORY_ERROR_TYPE 30
#define KSMBIOS_NAMES_MEMORY_ERROR_GRANULARITY 31
#define KSMBIOS_NAMES_MEMORY_ERROR_OPERATION 32
/* Type 21. */
#define KSMBIOS_NAMES_POINTING_DEVICE_TYPE 33
#define KSMBIOS_NAMES_POINTING_DEVICE_INTERFACE 34
/* Type 22. */
#define KSMBIOS_NAMES_BATTERY_CHEMISTRY 35
/* Type 23: bits 2:1 and 4:3 of the Capabilities byte. */
#define KSMBIOS_NAMES_SYSTEM_RESET_BOOT_OPTION 36
/* Type 24: each two-bit status of the Hardware Security Settings byte. */
#define KSMBIOS_NAMES_HARDWARE_SECURITY_STATUS 37
/* Types 26 and 29 (bits 4:0 of Location and Status), type 28, and the status (bits 7:5) that
 * types 26 to 29 share. */
#define KSMBIOS_NAMES_PROBE_LOCATION 38
#define KSMBIOS_NAMES_TEMPERATURE_PROBE_LOCATION 39
#define KSMBIOS_NAMES_PROBE_STATUS 40
/* Type 27: bits 4:0 of Device Type and Status. */
#define KSMBIOS_NAMES_COOLING_DEVICE_TYPE 41
/* Type 32: the first byte of Boot Status, 0 to 127 (128 to 191 are OEM-specific, 192 to 255
 * product-specific). */
#define KSMBIOS_NAMES_SYSTEM_BOOT_STATUS 42
/* Type 34. */
#define KSMBIOS_NAMES_MANAGEMENT_DEVICE_TYPE 43
#define KSMBIOS_NAMES_MANAGEMENT_DEVICE_ADDRESS_TYPE 44
/* Type 38: the register spacing is bits 7:6 of the byte at 10h. */
#define KSMBIOS_NAMES_IPMI_INTERFACE_TYPE 45
#define KSMBIOS_NAMES_IPMI_REGISTER_SPACING 46
/* Type 39: bits 9:7, 13:10 and 6:3 of the Power Supply Characteristics. */
#define KSMBIOS_NAMES_POWER_SUPPLY_STATUS 47
#define KSMBIOS_NAMES_POWER_SUPPLY_TYPE 48
#define KSMBIOS_NAMES_POWER_SUPPLY_RANGE_SWITCHING 49
/* Types 10 and 41: bits 6:0 of a device's type byte. */
#define KSMBIOS_NAMES_ONBOARD_DEVICE_TYPE 50
/* Type 37. */
#define KSMBIOS_NAMES_MEMORY_CHANNEL_TYPE 51
/* Type 43: bits 2 to 5 of the Characteristics. */
#define KSMBIOS_NAMES_TPM_CHARACTERISTIC_BITS 52
/* Type 44: the Processor Type of the processor-specific block. */
#define KSMBIOS_NAMES_PROCESSOR_ARCHITECTURE 53
/* Type 45. */
#define KSMBIOS_NAMES_FIRMWARE_VERSION_FORMAT 54
#define KSMBIOS_NAMES_FIRMWARE_ID_FORMAT 55
#define KSMBIOS_NAMES_FIRMWARE_CHARACTERISTIC_BITS 56
#define KSMBIOS_NAMES_FIRMWARE_STATE 57
/* Type 46: the IDs that the standard defines (8000h to BFFFh the BIOS vendor's, C000h to
 * FFFFh the OEM's). */
#define KSMBIOS_NAMES_STRING_PROPERTY_ID 58
/* Type 42: the interface types, a network interface's device types and the protocols. */
#define KSMBIOS_NAMES_HOST_INTERFACE_TYPE 59
#define KSMBIOS_NAMES_HOST_INTERFACE_DEVICE_TYPE 60
#define KSMBIOS_NAMES_HOST_INTERFACE_PROTOCOL 61
/* Type 5; the ECC capabilities and memory types also name type 6's and the enabled ECC. */
#define KSMBIOS_NAMES_MEMORY_ERROR_DETECTION 62
#define KSMBIOS_NAMES_MEMORY_ECC_CAPABILITY_BITS 63
#define KSMBIOS_NAMES_MEMORY_INTERLEAVE 64
#define KSMBIOS_NAMES_MEMORY_SPEED_BITS 65
#define KSMBIOS_NAMES_MEMORY_MODULE_TYPE_BITS 66
/* Type 6: bits 2:0 of the Error Status byte. */
#define KSMBIOS_NAMES_MEMORY_MODULE_ERROR_STATUS 67
/* Type 7: the location is bits 6:5 of the Cache Configuration word, the mode bits 9:8. */
#define KSMBIOS_NAMES_CACHE_LOCATION 68
#define KSMBIOS_NAMES_CACHE_OPERATIONAL_MODE 69
#define KSMBIOS_NAMES_CACHE_SRAM_TYPE_BITS 70
#define KSMBIOS_NAMES_CACHE_ERROR_CORRECTION 71
#define KSMBIOS_NAMES_CACHE_SYSTEM_TYPE 72
#define KSMBIOS_NAMES_CACHE_ASSOCIATIVITY 73
/* Type 8. */
#define KSMBIOS_NAMES_PORT_CONNECTOR_TYPE 74
#define KSMBIOS_NAMES_PORT_TYPE 75
/* Type 13: bit 0 of the Flags byte. */
#define KSMBIOS_NAMES_LANGUAGE_FORMAT 76
/* Type 15: the status is bits 1:0 of the Log Status byte. */
#define KSMBIOS_NAMES_EVENT_LOG_ACCESS_METHOD 77
#define KSMBIOS_NAMES_EVENT_LOG_STATUS 78
#define KSMBIOS_NAMES_EVENT_LOG_HEADER_FORMAT 79
#define KSMBIOS_NAMES_EVENT_LOG_TYPE 80
#define KSMBIOS_NAMES_EVENT_LOG_DATA_FORMAT 81
/* Type 17 from 3.2: the memory technology and the operating mode capability's bits. */
#define KSMBIOS_NAMES_MEMORY_TECHNOLOGY 82
#define KSMBIOS_NAMES_MEMORY_OPERATING_MODE_BITS 83
/* Type 9 from 3.4: the slot's physical width (its values are the data bus width's, worded as
 * the lanes alone) and, from 3.5, its height. */
#define KSMBIOS_NAMES_SLOT_PHYSICAL_WIDTH 84
#define KSMBIOS_NAMES_SLOT_HEIGHT 85

/* The name of `value` in `list`, or null. Never fails otherwise; an unknown list gives null. */
KSMBIOS_API const char* KSMBIOS_CALL ksmbios_name(ksmbios_name_list list, uint32_t value);

#ifdef __cplusplus
}
#endif

#endif /* KELVO_SMBIOS_NAMES_H */
