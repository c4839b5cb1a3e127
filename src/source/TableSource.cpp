#include "source/TableSource.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

#include <smbios/RecordFields.h>

#include "common/TableView.h"
#include "decode/WithinLength.h"
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
    std::uint64_t size = 0;        // of the entry point itself
    bool lengthIsMaximum = false;  // SMBIOS 3: the table may be shorter
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
        entry = {bytes.U8(7),     bytes.U8(8), bytes.U8(9), bytes.U64(0x10),
                 bytes.U32(0x0C), stated,      true};
        return true;
    }
    if (!StartsWith(bytes.Sub(0x10, 5), "_DMI_") || Sum(bytes, 0x10, 0x0F) != 0) {
        return Fail(fault, SourceFault::NotATable, path, "entry point has no valid _DMI_ part");
    }
    entry = {bytes.U8(6),     bytes.U8(7), bytes.U8(0x0A), bytes.U32(0x18),
             bytes.U16(0x16), stated,      false};
    return true;
}

// Where the structures in `table` end: just after the end-of-table structure (type 127) and its
// string set, or 0 when the bytes end first or a structure's header is malformed (Length below 4).
std::uint64_t EndOfTable(const TableView& table) {
    constexpr std::uint8_t kEndOfTable = 127;
    for (std::uint64_t at = 0; table.Contains(at, 4);) {
        const std::uint8_t type = table.U8(at);
        const std::uint8_t length = table.U8(at + 1);
        if (length < 4) return 0;
        std::uint64_t p = at + length;
        while (table.Contains(p, 2) && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
        if (!table.Contains(p, 2)) return 0;
        at = p + 2;
        if (type == kEndOfTable) return at;
    }
    return 0;
}

// The table that `entry` describes within `present`, the bytes from the table's start to the end
// of its file. An SMBIOS 3 entry point gives a maximum length: fewer bytes are the whole table
// when they end with the end-of-table structure.
bool PlaceTable(const EntryPoint& entry, const TableView& present, const std::string& path,
                TableView& table, Fault& fault) {
    if (present.Contains(0, entry.length)) {
        table = present.Sub(0, entry.length);
        return true;
    }
    const std::uint64_t end = entry.lengthIsMaximum ? EndOfTable(present) : 0;
    if (end == 0) {
        return Fail(fault, SourceFault::NotATable, path,
                    "the table is cut short: " + std::to_string(present.Size()) +
                        " bytes present of the " + std::to_string(entry.length) +
                        " that the entry point gives" +
                        (entry.lengthIsMaximum ? ", and no end-of-table structure in them" : ""));
    }
    table = present.Sub(0, end);
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
    const std::string entryPath = platform::PathInFolder(folder, "smbios_entry_point");
    const std::string tablePath = platform::PathInFolder(folder, "DMI");
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
    const TableView present(table.data(), table.size());
    TableView placed;
    if (table.size() > entry.length ||
        (table.size() < entry.length && !PlaceTable(entry, present, tablePath, placed, fault))) {
        return Fail(fault, SourceFault::NotATable, tablePath,
                    "holds " + std::to_string(table.size()) + " bytes, the entry point says " +
                        std::to_string(entry.length) +
                        (entry.lengthIsMaximum ? " at most, and they do not end the table" : ""));
    }
    MakeRaw(entry, table.size() == entry.length ? present : placed, raw);
    return true;
}

// Whether the structure at `at` is no longer than its type's layout at `version`. Types that the
// library does not decode fit every version. The variable parts count as the structure gives them:
// the baseboard's contained handles, the enclosure's contained elements and its SKU number.
bool Fits(const TableView& table, std::uint64_t at, std::uint16_t version) {
    const std::uint8_t length = table.U8(at + 1);
    switch (table.U8(at)) {
        case 0:
            return length <= pimpl::FixedLength<TypeBios>(version);
        case 1:
            return length <= pimpl::FixedLength<TypeSysInfo>(version);
        case 2:
            return length <= pimpl::FixedLength<TypeBaseboard>(version) + 2u * table.U8(at + 0x0E);
        case 3: {
            const std::uint64_t elements =
                version >= 0x0203 ? std::uint64_t{table.U8(at + 0x13)} * table.U8(at + 0x14) : 0;
            return length <= pimpl::FixedLength<TypeSystemEnclosure>(version) + elements +
                                 (version >= 0x0207 ? 1 : 0);
        }
        case 4:
            return length <= pimpl::FixedLength<TypeProcessor>(version);
        case 9:
            return length <= pimpl::FixedLength<SystemSlot>(version);
        case 11:
            return length <= pimpl::FixedLength<TypeOemStrings>(version);
        case 16:
            return length <= pimpl::FixedLength<TypePhysicalMemory>(version);
        case 17:
            return length <= pimpl::FixedLength<TypeMemoryDevice>(version);
        default:
            return true;
    }
}

// The lowest version that the library reads (2.0 to 2.8, then 3.0) at which every structure of
// `table` fits; 3.0 when none does, since every later version is read as 3.0.
std::uint16_t LowestFittingVersion(const TableView& table, std::uint64_t end) {
    for (std::uint16_t version :
         {0x0200, 0x0201, 0x0202, 0x0203, 0x0204, 0x0205, 0x0206, 0x0207, 0x0208}) {
        bool all = true;
        for (std::uint64_t at = 0; all && at < end;) {
            all = Fits(table, at, version);
            std::uint64_t p = at + table.U8(at + 1);
            while (table.Contains(p, 2) && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
            at = p + 2;
        }
        if (all) return version;
    }
    return 0x0300;
}

// A bare structure table, as /sys/firmware/dmi/tables/DMI holds it: structures from the first
// byte on up to the end-of-table structure. The version is `version`, or inferred.
bool ReadBare(const TableView& file, std::uint16_t version, std::vector<std::uint8_t>& raw,
              SourceInfo& info) {
    const std::uint64_t end = EndOfTable(file);
    if (end == 0) return false;
    info.format = SourceFormat::Bare;
    info.versionInferred = version == 0;
    if (version == 0) version = LowestFittingVersion(file, end);
    EntryPoint entry;
    entry.major = static_cast<std::uint8_t>(version >> 8);
    entry.minor = static_cast<std::uint8_t>(version);
    MakeRaw(entry, file.Sub(0, end), raw);
    return true;
}

// A file: an entry point with the table at the address it gives (as dmidecode --dump-bin writes
// it) or right after it, the raw layout, or a bare table.
bool ReadFile(const std::string& path, std::uint16_t bareVersion, std::vector<std::uint8_t>& raw,
              SourceInfo& info, Fault& fault) {
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes, fault)) return false;
    const TableView file(bytes.data(), bytes.size());
    EntryPoint entry;
    if (ParseEntryPoint(file, path, entry, fault)) {
        // An address outside the file is the one the firmware used: the table follows the entry
        // point.
        const bool inFile = entry.address < file.Size();
        const std::uint64_t start = inFile ? entry.address : entry.size;
        info.format = inFile ? SourceFormat::DumpBin : SourceFormat::AfterEntryPoint;
        TableView table;
        if (!entry.lengthIsMaximum && !file.Contains(start, entry.length)) {
            return Fail(fault, SourceFault::NotATable, path,
                        "the entry point puts a table of " + std::to_string(entry.length) +
                            " bytes at " + Hex(start) + ", past the end of the " +
                            std::to_string(file.Size()) + "-byte file");
        }
        if (!PlaceTable(entry, file.Sub(start, file.Size() - start), path, table, fault)) {
            return false;
        }
        MakeRaw(entry, table, raw);
        return true;
    }
    if (fault.kind != SourceFault::None) return false;

    info.format = SourceFormat::Raw;
    if (file.Contains(0, kRawHeaderSize) && file.U32(4) == file.Size() - kRawHeaderSize) {
        raw = std::move(bytes);
        return true;
    }
    if (ReadBare(file, bareVersion, raw, info)) return true;

    const std::string none = "not a table file: no _SM_ or _SM3_ entry point at offset 0, ";
    if (!file.Contains(0, kRawHeaderSize)) {
        return Fail(fault, SourceFault::NotATable, path,
                    none + "and too short for a raw table's 8-byte header");
    }
    return Fail(fault, SourceFault::NotATable, path,
                none + "as a raw table its header's Length (" + std::to_string(file.U32(4)) +
                    ") does not match the " + std::to_string(file.Size() - kRawHeaderSize) +
                    " bytes after it, and it is no bare structure table");
}

}  // namespace

bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText, std::uint16_t bareVersion, SourceInfo* info) {
    raw.clear();
    Fault why;
    SourceInfo found;
    found.format = SourceFormat::Folder;
    const bool read = platform::IsDirectory(path) ? ReadFolder(path, raw, why)
                                                  : ReadFile(path, bareVersion, raw, found, why);
    if (info != nullptr) *info = found;
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
