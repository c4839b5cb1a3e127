#include <smbios/SystemSlot.h>

#include "decode/FieldOperations.h"

namespace kelvo::shared::smbios {

SystemSlot::SMBios_2_1::SMBios_2_1() { detail::InitFields(*this); }
SystemSlot::SMBios_2_6::SMBios_2_6() { detail::InitFields(*this); }
KELVO_DESCRIBED_MEMBERS(SystemSlot, SystemSlot, : V2_1(other.V2_1), V2_6(other.V2_6))

}  // namespace kelvo::shared::smbios
