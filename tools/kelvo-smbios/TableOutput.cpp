#include "TableOutput.h"

#include <smbios/kelvo_smbios_fields.h>

#include <algorithm>
#include <cstdio>

#include <nlohmann/json.hpp>

namespace kelvo::smbios_tool {

namespace {

// Heads the elements of the array whose row (of type `typeIndex`) says how, if any: the title
// when the structure holds one, the row's heading with the element's number when it holds several.
bool HeadElements(std::size_t typeIndex, std::size_t rows, DecodedStructure& out) {
    ksmbios_schema_field row{};
    row.struct_size = sizeof row;
    for (std::size_t i = 0; i < rows && !out.elementsHeaded; ++i) {
        if (ksmbios_schema_get_field(typeIndex, i, &row) != KSMBIOS_OK) return false;
        out.elementsHeaded = row.element_heading != nullptr;
    }
    if (!out.elementsHeaded) return true;
    const auto starts = [&row](const DecodedField& field) {
        return field.key == row.key && field.label == row.label;
    };
    const auto elements = std::count_if(out.fields.begin(), out.fields.end(), starts);
    int element = 0;
    for (DecodedField& field : out.fields) {
        if (!starts(field)) continue;
        field.heading = elements == 1 ? std::string(out.title) : row.element_heading;
        const std::size_t number = field.heading.find('#');
        if (elements > 1 && number != std::string::npos)
            field.heading.replace(number, 1, std::to_string(++element));
    }
    return true;
}

}  // namespace

bool ReadStructure(const ksmbios_table* table, std::size_t index, bool undecoded,
                   DecodedStructure& out) {
    ksmbios_structure structure{};
    structure.struct_size = sizeof structure;
    std::size_t typeIndex = 0;
    ksmbios_schema_type type{};
    type.struct_size = sizeof type;
    std::size_t count = 0;
    const auto countOf = undecoded ? ksmbios_get_undecoded_count : ksmbios_get_field_count;
    const auto fieldOf = undecoded ? ksmbios_get_undecoded_field : ksmbios_get_field;
    if (ksmbios_get_structure(table, index, &structure) != KSMBIOS_OK ||
        ksmbios_schema_describing(structure.type, &typeIndex) != KSMBIOS_OK ||
        ksmbios_schema_get_type(typeIndex, &type) != KSMBIOS_OK ||
        countOf(table, index, &count) != KSMBIOS_OK) {
        return false;
    }
    out.handle = structure.handle;
    out.type = structure.type;
    out.length = structure.length;
    out.title = undecoded ? "" : type.title;
    out.fields.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        ksmbios_field field{};
        field.struct_size = sizeof field;
        if (fieldOf(table, index, i, &field) != KSMBIOS_OK) return false;
        DecodedField& shown = out.fields[i];
        shown.key = field.key;
        shown.label = field.label;
        shown.value = field.text;
        shown.items = field.items;
        shown.itemCount = field.item_count;
        if (field.has_raw) shown.raw = field.raw;
        shown.reference = field.reference != 0;
    }
    return undecoded || HeadElements(typeIndex, type.field_count, out);
}

namespace {

std::string VersionText(const TableReport& report) {
    std::string text = std::to_string(report.major) + "." + std::to_string(report.minor);
    if (report.major >= 3) text += "." + std::to_string(report.revision);
    return text;
}

}  // namespace

std::string TableText(const TableReport& report, bool quiet) {
    std::string text;
    if (!quiet) {
        text += "SMBIOS " + VersionText(report) + " present";
        if (report.versionInferred) {
            text += " (version inferred: the lowest whose structure layouts fit every structure)";
        }
        text += ".\n\n";
    }
    for (const DecodedStructure& structure : report.structures) {
        if (!quiet) {
            char line[64];
            std::snprintf(line, sizeof line, "Handle 0x%04X, DMI type %u, %u bytes\n",
                          structure.handle, structure.type, structure.length);
            text += line;
        }
        if (!structure.title.empty() && !structure.elementsHeaded)
            (text += structure.title) += '\n';
        for (const DecodedField& field : structure.fields) {
            if (!field.heading.empty()) (text += field.heading) += '\n';
            if (quiet && field.reference) continue;
            text += '\t';
            text += field.label;
            text += ':';
            if (!field.value.empty()) (text += ' ') += field.value;
            text += '\n';
            for (std::size_t i = 0; i < field.itemCount; ++i) {
                ((text += "\t\t") += field.items[i]) += '\n';
            }
        }
        text += "\n";
    }
    return text;
}

std::string TableJson(const TableReport& report, bool quiet) {
    using Json = nlohmann::ordered_json;
    Json document;
    document["SMBIOSVersion"] = VersionText(report);
    document["VersionInferred"] = report.versionInferred;
    document["Source"] = report.source;
    document["warnings"] = report.warnings;
    Json& structures = document["Structures"] = Json::array();
    for (const DecodedStructure& structure : report.structures) {
        Json fields = Json::array();
        for (const DecodedField& field : structure.fields) {
            if (quiet && field.reference) continue;
            Json entry = {{"Name", std::string(field.label)}, {"Value", std::string(field.value)}};
            if (field.raw) entry["Raw"] = *field.raw;
            if (field.itemCount != 0) {
                entry["Items"] =
                    std::vector<std::string>(field.items, field.items + field.itemCount);
            }
            fields.push_back(std::move(entry));
        }
        structures.push_back({{"Handle", structure.handle},
                              {"Type", structure.type},
                              {"Length", structure.length},
                              {"Title", std::string(structure.title)},
                              {"Fields", std::move(fields)}});
    }
    // Texts come from firmware as they are: bytes that are not UTF-8 must not break the document.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace kelvo::smbios_tool
