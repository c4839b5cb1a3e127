#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/TableBuilder.h"

namespace kelvo::test {

// The table of the tool's examples and golden outputs: a 3.2 table with one structure of each
// decoded type and every member set to a value of its own.
TableBuilder ExampleTable();

// Writes `raw` in each format the tool reads: DIR/NAME.rsmb (raw), DIR/NAME.bin (dmidecode
// dump) and the folder DIR/NAME-sysfs with smbios_entry_point and DMI.
void WriteTableFiles(const std::vector<std::uint8_t>& raw, const std::string& directory,
                     const std::string& name);

}  // namespace kelvo::test
