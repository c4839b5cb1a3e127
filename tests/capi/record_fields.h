/* Every member of the nine records, listed once for the layout checks and the describer. Each
 * list calls NUM(m) for an unsigned number, TEXT(m) for a text, BYTES(m, n) for a byte array and
 * PTR(m) for a pointer into other memory. Nested members are written with their block. */
#ifndef KELVO_TEST_RECORD_FIELDS_H
#define KELVO_TEST_RECORD_FIELDS_H

/* clang-format off */

#define KS_BIOS_FIELDS(NUM, TEXT, BYTES, PTR)                                     \
    NUM(VendorStringNumber)                                                       \
    TEXT(Vendor)                                                                  \
    NUM(BIOSVersionStringNumber) TEXT(BIOSVersion) NUM(BIOSStartingSegment)       \
        NUM(BIOSReleaseDateStringNumber) TEXT(BIOSReleaseDate) NUM(BIOSROMSize)   \
            BYTES(BIOSCharacteristics, 8) NUM(ExtensionByte1) NUM(ExtensionByte2) \
                NUM(SystemBIOSMajorRelease) NUM(SystemBIOSMinorRelease)           \
                    NUM(EmbeddedFirmwareMajorRelease) NUM(EmbeddedFirmwareMinorRelease)

#define KS_SYSTEM_FIELDS(NUM, TEXT, BYTES, PTR)                                                    \
    NUM(ManufacturerStringNumber)                                                                  \
    TEXT(Manufacturer)                                                                             \
    NUM(ProductNameStringNumber) TEXT(ProductName) NUM(VersionStringNumber) TEXT(Version)          \
        NUM(SerialNumberStringNumber) TEXT(SerialNumber) BYTES(V2_1.UUID, 16) NUM(V2_1.WakeUpType) \
            TEXT(V2_1.UUIDString) NUM(V2_4.SKUNumberStringNumber) TEXT(V2_4.SKUNumber)             \
                NUM(V2_4.FamilyStringNumber) TEXT(V2_4.Family)

#define KS_BASEBOARD_FIELDS(NUM, TEXT, BYTES, PTR)                                                \
    NUM(ManufacturerStringNumber)                                                                 \
    TEXT(Manufacturer)                                                                            \
    NUM(ProductStringNumber) TEXT(Product) NUM(VersionStringNumber) TEXT(Version)                 \
        NUM(SerialNumberStringNumber) TEXT(SerialNumber) NUM(AssetTagStringNumber) TEXT(AssetTag) \
            NUM(FeatureFlags) NUM(LocationInChassisStringNumber) TEXT(LocationInChassis)          \
                NUM(ChassisHandle) NUM(BoardType) NUM(NumberOfContainedObjectHandles)             \
                    PTR(ContainedObjectHandles)

#define KS_ENCLOSURE_FIELDS(NUM, TEXT, BYTES, PTR)                                         \
    NUM(ManufacturerStringNumber)                                                          \
    TEXT(Manufacturer)                                                                     \
    NUM(ChassisType) NUM(VersionStringNumber) TEXT(Version) NUM(SerialNumberStringNumber)  \
        TEXT(SerialNumber) NUM(AssetTagStringNumber) TEXT(AssetTag) TEXT(ChassisTypeName)  \
            NUM(V2_1.BootUpState) NUM(V2_1.PowerSupplyState) NUM(V2_1.ThermalState)        \
                NUM(V2_1.SecurityStatus) NUM(V2_3.OEMDefined) NUM(V2_3.Height)             \
                    NUM(V2_3.NumberOfPowerCords) NUM(V2_3.ContainedElementCount)           \
                        NUM(V2_3.ContainedElementRecordLength) PTR(V2_3.ContainedElements) \
                            NUM(V2_7.SKUNumberStringNumber) TEXT(V2_7.SKUNumber)

#define KS_PROCESSOR_FIELDS(NUM, TEXT, BYTES, PTR)                                                 \
    NUM(SocketDesignationStringNumber)                                                             \
    TEXT(SocketDesignation)                                                                        \
    NUM(ProcessorType) NUM(ProcessorFamily) NUM(ProcessorManufacturerStringNumber)                 \
        TEXT(ProcessorManufacturer) BYTES(ProcessorID, 8) NUM(ProcessorVersionStringNumber)        \
            TEXT(ProcessorVersion) NUM(Voltage) NUM(ExternalClock) NUM(MaxSpeed) NUM(CurrentSpeed) \
                NUM(Status) NUM(ProcessorUpgrade) NUM(V2_1.L1CacheHandle) NUM(V2_1.L2CacheHandle)  \
                    NUM(V2_1.L3CacheHandle) NUM(V2_3.SerialNumberStringNumber)                     \
                        TEXT(V2_3.SerialNumber) NUM(V2_3.AssetTagStringNumber) TEXT(V2_3.AssetTag) \
                            NUM(V2_3.PartNumberStringNumber) TEXT(V2_3.PartNumber)                 \
                                NUM(V2_5.CoreCount) NUM(V2_5.CoreEnabled) NUM(V2_5.ThreadCount)    \
                                    NUM(V2_5.ProcessorCharacteristics) NUM(V2_6.ProcessorFamily2)  \
                                        NUM(V3_0.CoreCount2) NUM(V3_0.CoreEnabled2)                \
                                            NUM(V3_0.ThreadCount2)

