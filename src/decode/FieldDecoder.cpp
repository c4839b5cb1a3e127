// The generic decoder: every structure through its type's schema rows.
#include "decode/FieldDecoder.h"

#include <algorithm>
#include <cstdio>

#include "decode/FieldContext.h"
#include "decode/Walker.h"
#include "schema/Names.h"

namespace kelvo::shared::smbios::detail {

using schema::FieldDef;
using schema::Format;
using schema::Kind;

std::string Printf(const char* format, unsigned long long a, unsigned long long b,
                   unsigned long long c, unsigned long long d) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

std::string Hex4(std::uint64_t value) { return Printf("0x%04llX", value); }

std::string WithUnit(std::string number, const char* unit) {
    if (unit == nullptr) return number;
    // A percent sign follows the number directly.
    return number + (*unit == '%' ? "" : " ") + unit;
}

const char* SpecialText(const FieldDef& row, std::uint64_t value) {
    for (std::uint8_t i = 0; i < row.specialCount; ++i) {
        if (row.specials[i].value == value) return row.specials[i].text;
    }
    return nullptr;
}

// A value that no name lists shows as dmidecode marks it; the field's raw value keeps the number.
std::string NameOf(ksmbios_name_list list, std::uint64_t value) {
    const schema::Name* name = schema::FindName(list, static_cast<std::uint32_t>(value));
    return name != nullptr ? name->text : "<OUT OF SPEC>";
}

std::vector<std::string> BitNames(const FieldDef& row, std::uint64_t value) {
    std::vector<std::string> names;
    for (unsigned bit = row.firstBit; bit <= row.lastBit; ++bit) {
        if ((value >> bit & 1u) == 0) continue;
        if (const schema::Name* name = schema::FindName(row.names, bit)) {
            names.emplace_back(name->text);
        }
    }
    return names;
}

FieldContext::FieldContext(const detail::StructureRef& structure, std::uint16_t version,
                           const schema::TypeDef& type, std::vector<Field>& out)
    : table_(structure.table),
      start_(structure.start),
      length_(structure.length),
      version_(version),
      type_(type),
      out_(out) {
    const std::uint64_t available =
        structure.start < table_.Size() ? table_.Size() - structure.start : 0;
    bytes_ = table_.Sub(structure.start, std::min<std::uint64_t>(structure.length, available));
}

namespace {

// A little-endian number of `width` bytes (1, 2, 4 or 8) at `offset`.
std::uint64_t ReadNumber(const detail::TableView& bytes, std::uint64_t offset, unsigned width) {
    switch (width) {
        case 1:
            return bytes.U8(offset);
        case 2:
            return bytes.U16(offset);
        case 4:
            return bytes.U32(offset);
        default:
            return bytes.U64(offset);
    }
}

}  // namespace

std::uint64_t FieldContext::Read(std::uint64_t at, unsigned width) const {
    return ReadNumber(bytes_, offset_ + at, width);
}

std::uint64_t FieldContext::Value(const FieldDef& row, std::uint64_t offset) const {
    return (ReadNumber(bytes_, offset, row.width) & row.mask) >> row.shift;
}

std::uint64_t FieldContext::Follow(const FieldDef& row, std::uint64_t offset) const {
    const std::uint64_t value = Value(row, offset);
    if (!row.hasEscape || value != row.escape) return value;
    const FieldDef& part = *(&row + 1);
    return Inside(part, part.offset) ? Value(part, part.offset) : value;
}

std::uint64_t FieldContext::ValueOf(const char* key) const {
    const FieldDef* row = schema::FindField(type_, key);
    return Value(*row, row->offset);
}

std::uint64_t FieldContext::Resolved(const char* key) const {
    const FieldDef* row = schema::FindField(type_, key);
    return Follow(*row, row->offset);
}

std::uint64_t FieldContext::Count() const { return CountOf(Row(), offset_); }

std::uint64_t FieldContext::CountOf(const FieldDef& row, std::uint64_t offset) const {
    if (!row.array.toEnd) return ValueOf(row.array.countKey);
    const std::uint64_t stride = StrideOf(row);
    return length_ > offset && stride != 0 ? (length_ - offset) / stride : 0;
}

std::uint64_t FieldContext::Stride() const { return StrideOf(Row()); }

std::uint64_t FieldContext::StrideOf(const FieldDef& row) const {
    return row.array.strideKey != nullptr ? ValueOf(row.array.strideKey) : row.array.stride;
}

std::uint64_t FieldContext::ArrayBytes(const FieldDef& row, std::uint64_t offset) const {
    return CountOf(row, offset) * StrideOf(row);
}

bool FieldContext::Inside(const FieldDef& row, std::uint64_t offset) const {
    const std::uint64_t bytes = row.array.Present() ? ArrayBytes(row, offset) : row.width;
    return length_ >= row.shownFrom && length_ >= offset + bytes;
}

bool FieldContext::Select(std::size_t index) {
    row_ = index;
    const FieldDef& row = Row();
    if (version_ < row.layoutFrom || version_ >= row.layoutBefore) return false;
    offset_ = row.offset;
    if (row.afterKey != nullptr) {
        const FieldDef& array = *schema::FindField(type_, row.afterKey);
        offset_ += array.offset + ArrayBytes(array, array.offset);
    }
    if (!Inside(row, offset_)) return false;
    if (row.onlyIfKey == nullptr) return true;
    const std::uint64_t value = ValueOf(row.onlyIfKey);
    return row.onlyIfIs ? value == row.onlyIfValue : value != 0;
}

std::string FieldContext::RawString(std::uint64_t number) const {
    return number == 0 || number > 255
               ? std::string()
               : std::string(detail::LookupString(table_, start_ + 4, length_,
                                                  static_cast<std::uint8_t>(number)));
}

std::string FieldContext::String(std::uint64_t number) const {
    if (number == 0) return "Not Specified";
    // No string of the set is empty: an empty text is one past the last.
    std::string shown = RawString(number);
    if (shown.empty()) return "<BAD INDEX>";
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '.';
    }
    return shown;
}

