#include "hardening/Describe.h"

#include <cstdint>
#include <sstream>
#include <vector>

namespace kelvo::test {

namespace {

using namespace kelvo::shared::smbios;

// Writes values separated by spaces; strings quoted, bytes and words as numbers.
class Fields {
public:
    Fields(std::ostringstream& out, int* nulls) : out_(out), nulls_(nulls) {}

    Fields& operator()(const char* text) {
        if (text == nullptr) {
            out_ << " (null)";
            if (nulls_ != nullptr) ++*nulls_;
        } else {
            out_ << " \"" << text << '"';
        }
        return *this;
    }
    Fields& operator()(std::uint64_t number) {
        out_ << ' ' << number;
        return *this;
    }
    Fields& operator()(const std::uint8_t* bytes, int count) {
        for (int i = 0; i < count; ++i) (*this)(bytes[i]);
        return *this;
    }
    Fields& Label(const char* name) {
        out_ << '\n' << name << ':';
        return *this;
    }

private:
    std::ostringstream& out_;
    int* nulls_;
};

}  // namespace

std::string Describe(const SMBiosInfo& info, int* nullStrings) {
    std::ostringstream out;
    Fields f(out, nullStrings);
    f.Label("version")(static_cast<std::uint64_t>(info.GetSMBiosVersion()));
    f.Label("error")(static_cast<std::uint64_t>(info.GetError().Category()))(
        info.GetError().Message());

    const TypeBios& bios = info.GetTypeBios();
    f.Label("bios")(bios.Vendor)(bios.BIOSVersion)(bios.BIOSStartingSegment)(bios.BIOSReleaseDate)(
        bios.BIOSROMSize)(bios.BIOSCharacteristics,
                          TypeBios::BIOSCharacteristicsSize)(bios.ExtensionByte1)(
        bios.ExtensionByte2)(bios.SystemBIOSMajorRelease)(bios.SystemBIOSMinorRelease)(
        bios.EmbeddedFirmwareMajorRelease)(bios.EmbeddedFirmwareMinorRelease);

    const TypeSysInfo& sys = info.GetTypeSysInfo();
    f.Label("system")(sys.Manufacturer)(sys.ProductName)(sys.Version)(sys.SerialNumber)(
        sys.V2_1.UUID, TypeSysInfo::SMBios_2_1::UUIDSize)(sys.V2_1.UUIDString)(sys.V2_1.WakeUpType)(
        sys.V2_4.SKUNumber)(sys.V2_4.Family);

    const TypeBaseboard& board = info.GetTypeBaseboard();
    f.Label("baseboard")(board.Manufacturer)(board.Product)(board.Version)(board.SerialNumber)(
        board.AssetTag)(board.FeatureFlags)(board.LocationInChassis)(board.ChassisHandle)(
        board.BoardType)(board.NumberOfContainedObjectHandles)(board.ContainedObjectHandles !=
                                                               nullptr);

    const TypeSystemEnclosure& chassis = info.GetTypeSystemEnclosure();
    f.Label("enclosure")(chassis.Manufacturer)(chassis.ChassisType)(chassis.Version)(
        chassis.SerialNumber)(chassis.AssetTag)(chassis.ChassisTypeName)(chassis.V2_1.BootUpState)(
        chassis.V2_1.PowerSupplyState)(chassis.V2_1.ThermalState)(chassis.V2_1.SecurityStatus)(
        chassis.V2_3.OEMDefined)(chassis.V2_3.Height)(chassis.V2_3.NumberOfPowerCords)(
        chassis.V2_3.ContainedElementCount)(chassis.V2_3.ContainedElementRecordLength)(
        chassis.V2_7.SKUNumber);
    if (chassis.V2_3.ContainedElements != nullptr) {
        f(chassis.V2_3.ContainedElements,
          chassis.V2_3.ContainedElementCount * chassis.V2_3.ContainedElementRecordLength);
    }

    const TypeProcessor& cpu = info.GetTypeProcessor();
    f.Label("processor")(cpu.SocketDesignation)(cpu.ProcessorType)(cpu.ProcessorFamily)(
        cpu.ProcessorManufacturer)(cpu.ProcessorID, TypeProcessor::ProcessorIDSize)(
        cpu.ProcessorVersion)(cpu.Voltage)(cpu.ExternalClock)(cpu.MaxSpeed)(cpu.CurrentSpeed)(
        cpu.Status)(cpu.ProcessorUpgrade)(cpu.V2_1.L1CacheHandle)(cpu.V2_1.L2CacheHandle)(
        cpu.V2_1.L3CacheHandle)(cpu.V2_3.SerialNumber)(cpu.V2_3.AssetTag)(cpu.V2_3.PartNumber)(
        cpu.V2_5.CoreCount)(cpu.V2_5.CoreEnabled)(cpu.V2_5.ThreadCount)(
        cpu.V2_5.ProcessorCharacteristics)(cpu.V2_6.ProcessorFamily2)(cpu.V3_0.CoreCount2)(
        cpu.V3_0.CoreEnabled2)(cpu.V3_0.ThreadCount2);

    const SystemSlot& slot = info.GetSystemSlot();
    f.Label("slot")(slot.SlotDesignation)(slot.SlotType)(slot.SlotDataBusWidth)(slot.CurrentUsage)(
        slot.SlotLength)(slot.SlotID)(slot.SlotCharacteristics1)(slot.V2_1.SlotCharacteristics2)(
        slot.V2_6.SegmentGroupNumber)(slot.V2_6.BusNumber)(slot.V2_6.DeviceFunctionNumber);

    const TypePhysicalMemory& array = info.GetTypePhysicalMemory();
    f.Label("memory array")(array.V2_1.Location)(array.V2_1.Use)(array.V2_1.MemoryErrorCorrection)(
        array.V2_1.MaximumCapacity)(array.V2_1.MemoryErrorInformationHandle)(
        array.V2_1.NumberOfMemoryDevices)(array.V2_7.ExtendedMaximumCapacity);

    const TypeMemoryDevice& dimm = info.GetTypeMemoryDevice();
    f.Label("memory device")(dimm.V2_1.PhysicalMemoryArrayHandle)(
        dimm.V2_1.MemoryErrorInformationHandle)(dimm.V2_1.TotalWidth)(dimm.V2_1.DataWidth)(
        dimm.V2_1.Size)(dimm.V2_1.FormFactor)(dimm.V2_1.DeviceSet)(dimm.V2_1.DeviceLocator)(
        dimm.V2_1.BankLocator)(dimm.V2_1.MemoryType)(dimm.V2_1.TypeDetail)(dimm.V2_3.Speed)(
        dimm.V2_3.Manufacturer)(dimm.V2_3.SerialNumber)(dimm.V2_3.AssetTag)(dimm.V2_3.PartNumber)(
        dimm.V2_6.Attributes)(dimm.V2_7.ExtendedSize)(dimm.V2_7.ConfiguredMemoryClockSpeed)(
        dimm.V2_8.MinimumVoltage)(dimm.V2_8.MaximumVoltage)(dimm.V2_8.ConfiguredVoltage);

    const TypeOemStrings& oem = info.GetTypeOemStrings();
    f.Label("oem")(oem.Count)(static_cast<std::uint64_t>(oem.StringsSize));
    std::vector<char*> strings(oem.Count + 1u, nullptr);
    const std::uint64_t count = oem.GetOemStrings(strings.data());
    f(count);
    if (count == UINT64_MAX) return out.str();  // refused: nothing written
    for (std::uint64_t i = 0; i < count && i < strings.size(); ++i) {
        f(strings[i]);
        delete[] strings[i];
    }
    return out.str();
}

}  // namespace kelvo::test
