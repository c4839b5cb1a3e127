#include "source/TableSource.h"

#include <algorithm>
#include <cstdio>

#include "common/TableView.h"
#include "platform/FirmwareTable.h"

namespace kelvo::shared::smbios::source {

namespace {

using pimpl::TableView;

// No SMBIOS table comes near this; a larger file is not read into memory.
constexpr std::uint64_t kMaxFileSize = 64u << 20;
constexpr std::uint64_t kRawHeaderSize = 8;
constexpr std::uint64_t kEntryPoint3Size = 0x18;
constexpr std::uint64_t kEntryPoint21Size = 0x1F;

// Why a source could not be read: the file concerned, what failed ("cannot open"; empty for a
// fault of the content) and the detail (the system's text, or what is wrong).
struct Fault {
    SourceFault kind = SourceFault::None;
    std::string file;
    std::string action;
    std::string detail;
};

// The table's location and version as an entry point gives them.
struct EntryPoint {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    // The SMBIOS 3 entry point's document revision; the 2.1 one has none, so its entry point
    // revision byte stands in.
    std::uint8_t revision = 0;
    std::uint64_t address = 0;
    std::uint64_t length = 0;
};

bool Fail(Fault& fault, SourceFault kind, const std::string& file, std::string detail) {
    fault = {kind, file, "", std::move(detail)};
    return false;
}

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

bool Read(const std::string& path, std::vector<std::uint8_t>& bytes, Fault& fault) {
    std::string text;
    if (platform::ReadWholeFile(path, kMaxFileSize, bytes, text)) return true;
    fault = {SourceFault::Unreadable, path, "cannot open", text};
    return false;
}

bool StartsWith(const TableView& bytes, const char* anchor) {
    for (std::uint64_t i = 0; anchor[i] != '\0'; ++i) {
        if (!bytes.Contains(i) || bytes.U8(i) != static_cast<std::uint8_t>(anchor[i])) return false;
    }
    return true;
}

std::uint8_t Sum(const TableView& bytes, std::uint64_t from, std::uint64_t count) {
    std::uint8_t sum = 0;
    for (std::uint64_t i = from; i < from + count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes.U8(i));
    return sum;
}

// The entry point at the start of `bytes`. Returns false with `fault` unset when there is none,
// and false with `fault` set for an entry point that is cut short or whose checksums are wrong.
bool ParseEntryPoint(const TableView& bytes, const std::string& path, EntryPoint& entry,
                     Fault& fault) {
    const bool v3 = StartsWith(bytes, "_SM3_");
    if (!v3 && !StartsWith(bytes, "_SM_")) return false;
    const char* name = v3 ? "_SM3_" : "_SM_";
    const std::uint64_t size = v3 ? kEntryPoint3Size : kEntryPoint21Size;
    const std::uint64_t lengthAt = v3 ? 6 : 5;
    const std::uint64_t stated = bytes.Contains(lengthAt) ? bytes.U8(lengthAt) : size;
    const std::uint64_t needed = std::max(size, stated);
    if (!bytes.Contains(0, needed)) {
        return Fail(fault, SourceFault::NotATable, path,
                    "truncated " + std::string(name) +
                        " entry point: " + std::to_string(bytes.Size()) + " bytes, it needs " +
                        std::to_string(needed));
    }
    if (stated < size) {
        return Fail(fault, SourceFault::NotATable, path,
                    "entry point length " + Hex(stated) + " is too small");
    }
    if (Sum(bytes, 0, stated) != 0) {
        return Fail(fault, SourceFault::NotATable, path, "entry point checksum is wrong");
    }
    if (v3) {
        entry = {bytes.U8(7), bytes.U8(8), bytes.U8(9), bytes.U64(0x10), bytes.U32(0x0C)};
        return true;
    }
    if (!StartsWith(bytes.Sub(0x10, 5), "_DMI_") || Sum(bytes, 0x10, 0x0F) != 0) {
        return Fail(fault, SourceFault::NotATable, path, "entry point has no valid _DMI_ part");
    }
    entry = {bytes.U8(6), bytes.U8(7), bytes.U8(0x0A), bytes.U32(0x18), bytes.U16(0x16)};
    return true;
}

// The raw layout: the 8-byte header that the entry point gives, then the table's bytes.
void MakeRaw(const EntryPoint& entry, const TableView& table, std::vector<std::uint8_t>& raw) {
    const auto length = static_cast<std::uint32_t>(table.Size());
    raw = {0,
           entry.major,
           entry.minor,
           entry.revision,
           static_cast<std::uint8_t>(length),
           static_cast<std::uint8_t>(length >> 8),
           static_cast<std::uint8_t>(length >> 16),
           static_cast<std::uint8_t>(length >> 24)};
    raw.reserve(kRawHeaderSize + length);
    for (std::uint64_t i = 0; i < table.Size(); ++i) raw.push_back(table.U8(i));
}

// A folder holding smbios_entry_point and DMI, as Linux publishes them.
bool ReadFolder(const std::string& folder, std::vector<std::uint8_t>& raw, Fault& fault) {
    const std::string entryPath = folder + "/smbios_entry_point";
    const std::string tablePath = folder + "/DMI";
    std::vector<std::uint8_t> entryBytes;
    std::vector<std::uint8_t> table;
    if (!Read(entryPath, entryBytes, fault)) return false;
    EntryPoint entry;
    if (!ParseEntryPoint(TableView(entryBytes.data(), entryBytes.size()), entryPath, entry,
                         fault)) {
        if (fault.kind != SourceFault::None) return false;
        return Fail(fault, SourceFault::NotATable, entryPath, "no _SM_ or _SM3_ entry point");
    }
    if (!Read(tablePath, table, fault)) return false;
    if (table.size() != entry.length) {
        return Fail(fault, SourceFault::NotATable, tablePath,
                    "holds " + std::to_string(table.size()) + " bytes, the entry point says " +
                        std::to_string(entry.length));
    }
    MakeRaw(entry, TableView(table.data(), table.size()), raw);
    return true;
}

// A file: an entry point with the table at the address it gives (as dmidecode --dump-bin writes
// it), or the raw layout.
bool ReadFile(const std::string& path, std::vector<std::uint8_t>& raw, Fault& fault) {
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes, fault)) return false;
    const TableView file(bytes.data(), bytes.size());
    EntryPoint entry;
    if (ParseEntryPoint(file, path, entry, fault)) {
        if (!file.Contains(entry.address, entry.length)) {
            return Fail(fault, SourceFault::NotATable, path,
                        "the entry point puts a table of " + std::to_string(entry.length) +
                            " bytes at " + Hex(entry.address) + ", past the end of the " +
                            std::to_string(file.Size()) + "-byte file");
        }
        MakeRaw(entry, file.Sub(entry.address, entry.length), raw);
        return true;
    }
    if (fault.kind != SourceFault::None) return false;

