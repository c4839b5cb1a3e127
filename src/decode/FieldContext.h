#pragma once

// What the generic decoder hands to a formatter: the structure, the row being shown, the rows
// around it, and where the shown fields go.

#include <cstdint>
#include <string>
#include <vector>

#include "common/TableView.h"
#include "decode/FieldDecoder.h"
#include "schema/Schema.h"

namespace kelvo::shared::smbios::detail {

class FieldContext {
public:
    FieldContext(const detail::StructureRef& structure, std::uint16_t version,
                 const schema::TypeDef& type, std::vector<Field>& out);

    std::uint16_t Version() const { return version_; }
    std::uint8_t Length() const { return length_; }
    const schema::TypeDef& Type() const { return type_; }
    const schema::FieldDef& Row() const { return type_.fields[row_]; }

    // Makes row `index` the current one; false when it is not shown (outside the Length, or an
    // empty memory slot's). Places it first: after its array, or at its own offset.
    bool Select(std::size_t index);

    // The current row's value: its bytes, masked and shifted; 0 past the table's end.
    std::uint64_t Value() const { return Value(Row(), offset_); }
    // A number of `width` bytes at `at`, counted from the current row's offset.
    std::uint64_t Read(std::uint64_t at, unsigned width) const;

    // The n-th part that follows the current row (0 the first), whether the structure's Length
    // holds it, and its value.
    const schema::FieldDef& Part(unsigned n = 0) const { return type_.fields[row_ + 1 + n]; }
    bool HasPart(unsigned n = 0) const { return Inside(Part(n), Part(n).offset); }
    std::uint64_t PartValue(unsigned n = 0) const { return Value(Part(n), Part(n).offset); }

    // Another field of the type, by key, as shown: its value with an escape followed.
    std::uint64_t Resolved(const char* key) const;

    // An array's element count and the size of one element.
    std::uint64_t Count() const;
    std::uint64_t Stride() const;

    // String `number` of the structure as it is shown: "Not Specified" for 0, "<BAD INDEX>" for
    // one past the last, control characters as dots.
    std::string String(std::uint64_t number) const;
    // String `number` as the table holds it; empty when there is none.
    std::string RawString(std::uint64_t number) const;
    // How many strings the structure's set holds.
    unsigned StringCount() const;

    // Appends a field of the current row, with the row's label.
    Field& Add(std::string text);
    Field& Add(std::string text, std::uint64_t raw);

private:
    std::uint64_t Value(const schema::FieldDef& row, std::uint64_t offset) const;
    std::uint64_t Follow(const schema::FieldDef& row, std::uint64_t offset) const;
    bool Inside(const schema::FieldDef& row, std::uint64_t offset) const;
    std::uint64_t ValueOf(const char* key) const;
    std::uint64_t StrideOf(const schema::FieldDef& row) const;
    std::uint64_t CountOf(const schema::FieldDef& row, std::uint64_t offset) const;
    std::uint64_t ArrayBytes(const schema::FieldDef& row, std::uint64_t offset) const;

    detail::TableView table_;  // the whole structure table: the strings follow the structure
    detail::TableView bytes_;  // the formatted area, as far as the table holds it
    std::uint64_t start_;
    std::uint8_t length_;
    std::uint16_t version_;
    const schema::TypeDef& type_;
    std::vector<Field>& out_;
    std::size_t row_ = 0;
    std::uint64_t offset_ = 0;
};

// Text helpers that the formatters and the decoder share.
std::string Printf(const char* format, unsigned long long a, unsigned long long b = 0,
                   unsigned long long c = 0, unsigned long long d = 0);
std::string Hex4(std::uint64_t value);
// A number and its unit ("5 min", "10.00%").
std::string WithUnit(std::string number, const char* unit);
// The text of a special value of `row`, or null.
const char* SpecialText(const schema::FieldDef& row, std::uint64_t value);
// The name of `value` in `list`, or the out-of-spec mark with the number.
std::string NameOf(ksmbios_name_list list, std::uint64_t value);
// The names of the bits of `value` that the row names, from its first to its last named bit.
std::vector<std::string> BitNames(const schema::FieldDef& row, std::uint64_t value);

// The formatters that the schema's rows name.
namespace formatters {
#define KELVO_FORMATTER(name) void name(FieldContext& c);
#include "schema/Formatters.def"
#undef KELVO_FORMATTER
}  // namespace formatters

}  // namespace kelvo::shared::smbios::detail
