#include <cstdio>

#include "Output.h"

namespace kelvo::smbios_tool {

namespace {

std::string Number(std::uint64_t value, int hexDigits, bool prefix = true) {
    if (hexDigits == 0) return std::to_string(value);
    char text[24];
    std::snprintf(text, sizeof text, "%s%0*llX", prefix ? "0x" : "", hexDigits,
                  static_cast<unsigned long long>(value));
    return text;
}

std::string Value(const Field& field) {
    std::string text;
    switch (field.kind) {
        case Field::Kind::Number:
            return Number(field.number, field.hexDigits);
        case Field::Kind::Text:
            return field.text;
        case Field::Kind::Numbers:
            // Byte arrays as "00 1F ..."; wider values keep their "0x".
            for (std::uint64_t value : field.numbers) {
                text += (text.empty() ? "" : " ") +
                        Number(value, field.hexDigits, field.hexDigits != 2);
            }
            return text;
        case Field::Kind::Texts:
            for (const std::string& line : field.texts) text += "\n\t\t" + line;
            return text;
    }
    return text;
}

}  // namespace

std::string TextReport(const Report& report) {
    std::string text =
        "SMBiosVersion: " + (report.version.empty() ? "none" : report.version) + "\n";
    if (report.hasTable) {
        text += "Table: SMBIOS " + std::to_string(report.major) + "." +
                std::to_string(report.minor) + ", DMI revision " +
                std::to_string(report.dmiRevision) + ", " + std::to_string(report.length) +
                " bytes\n";
    }
    for (const Section& section : report.sections) {
        text += "\n" + section.title + "\n";
        for (const Field& field : section.fields) {
            // Empty values and lists of lines leave nothing after the colon.
            const std::string value = Value(field);
            const bool sameLine = !value.empty() && value[0] != '\n';
            text += "\t" + field.name + ":" + (sameLine ? " " : "") + value + "\n";
        }
    }
    return text;
}

}  // namespace kelvo::smbios_tool
