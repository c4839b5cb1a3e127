#pragma once

#include <cstdint>

#include "decode/RecordDecoder.h"
#include "decode/Walker.h"

namespace kelvo::shared::smbios::detail {

// What the walk does with each structure type that the library decodes: one row per type.
struct RecordType {
    std::uint8_t type;
    // Makes the holder's record and fills it from the structure.
    void (*decode)(const StructureReader& reader, DecodedStructure& structure);
    // Writes the debug log record of a decoded record; null for the types that have none.
    void (*log)(const DecodedStructure& structure);
    // Hands the decoded record over to the SystemFirmware's record of its type, with what an
    // assignment does (the last structure of a type wins).
    void (*store)(DecodedStructure& structure, pimpl::SystemFirmware& firmware);
};

// The row of structure type `type`, or null for a type that the library does not decode.
const RecordType* FindRecordType(std::uint8_t type);

}  // namespace kelvo::shared::smbios::detail
