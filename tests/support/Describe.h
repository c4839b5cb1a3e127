#pragma once

#include <string>
#include <type_traits>

#include <smbios/SMBiosInfo.h>

namespace kelvo::test {

// Every field of every record that `info` answers, its version and its error, as one text, from
// the record descriptions; reads every string the records own and every OEM string through
// GetOemStrings. A null string (only after a failed allocation) shows as (null) and is counted
// in `nullStrings`.
std::string Describe(const kelvo::shared::smbios::SMBiosInfo& info, int* nullStrings = nullptr);

// The record of type R that `info` answers.
template <class R>
const R& RecordOf(const kelvo::shared::smbios::SMBiosInfo& info) {
    using namespace kelvo::shared::smbios;
    if constexpr (std::is_same_v<R, TypeBios>) return info.GetTypeBios();
    if constexpr (std::is_same_v<R, TypeSysInfo>) return info.GetTypeSysInfo();
    if constexpr (std::is_same_v<R, TypeBaseboard>) return info.GetTypeBaseboard();
    if constexpr (std::is_same_v<R, TypeSystemEnclosure>) return info.GetTypeSystemEnclosure();
    if constexpr (std::is_same_v<R, TypeProcessor>) return info.GetTypeProcessor();
    if constexpr (std::is_same_v<R, SystemSlot>) return info.GetSystemSlot();
    if constexpr (std::is_same_v<R, TypeOemStrings>) return info.GetTypeOemStrings();
    if constexpr (std::is_same_v<R, TypePhysicalMemory>) return info.GetTypePhysicalMemory();
    if constexpr (std::is_same_v<R, TypeMemoryDevice>) return info.GetTypeMemoryDevice();
}

}  // namespace kelvo::test
