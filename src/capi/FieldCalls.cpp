// The C calls of the field model: a structure's fields as the generic decoder gives them, and the
// schema that it decodes them by, row by row.
#include <smbios/kelvo_smbios_fields.h>

#include <algorithm>
#include <memory>

#include "capi/Calls.h"
#include "capi/Handle.h"
#include "common/TableView.h"
#include "schema/Schema.h"

namespace {

namespace schema = kelvo::shared::smbios::schema;
using kelvo::shared::smbios::capi::Fits;
using kelvo::shared::smbios::capi::Guarded;
using kelvo::shared::smbios::capi::RawStructure;
using kelvo::shared::smbios::capi::Store;
using kelvo::shared::smbios::capi::StructureFields;

static_assert(static_cast<int>(schema::Kind::Part) == KSMBIOS_KIND_PART &&
              static_cast<int>(schema::Kind::String) == KSMBIOS_KIND_STRING &&
              static_cast<int>(schema::Kind::Decimal) == KSMBIOS_KIND_DECIMAL &&
              static_cast<int>(schema::Kind::Hex) == KSMBIOS_KIND_HEX &&
              static_cast<int>(schema::Kind::Enum) == KSMBIOS_KIND_ENUM &&
              static_cast<int>(schema::Kind::Flags) == KSMBIOS_KIND_FLAGS &&
              static_cast<int>(schema::Kind::Handle) == KSMBIOS_KIND_HANDLE &&
              static_cast<int>(schema::Kind::Size) == KSMBIOS_KIND_SIZE &&
              static_cast<int>(schema::Kind::Bytes) == KSMBIOS_KIND_BYTES &&
              static_cast<int>(schema::Kind::Uuid) == KSMBIOS_KIND_UUID &&
              static_cast<int>(schema::Kind::Text) == KSMBIOS_KIND_TEXT);

// The formatters' names, in the order of schema::Format after ByKind.
constexpr const char* kFormatNames[] = {
#define KELVO_FORMATTER(name) #name,
#include "schema/Formatters.def"
#undef KELVO_FORMATTER
};

// Structure `index`'s fields, decoded on first use (its undecoded ones: its bytes and strings);
// null when there is no such structure.
const StructureFields* FieldsOf(const ksmbios_table* table, std::size_t index,
                                bool undecoded = false) {
    const auto& view = table->view;
    if (index >= view.structures.size()) return nullptr;
    const RawStructure& structure = view.structures[index];
    std::unique_ptr<StructureFields>& cached = undecoded ? structure.undecoded : structure.fields;
    if (!cached) {
        auto decoded = std::make_unique<StructureFields>();
        const kelvo::shared::smbios::detail::TableView whole(table->raw.data(), table->raw.size());
        const auto structures = whole.Sub(8, view.walkedLength);
        const auto version = static_cast<std::uint16_t>(view.major << 8 | view.minor);
        kelvo::shared::smbios::detail::DecodeFields(
            {structures, structure.offset, structure.type, structure.length, structure.handle},
            version, undecoded ? schema::Undecoded() : schema::Describing(structure.type),
            decoded->fields);
        for (const auto& field : decoded->fields) {
            auto& items = decoded->items.emplace_back();
            for (const std::string& item : field.items) items.push_back(item.c_str());
        }
        cached = std::move(decoded);
    }
    return cached.get();
}

const schema::FieldDef* FieldRow(std::size_t typeIndex, std::size_t fieldIndex) {
    const schema::TypeDef* type = schema::TypeRow(typeIndex);
    return type != nullptr && fieldIndex < type->fieldCount ? &type->fields[fieldIndex] : nullptr;
}

// The calls for either view of a structure: its fields, or its undecoded bytes and strings.
ksmbios_status FieldCount(const ksmbios_table* table, size_t index, size_t* count, bool undecoded) {
    if (table == nullptr || count == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!table->view.readable) return KSMBIOS_NOT_A_TABLE;
    return Guarded([&] {
        const StructureFields* fields = FieldsOf(table, index, undecoded);
        if (fields == nullptr) return KSMBIOS_OUT_OF_RANGE;
        *count = fields->fields.size();
        return KSMBIOS_OK;
    });
}

ksmbios_status GetField(const ksmbios_table* table, size_t index, size_t field, ksmbios_field* out,
                        bool undecoded) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    if (!table->view.readable) return KSMBIOS_NOT_A_TABLE;
    return Guarded([&] {
        const StructureFields* fields = FieldsOf(table, index, undecoded);
        if (fields == nullptr || field >= fields->fields.size()) return KSMBIOS_OUT_OF_RANGE;
        const auto& f = fields->fields[field];
        const auto& items = fields->items[field];
        ksmbios_field value{};
        value.key = f.def->key;
        value.label = f.label.c_str();
        value.kind = static_cast<int32_t>(f.def->kind);
        value.text = f.text.c_str();
        value.items = items.empty() ? nullptr : items.data();
        value.item_count = items.size();
        value.has_raw = f.raw.has_value() ? 1 : 0;
        value.raw = f.raw.value_or(0);
        value.reference = f.reference ? 1 : 0;
        value.offset = f.offset;
        value.width = f.width;
        Store(out, value);
        return KSMBIOS_OK;
    });
}

}  // namespace

