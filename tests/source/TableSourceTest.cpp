#include "source/TableSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvo::shared::smbios::source::ReadTableFile;
using kelvo::shared::smbios::source::SourceFault;
using Bytes = std::vector<std::uint8_t>;

void Checksum(Bytes& entry, std::size_t at, std::size_t from, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum = static_cast<std::uint8_t>(sum + entry[i]);
    entry[at] = static_cast<std::uint8_t>(entry[at] - sum);
}

// An SMBIOS 3 entry point, or for a 2.x version a 2.1 one that puts the table at the physical
// address F0000h, outside any file.
Bytes EntryPoint(std::uint8_t major, std::uint8_t minor, std::uint8_t revision,
                 std::uint8_t length) {
    const bool v3 = major >= 3;
    Bytes e(v3 ? 0x18 : 0x1F, 0);
    std::copy_n(v3 ? "_SM3_" : "_SM_", v3 ? 5 : 4, e.begin());
    const std::size_t at = v3 ? 6 : 5;  // the entry point's length, then the version
    e[at] = static_cast<std::uint8_t>(e.size()), e[at + 1] = major, e[at + 2] = minor;
    if (v3) {
        e[9] = revision, e[0x0C] = length;
    } else {
        e[0x0A] = revision, e[0x16] = length, e[0x1A] = 0x0F;
        std::copy_n("_DMI_", 5, e.begin() + 0x10);
        Checksum(e, 0x15, 0x10, 0x0F);
    }
    Checksum(e, v3 ? 5 : 4, 0, e.size());
    return e;
}

Bytes Join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The raw layout of `table`: its header, then its bytes.
Bytes Raw(std::uint8_t major, std::uint8_t minor, std::uint8_t revision, const Bytes& table) {
    return Join({0, major, minor, revision, static_cast<std::uint8_t>(table.size()), 0, 0, 0},
                table);
}

// Each row writes its files into a scratch folder and reads the folder itself ("") or one of
// the files: the raw layout that comes out, or a part of the error text. The 2.1 entry point's
// revision byte stands in for the document revision that only the 3.0 one has.
TEST(TableSourceTest, ReadsEntryPointsAndTheirTablesIntoTheRawLayout) {
    const char* entry = "smbios_entry_point";
    const Bytes table = {200, 4, 0xFF, 0xFF, 0x00, 0x00}, end = {127, 4, 0xFF, 0xFF, 0, 0};
    // A bare table's version is the lowest whose layouts hold every structure: a system
    // structure with its 2.4 fields, or an enclosure with its SKU number, asks for more.
    Bytes system(0x1B + 2, 0), chassis(0x16 + 2, 0);
    system[0] = 1, system[1] = 0x1B, chassis[0] = 3, chassis[1] = 0x16;
    system = Join(system, end), chassis = Join(chassis, end);
    const struct {
        std::vector<std::pair<const char*, Bytes>> files;
        const char* read;
        Bytes raw;
        const char* error = "";
    } cases[] = {
        {{{entry, EntryPoint(2, 7, 0x21, 6)}, {"DMI", table}}, "", Raw(2, 7, 0x21, table)},
        {{{entry, EntryPoint(3, 4, 1, 6)}, {"DMI", table}}, "", Raw(3, 4, 1, table)},
        {{{entry, EntryPoint(3, 0, 0, 0)}, {"DMI", {}}}, "", Raw(3, 0, 0, {})},
        // The table right after the entry point, whose checksum covers the 0Fh bytes from 10h.
        {{{"dump", Join(EntryPoint(2, 7, 0, 6), table)}}, "dump", Raw(2, 7, 0, table)},
        {{{"dump", EntryPoint(2, 7, 0, 0)}}, "dump", Raw(2, 7, 0, {})},
        {{{"bare", system}}, "bare", Raw(2, 4, 0, system)},
        {{{"bare", chassis}}, "bare", Raw(2, 7, 0, chassis)},
        {{}, "", {}, "smbios_entry_point: cannot open: "},
        {{{entry, EntryPoint(2, 8, 0, 6)}}, "", {}, "DMI: cannot open: "},
        {{{entry, {'_', 'S', 'M', '_', 0}}, {"DMI", table}}, "", {}, "truncated _SM_ entry point"},
    };
    const fs::path dir = fs::temp_directory_path() / "kelvo-table-source-test";
    for (const auto& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, bytes] : c.files) {
            std::ofstream(dir / name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        }
        Bytes raw;
        SourceFault fault = SourceFault::None;
        std::string error;
        EXPECT_EQ(ReadTableFile((dir / c.read).string(), raw, fault, error), *c.error == '\0');
        EXPECT_EQ(raw, c.raw);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    fs::remove_all(dir);
}

// A file larger than any table (64 MiB) is refused with the system's word for it, not read whole.
TEST(TableSourceTest, RefusesAFileLargerThanAnyTable) {
    const fs::path big = fs::temp_directory_path() / "kelvo-table-source-big.bin";
    std::ofstream(big, std::ios::binary).put('\0');
    fs::resize_file(big, (std::uintmax_t{64} << 20) + 1);
    Bytes raw;
    SourceFault fault = SourceFault::None;
    std::string error;
    EXPECT_FALSE(ReadTableFile(big.string(), raw, fault, error));
    EXPECT_EQ(fault, SourceFault::Unreadable);
    EXPECT_NE(error.find("cannot open: File too large"), std::string::npos) << error;
    fs::remove(big);
}

}  // namespace
