// Fuzz target for the table files that the library reads (ksmbios_open_file_with): a raw RSMB
// file, a dmidecode dump, an entry point with the table after it, a bare structure table and a
// folder holding smbios_entry_point and DMI. The input says how it is laid out:
//   byte 0: 0 for one file, 1 for a folder;
//   byte 1: a bare table's version: 0 for none (inferred), 0x01-0x7F for 2.x, 0x80-0xFF for 3.x;
//   one file: the file's bytes from byte 2 on;
//   a folder: byte 2 is the entry point's length N, then N bytes of smbios_entry_point, then DMI.
// A refusal, with one line naming the file and the fault, is the expected answer to a bad file.
// A table that loads agrees with the entry point that the input starts with (its count and
// length), holds only whole structures when it carries a warning, and carries one exactly when
// the walk stopped early. It is then converted to the dump format and read back, which must give
// the same table without a warning. A crash, an exception, a refusal without its line or a
// disagreement is a finding.
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

std::uint64_t Le(const std::uint8_t* at, unsigned width) {
    std::uint64_t value = 0;
    for (unsigned i = width; i-- > 0;) value = value << 8 | at[i];
    return value;
}

// This target's own walk over a structure table: whole structures from its first byte, up to
// `wanted` of them or the end-of-table structure. `whole`: it did not stop before a structure
// that is not whole.
struct Walked {
    std::size_t count = 0;
    std::size_t end = 0;
    bool endOfTable = false;
    bool whole = true;
};

Walked WalkTable(const std::uint8_t* table, std::size_t size, std::size_t wanted = SIZE_MAX) {
    Walked walk;
    while (walk.count < wanted && !walk.endOfTable && walk.end < size) {
        const std::size_t at = walk.end;
        if (size - at < 4 || table[at + 1] < 4 || size - at < table[at + 1]) {
            walk.whole = false;
            break;
        }
        std::size_t p = at + table[at + 1];
        while (p + 1 < size && (table[p] != 0 || table[p + 1] != 0)) ++p;
        if (p + 1 >= size) {
            walk.whole = false;
            break;
        }
        walk.endOfTable = table[at] == 127;
        walk.end = p + 2;
        ++walk.count;
    }
    return walk;
}

// The loaded table `raw`, with or without a warning, against the input it came from: `entry` is
// the entry point the input starts with (null for none), `rawFile` the input when it is in the
// raw layout.
void CheckAgreement(const Bytes& raw, bool warned, const std::uint8_t* entry,
                    const Bytes* rawFile) {
    const std::uint8_t* table = raw.data() + kRawHeaderSize;
    const std::size_t size = raw.size() - kRawHeaderSize;
    if (Le(raw.data() + 4, 4) != size) Finding("a loaded table's Length is not its size");
    const Walked all = WalkTable(table, size);
    if (warned && (!all.whole || all.end != size || all.endOfTable)) {
        Finding("a table read up to a point holds more than whole structures");
    }
    if (entry != nullptr) {
        const bool v3 = entry[3] == '3';
        const std::uint64_t length = v3 ? Le(entry + 0x0C, 4) : Le(entry + 0x16, 2);
        const std::uint64_t count = v3 ? 0 : Le(entry + 0x1C, 2);
        if (size > length) Finding("a loaded table is longer than its entry point says");
        const Walked counted = WalkTable(table, size, count != 0 ? count : SIZE_MAX);
        const bool agrees =
            counted.endOfTable || (count != 0 ? counted.count == count : size == length);
        if (agrees == warned) {
            Finding(warned ? "a warning on a table that its entry point confirms"
                           : "a table that its entry point does not confirm, without a warning");
        }
    }
    if (rawFile != nullptr) {
        const Walked original =
            WalkTable(rawFile->data() + kRawHeaderSize, rawFile->size() - kRawHeaderSize);
        if (original.whole == warned) Finding("a raw file's warning disagrees with its walk");
        if (!warned && raw != *rawFile) Finding("a whole raw file is not read as it is");
    }
}

// Opens `path` and returns its table in the raw layout, or false when the library refuses it.
// `warned`: the library says that it read the table only up to its last whole structure.
bool Load(const fs::path& path, std::int32_t bareVersion, Bytes& raw, bool& warned) {
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
    ksmbios_source source{};
    source.struct_size = sizeof source;
    ksmbios_get_source(table, &source);
    warned = source.stopped_early != 0;
    if (warned != (source.warning[0] != '\0') || std::strchr(source.warning, '\n') != nullptr) {
        Finding("a warning that is not one line exactly when the table stopped early");
    }
    ksmbios_close(table);
    return true;
}

void Run(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return;
    const std::int32_t bareVersion = data[1] == 0     ? 0
                                     : data[1] < 0x80 ? 0x0200 + data[1]
                                                      : 0x0300 + (data[1] & 0x7F);
    fs::path path;
    const std::uint8_t* entry = nullptr;
    const Bytes* rawFile = nullptr;
    Bytes input;
    const auto anchored = [](const std::uint8_t* at, std::size_t count) {
        return (count >= 0x18 && std::memcmp(at, "_SM3_", 5) == 0) ||
               (count >= 0x1F && std::memcmp(at, "_SM_", 4) == 0);
    };
    if (data[0] == 0) {
        input.assign(data + 2, data + size);
        if (anchored(input.data(), input.size())) entry = input.data();
        if (entry == nullptr && input.size() >= kRawHeaderSize &&
            Le(input.data() + 4, 4) == input.size() - kRawHeaderSize) {
            rawFile = &input;
        }
        path = Folder() / "table.bin";
        WriteFile(path.string(), input);
    } else if (data[0] == 1) {
        const std::size_t split = std::min<std::size_t>(size, 3u + data[2]);
        path = Folder() / "tables";
        WriteFile((path / "smbios_entry_point").string(), Bytes(data + 3, data + split));
        WriteFile((path / "DMI").string(), Bytes(data + split, data + size));
        if (anchored(data + 3, split - 3)) entry = data + 3;
    } else {
        return;
    }
    Bytes raw;
    bool warned = false;
    if (!Load(path, bareVersion, raw, warned)) return;
    if (raw.size() < kRawHeaderSize) Finding("a loaded table is shorter than its header");
    CheckAgreement(raw, warned, entry, rawFile);

    Bytes dump;
    try {
        dump = DumpBin(raw);
    } catch (const FileError&) {
        return;  // a 2.x table too large for the 2.1 entry point
    }
    path = Folder() / "table.dump";
    WriteFile(path.string(), dump);
    Bytes again;
    if (!Load(path, 0, again, warned)) Finding("a table's dump cannot be read back");
    if (warned) Finding("a table's dump is read back with a warning");
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
