#include "TableFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace kelvo::smbios_tool {

namespace {

// No SMBIOS table comes near this; a larger file is not read into memory.
constexpr std::size_t kMaxFileSize = 64u << 20;
constexpr std::size_t kEntryPoint3Size = 0x18;
constexpr std::size_t kEntryPoint21Size = 0x1F;

// The table's location and version as an entry point gives them.
struct EntryPointInfo {
    std::uint8_t major;
    std::uint8_t minor;
    std::uint8_t revision;
    std::uint64_t address;
    std::uint64_t length;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
    throw FileError(path + ": " + what);
}

std::uint64_t Get(const std::vector<std::uint8_t>& bytes, std::size_t at, unsigned width) {
    std::uint64_t value = 0;
    for (unsigned i = 0; i < width; ++i) value |= std::uint64_t{bytes.at(at + i)} << (8 * i);
    return value;
}

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, unsigned width) {
    for (unsigned i = 0; i < width; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes.at(i));
    return sum;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, const char* anchor) {
    const std::size_t size = std::strlen(anchor);
    return bytes.size() >= size && std::memcmp(bytes.data(), anchor, size) == 0;
}

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) Fail(path, std::string("cannot open: ") + std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    while (std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get())) {
        bytes.insert(bytes.end(), chunk, chunk + count);
        if (bytes.size() > kMaxFileSize) Fail(path, "larger than any SMBIOS table (64 MiB)");
    }
    if (std::ferror(file.get())) Fail(path, std::string("cannot read: ") + std::strerror(errno));
    return bytes;
}

// The entry point at the start of `bytes`, or false when there is none. Throws FileError for an
// entry point that is cut short or whose checksums are wrong.
bool ParseEntryPoint(const std::vector<std::uint8_t>& bytes, const std::string& path,
                     EntryPointInfo& info) {
    const bool v3 = StartsWith(bytes, "_SM3_");
    if (!v3 && !StartsWith(bytes, "_SM_")) return false;
    const std::size_t size = v3 ? kEntryPoint3Size : kEntryPoint21Size;
    const std::size_t lengthAt = v3 ? 6 : 5;
    const std::size_t stated = lengthAt < bytes.size() ? bytes[lengthAt] : size;
    if (bytes.size() < std::max(size, stated)) {
        Fail(path, "truncated " + std::string(v3 ? "_SM3_" : "_SM_") +
                       " entry point: " + std::to_string(bytes.size()) + " bytes, it needs " +
                       std::to_string(std::max(size, stated)));
    }
    if (stated < size) Fail(path, "entry point length " + Hex(stated) + " is too small");
    if (Sum(bytes, 0, stated) != 0) Fail(path, "entry point checksum is wrong");
    if (v3) {
        info = {bytes[7], bytes[8], bytes[9], Get(bytes, 0x10, 8), Get(bytes, 0x0C, 4)};
    } else {
        if (std::memcmp(&bytes[0x10], "_DMI_", 5) != 0 || Sum(bytes, 0x10, 0x0F) != 0) {
            Fail(path, "entry point has no valid _DMI_ part");
        }
        info = {bytes[6], bytes[7], 0, Get(bytes, 0x18, 4), Get(bytes, 0x16, 2)};
    }
    return true;
}

RawTable MakeRaw(const EntryPointInfo& info, const std::uint8_t* table) {
    RawTable raw(kRawHeaderSize);
    raw[1] = info.major;
    raw[2] = info.minor;
    raw[3] = info.revision;
    Put(raw, 4, info.length, 4);
    raw.insert(raw.end(), table, table + info.length);
    return raw;
}

RawTable LoadDirectory(const std::filesystem::path& directory) {
    const std::string entryPath = (directory / "smbios_entry_point").string();
    const std::string tablePath = (directory / "DMI").string();
    const std::vector<std::uint8_t> entry = ReadBytes(entryPath);
    EntryPointInfo info{};
    if (!ParseEntryPoint(entry, entryPath, info)) Fail(entryPath, "no _SM_ or _SM3_ entry point");
    const std::vector<std::uint8_t> table = ReadBytes(tablePath);
    if (table.size() != info.length) {
        Fail(tablePath, "holds " + std::to_string(table.size()) + " bytes, the entry point says " +
                            std::to_string(info.length));
    }
    return MakeRaw(info, table.data());
}

}  // namespace

