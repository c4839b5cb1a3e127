#include "facade/BiosNVReader.h"

#include <stdexcept>
#include <string>

#include "source/TableSource.h"

namespace kelvo::shared::smbios::pimpl {

BiosNVReader::BiosNVReader() {
    std::string message = kFirmwareReadFailure;
    std::string systemText;
    if (!source::ReadLiveTable(buffer, systemText)) {
        buffer.clear();
        buffer.shrink_to_fit();
        throw std::runtime_error(message + systemText);
    }
}

const std::uint8_t* BiosNVReader::GetData() const { return buffer.data(); }

std::uint64_t BiosNVReader::GetSize() const { return buffer.size(); }

}  // namespace kelvo::shared::smbios::pimpl
