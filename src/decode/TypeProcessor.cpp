#include <smbios/TypeProcessor.h>

#include <algorithm>

#include "decode/FieldOperations.h"

namespace kelvo::shared::smbios {

KELVO_DESCRIBED_MEMBERS(TypeProcessor::SMBios_2_1, SMBios_2_1)
KELVO_DESCRIBED_MEMBERS(TypeProcessor::SMBios_2_3, SMBios_2_3)
KELVO_DESCRIBED_MEMBERS(TypeProcessor::SMBios_2_5, SMBios_2_5)
KELVO_DESCRIBED_MEMBERS(TypeProcessor::SMBios_2_6, SMBios_2_6)
KELVO_DESCRIBED_MEMBERS(TypeProcessor::SMBios_3_0, SMBios_3_0)
KELVO_DESCRIBED_MEMBERS(TypeProcessor, TypeProcessor,
                        : V2_1(other.V2_1), V2_3(other.V2_3), V2_5(other.V2_5), V2_6(other.V2_6),
                          V3_0(other.V3_0))

}  // namespace kelvo::shared::smbios
