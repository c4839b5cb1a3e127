// Fuzz target for the table files that the library reads (ksmbios_open_file_with): a raw RSMB
// file, a dmidecode dump, an entry point with the table after it, a bare structure table and a
// folder holding smbios_entry_point and DMI. The input says how it is laid out:
//   byte 0: 0 for one file, 1 for a folder;
//   byte 1: a bare table's version: 0 for none (inferred), 0x01-0x7F for 2.x, 0x80-0xFF for 3.x;
//   one file: the file's bytes from byte 2 on;
//   a folder: byte 2 is the entry point's length N, then N bytes of smbios_entry_point, then DMI.
// A refusal, with one line naming the file and the fault, is the expected answer to a bad file.
// A table that loads is converted to the dump format and read back, which must give the same
// table. A crash, an exception, a refusal without its line or a disagreement is a finding.
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "TableFile.h"

namespace {

namespace fs = std::filesystem;
using namespace kelvo::smbios_tool;
using Bytes = std::vector<std::uint8_t>;

[[noreturn]] void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// One folder per process, so that parallel fuzzing jobs do not share it; in memory when the
// system offers a memory file system.
const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path path = base / ("kelvo-fuzz-files-" + std::to_string(::getpid()));
        fs::create_directories(path / "tables");
        return path;
    }();
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
}

// Opens `path` and returns its table in the raw layout, or false when the library refuses it.
bool Load(const fs::path& path, std::int32_t bareVersion, Bytes& raw) {
    char reason[256] = {};
    ksmbios_open_options options{};
    options.struct_size = sizeof options;
    options.bare_version = bareVersion;
    options.error_text = reason;
    options.error_size = sizeof reason;
    ksmbios_table* table = nullptr;
    if (ksmbios_open_file_with(path.string().c_str(), &options, &table) != KSMBIOS_OK) {
        if (reason[0] == '\0' || std::strchr(reason, '\n') != nullptr) {
            Finding("a refusal without one line of reason");
        }
        return false;
    }
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table, &bytes, &size);
    raw.assign(bytes, bytes + size);
    ksmbios_close(table);
    return true;
}

void Run(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return;
    const std::int32_t bareVersion = data[1] == 0     ? 0
                                     : data[1] < 0x80 ? 0x0200 + data[1]
                                                      : 0x0300 + (data[1] & 0x7F);
    fs::path path;
    if (data[0] == 0) {
        path = Folder() / "table.bin";
        WriteFile(path.string(), Bytes(data + 2, data + size));
    } else if (data[0] == 1) {
        const std::size_t split = std::min<std::size_t>(size, 3u + data[2]);
        path = Folder() / "tables";
        WriteFile((path / "smbios_entry_point").string(), Bytes(data + 3, data + split));
        WriteFile((path / "DMI").string(), Bytes(data + split, data + size));
    } else {
        return;
    }
    Bytes raw;
    if (!Load(path, bareVersion, raw)) return;
    if (raw.size() < kRawHeaderSize) Finding("a loaded table is shorter than its header");

    Bytes dump;
    try {
        dump = DumpBin(raw);
    } catch (const FileError&) {
        return;  // a 2.x table too large for the 2.1 entry point
    }
    path = Folder() / "table.dump";
    WriteFile(path.string(), dump);
    Bytes again;
    if (!Load(path, 0, again)) Finding("a table's dump cannot be read back");
    // The dump keeps the version and the table; a 2.1 entry point has no DMI revision, and no
    // format keeps the calling method byte.
    const bool v3 = raw[1] >= 3;
    if (again.size() != raw.size() || again[1] != raw[1] || again[2] != raw[2] ||
        (v3 && again[3] != raw[3]) || !std::equal(raw.begin() + 4, raw.end(), again.begin() + 4)) {
        Finding("a dump read back differs from its table");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The folder's path is made first, so that it is destroyed only after RemoveFolder has run.
    Folder();
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        Run(data, size);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "finding: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
