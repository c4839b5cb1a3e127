// kelvo-smbios: shows the SMBIOS structures of the running machine or of a table file, as
// dmidecode does and as JSON, the records that the C++ interface returns, and converts table
// files between the raw RSMB layout and dmidecode's dump format.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_fields.h>
#include <smbios/kelvo_smbios_source.h>
#include <CLI/CLI.hpp>

#include "ConsoleLog.h"
#include "MachineTable.h"
#include "Output.h"
#include "Records.h"
#include "TableFile.h"
#include "TableOutput.h"

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

// A usage error, and where the usage is described (as CLI11 ends its own).
int UsageError(const std::string& text) {
    PrintError(text);
    std::fputs("Run with --help for more information.\n", stderr);
    return kUsageError;
}

// The running machine's table could not be read: why, in a person's words, then the library's
// account of it.
void PrintMachineError(const std::string& libraryText) {
    PrintError(MachineTableHelp(ProbeMachineTable()));
    PrintError(libraryText);
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The -t keywords: each type row of the library's description names dmidecode's keyword that
// selects it.
std::map<std::string, std::set<int>> TypeKeywords() {
    std::map<std::string, std::set<int>> keywords;
    std::size_t count = 0;
    ksmbios_schema_type_count(&count);
    for (std::size_t i = 0; i < count; ++i) {
        ksmbios_schema_type type{};
        type.struct_size = sizeof type;
        if (ksmbios_schema_get_type(i, &type) == KSMBIOS_OK && type.keyword != nullptr) {
            keywords[type.keyword].insert(type.type);
        }
    }
    return keywords;
}

// dmidecode's string keywords, each the key of the field whose value it prints. A field key
// itself is taken too.
const std::map<std::string, std::string> kStringKeywords = {
    {"bios-vendor", "bios.vendor"},
    {"bios-version", "bios.version"},
    {"bios-release-date", "bios.release_date"},
    {"bios-revision", "bios.system_bios_major_release"},
    {"firmware-revision", "bios.embedded_controller_major_release"},
    {"system-manufacturer", "system.manufacturer"},
    {"system-product-name", "system.product_name"},
    {"system-version", "system.version"},
    {"system-serial-number", "system.serial_number"},
    {"system-uuid", "system.uuid"},
    {"system-sku-number", "system.sku_number"},
    {"system-family", "system.family"},
    {"baseboard-manufacturer", "baseboard.manufacturer"},
    {"baseboard-product-name", "baseboard.product"},
    {"baseboard-version", "baseboard.version"},
    {"baseboard-serial-number", "baseboard.serial_number"},
    {"baseboard-asset-tag", "baseboard.asset_tag"},
    {"chassis-manufacturer", "chassis.manufacturer"},
    {"chassis-type", "chassis.type"},
    {"chassis-version", "chassis.version"},
    {"chassis-serial-number", "chassis.serial_number"},
    {"chassis-asset-tag", "chassis.asset_tag"},
    {"processor-family", "processor.processor_family"},
    {"processor-manufacturer", "processor.processor_manufacturer"},
    {"processor-version", "processor.processor_version"},
    {"processor-frequency", "processor.current_speed"},
};

// True when `key` names a field of the library's description.
bool IsFieldKey(const std::string& key) {
    std::size_t count = 0;
    ksmbios_schema_type_count(&count);
    for (std::size_t t = 0; t < count; ++t) {
        ksmbios_schema_type type{};
        type.struct_size = sizeof type;
        ksmbios_schema_get_type(t, &type);
        for (std::size_t f = 0; f < type.field_count; ++f) {
            ksmbios_schema_field field{};
            field.struct_size = sizeof field;
            if (ksmbios_schema_get_field(t, f, &field) == KSMBIOS_OK && key == field.key &&
                field.label[0] != '\0') {
                return true;
            }
        }
    }
    return false;
}

// The -t values as type numbers: numbers (decimal or 0x hex) and keywords.
bool ParseTypes(const std::vector<std::string>& values, std::set<int>& types) {
    const std::map<std::string, std::set<int>> keywords = TypeKeywords();
    for (const std::string& value : values) {
        if (const auto keyword = keywords.find(value); keyword != keywords.end()) {
            types.insert(keyword->second.begin(), keyword->second.end());
            continue;
        }
        char* end = nullptr;
        const long number = std::strtol(value.c_str(), &end, 0);
        if (value.empty() || *end != '\0' || number < 0 || number > 255) return false;
        types.insert(static_cast<int>(number));
    }
    return true;
}

// "X.Y" as major * 256 + minor.
bool ParseVersion(const std::string& text, int& version) {
    unsigned major = 0;
    unsigned minor = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%u.%u%c", &major, &minor, &extra) != 2 || major < 2 ||
        major > 255 || minor > 255) {
        return false;
    }
    version = static_cast<int>(major << 8 | minor);
    return true;
}

