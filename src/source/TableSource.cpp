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

using detail::TableView;

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
    std::uint64_t count = 0;       // 2.1: the number of structures
    const char* name = "";         // its anchor
};

bool Fail(Fault& fault, SourceFault kind, const std::string& file, std::string detail) {
    fault = {kind, file, "", std::move(detail)};
    return false;
}

std::string Hex(std::uint64_t value, int digits = 1) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
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
    // Some firmware states 1Eh for the 31-byte 2.1 entry point; its checksum covers those bytes.
    const std::uint64_t least = v3 ? size : size - 1;
    if (!bytes.Contains(0, needed)) {
        return Fail(fault, SourceFault::NotATable, path,
                    "truncated " + std::string(name) +
                        " entry point: " + std::to_string(bytes.Size()) + " bytes, it needs " +
                        std::to_string(needed));
    }
    if (stated < least) {
        return Fail(fault, SourceFault::NotATable, path,
                    "entry point length " + Hex(stated) + " is too small");
    }
    if (Sum(bytes, 0, stated) != 0) {
        return Fail(fault, SourceFault::NotATable, path, "entry point checksum is wrong");
    }
    if (v3) {
        entry = {bytes.U8(7), bytes.U8(8), bytes.U8(9), bytes.U64(0x10), bytes.U32(0x0C), stated,
                 true,        0,           name};
        return true;
    }
    if (!StartsWith(bytes.Sub(0x10, 5), "_DMI_") || Sum(bytes, 0x10, 0x0F) != 0) {
        return Fail(fault, SourceFault::NotATable, path, "entry point has no valid _DMI_ part");
    }
    entry = {bytes.U8(6),     bytes.U8(7),     bytes.U8(0x0A),
             bytes.U32(0x18), bytes.U16(0x16), std::max(stated, size),
             false,           bytes.U16(0x1C), name};
    return true;
}

// How a walk over a structure table ended: the first three end it as the table says it ends, the
// others stop it early, before a structure that is not whole.
enum class Stop {
    EndOfTable,   // the end-of-table structure (type 127) was stepped over
    Counted,      // the structures that a 2.1 entry point counts were all stepped over
    Filled,       // the structures fill the bytes exactly
    HeaderCut,    // the bytes end inside a structure's 4-byte header
    AreaCut,      // the bytes end inside a structure's formatted area
    StringsCut,   // a string set has no double NUL before the bytes end
    ShortLength,  // a structure's Length is below 4
};

constexpr std::uint64_t kNoCount = ~std::uint64_t{0};

// A walk from a table's first byte: how far it went in whole structures and why it ended.
struct Walk {
    std::uint64_t end = 0;    // just after the last whole structure
    std::uint64_t count = 0;  // whole structures
    std::uint16_t lastHandle = 0;
    Stop stop = Stop::Filled;
    std::uint8_t stopType = 0;  // the header at `end`, when the walk stopped inside a structure
    std::uint8_t stopLength = 0;
    std::uint16_t stopHandle = 0;
};

bool Early(Stop stop) { return stop > Stop::Filled; }

