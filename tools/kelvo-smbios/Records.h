#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include "TableFile.h"

namespace kelvo::smbios_tool {

// One member of a record, as both outputs show it.
struct Field {
    enum class Kind { Number, Text, Numbers, Texts };

    std::string block;  // the version block that holds it ("V2_1"), empty for base fields
    std::string name;   // the member's name
    Kind kind;
    int hexDigits;  // Number and Numbers: 0 for decimal, else the width in hex digits
    std::uint64_t number;
    std::string text;
    std::vector<std::uint64_t> numbers;
    std::vector<std::string> texts;
};

// One record: its getter's type name, its SMBIOS title and every member in declaration order.
struct Section {
    std::string key;    // "TypeBios"
    std::string title;  // "BIOS Information (type 0)"
    std::vector<Field> fields;
};

// What the tool shows about one source.
struct Report {
    std::string version;  // the accepted table version ("3.0"), empty when there is none
    bool hasTable;        // the tool holds the table's bytes, and so its raw header
    std::uint8_t major;
    std::uint8_t minor;
    std::uint8_t dmiRevision;
    std::uint64_t length;               // the header's Length
    std::string error;                  // Error's text, empty when construction succeeded
    std::vector<std::string> warnings;  // the reader's: a table read only up to a point
    std::vector<Section> sections;
};

// Describes `info`. `table` is the handle whose bytes `info` was read from, when the tool holds
// one: it gives the raw header and the baseboard's contained handles, which the record only
// points at.
Report Describe(const kelvo::shared::smbios::SMBiosInfo& info, const ksmbios_table* table);

// Sets the report's raw header from the handle's table.
void DescribeTable(Report& report, const ksmbios_table* table);

}  // namespace kelvo::smbios_tool
