#pragma once

#include <string>

namespace kelvo::smbios_tool {

// What the running machine's tables folder looked like when its table could not be read.
struct MachineProbe {
    bool folderExists = false;
    int openError = 0;  // errno of opening the folder's DMI file, 0 when it opened
};

// Looks at the place the running machine's table is read from (Linux's sysfs folder).
MachineProbe ProbeMachineTable();

// Why the running machine's table could not be read and what to do, in a person's words; the
// library's own error follows it.
std::string MachineTableHelp(const MachineProbe& probe);

}  // namespace kelvo::smbios_tool
