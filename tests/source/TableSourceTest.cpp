#include "source/TableSource.h"

#include <gtest/gtest.h>

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

// A 2.1 entry point whose table lies at the physical address F0000h, outside any file.
Bytes EntryPoint21(std::uint8_t major, std::uint8_t minor, std::uint8_t revision,
                   std::uint16_t length) {
    Bytes entry = {'_',
                   'S',
                   'M',
                   '_',
                   0,
                   0x1F,
                   major,
                   minor,
                   0,
                   0,
                   revision,
                   0,
                   0,
                   0,
                   0,
                   0,
                   '_',
                   'D',
                   'M',
                   'I',
                   '_',
                   0,
                   static_cast<std::uint8_t>(length),
                   static_cast<std::uint8_t>(length >> 8),
                   0,
                   0,
                   0x0F,
                   0,
                   0,
                   0,
                   0};
    Checksum(entry, 0x15, 0x10, 0x0F);
    Checksum(entry, 4, 0, 0x1F);
    return entry;
}

Bytes EntryPoint3(std::uint8_t major, std::uint8_t minor, std::uint8_t revision,
                  std::uint8_t length) {
    Bytes entry = {'_',    'S', 'M', '3', '_', 0, 0x18, major, minor, revision, 0, 0,
                   length, 0,   0,   0,   0,   0, 0,    0,     0,     0,        0, 0};
    Checksum(entry, 5, 0, 0x18);
    return entry;
}

Bytes Join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Each row writes its files into a scratch folder and reads the folder itself ("") or one of
// the files: the raw layout that comes out, or the start of the error text. The 2.1 entry
// point's revision byte stands in for the document revision that only the 3.0 one has.
TEST(TableSourceTest, ReadsEntryPointsAndTheirTablesIntoTheRawLayout) {
    const Bytes table = {200, 4, 0xFF, 0xFF, 0x00, 0x00};
    const Bytes end = {127, 4, 0xFF, 0xFF, 0, 0};
    Bytes system(0x1B + 2, 0), chassis(0x16 + 2, 0);
    system[0] = 1, system[1] = 0x1B, chassis[0] = 3, chassis[1] = 0x16;
    const struct {
        std::vector<std::pair<const char*, Bytes>> files;
        const char* read;
        Bytes raw;
        const char* error;
    } cases[] = {
        {{{"smbios_entry_point", EntryPoint21(2, 7, 0x21, 6)}, {"DMI", table}},
         "",
         Join({0, 2, 7, 0x21, 6, 0, 0, 0}, table),
         ""},
        {{{"smbios_entry_point", EntryPoint3(3, 4, 1, 6)}, {"DMI", table}},
         "",
         Join({0, 3, 4, 1, 6, 0, 0, 0}, table),
         ""},
        {{{"smbios_entry_point", EntryPoint3(3, 0, 0, 0)}, {"DMI", {}}},
         "",
         {0, 3, 0, 0, 0, 0, 0, 0},
         ""},
        // The table right after the entry point, whose checksum covers the 0Fh bytes from 10h.
        {{{"dump", Join(EntryPoint21(2, 7, 0, 6), table)}},
         "dump",
         Join({0, 2, 7, 0, 6, 0, 0, 0}, table),
         ""},
        {{{"dump", EntryPoint21(2, 7, 0, 0)}}, "dump", {0, 2, 7, 0, 0, 0, 0, 0}, ""},
        // A bare table's version is the lowest whose layouts hold every structure: a system
        // structure with its 2.4 fields, or an enclosure with its SKU number, asks for more.
        {{{"bare", Join(system, end)}},
         "bare",
         Join({0, 2, 4, 0, 35, 0, 0, 0}, Join(system, end)),
         ""},
        {{{"bare", Join(chassis, end)}},
         "bare",
         Join({0, 2, 7, 0, 30, 0, 0, 0}, Join(chassis, end)),
         ""},
        {{}, "", {}, "smbios_entry_point: cannot open: "},
        {{{"smbios_entry_point", EntryPoint21(2, 8, 0, 6)}}, "", {}, "DMI: cannot open: "},
        {{{"smbios_entry_point", {'_', 'S', 'M', '_', 0}}, {"DMI", table}},
         "",
         {},
         "smbios_entry_point: truncated _SM_ entry point"},
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
        const bool read = ReadTableFile((dir / c.read).string(), raw, fault, error);
        EXPECT_EQ(read, *c.error == '\0') << error;
        EXPECT_EQ(raw, c.raw);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    fs::remove_all(dir);
}

}  // namespace
