#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <smbios/kelvo_smbios.h>

namespace kelvo::smbios_tool {

// One field of a structure as the library shows it: a label, the value as text (names, units),
// the number that the table holds when the value is a number, and for lists their lines. The
// texts are the library's own, valid until the table is closed: nothing is copied.
struct DecodedField {
    std::string_view key;  // the library's key of the field: "memory_device.size"
    std::string_view label;
    std::string_view value;              // empty for a bare list
    const char* const* items = nullptr;  // the lines of a list, itemCount of them
    std::size_t itemCount = 0;
    std::optional<std::uint64_t> raw;
    bool reference = false;  // a handle or raw identifier: left out by --quiet
    std::string heading;     // the heading that opens an array's element at this field, or empty
};

struct DecodedStructure {
    std::uint16_t handle = 0;
    std::uint8_t type = 0;
    std::uint8_t length = 0;
    std::string_view title;       // the library's, or empty
    bool elementsHeaded = false;  // its array's elements are headed in place of the title
    std::vector<DecodedField> fields;
};

// Structure `index` of `table` with the fields that the library decodes (ksmbios_get_field) and
// the headings of the elements of an array whose schema row heads them, or `undecoded`, with no
// title and its bytes and strings (ksmbios_get_undecoded_field).
bool ReadStructure(const ksmbios_table* table, std::size_t index, bool undecoded,
                   DecodedStructure& out);

// The table as the default output shows it: its version line and every structure in table order.
struct TableReport {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint8_t revision = 0;
    bool versionInferred = false;       // a bare table's version, inferred from its structures
    std::string source;                 // how the table was kept ("dump", "folder", ...)
    std::vector<std::string> warnings;  // the reader's: a table read only up to a point
    std::vector<DecodedStructure> structures;
};

// As dmidecode lays it out: the version line, then per structure its handle line, its title and
// a line per field (lists one item a line below it). `quiet` leaves out the version and handle
// lines and the fields that are references to other structures.
std::string TableText(const TableReport& report, bool quiet);

// One JSON document: the version, the source, the reader's warnings and every structure with its
// fields, each with its label, its value as text, the number that the table holds and the lines
// of a list.
std::string TableJson(const TableReport& report, bool quiet);

}  // namespace kelvo::smbios_tool
