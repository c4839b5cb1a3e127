#include <smbios/TypePhysicalMemory.h>

#include "decode/FieldOperations.h"

namespace kelvo::shared::smbios {

KELVO_DESCRIBED_MEMBERS(TypePhysicalMemory::SMBios_2_1, SMBios_2_1)
KELVO_DESCRIBED_MEMBERS(TypePhysicalMemory::SMBios_2_7, SMBios_2_7)
KELVO_DESCRIBED_MEMBERS(TypePhysicalMemory, TypePhysicalMemory,
                        : V2_1(other.V2_1), V2_7(other.V2_7))

}  // namespace kelvo::shared::smbios
