#pragma once

#include <string>

#include "Records.h"

namespace kelvo::smbios_tool {

// The report as text for people: the version, the table's header, then a section per record
// with a line per member.
std::string TextReport(const Report& report);

// The report as one JSON document: numbers as numbers, texts as strings (bytes that are not
// UTF-8 become U+FFFD), version blocks as nested objects.
std::string JsonReport(const Report& report);

}  // namespace kelvo::smbios_tool