    const std::string none = "not a table file: no _SM_ or _SM3_ entry point at offset 0, ";
    if (!file.Contains(0, kRawHeaderSize)) {
        return Fail(fault, SourceFault::NotATable, path,
                    none + "and too short for a raw table's 8-byte header");
    }
    if (file.U32(4) != file.Size() - kRawHeaderSize) {
        return Fail(fault, SourceFault::NotATable, path,
                    none + "and as a raw table its header's Length (" +
                        std::to_string(file.U32(4)) + ") does not match the " +
                        std::to_string(file.Size() - kRawHeaderSize) + " bytes after it");
    }
    raw = std::move(bytes);
    return true;
}

}  // namespace

bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText) {
    raw.clear();
    Fault why;
    const bool read =
        platform::IsDirectory(path) ? ReadFolder(path, raw, why) : ReadFile(path, raw, why);
    fault = why.kind;
    if (read) return true;
    raw.clear();
    errorText = why.file + ": " + (why.action.empty() ? "" : why.action + ": ") + why.detail;
    return false;
}

bool ReadLiveTable(std::vector<std::uint8_t>& raw, std::string& errorText) {
#if defined(_WIN32)
    return platform::ReadFirmwareTable(raw, errorText);
#else
    raw.clear();
    Fault why;
    if (ReadFolder("/sys/firmware/dmi/tables", raw, why)) return true;
    raw.clear();
    errorText = why.detail;
    return false;
#endif
}

}  // namespace kelvo::shared::smbios::source
