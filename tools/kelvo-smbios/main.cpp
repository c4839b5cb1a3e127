// kelvo-smbios: shows the SMBIOS records of the running machine or of a table file, and
// converts table files between the raw RSMB layout and dmidecode's dump format.
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>
#include <CLI/CLI.hpp>

#include "ConsoleLog.h"
#include "Output.h"
#include "Records.h"
#include "TableFile.h"

namespace {

using namespace kelvo::smbios_tool;

constexpr int kDecoded = 0;
constexpr int kLibraryError = 1;
constexpr int kUsageError = 2;
constexpr int kFileError = 3;

// Handed to the library for good, so it lives as long as the program.
ConsoleAppender appender;

void PrintError(const std::string& text) {
    std::fprintf(stderr, "kelvo-smbios: %s\n", text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Shows the SMBIOS records of this machine, or of a table file.", "kelvo-smbios");
    std::string file;
    std::string saveRaw;
    std::string saveDump;
    bool json = false;
    plog::Severity level = plog::none;
    const std::map<std::string, plog::Severity> levels = {{"none", plog::none},
                                                          {"error", plog::error},
                                                          {"warning", plog::warning},
                                                          {"debug", plog::debug},
                                                          {"verbose", plog::verbose}};
    app.add_option("-f,--file", file,
                   "Read a table file: raw RSMB layout, dmidecode dump, or sysfs-like folder")
        ->type_name("PATH");
    app.add_flag("--json", json, "Print one JSON document instead of text");
    app.add_option("--save-raw", saveRaw, "Also write the table in the raw RSMB layout")
        ->type_name("PATH");
    app.add_option("--save-dump-bin", saveDump, "Also write the table as dmidecode --dump-bin does")
        ->type_name("PATH");
    app.add_option("--log", level,
                   "Log to stderr up to LEVEL: none, error, warning, debug or verbose")
        ->type_name("LEVEL")
        ->transform(CLI::CheckedTransformer(levels, CLI::ignore_case).description(""));
    app.set_version_flag("--version", "kelvo-smbios " KELVO_SMBIOS_VERSION);
    app.footer(
        "Without --file the running machine's table is read.\n"
        "Exit status: 0 decoded, 1 the library reported an error (what was decoded is still "
        "printed), 2 usage error, 3 a table file could not be read or written.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? kDecoded : kUsageError;
    }

    if (level != plog::none) kelvoSharedInitializeLogger(level, &appender);

    RawTable raw;
    bool haveRaw = false;
    std::string liveFailure;
    std::unique_ptr<kelvo::shared::smbios::SMBiosInfo> info;
    if (!file.empty()) {
        try {
            raw = LoadTable(file);
        } catch (const FileError& error) {
            PrintError(error.what());
            return kFileError;
        }
        raw.shrink_to_fit();  // exact size, so that sanitizers see any read past the end
        haveRaw = true;
        const RawReader reader(raw);
        info = std::make_unique<kelvo::shared::smbios::SMBiosInfo>(&reader);
    } else {
        info = std::make_unique<kelvo::shared::smbios::SMBiosInfo>();
        // The library keeps the bytes it read to itself: the tool reads them too, for the
        // header line and for saving.
        try {
            raw = ReadLiveTable();
            haveRaw = true;
        } catch (const FileError& error) {
            liveFailure = error.what();
        }
    }

    Report report = Describe(*info, file.empty() ? nullptr : &raw);
    if (file.empty() && haveRaw) DescribeTable(report, raw);
    if (!report.error.empty()) PrintError(report.error);
    const std::string output = json ? JsonReport(report) : TextReport(report);
    std::fwrite(output.data(), 1, output.size(), stdout);
    std::fflush(stdout);

    int status = info->GetError() ? kLibraryError : kDecoded;
    for (const auto& [path, dump] : {std::pair(saveRaw, false), std::pair(saveDump, true)}) {
        if (path.empty()) continue;
        try {
            if (!haveRaw) throw FileError("not written: " + liveFailure);
            WriteFile(path, dump ? DumpBin(raw) : raw);
        } catch (const FileError& error) {
            PrintError(path + ": " + error.what());
            status = kFileError;
        }
    }
    return status;
}
