// Fuzz target for the tool's output: the input is a raw table, opened through the C interface as
// the tool opens a file, with the library's logger at verbose. Every structure of the nine types
// is decoded and shown as text and as JSON, with and without --quiet, and so are the C++
// interface's records (--records). Findings, besides a crash or an exception: JSON that does not
// parse, or that lacks a structure or a record that was shown.
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "LogEverything.h"
#include "Output.h"
#include "Records.h"
#include "Structures.h"
#include "TableOutput.h"

namespace {

using namespace kelvo::smbios_tool;

[[noreturn]] void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

nlohmann::json Parsed(const std::string& json) {
    nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        Finding("the tool's JSON does not parse:\n" + json);
    }
    return document;
}

void Run(const RawTable& raw) {
    ksmbios_table* opened = nullptr;
    if (ksmbios_open_bytes(raw.data(), raw.size(), &opened) != KSMBIOS_OK) Finding("open_bytes");
    const std::unique_ptr<ksmbios_table, void (*)(ksmbios_table*)> table(opened, &ksmbios_close);

    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    if (ksmbios_get_table_info(table.get(), &info) == KSMBIOS_OK) {
        TableReport report;
        report.major = info.major_version;
        report.minor = info.minor_version;
        report.revision = info.dmi_revision;
        report.source = "raw";
        const auto version =
            static_cast<std::uint16_t>(info.major_version << 8 | info.minor_version);
        for (std::size_t i = 0; i < info.structure_count; ++i) {
            DecodedStructure structure;
            if (DecodeStructure(table.get(), i, version, structure)) {
                report.structures.push_back(std::move(structure));
            }
        }
        for (const bool quiet : {false, true}) {
            if (!quiet && TableText(report, quiet).empty()) Finding("no text");
            const nlohmann::json document = Parsed(TableJson(report, quiet));
            if (document.value("Structures", nlohmann::json()).size() != report.structures.size()) {
                Finding("the JSON holds another number of structures");
            }
        }
    }

    const RawReader reader(raw);
    const kelvo::shared::smbios::SMBiosInfo records(&reader);
    Report described = Describe(records, &raw);
    if (TextReport(described).empty()) Finding("no records text");
    const nlohmann::json document = Parsed(JsonReport(described));
    for (const Section& section : described.sections) {
        if (!document.contains(section.key)) Finding("the JSON lacks " + section.key);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kelvo::fuzz::LogEverything();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        // An exact-size heap copy, so that AddressSanitizer catches a read past the end.
        Run(RawTable(data, data + size));
    } catch (const std::exception& failure) {
        Finding(failure.what());
    }
    return 0;
}
