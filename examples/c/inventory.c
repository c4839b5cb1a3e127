/* Lists a machine's memory devices through the C interface of kelvo-shared-smbios.
 *   inventory            the running machine's table
 *   inventory FILE       a table file (raw RSMB, dmidecode --dump-bin, or a sysfs-like folder) */
#include <smbios/kelvo_smbios.h>

#include <stdio.h>

int main(int argc, char** argv) {
    ksmbios_table* table = NULL;
    ksmbios_status status =
        argc > 1 ? ksmbios_open_file(argv[1], &table) : ksmbios_open_machine(&table);
    if (status != KSMBIOS_OK) {
        fprintf(stderr, "inventory: %s\n", ksmbios_status_text(status));
        return 1;
    }

    /* What the C++ interface (SMBiosInfo) makes of the table. */
    ksmbios_error error = {.struct_size = sizeof error};
    int32_t version = 0;
    ksmbios_get_error(table, &error);
    ksmbios_get_accepted_version(table, &version);
    printf("SMBiosInfo: %s, version %d.%d\n", error.failed ? error.message : "accepted",
           (int)(version >> 8), (int)(version & 0xFF));

    /* The table as it is: every structure, every memory device among them. */
    ksmbios_table_info info = {.struct_size = sizeof info};
    status = ksmbios_get_table_info(table, &info);
    if (status != KSMBIOS_OK) {
        printf("table: %s\n", ksmbios_status_text(status));
        ksmbios_close(table);
        return 1;
    }
    printf("table: SMBIOS %u.%u, %lu structures\n", info.major_version, info.minor_version,
           (unsigned long)info.structure_count);
    for (size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure s = {.struct_size = sizeof s};
        if (ksmbios_get_structure(table, i, &s) != KSMBIOS_OK || s.type != 17) continue;
        const ksmbios_memory_device* dimm = (const ksmbios_memory_device*)s.record;
        const unsigned size = dimm->V2_1.Size;
        /* 7FFFh: the size is in ExtendedSize (MiB); bit 15: the unit is KiB, not MiB. */
        const unsigned long mib = size == 0x7FFF  ? (unsigned long)dimm->V2_7.ExtendedSize
                                  : size & 0x8000 ? (size & 0x7FFFu) / 1024
                                                  : size;
        printf("  %-16s %-16s %6lu MiB  %s %s\n", dimm->V2_1.DeviceLocator, dimm->V2_1.BankLocator,
               mib, dimm->V2_3.Manufacturer, dimm->V2_3.PartNumber);
    }
    ksmbios_close(table);
    return 0;
}
