#pragma once

// Every described structure type, in the order of their numbers. A new type is a header of rows
// in types/ and a line here.

#include "schema/types/Baseboard.h"
#include "schema/types/Bios.h"
#include "schema/types/Chassis.h"
#include "schema/types/MemoryDevice.h"
#include "schema/types/OemStrings.h"
#include "schema/types/PhysicalMemoryArray.h"
#include "schema/types/Processor.h"
#include "schema/types/System.h"
#include "schema/types/SystemSlot.h"

namespace kelvo::shared::smbios::schema {

inline constexpr TypeDef kTypes[] = {
    kBios,       kSystem,     kBaseboard,           kChassis,      kProcessor,
    kSystemSlot, kOemStrings, kPhysicalMemoryArray, kMemoryDevice,
};

}  // namespace kelvo::shared::smbios::schema
