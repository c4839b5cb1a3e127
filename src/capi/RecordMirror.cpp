// The C records of kelvo_smbios.h are the C++ records seen through C: ksmbios_get_records and
// the table view hand out the C++ records as they are. Each C member must therefore lie where its
// C++ member lies and be as wide, which the compiler checks here member by member, so that two
// members of one width swapped on either side stop the build.
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <cstddef>
#include <utility>

namespace {

using namespace kelvo::shared::smbios;

#define KELVO_MIRRORS(C, Cpp, member)                                                           \
    static_assert(offsetof(C, member) == offsetof(Cpp, member) &&                               \
                      sizeof(std::declval<C&>().member) == sizeof(std::declval<Cpp&>().member), \
                  #C "." #member " does not lie over " #Cpp "." #member)

static_assert(sizeof(ksmbios_bios) == sizeof(TypeBios));
KELVO_MIRRORS(ksmbios_bios, TypeBios, VendorStringNumber);
KELVO_MIRRORS(ksmbios_bios, TypeBios, Vendor);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSVersionStringNumber);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSVersion);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSStartingSegment);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSReleaseDateStringNumber);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSReleaseDate);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSROMSize);
KELVO_MIRRORS(ksmbios_bios, TypeBios, BIOSCharacteristics);
KELVO_MIRRORS(ksmbios_bios, TypeBios, ExtensionByte1);
KELVO_MIRRORS(ksmbios_bios, TypeBios, ExtensionByte2);
KELVO_MIRRORS(ksmbios_bios, TypeBios, SystemBIOSMajorRelease);
KELVO_MIRRORS(ksmbios_bios, TypeBios, SystemBIOSMinorRelease);
KELVO_MIRRORS(ksmbios_bios, TypeBios, EmbeddedFirmwareMajorRelease);
KELVO_MIRRORS(ksmbios_bios, TypeBios, EmbeddedFirmwareMinorRelease);

static_assert(sizeof(ksmbios_system) == sizeof(TypeSysInfo));
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, ManufacturerStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, Manufacturer);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, ProductNameStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, ProductName);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, VersionStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, Version);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, SerialNumberStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, SerialNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_1.UUID);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_1.WakeUpType);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_1.UUIDString);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_4.SKUNumberStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_4.SKUNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_4.FamilyStringNumber);
KELVO_MIRRORS(ksmbios_system, TypeSysInfo, V2_4.Family);

static_assert(sizeof(ksmbios_baseboard) == sizeof(TypeBaseboard));
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, ManufacturerStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, Manufacturer);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, ProductStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, Product);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, VersionStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, Version);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, SerialNumberStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, SerialNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, AssetTagStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, AssetTag);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, FeatureFlags);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, LocationInChassisStringNumber);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, LocationInChassis);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, ChassisHandle);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, BoardType);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, NumberOfContainedObjectHandles);
KELVO_MIRRORS(ksmbios_baseboard, TypeBaseboard, ContainedObjectHandles);

static_assert(sizeof(ksmbios_enclosure) == sizeof(TypeSystemEnclosure));
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, ManufacturerStringNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, Manufacturer);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, ChassisType);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, VersionStringNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, Version);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, SerialNumberStringNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, SerialNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, AssetTagStringNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, AssetTag);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, ChassisTypeName);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_1.BootUpState);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_1.PowerSupplyState);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_1.ThermalState);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_1.SecurityStatus);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.OEMDefined);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.Height);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.NumberOfPowerCords);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.ContainedElementCount);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.ContainedElementRecordLength);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_3.ContainedElements);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_7.SKUNumberStringNumber);
KELVO_MIRRORS(ksmbios_enclosure, TypeSystemEnclosure, V2_7.SKUNumber);

static_assert(sizeof(ksmbios_processor) == sizeof(TypeProcessor));
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, SocketDesignationStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, SocketDesignation);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorType);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorFamily);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorManufacturerStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorManufacturer);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorID);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorVersionStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorVersion);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, Voltage);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ExternalClock);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, MaxSpeed);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, CurrentSpeed);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, Status);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, ProcessorUpgrade);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_1.L1CacheHandle);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_1.L2CacheHandle);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_1.L3CacheHandle);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.SerialNumberStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.SerialNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.AssetTagStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.AssetTag);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.PartNumberStringNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_3.PartNumber);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_5.CoreCount);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_5.CoreEnabled);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_5.ThreadCount);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_5.ProcessorCharacteristics);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V2_6.ProcessorFamily2);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V3_0.CoreCount2);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V3_0.CoreEnabled2);
KELVO_MIRRORS(ksmbios_processor, TypeProcessor, V3_0.ThreadCount2);

static_assert(sizeof(ksmbios_slot) == sizeof(SystemSlot));
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotDesignationStringNumber);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotDesignation);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotType);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotDataBusWidth);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, CurrentUsage);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotLength);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotID);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, SlotCharacteristics1);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, V2_1.SlotCharacteristics2);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, V2_6.SegmentGroupNumber);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, V2_6.BusNumber);
KELVO_MIRRORS(ksmbios_slot, SystemSlot, V2_6.DeviceFunctionNumber);

static_assert(sizeof(ksmbios_oem_strings) == sizeof(TypeOemStrings));
KELVO_MIRRORS(ksmbios_oem_strings, TypeOemStrings, Count);
KELVO_MIRRORS(ksmbios_oem_strings, TypeOemStrings, Strings);
KELVO_MIRRORS(ksmbios_oem_strings, TypeOemStrings, StringsSize);

static_assert(sizeof(ksmbios_memory_array) == sizeof(TypePhysicalMemory));
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.Location);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.Use);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.MemoryErrorCorrection);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.MaximumCapacity);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.MemoryErrorInformationHandle);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_1.NumberOfMemoryDevices);
KELVO_MIRRORS(ksmbios_memory_array, TypePhysicalMemory, V2_7.ExtendedMaximumCapacity);

static_assert(sizeof(ksmbios_memory_device) == sizeof(TypeMemoryDevice));
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.PhysicalMemoryArrayHandle);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.MemoryErrorInformationHandle);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.TotalWidth);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.DataWidth);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.Size);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.FormFactor);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.DeviceSet);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.DeviceLocatorStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.DeviceLocator);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.BankLocatorStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.BankLocator);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.MemoryType);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_1.TypeDetail);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.Speed);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.ManufacturerStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.Manufacturer);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.SerialNumberStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.SerialNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.AssetTagStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.AssetTag);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.PartNumberStringNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_3.PartNumber);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_6.Attributes);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_7.ExtendedSize);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_7.ConfiguredMemoryClockSpeed);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_8.MinimumVoltage);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_8.MaximumVoltage);
KELVO_MIRRORS(ksmbios_memory_device, TypeMemoryDevice, V2_8.ConfiguredVoltage);

#undef KELVO_MIRRORS

}  // namespace
