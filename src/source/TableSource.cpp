#include "source/TableSource.h"

namespace kelvo::shared::smbios::source {

// Placeholder until the tool's file reading moves here.
bool ReadTableFile(const std::string& path, std::vector<std::uint8_t>& raw, SourceFault& fault,
                   std::string& errorText) {
    raw.clear();
    fault = SourceFault::Unreadable;
    errorText = path + ": not read yet";
    return false;
}

}  // namespace kelvo::shared::smbios::source