// Steps over whole structures of `table` until its end-of-table structure, the `wanted`-th
// structure, the end of its bytes, or a structure that cannot be stepped over.
Walk WalkStructures(const TableView& table, std::uint64_t wanted = kNoCount) {
    constexpr std::uint8_t kEndOfTable = 127;
    Walk walk;
    while (true) {
        const std::uint64_t at = walk.end;
        if (walk.count == wanted) return walk.stop = Stop::Counted, walk;
        if (at == table.Size()) return walk.stop = Stop::Filled, walk;
        walk.stopType = table.U8(at);
        walk.stopLength = table.U8(at + 1);
        walk.stopHandle = table.U16(at + 2);
        if (!table.Contains(at, 4)) return walk.stop = Stop::HeaderCut, walk;
        if (walk.stopLength < 4) return walk.stop = Stop::ShortLength, walk;
        if (!table.Contains(at, walk.stopLength)) return walk.stop = Stop::AreaCut, walk;
        std::uint64_t p = at + walk.stopLength;
        while (table.Contains(p, 2) && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
        if (!table.Contains(p, 2)) return walk.stop = Stop::StringsCut, walk;
        walk.end = p + 2;
        ++walk.count;
        walk.lastHandle = walk.stopHandle;
        if (walk.stopType == kEndOfTable) return walk.stop = Stop::EndOfTable, walk;
    }
}

// Why the walk stopped early, as the end of a sentence about the byte where it stopped.
std::string StopReason(const Walk& walk) {
    const std::string structure = "the structure there (type " + std::to_string(walk.stopType) +
                                  ", handle " + Hex(walk.stopHandle, 4) + ")";
    switch (walk.stop) {
        case Stop::HeaderCut:
            return "the bytes end inside a structure's header";
        case Stop::AreaCut:
            return "the bytes end inside " + structure + ", whose Length is " +
                   Hex(walk.stopLength, 2);
        case Stop::StringsCut:
            return structure + " has no double NUL to end its strings before the bytes end";
        case Stop::ShortLength:
            return structure + " has a Length of " + std::to_string(walk.stopLength) + ", below 4";
        default:
            return "the bytes end there without an end-of-table structure";
    }
}

// How far a place's walk agrees with the entry point: not at all, as far as a damaged table goes,
// up to the end of a file that is cut short, or wholly.
enum class Agreement { None, Damaged, Cut, Whole };

// A place in a file where an entry point's table may start, and what the walk from it found.
struct Place {
    std::uint64_t offset = 0;
    SourceFormat format = SourceFormat::DumpBin;
    const char* how = "";
    Walk walk;
    Agreement agreement = Agreement::None;
    std::uint64_t tableSize = 0;  // the bytes that are read as the table
};

// Walks the table that `entry` describes from `place.offset` in `file` and judges it. `literal`:
// the place is the address that the entry point gives, inside the file, so a table damaged there
// is still read up to its last whole structure.
void Judge(const EntryPoint& entry, const TableView& file, bool literal, Place& place) {
    const std::uint64_t present = file.Size() - std::min(place.offset, file.Size());
    const std::uint64_t limit = std::min(entry.length, present);
    const TableView table = file.Sub(place.offset, limit);
    // A 2.1 entry point that counts no structures leaves the count unknown, as dmidecode reads it.
    const bool counts = !entry.lengthIsMaximum && entry.count != 0;
    place.walk = WalkStructures(table, counts ? entry.count : kNoCount);
    const Walk& walk = place.walk;
    const bool whole = walk.stop == Stop::EndOfTable || walk.stop == Stop::Counted ||
                       (!counts && walk.stop == Stop::Filled && limit == entry.length);
    if (whole) {
        place.agreement = Agreement::Whole;
        place.tableSize = present >= entry.length ? entry.length : walk.end;
        // Past the structures that a 2.1 entry point counts, its length is kept only when what
        // lies there walks too; otherwise those bytes would be read as structures.
        if (walk.stop == Stop::Counted &&
            Early(WalkStructures(table.Sub(walk.end, limit - walk.end)).stop)) {
            place.tableSize = walk.end;
        }
        return;
    }
    place.tableSize = walk.end;
    if (walk.count == 0) return;
    // The file ends before the table does: whatever lies before its end agrees.
    if (present < entry.length && walk.stop != Stop::ShortLength) {
        place.agreement = Agreement::Cut;
    } else if (literal && Early(walk.stop)) {
        place.agreement = Agreement::Damaged;
    }
}

// What a place's walk found, for a refusal that lists the places tried.
std::string Finding(const EntryPoint& entry, const Place& place) {
    const Walk& walk = place.walk;
    std::string text = Hex(place.offset) + " (" + place.how + "): " + std::to_string(walk.count) +
                       " whole structures, then ";
    if (!Early(walk.stop)) {
        return text + (entry.lengthIsMaximum ? "no end-of-table structure"
                                             : "the table's length ends without the " +
                                                   std::to_string(entry.count) + " structures");
    }
    return text + "at byte " + Hex(walk.end) + " " + StopReason(walk);
}

// The warning for a table read only up to its last whole structure.
std::string StoppedEarly(const std::string& path, const Walk& walk, std::uint64_t tableOffset) {
    std::string text =
        path + ": the table stops at byte " + std::to_string(walk.end) + " (" + Hex(walk.end) + ")";
    if (tableOffset != 0) text += ", offset " + Hex(tableOffset + walk.end) + " of the file";
    return text + ", after " + std::to_string(walk.count) +
           " whole structures (the last is handle " + Hex(walk.lastHandle, 4) +
           "): " + StopReason(walk) + "; it is read up to there";
}

// Whether the structure at `at` is no longer than its type's layout at `version`. Types that the
// library does not decode fit every version. The variable parts count as the structure gives them:
// the baseboard's contained handles, the enclosure's contained elements and its SKU number.
bool Fits(const TableView& table, std::uint64_t at, std::uint16_t version) {
    const std::uint8_t length = table.U8(at + 1);
    switch (table.U8(at)) {
        case 0:
            return length <= detail::FixedLength<TypeBios>(version);
        case 1:
            return length <= detail::FixedLength<TypeSysInfo>(version);
        case 2:
            return length <= detail::FixedLength<TypeBaseboard>(version) + 2u * table.U8(at + 0x0E);
        case 3: {
            const std::uint64_t elements =
                version >= 0x0203 ? std::uint64_t{table.U8(at + 0x13)} * table.U8(at + 0x14) : 0;
            return length <= detail::FixedLength<TypeSystemEnclosure>(version) + elements +
                                 (version >= 0x0207 ? 1 : 0);
        }
        case 4:
            return length <= detail::FixedLength<TypeProcessor>(version);
        case 9:
            return length <= detail::FixedLength<SystemSlot>(version);
        case 11:
            return length <= detail::FixedLength<TypeOemStrings>(version);
        case 16:
            return length <= detail::FixedLength<TypePhysicalMemory>(version);
        case 17:
            return length <= detail::FixedLength<TypeMemoryDevice>(version);
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

// The table that `entry` describes in `file` (found at `entryAt`, 0 for a folder's DMI): the first
// place that agrees wholly, else the first whose file is cut short, else the entry point's own
// address when the table is damaged there. Places: the address inside the file, the address less
// each 64 KiB-aligned base of a memory image, right after the entry point, and the next 16-byte
// boundary. None agrees: false, with the places tried in `fault`.
bool PlaceTable(const std::string& path, const TableView& file, const EntryPoint& entry,
                std::uint64_t entryAt, bool folder, std::vector<std::uint8_t>& raw,
                SourceInfo& info, Fault& fault) {
    std::vector<Place> places;
    const auto add = [&](std::uint64_t offset, SourceFormat format, const char* how) {
        if (offset >= file.Size() && !(folder && offset == 0)) return;
        if (!folder && offset >= entryAt && offset < entryAt + entry.size) return;
        for (const Place& place : places) {
            if (place.offset == offset) return;
        }
        places.push_back({offset, format, how, {}, Agreement::None, 0});
    };
    if (folder) {
        add(0, SourceFormat::Folder, "the DMI file");
    } else {
        add(entry.address, SourceFormat::DumpBin, "the address in the file");
        constexpr std::uint64_t kImageAlignment = 0x10000;
        for (std::uint64_t base = entry.address & ~(kImageAlignment - 1);
             entry.address - base < file.Size(); base -= kImageAlignment) {
            add(entry.address - base, SourceFormat::MemoryImage, "the address less a base");
            if (base == 0) break;
        }
        add(entryAt + entry.size, SourceFormat::AfterEntryPoint, "after the entry point");
        add((entryAt + entry.size + 15) & ~std::uint64_t{15}, SourceFormat::AfterEntryPoint,
            "at the next 16-byte boundary");
    }
    const Place* chosen = nullptr;
    for (Place& place : places) {
        Judge(entry, file, place.offset == entry.address || folder, place);
        if (chosen == nullptr || place.agreement > chosen->agreement) chosen = &place;
    }
    if (chosen == nullptr || chosen->agreement == Agreement::None) {
        std::string tried;
        for (const Place& place : places)
            tried += (tried.empty() ? "" : "; ") + Finding(entry, place);
        return Fail(
            fault, SourceFault::NotATable, path,
            "no place in the file holds the table that the " + std::string(entry.name) +
                " entry point describes (" +
                (entry.lengthIsMaximum ? "at most " + std::to_string(entry.length) + " bytes"
                                       : std::to_string(entry.count) + " structures in " +
                                             std::to_string(entry.length) + " bytes") +
                " at " + Hex(entry.address) + "); tried " +
                (tried.empty() ? "none: the file ends at the entry point" : tried));
    }
    info.format = chosen->format;
    if (chosen->agreement != Agreement::Whole) {
        info.warning = StoppedEarly(path, chosen->walk, folder ? 0 : chosen->offset);
    }
    MakeRaw(entry, file.Sub(chosen->offset, chosen->tableSize), raw);
    return true;
}

// A folder holding smbios_entry_point and DMI, as Linux publishes them.
bool ReadFolder(const std::string& folder, std::vector<std::uint8_t>& raw, SourceInfo& info,
                Fault& fault) {
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
    return PlaceTable(tablePath, TableView(table.data(), table.size()), entry, 0, true, raw, info,
                      fault);
}

// A table without entry point (a bare one, or the raw layout's): whole when its walk ends at the
// end-of-table structure or at the end of its bytes; otherwise read up to its last whole
// structure, with a warning.
Walk WalkAlone(const std::string& path, const TableView& table, std::uint64_t tableOffset,
               SourceInfo& info) {
    const Walk walk = WalkStructures(table);
    if (Early(walk.stop)) info.warning = StoppedEarly(path, walk, tableOffset);
    return walk;
}

// A bare structure table, as /sys/firmware/dmi/tables/DMI holds it: whole structures from the
// first byte on up to the end-of-table structure or the end of the file. The version is
// `version`, or inferred.
bool ReadBare(const std::string& path, const TableView& file, std::uint16_t version,
              std::vector<std::uint8_t>& raw, SourceInfo& info) {
    SourceInfo found;
    const Walk walk = WalkAlone(path, file, 0, found);
    if (walk.count == 0) return false;
    info = found;
    info.format = SourceFormat::Bare;
    info.versionInferred = version == 0;
    if (version == 0) version = LowestFittingVersion(file, walk.end);
    EntryPoint entry;
    entry.major = static_cast<std::uint8_t>(version >> 8);
    entry.minor = static_cast<std::uint8_t>(version);
    MakeRaw(entry, file.Sub(0, walk.end), raw);
    return true;
}

// The first entry point with valid checksums at a 16-byte boundary after offset 0, as firmware
// places it in memory; the file's size when there is none.
std::uint64_t FindEntryPoint(const TableView& file, const std::string& path, EntryPoint& entry) {
    for (std::uint64_t at = 16; file.Contains(at, 4); at += 16) {
        if (file.U8(at) != '_' || file.U8(at + 1) != 'S' || file.U8(at + 2) != 'M') continue;
        Fault ignored;
        if (ParseEntryPoint(file.Sub(at, file.Size() - at), path, entry, ignored)) return at;
    }
    return file.Size();
}

// A file: an entry point with its table (at the start of the file, as dmidecode --dump-bin
// writes it, or anywhere at a 16-byte boundary of a memory image), the raw layout, or a bare table.
bool ReadFile(const std::string& path, std::uint16_t bareVersion, std::vector<std::uint8_t>& raw,
              SourceInfo& info, Fault& fault) {
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes, fault)) return false;
    const TableView file(bytes.data(), bytes.size());
    EntryPoint entry;
    if (ParseEntryPoint(file, path, entry, fault)) {
        return PlaceTable(path, file, entry, 0, false, raw, info, fault);
    }
    if (fault.kind != SourceFault::None) return false;

    if (file.Contains(0, kRawHeaderSize) && file.U32(4) == file.Size() - kRawHeaderSize) {
        info.format = SourceFormat::Raw;
        const Walk walk = WalkAlone(path, file.Sub(kRawHeaderSize, file.Size() - kRawHeaderSize),
                                    kRawHeaderSize, info);
        raw = std::move(bytes);
        if (Early(walk.stop)) {
            raw.resize(kRawHeaderSize + walk.end);
            for (unsigned i = 0; i < 4; ++i)
                raw[4 + i] = static_cast<std::uint8_t>(walk.end >> (8 * i));
        }
        return true;
    }
    // A memory image: the entry point further in. When no place agrees with it, the file may still
    // be a bare table that holds an anchor among its strings.
    const std::uint64_t entryAt = FindEntryPoint(file, path, entry);
    Fault unplaced;
    if (entryAt < file.Size() &&
        PlaceTable(path, file, entry, entryAt, false, raw, info, unplaced)) {
        return true;
    }
    if (ReadBare(path, file, bareVersion, raw, info)) return true;
    if (entryAt < file.Size()) {
        fault = unplaced;
        return false;
    }

    const std::string none =
        "not a table file: no _SM_ or _SM3_ entry point at offset 0 or at a 16-byte boundary, ";
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
    const bool read = platform::IsDirectory(path) ? ReadFolder(path, raw, found, why)
                                                  : ReadFile(path, bareVersion, raw, found, why);
    if (info != nullptr) *info = found;
    fault = why.kind;
    if (read) return true;
    raw.clear();
    errorText = why.file + ": " + (why.action.empty() ? "" : why.action + ": ") + why.detail;
    return false;
}

bool ReadLiveTable(std::vector<std::uint8_t>& raw, std::string& errorText, SourceInfo* info) {
    SourceInfo found;
    found.format = SourceFormat::Machine;
#if defined(_WIN32)
    const bool read = platform::ReadFirmwareTable(raw, errorText);
#else
    raw.clear();
    Fault why;
    const bool read = ReadFolder("/sys/firmware/dmi/tables", raw, found, why);
    found.format = SourceFormat::Machine;
    if (!read) {
        raw.clear();
        errorText = why.detail;
    }
#endif
    if (info != nullptr) *info = found;
    return read;
}

}  // namespace kelvo::shared::smbios::source