#define KS_SLOT_FIELDS(NUM, TEXT, BYTES, PTR)                                                 \
    NUM(SlotDesignationStringNumber)                                                          \
    TEXT(SlotDesignation)                                                                     \
    NUM(SlotType) NUM(SlotDataBusWidth) NUM(CurrentUsage) NUM(SlotLength) NUM(SlotID)         \
        NUM(SlotCharacteristics1) NUM(V2_1.SlotCharacteristics2) NUM(V2_6.SegmentGroupNumber) \
            NUM(V2_6.BusNumber) NUM(V2_6.DeviceFunctionNumber)

/* Strings is described with StringsSize by the describer itself. */
#define KS_OEM_STRINGS_FIELDS(NUM, TEXT, BYTES, PTR) NUM(Count) PTR(Strings) NUM(StringsSize)

#define KS_MEMORY_ARRAY_FIELDS(NUM, TEXT, BYTES, PTR)                          \
    NUM(V2_1.Location)                                                         \
    NUM(V2_1.Use)                                                              \
    NUM(V2_1.MemoryErrorCorrection) NUM(V2_1.MaximumCapacity)                  \
        NUM(V2_1.MemoryErrorInformationHandle) NUM(V2_1.NumberOfMemoryDevices) \
            NUM(V2_7.ExtendedMaximumCapacity)

#define KS_MEMORY_DEVICE_FIELDS(NUM, TEXT, BYTES, PTR)                                             \
    NUM(V2_1.PhysicalMemoryArrayHandle)                                                            \
    NUM(V2_1.MemoryErrorInformationHandle)                                                         \
    NUM(V2_1.TotalWidth) NUM(V2_1.DataWidth) NUM(V2_1.Size) NUM(V2_1.FormFactor)                   \
        NUM(V2_1.DeviceSet) NUM(V2_1.DeviceLocatorStringNumber) TEXT(V2_1.DeviceLocator)           \
            NUM(V2_1.BankLocatorStringNumber) TEXT(V2_1.BankLocator) NUM(V2_1.MemoryType)          \
                NUM(V2_1.TypeDetail) NUM(V2_3.Speed) NUM(V2_3.ManufacturerStringNumber)            \
                    TEXT(V2_3.Manufacturer) NUM(V2_3.SerialNumberStringNumber)                     \
                        TEXT(V2_3.SerialNumber) NUM(V2_3.AssetTagStringNumber) TEXT(V2_3.AssetTag) \
                            NUM(V2_3.PartNumberStringNumber) TEXT(V2_3.PartNumber)                 \
                                NUM(V2_6.Attributes) NUM(V2_7.ExtendedSize)                        \
                                    NUM(V2_7.ConfiguredMemoryClockSpeed) NUM(V2_8.MinimumVoltage)  \
                                        NUM(V2_8.MaximumVoltage) NUM(V2_8.ConfiguredVoltage)

/* Each record: its C structure, its C++ record, its type and the list. */
#define KS_RECORDS(X)                                                       \
    X(ksmbios_bios, TypeBios, 0, KS_BIOS_FIELDS)                            \
    X(ksmbios_system, TypeSysInfo, 1, KS_SYSTEM_FIELDS)                     \
    X(ksmbios_baseboard, TypeBaseboard, 2, KS_BASEBOARD_FIELDS)             \
    X(ksmbios_enclosure, TypeSystemEnclosure, 3, KS_ENCLOSURE_FIELDS)       \
    X(ksmbios_processor, TypeProcessor, 4, KS_PROCESSOR_FIELDS)             \
    X(ksmbios_slot, SystemSlot, 9, KS_SLOT_FIELDS)                          \
    X(ksmbios_oem_strings, TypeOemStrings, 11, KS_OEM_STRINGS_FIELDS)       \
    X(ksmbios_memory_array, TypePhysicalMemory, 16, KS_MEMORY_ARRAY_FIELDS) \
    X(ksmbios_memory_device, TypeMemoryDevice, 17, KS_MEMORY_DEVICE_FIELDS)

/* clang-format on */

#endif
