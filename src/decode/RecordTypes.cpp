#include "decode/RecordTypes.h"

#include <cstddef>
#include <ostream>

#include "decode/FieldOperations.h"
#include "decode/SystemFirmware.h"
#include "logging/LogSites.h"
#include "render/RecordText.h"

namespace kelvo::shared::smbios::detail {

namespace {

using pimpl::SystemFirmware;

constexpr const char* kWalkName =
    "kelvo::shared::smbios::pimpl::SystemFirmware::GenerateSMBIOSData";
constexpr char kBiosParsed[] = "SMBIOS TypeBios parsed as: ";
constexpr char kSysInfoParsed[] = "SMBIOS TypeSysInfo parsed as: ";
constexpr char kOemStringsParsed[] = "SMBIOS TypeOemStrings parsed as: ";

template <class Record>
void Decode(const StructureReader& reader, DecodedStructure& structure) {
    DecodeRecord(reader, structure.record.emplace<Record>());
}

template <class Record>
void Render(std::ostream& os, const void* record) {
    os << *static_cast<const Record*>(record);
}

template <class Record, std::size_t line, const char* prefix>
void Log(const DecodedStructure& structure) {
    logging::LogParsed(line, kWalkName, prefix, &Render<Record>,
                       &std::get<Record>(structure.record));
}

template <class Record, Record SystemFirmware::*slot>
void Store(DecodedStructure& structure, SystemFirmware& firmware) {
    TakeRecord(firmware.*slot, std::get<Record>(structure.record));
}

template <class Record, Record SystemFirmware::*slot>
constexpr RecordType Row(void (*log)(const DecodedStructure&) = nullptr) {
    return {fields::Layout<Record>::type, &Decode<Record>, log, &Store<Record, slot>};
}

const RecordType kRecordTypes[] = {
    Row<TypeBios, &SystemFirmware::bios>(&Log<TypeBios, 57, kBiosParsed>),
    Row<TypeSysInfo, &SystemFirmware::sysInfo>(&Log<TypeSysInfo, 62, kSysInfoParsed>),
    Row<TypeBaseboard, &SystemFirmware::baseboard>(),
    Row<TypeSystemEnclosure, &SystemFirmware::enclosure>(),
    Row<TypeProcessor, &SystemFirmware::processor>(),
    Row<SystemSlot, &SystemFirmware::slot>(),
    Row<TypeOemStrings, &SystemFirmware::oemStrings>(&Log<TypeOemStrings, 91, kOemStringsParsed>),
    Row<TypePhysicalMemory, &SystemFirmware::physicalMemory>(),
    Row<TypeMemoryDevice, &SystemFirmware::memoryDevice>(),
};

}  // namespace

const RecordType* FindRecordType(std::uint8_t type) {
    for (const RecordType& row : kRecordTypes) {
        if (row.type == type) return &row;
    }
    return nullptr;
}

}  // namespace kelvo::shared::smbios::detail
