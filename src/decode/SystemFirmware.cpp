#include "decode/SystemFirmware.h"

#include <exception>
#include <stdexcept>

#include "common/FailureCapture.h"
#include "decode/RecordTypes.h"
#include "logging/LogSites.h"

namespace kelvo::shared::smbios::detail {

SMBiosSpecVersion AcceptedVersion(std::uint8_t major, std::uint8_t minor) {
    const int version = major * 256 + minor;
    if (version >= 0x0300) return SMBiosSpecVersion::V3_0;
    if (version >= 0x0200 && version <= 0x0208) return static_cast<SMBiosSpecVersion>(version);
    return SMBiosSpecVersion::None;
}

}  // namespace kelvo::shared::smbios::detail

namespace kelvo::shared::smbios::pimpl {

using namespace detail;

namespace {

constexpr const char* kConstructorName =
    "kelvo::shared::smbios::pimpl::SystemFirmware::SystemFirmware";
constexpr const char* kWalkName =
    "kelvo::shared::smbios::pimpl::SystemFirmware::GenerateSMBIOSData";

// Sets up `state` over the reader's bytes, or throws when the buffer is not a table that the
// library decodes: too short for its header, a Length beyond the buffer, or a version outside
// 2.0 to 2.8 and 3.0 on.
void OpenTable(const IFirmwareReader* reader, ParseState& state) {
    if (reader == nullptr) throw std::runtime_error("Invalid firmware table buffer");
    const std::uint64_t size = reader->GetSize();
    const TableView buffer(reader->GetData(), size);
    const std::uint64_t length = buffer.U32(4);
    state.version = AcceptedVersion(buffer.U8(1), buffer.U8(2));
    if (!buffer.Contains(0, kRawHeaderSize) || !buffer.Contains(kRawHeaderSize, length) ||
        state.version == SMBiosSpecVersion::None) {
        throw std::runtime_error("Invalid firmware table buffer");
    }
    state.table = buffer.Sub(kRawHeaderSize, length);
    state.hasTable = true;
}

}  // namespace

SystemFirmware::SystemFirmware(const IFirmwareReader* reader) : version(SMBiosSpecVersion::None) {
    try {
        ParseState state;
        OpenTable(reader, state);
        GenerateSMBIOSData(state);
        version = state.version;
    } catch (...) {
        error = ErrorFromException(std::current_exception());
        logging::LogFailure(logging::Severity::Error, 38, kConstructorName,
                            "Exception: in SystemFirmware CTOR ", error);
    }
}

SystemFirmware::SystemFirmware(const SystemFirmware& other)
    : version(other.version),
      bios(other.bios),
      sysInfo(other.sysInfo),
      baseboard(other.baseboard),
      enclosure(other.enclosure),
      processor(other.processor),
      slot(other.slot),
      physicalMemory(other.physicalMemory),
      memoryDevice(other.memoryDevice),
      oemStrings(other.oemStrings),
      error(other.error) {}

void SystemFirmware::GenerateSMBIOSData(ParseState& state) {
    try {
        while (std::unique_ptr<DecodedStructure> decoded = NextStructure(state)) {
            if (const RecordType* row = FindRecordType(decoded->type)) {
                if (row->log != nullptr) row->log(*decoded);
                row->store(*decoded, *this);
            }
        }
    } catch (...) {
        logging::LogMessage(logging::Severity::Error, 101, kWalkName,
                            "Exception: in GenerateSMBIOSData Parser");
        throw;
    }
}

}  // namespace kelvo::shared::smbios::pimpl
