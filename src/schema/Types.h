#pragma once

// Every described structure type, in the order of their numbers. A new type is a header of rows
// in types/ and a line here.

#include "schema/types/Baseboard.h"
#include "schema/types/Bios.h"
#include "schema/types/BootIntegrity.h"
#include "schema/types/Chassis.h"
#include "schema/types/CoolingDevice.h"
#include "schema/types/HardwareSecurity.h"
#include "schema/types/MappedAddress.h"
#include "schema/types/MemoryDevice.h"
#include "schema/types/MemoryError.h"
#include "schema/types/OemStrings.h"
#include "schema/types/PhysicalMemoryArray.h"
#include "schema/types/PointingDevice.h"
#include "schema/types/PortableBattery.h"
#include "schema/types/PowerControls.h"
#include "schema/types/Probes.h"
#include "schema/types/Processor.h"
#include "schema/types/RemoteAccess.h"
#include "schema/types/System.h"
#include "schema/types/SystemBoot.h"
#include "schema/types/SystemReset.h"
#include "schema/types/SystemSlot.h"

namespace kelvo::shared::smbios::schema {

inline constexpr TypeDef kTypes[] = {
    kBios,
    kSystem,
    kBaseboard,
    kChassis,
    kProcessor,
    kSystemSlot,
    kOemStrings,
    kPhysicalMemoryArray,
    kMemoryDevice,
    kMemoryError32,
    kMemoryArrayMappedAddress,
    kMemoryDeviceMappedAddress,
    kPointingDevice,
    kPortableBattery,
    kSystemReset,
    kHardwareSecurity,
    kPowerControls,
    kVoltageProbe,
    kCoolingDevice,
    kTemperatureProbe,
    kElectricalCurrentProbe,
    kRemoteAccess,
    kBootIntegrity,
    kSystemBoot,
    kMemoryError64,
};

}  // namespace kelvo::shared::smbios::schema
