// Writes the fuzzers' seed corpus, made from the project's table builder, into the directory
// named on the command line: smbios/ holds raw tables (every decoded type with two instances at
// every version the library tells apart, and a desktop machine's table); when the tool is built
// (KELVO_SEEDS_WITH_TOOL), tool/ holds the same tables as raw files and as dmidecode dumps.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/Tables.h"
#if KELVO_SEEDS_WITH_TOOL
#include "TableFile.h"
#endif

namespace {

namespace fs = std::filesystem;
namespace tables = kelvo::test::tables;

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const fs::path smbios = fs::path(argv[1]) / "smbios";
    fs::create_directories(smbios);
#if KELVO_SEEDS_WITH_TOOL
    const fs::path tool = fs::path(argv[1]) / "tool";
    fs::create_directories(tool);
#endif
    // Each raw table, and for the tool also its dump.
    const auto seed = [&](const std::string& name, const std::vector<std::uint8_t>& raw) {
        Write(smbios / (name + ".bin"), raw);
#if KELVO_SEEDS_WITH_TOOL
        Write(tool / (name + ".bin"), raw);
        Write(tool / (name + ".dump"), kelvo::smbios_tool::DumpBin(raw));
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
    return 0;
}
