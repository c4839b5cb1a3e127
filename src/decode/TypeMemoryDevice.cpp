#include <smbios/TypeMemoryDevice.h>

#include "decode/FieldOperations.h"

namespace kelvo::shared::smbios {

KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice::SMBios_2_1, SMBios_2_1)
KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice::SMBios_2_3, SMBios_2_3)
KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice::SMBios_2_6, SMBios_2_6)
KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice::SMBios_2_7, SMBios_2_7)
KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice::SMBios_2_8, SMBios_2_8)
KELVO_DESCRIBED_MEMBERS(TypeMemoryDevice, TypeMemoryDevice,
                        : V2_1(other.V2_1), V2_3(other.V2_3), V2_6(other.V2_6), V2_7(other.V2_7),
                          V2_8(other.V2_8))

}  // namespace kelvo::shared::smbios
