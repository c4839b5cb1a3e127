#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/FirmwareTable.h"

namespace kelvo::shared::smbios::platform {

bool ReadWholeFile(const std::string& path, std::uint64_t limit, std::vector<std::uint8_t>& bytes,
                   std::string& errorText) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        errorText = std::generic_category().message(errno);
        return false;
    }
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) break;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 || bytes.size() + static_cast<std::uint64_t>(count) > limit) {
            errorText = std::generic_category().message(count < 0 ? errno : EFBIG);
            ::close(fd);
            bytes.clear();
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    ::close(fd);
    return true;
}

bool IsDirectory(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string PathInFolder(const std::string& folder, const char* name) {
    return folder + "/" + name;
}

}  // namespace kelvo::shared::smbios::platform
