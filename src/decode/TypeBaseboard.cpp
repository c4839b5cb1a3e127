#include <smbios/TypeBaseboard.h>

#include "decode/FieldOperations.h"
#include "decode/RecordDecoder.h"

namespace kelvo::shared::smbios {

// Copies carry the handle pointer as it is: it still points into the table.
KELVO_DESCRIBED_MEMBERS(TypeBaseboard, TypeBaseboard)

namespace detail {

// The handles stay in the table and are not copied; they are unaligned, so the pointer is only
// handed on, never dereferenced here. By version it is null only when offset 0Fh lies outside the
// table; within the Length, also when the handles that the count announces do not all fit.
void DecodeSpecial(const StructureReader& s, TypeBaseboard& board) {
    const unsigned handleBytes = s.withinLength ? 2u * board.NumberOfContainedObjectHandles : 0u;
    if (!s.Admits(0x0200, 0x0F, handleBytes)) return;
    board.ContainedObjectHandles =
        reinterpret_cast<const std::uint16_t*>(s.table.Address(s.start + 0x0F));
}

}  // namespace detail
}  // namespace kelvo::shared::smbios
