#include "capi/Handle.h"

#include <algorithm>

#include "common/TableView.h"
#include "decode/Walker.h"
#include "decode/WithinLength.h"

namespace kelvo::shared::smbios::capi {

namespace {

constexpr std::uint64_t kRawHeaderSize = 8;
constexpr std::uint64_t kStructureHeaderSize = 4;
constexpr std::uint8_t kEndOfTable = 127;

// Versions that firmware writes wrongly, and the 2.x minor number each means: VMware writes 2.31
// for 2.3. dmidecode reads them so, and the fields are decoded as it decodes them.
struct VersionFixup {
    std::uint8_t written;
    std::uint8_t meant;
};
constexpr VersionFixup kVersionFixups[] = {{31, 3}, {33, 3}, {51, 6}};

template <class Record>
const void* Decode(std::deque<Record>& list, const detail::StructureRef& structure) {
    list.emplace_back();
    detail::DecodeWithinLength(structure, list.back());
    return &list.back();
}

const void* DecodeRecord(DecodedRecords& records, const detail::StructureRef& structure) {
    switch (structure.type) {
        case 0:
            return Decode(records.bios, structure);
        case 1:
            return Decode(records.system, structure);
        case 2:
            return Decode(records.baseboard, structure);
        case 3:
            return Decode(records.enclosure, structure);
        case 4:
            return Decode(records.processor, structure);
        case 9:
            return Decode(records.slot, structure);
        case 11:
            return Decode(records.oemStrings, structure);
        case 16:
            return Decode(records.memoryArray, structure);
        case 17:
            return Decode(records.memoryDevice, structure);
        default:
            return nullptr;
    }
}

}  // namespace

void ReadRawView(const std::vector<std::uint8_t>& raw, RawView& view, bool decodeRecords) {
    const detail::TableView whole(raw.data(), raw.size());
    if (!whole.Contains(0, kRawHeaderSize) || whole.U8(1) < 2) return;
    view.readable = true;
    view.callingMethod = whole.U8(0);
    view.major = whole.U8(1);
    view.minor = whole.U8(2);
    view.writtenMajor = view.major;
    view.writtenMinor = view.minor;
    for (const VersionFixup& fixup : kVersionFixups) {
        if (view.major == 2 && view.minor == fixup.written) view.minor = fixup.meant;
    }
    view.dmiRevision = whole.U8(3);
    view.length = whole.U32(4);
    // A table cut short of its Length is walked as far as it goes.
    view.walkedLength = std::min<std::uint64_t>(view.length, whole.Size() - kRawHeaderSize);
    const detail::TableView table = whole.Sub(kRawHeaderSize, view.walkedLength);
    const std::uint64_t end = table.Size();

    // The library's walk: a string set ends at two NULs, a header that does not fit ends the
    // walk, and so does the end-of-table structure (which is listed).
    std::uint64_t next = 0;
    for (bool first = true;; first = false) {
        if (!first) {
            const RawStructure& previous = view.structures.back();
            next = detail::NextStructureStart(table, previous.offset, previous.length);
        }
        if (next >= end || !table.Contains(next, kStructureHeaderSize)) break;

        RawStructure& structure = view.structures.emplace_back();
        structure.type = table.U8(next);
        structure.length = table.U8(next + 1);
        structure.handle = table.U16(next + 2);
        structure.offset = next;
        structure.formattedSize = std::min<std::uint64_t>(structure.length, end - next);
        // Strings as the walker looks them up: one after another until an empty one.
        for (std::uint64_t p = next + structure.length; table.U8(p) != 0;) {
            const std::string_view text = table.Text(p);
            structure.strings.emplace_back(text);
            p += text.size() + 1;
        }
        const detail::StructureRef ref{table, next, structure.type, structure.length,
                                       structure.handle};
        if (decodeRecords) structure.record = DecodeRecord(view.records, ref);
        if (structure.type == kEndOfTable) break;
    }
}

}  // namespace kelvo::shared::smbios::capi
