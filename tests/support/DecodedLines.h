#pragma once

// A structure written from the standard, decoded by the generic decoder as the tool prints its
// fields: "Label: value", then each list line under it after a tab.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "decode/FieldDecoder.h"
#include "support/StandardStructures.h"
#include "support/TableBuilder.h"

namespace kelvo::test::standard {

using Lines = std::vector<std::string>;

// The lines of `parts`, one after the other.
inline Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The structure with the bytes `changed` (offset, byte) and cut to `length` (0: as written), alone
// in a table, decoded at `version`.
inline Lines DecodedLines(const Structure& written, std::uint8_t length, std::uint16_t version,
                          const std::vector<std::pair<std::uint8_t, std::uint8_t>>& changed = {}) {
    using namespace kelvo::shared::smbios;
    Structure s = written;
    for (const auto& [offset, value] : changed) s.formatted[offset] = value;
    if (length != 0) {
        s.formatted.resize(length);
        s.formatted[1] = length;
    }
    TableBuilder builder;
    AddTo(builder, s);
    const std::vector<std::uint8_t> raw = builder.End().Raw();
    const BufferReader buffer(std::vector<std::uint8_t>(raw.begin() + 8, raw.end()));
    const detail::TableView table(buffer.GetData(), buffer.GetSize());
    std::vector<detail::Field> fields;
    detail::DecodeFields(detail::StructureRef{table, 0, s.Type(), s.formatted[1], s.Handle()},
                         version, fields);
    Lines lines;
    for (const detail::Field& f : fields) {
        lines.push_back(f.label + ":" + (f.text.empty() ? "" : " " + f.text));
        for (const std::string& item : f.items) lines.push_back("\t" + item);
    }
    return lines;
}

}  // namespace kelvo::test::standard
