#pragma once

#include <cstdint>
#include <vector>

#include <smbios/IFirmwareReader.h>

namespace kelvo::shared::smbios::pimpl {

// Start of the message of every failure to read the machine's table.
constexpr const char* kFirmwareReadFailure =
    "Failed to read any byte from Bios NV memory with a call to Win32::GetSystemFirmwareTable: ";

// The library's own reader: the running machine's whole raw table, read once at construction.
// Throws std::runtime_error with kFirmwareReadFailure and the system's text when it cannot.
class BiosNVReader : public IFirmwareReader {
public:
    BiosNVReader();
    const std::uint8_t* GetData() const override;
    std::uint64_t GetSize() const override;

private:
    std::vector<std::uint8_t> buffer;
};

}  // namespace kelvo::shared::smbios::pimpl
