#include "platform/FirmwareTable.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "common/TableView.h"

namespace kelvo::shared::smbios::platform {

namespace {

std::string ErrnoText(int code) { return std::generic_category().message(code); }

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                   std::string& errorText) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        errorText = ErrnoText(errno);
        return false;
    }
    bytes.clear();
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            errorText = ErrnoText(errno);
            ::close(fd);
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    ::close(fd);
    return true;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, const char* anchor) {
    const std::size_t length = std::strlen(anchor);
    return bytes.size() >= length && std::memcmp(bytes.data(), anchor, length) == 0;
}

// The version bytes of an entry point: major, minor and revision. A 64-bit (_SM3_) entry
// point carries the document revision; a 32-bit (_SM_) one has none, so its entry point
// revision byte stands in.
bool EntryPointVersion(const std::vector<std::uint8_t>& entry, std::uint8_t version[3]) {
    const pimpl::TableView view(entry.data(), entry.size());
    if (StartsWith(entry, "_SM3_") && view.Contains(0, 0x18)) {
        version[0] = view.U8(7);
        version[1] = view.U8(8);
        version[2] = view.U8(9);
        return true;
    }
    if (StartsWith(entry, "_SM_") && view.Contains(0, 0x1F)) {
        version[0] = view.U8(6);
        version[1] = view.U8(7);
        version[2] = view.U8(0x0A);
        return true;
    }
    return false;
}

}  // namespace

bool ReadFirmwareTableFrom(const std::string& directory, std::vector<std::uint8_t>& bytes,
                           std::string& errorText) {
    bytes.clear();
    std::vector<std::uint8_t> entry;
    std::vector<std::uint8_t> table;
    if (!ReadWholeFile(directory + "/smbios_entry_point", entry, errorText)) return false;
    std::uint8_t version[3];
    if (!EntryPointVersion(entry, version)) {
        errorText = "smbios_entry_point holds no _SM_ or _SM3_ entry point";
        return false;
    }
    if (!ReadWholeFile(directory + "/DMI", table, errorText)) return false;
    if (table.size() > UINT32_MAX) {
        errorText = ErrnoText(EFBIG);
        return false;
    }
    const auto length = static_cast<std::uint32_t>(table.size());
    bytes = {0,
             version[0],
             version[1],
             version[2],
             static_cast<std::uint8_t>(length),
             static_cast<std::uint8_t>(length >> 8),
             static_cast<std::uint8_t>(length >> 16),
             static_cast<std::uint8_t>(length >> 24)};
    bytes.insert(bytes.end(), table.begin(), table.end());
    return true;
}

bool ReadFirmwareTable(std::vector<std::uint8_t>& bytes, std::string& errorText) {
    return ReadFirmwareTableFrom(kSysfsTablesDirectory, bytes, errorText);
}

}  // namespace kelvo::shared::smbios::platform
