#include "Records.h"

namespace kelvo::smbios_tool {

namespace {

using namespace kelvo::shared::smbios;

// Appends a record's members to a section, in the record's declaration order.
class Fields {
public:
    explicit Fields(Section& section) : fields_(section.fields) {}

    // Later members belong to the version block `name`.
    Fields& Block(const char* name) {
        block_ = name;
        return *this;
    }
    Fields& Dec(const char* name, std::uint64_t value) {
        return Add({block_, name, Field::Kind::Number, 0, value, {}, {}, {}});
    }
    // A member that the SMBIOS tables give in hex: handles, flags and enumerations.
    template <class T>
    Fields& Hex(const char* name, T value) {
        return Add({block_,
                    name,
                    Field::Kind::Number,
                    static_cast<int>(2 * sizeof(T)),
                    value,
                    {},
                    {},
                    {}});
    }
    Fields& Text(const char* name, const char* value) {
        return Add({block_, name, Field::Kind::Text, 0, 0, value ? value : "", {}, {}});
    }
    // A string member: its string number, then its text.
    Fields& Str(const char* name, std::uint8_t number, const char* value) {
        return Dec((std::string(name) + "StringNumber").c_str(), number).Text(name, value);
    }
    Fields& Bytes(const char* name, const std::uint8_t* bytes, std::size_t count) {
        return Numbers(name, std::vector<std::uint64_t>(bytes, bytes + count), 2);
    }
    Fields& Numbers(const char* name, std::vector<std::uint64_t> values, int hexDigits) {
        return Add({block_, name, Field::Kind::Numbers, hexDigits, 0, {}, std::move(values), {}});
    }
    Fields& Texts(const char* name, std::vector<std::string> values) {
        return Add({block_, name, Field::Kind::Texts, 0, 0, {}, {}, std::move(values)});
    }

private:
    Fields& Add(Field field) {
        fields_.push_back(std::move(field));
        return *this;
    }

