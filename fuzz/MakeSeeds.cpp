// Writes the fuzzers' seed corpus into the directory named first on the command line, from the
// project's table builder (every decoded type with two instances at every version the library
// tells apart, a desktop machine's table, one structure of each type from 5 to 46 as the
// standard lays it out, and the nine decoded types at their newest layouts) and from the captured
// tables in the folder named second, if any:
//   raw/    raw tables, the input of the smbios, capi and output targets;
//   files/  (when the tool is built, KELVO_SEEDS_WITH_TOOL) each table as every file format the
//           library reads, laid out as the files target expects, and each captured file as it is.
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/ManagementStructures.h"
#include "support/StandardStructures.h"
#include "support/StandardStructures18To33.h"
#include "support/StandardStructures5To15.h"
#include "support/Tables.h"
#if KELVO_SEEDS_WITH_TOOL
#include "TableFile.h"
#endif

namespace {

namespace fs = std::filesystem;
namespace tables = kelvo::test::tables;
using Bytes = std::vector<std::uint8_t>;

void Write(const fs::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

[[maybe_unused]] Bytes Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The files target's input: layout byte, bare version byte, then the file (see
// TableFileFuzzer.cpp).
[[maybe_unused]] Bytes OneFile(const Bytes& file, std::uint8_t bareVersion = 0) {
    Bytes input = {0, bareVersion};
    input.insert(input.end(), file.begin(), file.end());
    return input;
}

[[maybe_unused]] Bytes Folder(const Bytes& entryPoint, const Bytes& table) {
    Bytes input = {1, 0, static_cast<std::uint8_t>(entryPoint.size())};
    input.insert(input.end(), entryPoint.begin(), entryPoint.end());
    input.insert(input.end(), table.begin(), table.end());
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s DIRECTORY [CAPTURED_TABLES]\n", argv[0]);
        return 2;
    }
    const fs::path raw = fs::path(argv[1]) / "raw";
    const fs::path files = fs::path(argv[1]) / "files";
    fs::create_directories(raw);
#if KELVO_SEEDS_WITH_TOOL
    fs::create_directories(files);
#endif
    // A raw table, and for the files target that table in every format.
    const auto seed = [&](const std::string& name, const Bytes& table) {
        Write(raw / (name + ".bin"), table);
#if KELVO_SEEDS_WITH_TOOL
        namespace tool = kelvo::smbios_tool;
        const Bytes structures(table.begin() + tool::kRawHeaderSize, table.end());
        Write(files / (name + ".raw"), OneFile(table));
        Write(files / (name + ".bare"),
              OneFile(structures,
                      static_cast<std::uint8_t>(table[1] >= 3 ? 0x80 | table[2] : table[2])));
        Write(files / (name + ".inferred"), OneFile(structures));
        try {
            const Bytes entryPoint = tool::EntryPoint(table, 0x000F0000);
            Bytes after = entryPoint;
            after.insert(after.end(), structures.begin(), structures.end());
            Write(files / (name + ".dump"), OneFile(tool::DumpBin(table)));
            Write(files / (name + ".after"), OneFile(after));
            Write(files / (name + ".folder"), Folder(entryPoint, structures));
        } catch (const tool::FileError&) {
            // a 2.x table too large for the 2.1 entry point: raw and bare only
        }
#endif
    };

    const std::pair<int, int> versions[] = {{2, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5},
                                            {2, 6}, {2, 7}, {2, 8}, {3, 0}, {3, 7}};
    for (const auto& [major, minor] : versions) {
        seed("every-type-" + std::to_string(major) + "." + std::to_string(minor),
             tables::EveryType(static_cast<std::uint8_t>(major), static_cast<std::uint8_t>(minor),
                               2));
    }
    seed("desktop", tables::Desktop());
    for (const auto& [name, structures] :
         {std::pair("types-5-to-15", &kelvo::test::standard::kTypes5To15),
          std::pair("types-18-to-33", &kelvo::test::standard::kTypes18To33)}) {
        kelvo::test::TableBuilder table(3, 9);
        for (const auto* s : *structures) AddTo(table, *s);
        seed(name, table.End().Raw());
    }
    seed("types-34-to-46", kelvo::test::standard::ManagementTable());
    // The nine decoded types at their newest layouts, as the standard lays them out.
    kelvo::test::TableBuilder newest(3, 9);
    for (const auto* s : kelvo::test::standard::kNewest) AddTo(newest, *s);
    seed("newest-layouts", newest.End().Raw());

    // The captured tables, read in whatever format they were kept.
    if (argc == 3 && fs::is_directory(argv[2])) {
        for (const auto& entry : fs::directory_iterator(argv[2])) {
            const std::string name = "captured-" + entry.path().filename().string();
            ksmbios_table* table = nullptr;
            if (ksmbios_open_file_with(entry.path().string().c_str(), nullptr, &table) !=
                KSMBIOS_OK) {
                continue;  // not a table (the manifest)
            }
            const std::uint8_t* bytes = nullptr;
            std::size_t size = 0;
            ksmbios_get_raw(table, &bytes, &size);
            seed(name, Bytes(bytes, bytes + size));
            ksmbios_close(table);
#if KELVO_SEEDS_WITH_TOOL
            if (entry.is_directory()) {
                Write(files / (name + ".as-kept"), Folder(Read(entry.path() / "smbios_entry_point"),
                                                          Read(entry.path() / "DMI")));
            } else {
                Write(files / (name + ".as-kept"), OneFile(Read(entry.path())));
            }
#endif
        }
    }
    return 0;
}
