#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <variant>

#include <smbios/SMBiosInfo.h>

#include "common/TableView.h"

namespace kelvo::shared::smbios::detail {

// One walked structure: its header and the record of its own type. Structures of the types the
// library does not decode hold no record.
struct DecodedStructure {
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::uint16_t handle = 0;
    std::variant<std::monostate, TypeBios, TypeSysInfo, TypeBaseboard, TypeSystemEnclosure,
                 TypeProcessor, SystemSlot, TypeOemStrings, TypePhysicalMemory, TypeMemoryDevice>
        record;
};

// State of one walk over an accepted structure table. Offsets count from the table's start.
struct ParseState {
    SMBiosSpecVersion version = SMBiosSpecVersion::None;
    bool hasTable = false;  // false when the table was rejected
    TableView table;        // the structure table, exactly the header's Length bytes

    bool started = false;   // the first structure has been located
    bool finished = false;  // the end of the table has been reached
    // The current structure: offset of its first header byte, and its Length. The next
    // structure is found from these alone.
    std::uint64_t start = 0;
    std::uint8_t length = 0;
};

// Offset of the structure after the one at `start` with Length `length`: past the string set's
// two closing NULs, which the scan looks for no further than the table's end.
std::uint64_t NextStructureStart(const TableView& table, std::uint64_t start, std::uint8_t length);

// Locates the next structure and decodes it, or yields null at the end of the table.
std::unique_ptr<DecodedStructure> NextStructure(ParseState& state);

// Decodes the structure at state.start, whose header `structure` holds, by the table's version.
void DecodeStructure(const ParseState& state, DecodedStructure& structure);

// The text of string `number` of the structure whose formatted fields start at `fieldStart`:
// empty for number 0 or a number past the last string, cut at the end of the table.
inline std::string_view LookupString(const TableView& table, std::uint64_t fieldStart,
                                     std::uint8_t length, std::uint8_t number) {
    if (number == 0) return {};
    std::uint64_t p = fieldStart - 4 + length;
    for (std::uint8_t i = 1; i < number; ++i) {
        if (table.U8(p) == 0) return {};  // the set's final NUL: fewer strings than `number`
        p += table.Text(p).size() + 1;
    }
    return table.Text(p);
}

}  // namespace kelvo::shared::smbios::detail