extern "C" {

ksmbios_status ksmbios_get_field_count(const ksmbios_table* table, size_t index, size_t* count) {
    return FieldCount(table, index, count, false);
}

ksmbios_status ksmbios_get_field(const ksmbios_table* table, size_t index, size_t field,
                                 ksmbios_field* out) {
    return GetField(table, index, field, out, false);
}

ksmbios_status ksmbios_get_undecoded_count(const ksmbios_table* table, size_t index,
                                           size_t* count) {
    return FieldCount(table, index, count, true);
}

ksmbios_status ksmbios_get_undecoded_field(const ksmbios_table* table, size_t index, size_t field,
                                           ksmbios_field* out) {
    return GetField(table, index, field, out, true);
}

ksmbios_status ksmbios_schema_type_count(size_t* count) {
    if (count == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *count = schema::TypeCount();
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_schema_get_type(size_t type_index, ksmbios_schema_type* out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    const schema::TypeDef* row = schema::TypeRow(type_index);
    if (row == nullptr) return KSMBIOS_OUT_OF_RANGE;
    const schema::TypeDef& type = *row;
    ksmbios_schema_type value{};
    value.type = type.type;
    value.key = type.key;
    value.title = type.title;
    value.name = type.name;
    value.keyword = type.keyword;
    value.field_count = type.fieldCount;
    Store(out, value);
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_schema_find_type(uint32_t type, size_t* type_index) {
    if (type_index == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    const schema::TypeDef* row =
        type <= 0xFF ? schema::FindType(static_cast<std::uint8_t>(type)) : nullptr;
    if (row == nullptr) return KSMBIOS_OUT_OF_RANGE;
    *type_index = static_cast<std::size_t>(row - schema::Types());
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_schema_describing(uint32_t type, size_t* type_index) {
    if (type_index == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (type > 0xFF) return KSMBIOS_OUT_OF_RANGE;
    *type_index = schema::RowIndex(schema::Describing(static_cast<std::uint8_t>(type)));
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_schema_get_field(size_t type_index, size_t field_index,
                                        ksmbios_schema_field* out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    const schema::FieldDef* row = FieldRow(type_index, field_index);
    if (row == nullptr) return KSMBIOS_OUT_OF_RANGE;
    ksmbios_schema_field value{};
    value.key = row->key;
    value.label = row->label;
    value.kind = static_cast<int32_t>(row->kind);
    value.offset = row->offset;
    value.width = row->width;
    value.since = row->since;
    value.shown_from = row->shownFrom;
    value.format = row->format == schema::Format::ByKind
                       ? nullptr
                       : kFormatNames[static_cast<std::size_t>(row->format) - 1];
    value.names = row->names;
    value.mask = row->mask;
    value.shift = row->shift;
    value.first_bit = row->firstBit;
    value.last_bit = row->lastBit;
    value.none = row->none;
    value.unit = row->unit;
    value.special_count = row->specialCount;
    value.has_escape = row->hasEscape ? 1 : 0;
    value.escape = row->escape;
    value.has_omit = row->hasOmit ? 1 : 0;
    value.omit = row->omit;
    value.only_if_key = row->onlyIfKey;
    value.count_key = row->array.countKey;
    value.stride_key = row->array.strideKey;
    value.stride = row->array.stride;
    value.after_key = row->afterKey;
    value.reference = row->reference ? 1 : 0;
    value.record = row->record;
    value.to_end = row->array.toEnd ? 1 : 0;
    value.omit_from = row->omitFrom;
    value.only_if_is = row->onlyIfIs ? 1 : 0;
    value.only_if_value = row->onlyIfValue;
    value.element_heading = row->heading;
    value.layout_from = row->layoutFrom;
    value.layout_before = row->layoutBefore;
    Store(out, value);
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_schema_get_special(size_t type_index, size_t field_index, size_t special,
                                          uint64_t* value, const char** text) {
    if (value == nullptr || text == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    const schema::FieldDef* row = FieldRow(type_index, field_index);
    if (row == nullptr || special >= row->specialCount) return KSMBIOS_OUT_OF_RANGE;
    *value = row->specials[special].value;
    *text = row->specials[special].text;
    return KSMBIOS_OK;
}

}  // extern "C"