unsigned FieldContext::StringCount() const {
    unsigned count = 0;
    while (count < 255 &&
           !detail::LookupString(table_, start_ + 4, length_, static_cast<std::uint8_t>(count + 1))
                .empty()) {
        ++count;
    }
    return count;
}

Field& FieldContext::Add(std::string text) {
    Field& field = out_.emplace_back();
    const FieldDef& row = Row();
    field.def = &row;
    field.label = row.label;
    field.text = std::move(text);
    field.reference = row.reference;
    field.offset = static_cast<std::uint8_t>(offset_);
    field.width = row.width;
    return field;
}

Field& FieldContext::Add(std::string text, std::uint64_t raw) {
    Field& field = Add(std::move(text));
    field.raw = raw;
    return field;
}

namespace {

using Formatter = void (*)(FieldContext&);

constexpr Formatter kFormatters[] = {
    nullptr,
#define KELVO_FORMATTER(name) &formatters::name,
#include "schema/Formatters.def"
#undef KELVO_FORMATTER
};

// A number as its row shows it: a special value's text, or the number and its unit.
std::string Number(const FieldDef& row, std::uint64_t value) {
    if (const char* special = SpecialText(row, value)) return special;
    return WithUnit(std::to_string(value), row.unit);
}

// A field that its kind alone says how to show.
void ByKind(FieldContext& c, std::uint64_t value) {
    const FieldDef& row = c.Row();
    switch (row.kind) {
        case Kind::String:
            c.Add(c.String(value), value);
            break;
        case Kind::Enum:
            c.Add(NameOf(row.names, value), value);
            break;
        case Kind::Flags: {
            std::vector<std::string> items = BitNames(row, value);
            Field& field = c.Add(items.empty() ? row.none : "", value);
            field.items = std::move(items);
            break;
        }
        case Kind::Hex:
            c.Add(SpecialText(row, value) != nullptr ? SpecialText(row, value)
                                                     : Printf("0x%0*llX", row.width * 2u, value),
                  value);
            break;
        case Kind::Handle:
            if (row.array.Present()) {
                // A list of handles: the count, then one handle a line.
                const std::uint64_t count = c.Count();
                std::vector<std::string> items;
                for (std::uint64_t i = 0; i < count; ++i) {
                    items.push_back(Hex4(c.Read(i * c.Stride(), 2)));
                }
                c.Add(std::to_string(count), count).items = std::move(items);
                break;
            }
            c.Add(SpecialText(row, value) != nullptr ? SpecialText(row, value) : Hex4(value),
                  value);
            break;
        default:
            c.Add(Number(row, value), value);
            break;
    }
}

// Some firmware gives a management device (type 34) a Length of 10h although its formatted area
// ends at 0Bh, where its first string begins: five printable bytes there are read as that
// string's start, as dmidecode does.
detail::StructureRef FixedUp(const detail::StructureRef& structure) {
    if (structure.type != 34 || structure.length != 0x10) return structure;
    for (unsigned i = 0x0B; i < 0x10; ++i) {
        const std::uint8_t byte = structure.table.U8(structure.start + i);
        if (byte < 0x20 || byte > 0x7E) return structure;
    }
    detail::StructureRef fixed = structure;
    fixed.length = 0x0B;
    return fixed;
}

}  // namespace

void DecodeFields(const detail::StructureRef& structure, std::uint16_t version,
                  std::vector<Field>& out) {
    DecodeFields(structure, version, schema::Describing(structure.type), out);
}

void DecodeFields(const detail::StructureRef& structure, std::uint16_t version,
                  const schema::TypeDef& type, std::vector<Field>& out) {
    out.reserve(out.size() + type.fieldCount);
    FieldContext c(FixedUp(structure), version, type, out);
    for (std::size_t i = 0; i < type.fieldCount; ++i) {
        const FieldDef& row = type.fields[i];
        if (row.kind == Kind::Part || !c.Select(i)) continue;
        std::uint64_t value = c.Value();
        if (row.hasOmit && value == row.omit && structure.length >= row.omitFrom) continue;
        if (row.hasEscape) value = c.Resolved(row.key);
        if (row.format != Format::ByKind) {
            kFormatters[static_cast<std::size_t>(row.format)](c);
        } else {
            ByKind(c, value);
        }
    }
}

}  // namespace kelvo::shared::smbios::detail
