#pragma once

// Any structure as people read it: each field of its type's schema rows that lies inside its
// Length, under its label, with its value as text (names, units, special values), the number
// the table holds and, for lists, their lines.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "decode/WithinLength.h"
#include "schema/Schema.h"

namespace kelvo::shared::smbios::detail {

struct Field {
    const schema::FieldDef* def = nullptr;  // the row: key, kind, how it is shown
    std::string label;                      // the row's label, numbered for an array's elements
    std::string text;                       // the value as shown; empty for a bare list
    std::vector<std::string> items;         // the lines of a list
    std::optional<std::uint64_t> raw;       // the number that the table holds, for numbers
    bool reference = false;                 // refers to another structure
    std::uint8_t offset = 0;                // where its bytes lie in the structure
    std::uint8_t width = 0;
};

// Appends the fields of `structure` to `out`, read through its type's rows; `version` is the
// table's (major * 256 + minor). A type that the schema does not describe shows its bytes and
// strings.
void DecodeFields(const detail::StructureRef& structure, std::uint16_t version,
                  std::vector<Field>& out);

// The same through the rows of `type`, whatever the structure's own type.
void DecodeFields(const detail::StructureRef& structure, std::uint16_t version,
                  const schema::TypeDef& type, std::vector<Field>& out);

}  // namespace kelvo::shared::smbios::detail
