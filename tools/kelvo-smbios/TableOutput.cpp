#include "TableOutput.h"

#include <smbios/kelvo_smbios_fields.h>

#include <algorithm>
#include <cstdio>

#include <nlohmann/json.hpp>

namespace kelvo::smbios_tool {

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
    return true;
}

namespace {

// dmidecode heads each device of an on-board devices structure (type 10) on its own, numbered when
// the structure holds several, and a structure without devices not at all.
bool StartsDevice(const DecodedField& field) {
    return field.key == "on_board_devices.devices" && field.label == "Type";
}

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
        const bool perDevice = structure.type == 10 && !structure.title.empty();
        const auto devices =
            std::count_if(structure.fields.begin(), structure.fields.end(), StartsDevice);
        if (!structure.title.empty() && !perDevice) (text += structure.title) += '\n';
        int device = 0;
        for (const DecodedField& field : structure.fields) {
            if (perDevice && StartsDevice(field)) {
                ++device;
                text += devices > 1 ? "On Board Device " + std::to_string(device) + " Information"
                                    : std::string(structure.title);
                text += '\n';
            }
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
