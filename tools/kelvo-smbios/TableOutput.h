#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Structures.h"

namespace kelvo::smbios_tool {

// The table as the default output shows it: its version line and every structure of the nine
// types in table order.
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
