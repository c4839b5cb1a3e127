// Lists a machine's memory devices through kelvo_smbios.hpp, the C++ face of the C interface,
// which any C++ compiler can use with the DLL (MSVC included).
//   inventory-cpp [FILE]
#include <smbios/kelvo_smbios.hpp>

#include <cstdio>

int main(int argc, char** argv) {
    ksmbios::Table table;
    const ksmbios::Status status = argc > 1 ? table.OpenFile(argv[1]) : table.OpenMachine();
    if (!status) {
        std::fprintf(stderr, "inventory-cpp: %.*s\n", static_cast<int>(status.Text().size()),
                     status.Text().data());
        return 1;
    }
    const ksmbios::Error error = table.GetError();
    std::printf("SMBiosInfo: %s, version %d.%d\n", error.failed ? error.message.data() : "accepted",
                table.AcceptedVersion() >> 8, table.AcceptedVersion() & 0xFF);

    const ksmbios_table_info info = table.Info();
    std::printf("table: SMBIOS %u.%u, %zu structures\n", info.major_version, info.minor_version,
                info.structure_count);
    for (const ksmbios_memory_device& dimm : table.All<ksmbios_memory_device>()) {
        std::printf("  %-16s %-16s %5u  %s %s\n", dimm.V2_1.DeviceLocator, dimm.V2_1.BankLocator,
                    static_cast<unsigned>(dimm.V2_1.Size), dimm.V2_3.Manufacturer,
                    dimm.V2_3.PartNumber);
    }
    // Any structure, of any type: its header, formatted bytes and strings.
    for (const ksmbios::Structure s : table.StructuresOfType(11)) {
        for (std::uint8_t n = 1; n <= s.StringCount(); ++n) {
            const std::string_view text = s.String(n);
            std::printf("  OEM string %u: %.*s\n", n, static_cast<int>(text.size()), text.data());
        }
    }
    return 0;
}