const char* SourceName(std::int32_t format) {
    static const char* const names[] = {"raw",  "dump",    "after-entry-point", "folder",
                                        "bare", "machine", "memory-image"};
    return format >= 0 && format <= KSMBIOS_SOURCE_MEMORY_IMAGE ? names[format] : "unknown";
}

using Handle = std::unique_ptr<ksmbios_table, void (*)(ksmbios_table*)>;

// The C++ interface's records, as this tool always showed them: of the handle's bytes for a
// file, of the running machine's table otherwise.
int ShowRecords(const ksmbios_table* table, bool fromFile, const std::vector<std::string>& warnings,
                bool json) {
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table, &bytes, &size);
    std::unique_ptr<kelvo::shared::smbios::SMBiosInfo> info;
    const RawReader reader(bytes, size);
    if (fromFile) {
        info = std::make_unique<kelvo::shared::smbios::SMBiosInfo>(&reader);
    } else {
        info = std::make_unique<kelvo::shared::smbios::SMBiosInfo>();
    }
    Report report = Describe(*info, fromFile ? table : nullptr);
    if (!fromFile) DescribeTable(report, table);
    report.warnings = warnings;
    if (!report.error.empty()) {
        if (fromFile) {
            PrintError(report.error);
        } else {
            PrintMachineError(report.error);
        }
    }
    Print(json ? JsonReport(report) : TextReport(report));
    return info->GetError() ? kLibraryError : kDecoded;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Shows the SMBIOS structures of this machine, or of a table file.",
                 "kelvo-smbios");
    std::string file;
    std::string bareVersion;
    std::vector<std::string> typeValues;
    std::string keyword;
    std::string saveRaw;
    std::string saveDump;
    bool json = false;
    bool quiet = false;
    bool records = false;
    plog::Severity level = plog::none;
    const std::map<std::string, plog::Severity> levels = {{"none", plog::none},
                                                          {"error", plog::error},
                                                          {"warning", plog::warning},
                                                          {"debug", plog::debug},
                                                          {"verbose", plog::verbose}};
    std::string keywords;
    for (const auto& entry : kStringKeywords)
        keywords += (keywords.empty() ? "" : ", ") + entry.first;
    app.add_option("-f,--file,--from-dump", file,
                   "Read a table file: raw RSMB layout, dmidecode dump, memory image, sysfs-like "
                   "folder, or a bare structure table")
        ->type_name("PATH");
    app.add_option("--smbios-version", bareVersion,
                   "The version of a bare structure table (otherwise inferred)")
        ->type_name("X.Y");
    std::string typeKeywords;
    for (const auto& entry : TypeKeywords())
        typeKeywords += (typeKeywords.empty() ? "" : ", ") + entry.first;
    auto* typeOption = app.add_option("-t,--type", typeValues,
                                      "Only these structure types: numbers or " + typeKeywords)
                           ->type_name("TYPE")
                           ->delimiter(',');
    auto* stringOption = app.add_option("-s,--string", keyword,
                                        "Print only this value, as dmidecode -s: " + keywords +
                                            "; or a field's key, such as memory_device.size")
                             ->type_name("KEYWORD");
    std::string handleValue;
    auto* handleOption =
        app.add_option("-H,--handle", handleValue, "Only the structure of this handle")
            ->type_name("HANDLE");
    std::string oemString;
    auto* oemOption = app.add_option("--oem-string", oemString,
                                     "Print only OEM string N (1 first), or with count how many")
                          ->type_name("N");
    bool undecoded = false;
    app.add_flag("-u,--dump", undecoded, "Show each structure undecoded: its bytes and strings");
    std::string dumpBin;
    auto* dumpOption =
        app.add_option("--dump-bin", dumpBin,
                       "Write the table as dmidecode --dump-bin does, and show nothing")
            ->type_name("PATH");
    // dmidecode's rule: one selection at a time.
    const std::vector<CLI::Option*> selections = {typeOption, stringOption, handleOption, oemOption,
                                                  dumpOption};
    for (CLI::Option* one : selections) {
        for (CLI::Option* other : selections) {
            if (one != other) one->excludes(other);
        }
    }
    app.add_flag("-q,--quiet", quiet, "Leave out the version and handle lines and the references");
    app.add_flag("--json", json, "Print one JSON document instead of text");
    app.add_flag("--records", records,
                 "Show the nine records that the C++ interface returns instead");
    app.add_option("--save-raw", saveRaw, "Also write the table in the raw RSMB layout")
        ->type_name("PATH");
    app.add_option("--save-dump-bin", saveDump, "Also write the table as dmidecode --dump-bin does")
        ->type_name("PATH");
    app.add_option("--log", level,
                   "Log to stderr up to LEVEL: none, error, warning, debug or verbose")
        ->type_name("LEVEL")
        ->transform(CLI::CheckedTransformer(levels, CLI::ignore_case).description(""));
    bool showVersion = false;
    app.add_flag("--version", showVersion, "Print the version and exit");
    app.footer(
        "Without --file the running machine's table is read.\n"
        "Exit status: 0 shown, 1 no table on this machine (with --records: the library reported "
        "an error; what was decoded is still printed), 2 usage error, 3 a table file could not be "
        "read or written.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? kDecoded : kUsageError;
    }
    if (showVersion) {
        std::puts("kelvo-smbios " KELVO_SMBIOS_VERSION);
        return kDecoded;
    }
    std::set<int> types;
    int version = 0;
    if (!ParseTypes(typeValues, types)) return UsageError("--type: not a type number or keyword");
    if (!bareVersion.empty() && !ParseVersion(bareVersion, version)) {
        return UsageError("--smbios-version: expected MAJOR.MINOR, 2.0 or later");
    }
    long handle = -1;
    if (!handleValue.empty()) {
        char* end = nullptr;
        handle = std::strtol(handleValue.c_str(), &end, 0);
        if (*end != '\0' || handle < 0 || handle > 0xFFFF) {
            return UsageError("--handle: not a handle number: " + handleValue);
        }
    }
    long oemNumber = 0;
    if (!oemString.empty() && oemString != "count") {
        char* end = nullptr;
        oemNumber = std::strtol(oemString.c_str(), &end, 10);
        if (*end != '\0' || oemNumber < 1 || oemNumber > 255) {
            return UsageError("--oem-string: not a string number (1 to 255) or count: " +
                              oemString);
        }
    }
    if (!dumpBin.empty()) saveDump = dumpBin;
    if (!keyword.empty() && kStringKeywords.count(keyword) == 0 && !IsFieldKey(keyword)) {
        return UsageError("--string: unknown keyword \"" + keyword +
                          "\"; valid keywords: " + keywords);
    }

    if (level != plog::none) kelvoSharedInitializeLogger(level, &appender);

    ksmbios_table* opened = nullptr;
    if (!file.empty()) {
        char reason[512] = "";
        ksmbios_open_options options{};
        options.struct_size = sizeof options;
        options.bare_version = version;
        options.error_text = reason;
        options.error_size = sizeof reason;
        // The structures are shown from their bytes; the records wait for --records.
        if (!records) options.flags = KSMBIOS_OPEN_STRUCTURES_ONLY;
        const ksmbios_status status = ksmbios_open_file_with(file.c_str(), &options, &opened);
        if (status != KSMBIOS_OK) {
            PrintError(reason[0] != '\0' ? reason : file + ": " + ksmbios_status_text(status));
            return kFileError;
        }
    } else if (ksmbios_open_machine(&opened) != KSMBIOS_OK) {
        PrintMachineError("the library could not open this machine's table");
        return kLibraryError;
    }
    const Handle table(opened, &ksmbios_close);
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table.get(), &bytes, &size);
    // An exact copy, so that sanitizers see any read past its end.
    const RawTable raw(bytes, bytes + size);
    // A table read only up to its last whole structure: one line, and the output goes on.
    ksmbios_source source{};
    source.struct_size = sizeof source;
    ksmbios_get_source(table.get(), &source);
    std::vector<std::string> warnings;
    if (source.warning != nullptr && *source.warning != '\0') {
        warnings.emplace_back(source.warning);
        PrintError(source.warning);
    }

    int status = kDecoded;
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    if (records) {
        status = ShowRecords(table.get(), !file.empty(), warnings, json);
    } else if (ksmbios_get_table_info(table.get(), &info) != KSMBIOS_OK) {
        if (!file.empty()) {
            PrintError(file + ": not an SMBIOS table: its major version is below 2");
            return kFileError;
        }
        ksmbios_error error{};
        error.struct_size = sizeof error;
        ksmbios_get_error(table.get(), &error);
        PrintMachineError(error.text);
        status = kLibraryError;
    } else {
        // The library reads a version that firmware wrote wrongly as the one meant; dmidecode
        // says so.
        if (!quiet && keyword.empty() && oemString.empty() &&
            (info.written_major_version != info.major_version ||
             info.written_minor_version != info.minor_version)) {
            std::fprintf(stderr, "SMBIOS version fixup (%u.%u -> %u.%u).\n",
                         unsigned{info.written_major_version}, unsigned{info.written_minor_version},
                         unsigned{info.major_version}, unsigned{info.minor_version});
        }
        TableReport report;
        report.major = info.major_version;
        report.minor = info.minor_version;
        report.revision = info.dmi_revision;
        report.warnings = warnings;
        report.versionInferred = source.version_inferred != 0;
        report.source = SourceName(source.format);
        const auto named = kStringKeywords.find(keyword);
        const std::string wanted = named != kStringKeywords.end() ? named->second : keyword;
        std::string values;
        bool oemSeen = false;
        for (std::size_t i = 0; i < info.structure_count && dumpBin.empty(); ++i) {
            DecodedStructure structure;
            if (!ReadStructure(table.get(), i, undecoded, structure)) continue;
            if (!wanted.empty()) {
                for (const DecodedField& field : structure.fields) {
                    if (field.key == wanted) (values += field.value) += '\n';
                }
            } else if (!oemString.empty()) {
                // The first OEM strings structure, as dmidecode reads it.
                if (structure.type != 11 || std::exchange(oemSeen, true)) continue;
                std::size_t count = 0;
                for (const DecodedField& field : structure.fields) {
                    if (field.key != "oem_strings.count") continue;
                    ++count;
                    if (field.raw == static_cast<std::uint64_t>(oemNumber)) {
                        (values += field.value) += '\n';
                    }
                }
                if (oemNumber == 0) {
                    values += std::to_string(count) + "\n";
                } else if (values.empty()) {
                    PrintError("no OEM string number " + oemString);
                }
            } else if ((types.empty() || types.count(structure.type) != 0) &&
                       (handle < 0 || structure.handle == handle)) {
                report.structures.push_back(std::move(structure));
            }
        }
        if (!dumpBin.empty()) {
            // Written below, as with --save-dump-bin.
        } else if (!wanted.empty() || !oemString.empty()) {
            Print(values);
        } else {
            Print(json ? TableJson(report, quiet) : TableText(report, quiet));
        }
    }
    std::fflush(stdout);

    for (const auto& [path, dump] : {std::pair(saveRaw, false), std::pair(saveDump, true)}) {
        if (path.empty()) continue;
        try {
            if (raw.size() < kRawHeaderSize) throw FileError("not written: no table was read");
            WriteFile(path, dump ? DumpBin(raw) : raw);
        } catch (const FileError& error) {
            PrintError(path + ": " + error.what());
            status = kFileError;
        }
    }
    return status;
}
