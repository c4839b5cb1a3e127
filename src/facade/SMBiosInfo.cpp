#include <smbios/SMBiosInfo.h>

#include <exception>

#include "common/FailureCapture.h"
#include "decode/SystemFirmware.h"
#include "facade/BiosNVReader.h"
#include "logging/LogSites.h"

namespace kelvo::shared::smbios {

namespace {

constexpr const char* kConstructorName = "kelvo::shared::smbios::SMBiosInfo::SMBiosInfo";

// Records handed out when there is no parse result at all.
template <class Record>
const Record& DefaultRecord() {
    static const Record record;
    return record;
}

// Moves a pointer into `from`'s bytes to the same offset in `to`'s; others stay as they are.
const std::uint16_t* Rebase(const std::uint16_t* pointer, const IFirmwareReader& from,
                            const IFirmwareReader& to) {
    const auto* address = reinterpret_cast<const std::uint8_t*>(pointer);
    const std::uint8_t* begin = from.GetData();
    if (address == nullptr || begin == nullptr || address < begin ||
        address > begin + from.GetSize()) {
        return pointer;
    }
    return reinterpret_cast<const std::uint16_t*>(to.GetData() + (address - begin));
}

void CaptureFailure(kelvo::shared::error::Error& error) {
    error = ErrorFromException(std::current_exception());
    try {
        logging::LogFailure(logging::Severity::Error, 48, kConstructorName,
                            "Exception: in BiosInfo CTOR ", error);
    } catch (...) {
        // The outcome is already stored; a failing log write must not reach the host.
    }
}

}  // namespace

SMBiosInfo::SMBiosInfo(const IFirmwareReader* reader) : firmware(nullptr), ownedReader(nullptr) {
    try {
        const IFirmwareReader* source = reader;
        if (source == nullptr) {
            ownedReader = new pimpl::BiosNVReader();
            source = ownedReader;
        }
        firmware = new pimpl::SystemFirmware(source);
        error = firmware->error;
    } catch (...) {
        CaptureFailure(error);
    }
}

SMBiosInfo::SMBiosInfo(const SMBiosInfo& other) : firmware(nullptr), ownedReader(nullptr) {
    CopyFrom(other);
}

SMBiosInfo& SMBiosInfo::operator=(const SMBiosInfo& other) {
    if (this != &other) {
        Release();
        CopyFrom(other);
    }
    return *this;
}

SMBiosInfo::~SMBiosInfo() { Release(); }

void SMBiosInfo::CopyFrom(const SMBiosInfo& other) {
    error = other.error;
    try {
        if (other.ownedReader != nullptr) {
            ownedReader =
                new pimpl::BiosNVReader(*static_cast<pimpl::BiosNVReader*>(other.ownedReader));
        }
        if (other.firmware != nullptr) {
            firmware = new pimpl::SystemFirmware(*other.firmware);
            if (ownedReader != nullptr) {
                // The copy's baseboard points into its own copy of the table.
                firmware->baseboard.ContainedObjectHandles = Rebase(
                    firmware->baseboard.ContainedObjectHandles, *other.ownedReader, *ownedReader);
            }
        }
    } catch (...) {
        Release();
        CaptureFailure(error);
    }
}

void SMBiosInfo::Release() {
    delete firmware;
    firmware = nullptr;
    delete ownedReader;
    ownedReader = nullptr;
}

const TypeBios& SMBiosInfo::GetTypeBios() const {
    return firmware ? firmware->bios : DefaultRecord<TypeBios>();
}
const TypeSysInfo& SMBiosInfo::GetTypeSysInfo() const {
    return firmware ? firmware->sysInfo : DefaultRecord<TypeSysInfo>();
}
const TypeBaseboard& SMBiosInfo::GetTypeBaseboard() const {
    return firmware ? firmware->baseboard : DefaultRecord<TypeBaseboard>();
}
const TypeSystemEnclosure& SMBiosInfo::GetTypeSystemEnclosure() const {
    return firmware ? firmware->enclosure : DefaultRecord<TypeSystemEnclosure>();
}
const TypeProcessor& SMBiosInfo::GetTypeProcessor() const {
    return firmware ? firmware->processor : DefaultRecord<TypeProcessor>();
}
const SystemSlot& SMBiosInfo::GetSystemSlot() const {
    return firmware ? firmware->slot : DefaultRecord<SystemSlot>();
}
const TypePhysicalMemory& SMBiosInfo::GetTypePhysicalMemory() const {
    return firmware ? firmware->physicalMemory : DefaultRecord<TypePhysicalMemory>();
}
const TypeMemoryDevice& SMBiosInfo::GetTypeMemoryDevice() const {
    return firmware ? firmware->memoryDevice : DefaultRecord<TypeMemoryDevice>();
}
const TypeOemStrings& SMBiosInfo::GetTypeOemStrings() const {
    return firmware ? firmware->oemStrings : DefaultRecord<TypeOemStrings>();
}

SMBiosSpecVersion SMBiosInfo::GetSMBiosVersion() const {
    return firmware ? firmware->version : SMBiosSpecVersion::None;
}

const kelvo::shared::error::Error& SMBiosInfo::GetError() const { return error; }

}  // namespace kelvo::shared::smbios
