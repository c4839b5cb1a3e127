// Fuzz target for the command-line tool's table files: the input is written to a file and read
// back through the C interface, as the tool reads it (every format the library recognises). A
// file that loads is shown as the tool shows it (every structure, as text and JSON, and the C++
// interface's records), converted to the dump format and read back, which must give the same
// table. A refusal is the expected answer to a bad file; any exception is a finding.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

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
#include "Structures.h"
#include "TableFile.h"
#include "TableOutput.h"

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

// Loads the table file at InputPath() and shows its structures, or returns false when the
// library refuses it.
bool Load(RawTable& raw) {
    ksmbios_table* table = nullptr;
    if (ksmbios_open_file_with(InputPath().c_str(), nullptr, &table) != KSMBIOS_OK) return false;
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table, &bytes, &size);
    raw.assign(bytes, bytes + size);
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    if (ksmbios_get_table_info(table, &info) == KSMBIOS_OK) {
        TableReport report;
        for (std::size_t i = 0; i < info.structure_count; ++i) {
            DecodedStructure structure;
            if (DecodeStructure(table, i, 0x0300, structure))
                report.structures.push_back(structure);
        }
        if (TableText(report, false).empty() || TableJson(report, true).empty()) {
            Finding("an empty table report");
        }
    }
    ksmbios_close(table);
    return true;
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
