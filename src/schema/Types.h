#pragma once

// Every described structure type, in the order of their numbers. A new type is a header of rows
// in types/ and a line here.

#include "schema/types/AdditionalInformation.h"
#include "schema/types/Baseboard.h"
#include "schema/types/Bios.h"
#include "schema/types/BiosLanguage.h"
#include "schema/types/BootIntegrity.h"
#include "schema/types/Cache.h"
#include "schema/types/Chassis.h"
#include "schema/types/CoolingDevice.h"
#include "schema/types/FirmwareInventory.h"
#include "schema/types/GroupAssociations.h"
#include "schema/types/HardwareSecurity.h"
#include "schema/types/HostInterface.h"
#include "schema/types/IpmiDevice.h"
#include "schema/types/ManagementDevice.h"
#include "schema/types/ManagementDeviceComponent.h"
#include "schema/types/ManagementDeviceThreshold.h"
#include "schema/types/MappedAddress.h"
#include "schema/types/MemoryChannel.h"
#include "schema/types/MemoryController.h"
#include "schema/types/MemoryDevice.h"
#include "schema/types/MemoryError.h"
#include "schema/types/MemoryModule.h"
#include "schema/types/OemStrings.h"
#include "schema/types/OnBoardDevices.h"
#include "schema/types/OnboardDeviceExtended.h"
#include "schema/types/PhysicalMemoryArray.h"
#include "schema/types/PointingDevice.h"
#include "schema/types/PortConnector.h"
#include "schema/types/PortableBattery.h"
#include "schema/types/PowerControls.h"
#include "schema/types/PowerSupply.h"
#include "schema/types/Probes.h"
#include "schema/types/Processor.h"
#include "schema/types/ProcessorAdditional.h"
#include "schema/types/RemoteAccess.h"
#include "schema/types/StringProperty.h"
#include "schema/types/System.h"
#include "schema/types/SystemBoot.h"
#include "schema/types/SystemConfigurationOptions.h"
#include "schema/types/SystemEventLog.h"
#include "schema/types/SystemReset.h"
#include "schema/types/SystemSlot.h"
#include "schema/types/TableMarkers.h"
#include "schema/types/TpmDevice.h"

namespace kelvo::shared::smbios::schema {

inline constexpr TypeDef kTypes[] = {
    kBios,
    kSystem,
    kBaseboard,
    kChassis,
    kProcessor,
    kMemoryController,
    kMemoryModule,
    kCache,
    kPortConnector,
    kSystemSlot,
    kOnBoardDevices,
    kOemStrings,
    kSystemConfigurationOptions,
    kBiosLanguage,
    kGroupAssociations,
    kSystemEventLog,
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
    kManagementDevice,
    kManagementDeviceComponent,
    kManagementDeviceThreshold,
    kMemoryChannel,
    kIpmiDevice,
    kPowerSupply,
    kAdditionalInformation,
    kOnboardDeviceExtended,
    kHostInterface,
    kTpmDevice,
    kProcessorAdditional,
    kFirmwareInventory,
    kStringProperty,
    kInactive,
    kEndOfTable,
};

}  // namespace kelvo::shared::smbios::schema
