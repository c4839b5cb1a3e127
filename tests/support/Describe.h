#pragma once

#include <string>

#include <smbios/SMBiosInfo.h>

namespace kelvo::test {

// Every field of every record that `info` answers, its version and its error, as one text, from
// the record descriptions; reads every string the records own and every OEM string through
// GetOemStrings. A null string (only after a failed allocation) shows as (null) and is counted
// in `nullStrings`.
std::string Describe(const kelvo::shared::smbios::SMBiosInfo& info, int* nullStrings = nullptr);

}  // namespace kelvo::test