    std::vector<Field>& fields_;
    std::string block_;
};

Fields Add(Report& report, const char* key, const char* title) {
    report.sections.push_back({key, title, {}});
    return Fields(report.sections.back());
}

// The handles from the baseboard's offset 0Fh on. The record only points into the table and
// gives the structure's count, which need not fit: only handles inside the structure's Length
// are read, and when the tool holds the table, only those inside it.
std::vector<std::uint64_t> ContainedHandles(const TypeBaseboard& board, const RawTable* raw) {
    std::vector<std::uint64_t> handles;
    const auto* first = reinterpret_cast<const std::uint8_t*>(board.ContainedObjectHandles);
    if (first == nullptr) return handles;
    const std::uint8_t* structure = first - 0x0F;
    const std::uint8_t* begin = raw ? raw->data() : nullptr;
    const std::uint8_t* end = raw ? raw->data() + raw->size() : nullptr;
    if (raw && (structure < begin || first >= end)) return handles;
    // The structure's header lies in the table: the walker read it.
    const std::uint8_t length = structure[1];
    for (unsigned i = 0; i < board.NumberOfContainedObjectHandles; ++i) {
        const std::uint8_t* handle = first + 2 * i;
        if (0x0F + 2 * i + 2 > length || (raw && end - handle < 2)) break;
        handles.push_back(handle[0] | handle[1] << 8);
    }
    return handles;
}

std::vector<std::string> OemStrings(const TypeOemStrings& oem) {
    std::vector<char*> copies(oem.Count + 1u, nullptr);
    const std::uint64_t count = oem.GetOemStrings(copies.data());
    std::vector<std::string> texts;
    if (count > oem.Count) return texts;  // refused: there is no string area
    for (std::uint64_t i = 0; i < count; ++i) {
        texts.emplace_back(copies[i]);
        delete[] copies[i];
    }
    return texts;
}

}  // namespace

void DescribeTable(Report& report, const RawTable& raw) {
    if (raw.size() < kRawHeaderSize) return;
    report.hasTable = true;
    report.major = raw[1];
    report.minor = raw[2];
    report.dmiRevision = raw[3];
    report.length = raw.size() - kRawHeaderSize;
}

Report Describe(const SMBiosInfo& info, const RawTable* raw) {
    Report report{};
    const int version = static_cast<int>(info.GetSMBiosVersion());
    if (version != 0) {
        report.version = std::to_string(version >> 8) + "." + std::to_string(version & 0xFF);
    }
    if (raw != nullptr) DescribeTable(report, *raw);
    if (const kelvo::shared::error::Error& error = info.GetError()) {
        std::vector<char> text(kelvo::shared::error::Error::ToString(error, nullptr) + 1u);
        kelvo::shared::error::Error::ToString(error, text.data());
        report.error = text.data();
    }

    const TypeBios& bios = info.GetTypeBios();
    Add(report, "TypeBios", "BIOS Information (type 0)")
        .Str("Vendor", bios.VendorStringNumber, bios.Vendor)
        .Str("BIOSVersion", bios.BIOSVersionStringNumber, bios.BIOSVersion)
        .Hex("BIOSStartingSegment", bios.BIOSStartingSegment)
        .Str("BIOSReleaseDate", bios.BIOSReleaseDateStringNumber, bios.BIOSReleaseDate)
        .Dec("BIOSROMSize", bios.BIOSROMSize)
        .Bytes("BIOSCharacteristics", bios.BIOSCharacteristics, TypeBios::BIOSCharacteristicsSize)
        .Hex("ExtensionByte1", bios.ExtensionByte1)
        .Hex("ExtensionByte2", bios.ExtensionByte2)
        .Dec("SystemBIOSMajorRelease", bios.SystemBIOSMajorRelease)
        .Dec("SystemBIOSMinorRelease", bios.SystemBIOSMinorRelease)
        .Dec("EmbeddedFirmwareMajorRelease", bios.EmbeddedFirmwareMajorRelease)
        .Dec("EmbeddedFirmwareMinorRelease", bios.EmbeddedFirmwareMinorRelease);

    const TypeSysInfo& system = info.GetTypeSysInfo();
    Add(report, "TypeSysInfo", "System Information (type 1)")
        .Str("Manufacturer", system.ManufacturerStringNumber, system.Manufacturer)
        .Str("ProductName", system.ProductNameStringNumber, system.ProductName)
        .Str("Version", system.VersionStringNumber, system.Version)
        .Str("SerialNumber", system.SerialNumberStringNumber, system.SerialNumber)
        .Block("V2_1")
        .Bytes("UUID", system.V2_1.UUID, TypeSysInfo::SMBios_2_1::UUIDSize)
        .Hex("WakeUpType", system.V2_1.WakeUpType)
        .Text("UUIDString", system.V2_1.UUIDString)
        .Block("V2_4")
        .Str("SKUNumber", system.V2_4.SKUNumberStringNumber, system.V2_4.SKUNumber)
        .Str("Family", system.V2_4.FamilyStringNumber, system.V2_4.Family);

    const TypeBaseboard& board = info.GetTypeBaseboard();
    Add(report, "TypeBaseboard", "Baseboard Information (type 2)")
        .Str("Manufacturer", board.ManufacturerStringNumber, board.Manufacturer)
        .Str("Product", board.ProductStringNumber, board.Product)
        .Str("Version", board.VersionStringNumber, board.Version)
        .Str("SerialNumber", board.SerialNumberStringNumber, board.SerialNumber)
        .Str("AssetTag", board.AssetTagStringNumber, board.AssetTag)
        .Hex("FeatureFlags", board.FeatureFlags)
        .Str("LocationInChassis", board.LocationInChassisStringNumber, board.LocationInChassis)
        .Hex("ChassisHandle", board.ChassisHandle)
        .Hex("BoardType", board.BoardType)
        .Dec("NumberOfContainedObjectHandles", board.NumberOfContainedObjectHandles)
        .Numbers("ContainedObjectHandles", ContainedHandles(board, raw), 4);

    const TypeSystemEnclosure& chassis = info.GetTypeSystemEnclosure();
    const TypeSystemEnclosure::SMBios_2_3& v23 = chassis.V2_3;
    const std::size_t elementBytes =
        v23.ContainedElements ? v23.ContainedElementCount * v23.ContainedElementRecordLength : 0;
    Add(report, "TypeSystemEnclosure", "System Enclosure or Chassis (type 3)")
        .Str("Manufacturer", chassis.ManufacturerStringNumber, chassis.Manufacturer)
        .Hex("ChassisType", chassis.ChassisType)
        .Str("Version", chassis.VersionStringNumber, chassis.Version)
        .Str("SerialNumber", chassis.SerialNumberStringNumber, chassis.SerialNumber)
        .Str("AssetTag", chassis.AssetTagStringNumber, chassis.AssetTag)
        .Text("ChassisTypeName", chassis.ChassisTypeName)
        .Block("V2_1")
        .Hex("BootUpState", chassis.V2_1.BootUpState)
        .Hex("PowerSupplyState", chassis.V2_1.PowerSupplyState)
        .Hex("ThermalState", chassis.V2_1.ThermalState)
        .Hex("SecurityStatus", chassis.V2_1.SecurityStatus)
        .Block("V2_3")
        .Hex("OEMDefined", v23.OEMDefined)
        .Dec("Height", v23.Height)
        .Dec("NumberOfPowerCords", v23.NumberOfPowerCords)
        .Dec("ContainedElementCount", v23.ContainedElementCount)
        .Dec("ContainedElementRecordLength", v23.ContainedElementRecordLength)
        .Bytes("ContainedElements", v23.ContainedElements, elementBytes)
        .Block("V2_7")
        .Str("SKUNumber", chassis.V2_7.SKUNumberStringNumber, chassis.V2_7.SKUNumber);

    const TypeProcessor& cpu = info.GetTypeProcessor();
    Add(report, "TypeProcessor", "Processor Information (type 4)")
        .Str("SocketDesignation", cpu.SocketDesignationStringNumber, cpu.SocketDesignation)
        .Hex("ProcessorType", cpu.ProcessorType)
        .Hex("ProcessorFamily", cpu.ProcessorFamily)
        .Str("ProcessorManufacturer", cpu.ProcessorManufacturerStringNumber,
             cpu.ProcessorManufacturer)
        .Bytes("ProcessorID", cpu.ProcessorID, TypeProcessor::ProcessorIDSize)
        .Str("ProcessorVersion", cpu.ProcessorVersionStringNumber, cpu.ProcessorVersion)
        .Hex("Voltage", cpu.Voltage)
        .Dec("ExternalClock", cpu.ExternalClock)
        .Dec("MaxSpeed", cpu.MaxSpeed)
        .Dec("CurrentSpeed", cpu.CurrentSpeed)
        .Hex("Status", cpu.Status)
        .Hex("ProcessorUpgrade", cpu.ProcessorUpgrade)
        .Block("V2_1")
        .Hex("L1CacheHandle", cpu.V2_1.L1CacheHandle)
        .Hex("L2CacheHandle", cpu.V2_1.L2CacheHandle)
        .Hex("L3CacheHandle", cpu.V2_1.L3CacheHandle)
        .Block("V2_3")
        .Str("SerialNumber", cpu.V2_3.SerialNumberStringNumber, cpu.V2_3.SerialNumber)
        .Str("AssetTag", cpu.V2_3.AssetTagStringNumber, cpu.V2_3.AssetTag)
        .Str("PartNumber", cpu.V2_3.PartNumberStringNumber, cpu.V2_3.PartNumber)
        .Block("V2_5")
        .Dec("CoreCount", cpu.V2_5.CoreCount)
        .Dec("CoreEnabled", cpu.V2_5.CoreEnabled)
        .Dec("ThreadCount", cpu.V2_5.ThreadCount)
        .Hex("ProcessorCharacteristics", cpu.V2_5.ProcessorCharacteristics)
        .Block("V2_6")
        .Hex("ProcessorFamily2", cpu.V2_6.ProcessorFamily2)
        .Block("V3_0")
        .Dec("CoreCount2", cpu.V3_0.CoreCount2)
        .Dec("CoreEnabled2", cpu.V3_0.CoreEnabled2)
        .Dec("ThreadCount2", cpu.V3_0.ThreadCount2);

    const SystemSlot& slot = info.GetSystemSlot();
    Add(report, "SystemSlot", "System Slots (type 9)")
        .Str("SlotDesignation", slot.SlotDesignationStringNumber, slot.SlotDesignation)
        .Hex("SlotType", slot.SlotType)
        .Hex("SlotDataBusWidth", slot.SlotDataBusWidth)
        .Hex("CurrentUsage", slot.CurrentUsage)
        .Hex("SlotLength", slot.SlotLength)
        .Hex("SlotID", slot.SlotID)
        .Hex("SlotCharacteristics1", slot.SlotCharacteristics1)
        .Block("V2_1")
        .Hex("SlotCharacteristics2", slot.V2_1.SlotCharacteristics2)
        .Block("V2_6")
        .Hex("SegmentGroupNumber", slot.V2_6.SegmentGroupNumber)
        .Hex("BusNumber", slot.V2_6.BusNumber)
        .Hex("DeviceFunctionNumber", slot.V2_6.DeviceFunctionNumber);

    const TypeOemStrings& oem = info.GetTypeOemStrings();
    Add(report, "TypeOemStrings", "OEM Strings (type 11)")
        .Dec("Count", oem.Count)
        .Texts("Strings", OemStrings(oem))
        .Dec("StringsSize", static_cast<std::uint64_t>(oem.StringsSize));

    const TypePhysicalMemory& array = info.GetTypePhysicalMemory();
    Add(report, "TypePhysicalMemory", "Physical Memory Array (type 16)")
        .Block("V2_1")
        .Hex("Location", array.V2_1.Location)
        .Hex("Use", array.V2_1.Use)
        .Hex("MemoryErrorCorrection", array.V2_1.MemoryErrorCorrection)
        .Dec("MaximumCapacity", array.V2_1.MaximumCapacity)
        .Hex("MemoryErrorInformationHandle", array.V2_1.MemoryErrorInformationHandle)
        .Dec("NumberOfMemoryDevices", array.V2_1.NumberOfMemoryDevices)
        .Block("V2_7")
        .Dec("ExtendedMaximumCapacity", array.V2_7.ExtendedMaximumCapacity);

    const TypeMemoryDevice& memory = info.GetTypeMemoryDevice();
    Add(report, "TypeMemoryDevice", "Memory Device (type 17)")
        .Block("V2_1")
        .Hex("PhysicalMemoryArrayHandle", memory.V2_1.PhysicalMemoryArrayHandle)
        .Hex("MemoryErrorInformationHandle", memory.V2_1.MemoryErrorInformationHandle)
        .Dec("TotalWidth", memory.V2_1.TotalWidth)
        .Dec("DataWidth", memory.V2_1.DataWidth)
        .Dec("Size", memory.V2_1.Size)
        .Hex("FormFactor", memory.V2_1.FormFactor)
        .Dec("DeviceSet", memory.V2_1.DeviceSet)
        .Str("DeviceLocator", memory.V2_1.DeviceLocatorStringNumber, memory.V2_1.DeviceLocator)
        .Str("BankLocator", memory.V2_1.BankLocatorStringNumber, memory.V2_1.BankLocator)
        .Hex("MemoryType", memory.V2_1.MemoryType)
        .Hex("TypeDetail", memory.V2_1.TypeDetail)
        .Block("V2_3")
        .Dec("Speed", memory.V2_3.Speed)
        .Str("Manufacturer", memory.V2_3.ManufacturerStringNumber, memory.V2_3.Manufacturer)
        .Str("SerialNumber", memory.V2_3.SerialNumberStringNumber, memory.V2_3.SerialNumber)
        .Str("AssetTag", memory.V2_3.AssetTagStringNumber, memory.V2_3.AssetTag)
        .Str("PartNumber", memory.V2_3.PartNumberStringNumber, memory.V2_3.PartNumber)
        .Block("V2_6")
        .Hex("Attributes", memory.V2_6.Attributes)
        .Block("V2_7")
        .Dec("ExtendedSize", memory.V2_7.ExtendedSize)
        .Dec("ConfiguredMemoryClockSpeed", memory.V2_7.ConfiguredMemoryClockSpeed)
        .Block("V2_8")
        .Dec("MinimumVoltage", memory.V2_8.MinimumVoltage)
        .Dec("MaximumVoltage", memory.V2_8.MaximumVoltage)
        .Dec("ConfiguredVoltage", memory.V2_8.ConfiguredVoltage);
    return report;
}

}  // namespace kelvo::smbios_tool
