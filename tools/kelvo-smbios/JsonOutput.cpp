#include <nlohmann/json.hpp>

#include "Output.h"

namespace kelvo::smbios_tool {

namespace {

using Json = nlohmann::ordered_json;

Json Value(const Field& field) {
    switch (field.kind) {
        case Field::Kind::Number:
            return field.number;
        case Field::Kind::Text:
            return field.text;
        case Field::Kind::Numbers:
            return field.numbers;
        case Field::Kind::Texts:
            return field.texts;
    }
    return nullptr;
}

}  // namespace

std::string JsonReport(const Report& report) {
    Json document;
    document["SMBiosVersion"] = report.version.empty() ? Json() : Json(report.version);
    Json& table = document["Table"];
    if (report.hasTable) {
        table = {{"MajorVersion", report.major},
                 {"MinorVersion", report.minor},
                 {"DMIRevision", report.dmiRevision},
                 {"Length", report.length}};
    }
    document["Error"] = report.error.empty() ? Json() : Json(report.error);
    document["warnings"] = report.warnings;
    for (const Section& section : report.sections) {
        Json& record = document[section.key];
        record = Json::object();
        for (const Field& field : section.fields) {
            Json& owner = field.block.empty() ? record : record[field.block];
            owner[field.name] = Value(field);
        }
    }
    // Texts come from firmware as they are: bytes that are not UTF-8 must not break the document.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace kelvo::smbios_tool
