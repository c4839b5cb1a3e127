#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <smbios/kelvo_smbios.h>

namespace kelvo::smbios_tool {

// One field of a structure as people read it: a label, the value decoded (names, units), the
// number that the table holds when the value is a number, and for lists their lines.
struct DecodedField {
    std::string label;
    std::string value;               // empty for a bare list
    std::vector<std::string> items;  // the lines of a list
    std::optional<std::uint64_t> raw;
    bool reference = false;  // a handle or raw identifier: left out by --quiet
};

struct DecodedStructure {
    std::uint16_t handle = 0;
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::string title;
    std::vector<DecodedField> fields;
};

// Decodes structure `index` of `table` when it is of one of the nine types, the fields that
// lie inside its Length only. `version` is the table's (major * 256 + minor). Returns false for
// every other type.
bool DecodeStructure(const ksmbios_table* table, std::size_t index, std::uint16_t version,
                     DecodedStructure& out);

}  // namespace kelvo::smbios_tool
