// Fuzz target for the command-line tool's table files: the input is written to a file and read
// back with the tool's format detection (raw RSMB layout or dmidecode dump). A file that loads
// is decoded, reported as text and as JSON, converted to the dump format and read back, which
// must give the same table. A FileError is the expected answer to a bad file; any other
// exception is a finding.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

#include "Output.h"
#include "Records.h"
#include "TableFile.h"

namespace {

using namespace kelvo::smbios_tool;

class DiscardingAppender : public plog::IAppender {
public:
    void write(const plog::Record& record) override { sink_ += record.getMessage() != nullptr; }

private:
    unsigned sink_ = 0;
};

// One file per process, so that parallel fuzzing jobs do not share it.
const std::string& InputPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("kelvo-fuzz-tool-" + std::to_string(static_cast<long>(::getpid())) + ".bin"))
            .string();
    return path;
}

void RemoveInput() { std::remove(InputPath().c_str()); }

[[noreturn]] void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// Loads the table file at InputPath(), or returns false when the tool rejects it.
bool Load(RawTable& raw) {
    try {
        raw = LoadTable(InputPath());
        return true;
    } catch (const FileError&) {
        return false;
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    WriteFile(InputPath(), std::vector<std::uint8_t>(data, data + size));
    RawTable raw;
    if (!Load(raw)) return;
    if (raw.size() < kRawHeaderSize) Finding("a loaded table is shorter than its header");

    const RawReader reader(raw);
    const kelvo::shared::smbios::SMBiosInfo info(&reader);
    const Report report = Describe(info, &raw);
    if (TextReport(report).empty() || JsonReport(report).empty()) Finding("an empty report");

    std::vector<std::uint8_t> dump;
    try {
        dump = DumpBin(raw);
    } catch (const FileError&) {
        return;  // a 2.x table too large for the 2.1 entry point
    }
    WriteFile(InputPath(), dump);
    RawTable again;
    if (!Load(again)) Finding("the tool cannot read its own dump");
    // The dump keeps the version and the table; a 2.1 entry point has no DMI revision, and no
    // format keeps the calling method byte.
    const bool v3 = raw[1] >= 3;
    if (again.size() != raw.size() || again[1] != raw[1] || again[2] != raw[2] ||
        (v3 && again[3] != raw[3]) || !std::equal(raw.begin() + 4, raw.end(), again.begin() + 4)) {
        Finding("a dump read back differs from its table");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static DiscardingAppender appender;
    kelvoSharedInitializeLogger(plog::verbose, &appender);
    std::atexit(RemoveInput);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        Run(data, size);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "finding: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