RawTable LoadTable(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return LoadDirectory(path);

    std::vector<std::uint8_t> bytes = ReadBytes(path);
    EntryPointInfo info{};
    if (ParseEntryPoint(bytes, path, info)) {
        if (info.address > bytes.size() || info.length > bytes.size() - info.address) {
            Fail(path, "the entry point puts a table of " + std::to_string(info.length) +
                           " bytes at " + Hex(info.address) + ", past the end of the " +
                           std::to_string(bytes.size()) + "-byte file");
        }
        return MakeRaw(info, bytes.data() + info.address);
    }
    const std::string none = "not a table file: no _SM_ or _SM3_ entry point at offset 0, ";
    if (bytes.size() < kRawHeaderSize) {
        Fail(path, none + "and too short for a raw table's 8-byte header");
    }
    if (Get(bytes, 4, 4) != bytes.size() - kRawHeaderSize) {
        Fail(path, none + "and as a raw table its header's Length (" +
                       std::to_string(Get(bytes, 4, 4)) + ") does not match the " +
                       std::to_string(bytes.size() - kRawHeaderSize) + " bytes after it");
    }
    return bytes;
}

std::vector<std::uint8_t> EntryPoint(const RawTable& raw, std::uint64_t tableAddress) {
    const std::uint64_t length = raw.size() - kRawHeaderSize;
    const std::uint8_t major = raw[1];
    const std::uint8_t minor = raw[2];
    if (major >= 3) {
        std::vector<std::uint8_t> entry(kEntryPoint3Size);
        std::memcpy(entry.data(), "_SM3_", 5);
        entry[6] = kEntryPoint3Size;
        entry[7] = major;
        entry[8] = minor;
        entry[9] = raw[3];
        entry[0x0A] = 1;  // entry point revision 3.0
        Put(entry, 0x0C, length, 4);
        Put(entry, 0x10, tableAddress, 8);
        entry[5] = static_cast<std::uint8_t>(-Sum(entry, 0, entry.size()));
        return entry;
    }
    if (length > 0xFFFF || tableAddress > 0xFFFFFFFF) {
        throw FileError("a table of " + std::to_string(length) +
                        " bytes does not fit an SMBIOS 2.1 entry point");
    }
    // The 2.1 entry point also counts the structures and gives the largest one's size. They
    // are counted up to the end-of-table structure, as dmidecode reads them.
    std::size_t count = 0;
    std::size_t largest = 0;
    for (std::size_t p = kRawHeaderSize; p + 4 <= raw.size() && raw[p + 1] >= 4;) {
        const std::size_t start = p;
        const std::uint8_t type = raw[p];
        p += raw[p + 1];
        while (p + 1 < raw.size() && (raw[p] != 0 || raw[p + 1] != 0)) ++p;
        p = std::min(p + 2, raw.size());
        ++count;
        largest = std::max(largest, p - start);
        if (type == 127) break;
    }
    std::vector<std::uint8_t> entry(kEntryPoint21Size);
    std::memcpy(entry.data(), "_SM_", 4);
    entry[5] = kEntryPoint21Size;
    entry[6] = major;
    entry[7] = minor;
    Put(entry, 0x08, largest, 2);
    std::memcpy(&entry[0x10], "_DMI_", 5);
    Put(entry, 0x16, length, 2);
    Put(entry, 0x18, tableAddress, 4);
    Put(entry, 0x1C, count, 2);
    entry[0x1E] = static_cast<std::uint8_t>(major << 4 | (minor & 0x0F));  // BCD revision
    entry[0x15] = static_cast<std::uint8_t>(-Sum(entry, 0x10, 0x0F));
    entry[4] = static_cast<std::uint8_t>(-Sum(entry, 0, entry.size()));
    return entry;
}

std::vector<std::uint8_t> DumpBin(const RawTable& raw) {
    std::vector<std::uint8_t> dump = EntryPoint(raw, kDumpTableAddress);
    dump.resize(kDumpTableAddress, 0);
    dump.insert(dump.end(), raw.begin() + kRawHeaderSize, raw.end());
    return dump;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw FileError(std::string("cannot create: ") + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        throw FileError(std::string("cannot write: ") + std::strerror(errno));
    }
}

}  // namespace kelvo::smbios_tool
