#include "MachineTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kelvo::smbios_tool {

namespace {

// Where Linux puts the firmware's table; the library reads the same folder.
constexpr const char* kFolder = "/sys/firmware/dmi/tables";
constexpr const char* kCapture = "read a capture with --file PATH";

}  // namespace

MachineProbe ProbeMachineTable() {
    MachineProbe probe;
#if !defined(_WIN32)
    std::error_code ignored;
    probe.folderExists = std::filesystem::is_directory(kFolder, ignored);
    if (!probe.folderExists) return probe;
    errno = 0;
    if (std::FILE* file = std::fopen((std::string(kFolder) + "/DMI").c_str(), "rb")) {
        std::fclose(file);
    } else {
        probe.openError = errno;
    }
#endif
    return probe;
}

std::string MachineTableHelp(const MachineProbe& probe) {
#if defined(_WIN32)
    static_cast<void>(probe);
    return std::string(
               "no SMBIOS table: the firmware gave none through "
               "GetSystemFirmwareTable('RSMB'); ") +
           kCapture;
#else
    const std::string folder(kFolder);
    if (!probe.folderExists) {
        return "no SMBIOS table: " + folder +
               " does not exist here (a container, or a VM without one); " + kCapture;
    }
    if (probe.openError == EACCES || probe.openError == EPERM) {
        return "the SMBIOS table in " + folder +
               " is readable by root only: run kelvo-smbios as root (sudo), or " + kCapture;
    }
    if (probe.openError != 0) {
        return "cannot open " + folder + "/DMI: " + std::strerror(probe.openError) + "; " +
               kCapture;
    }
    return "the SMBIOS table in " + folder + " could not be read as a table; " + kCapture;
#endif
}

}  // namespace kelvo::smbios_tool
