// Fuzz target for the tool's output: the input is a raw table, opened through the C interface as
// the tool opens a file, with the library's logger at verbose. Every structure of the nine types
// is decoded and shown as text (with and without --quiet) and as JSON, and so are the C++
// interface's records (--records). Findings, besides a crash or an exception: JSON that does not
// parse, or that lacks a structure or a record that was shown.
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "LogEverything.h"
#include "Output.h"
#include "Records.h"
#include "TableOutput.h"

namespace {

using namespace kelvo::smbios_tool;

[[noreturn]] void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

// What the checks need of a JSON document, read without building it: the top-level keys and how
// many objects the "Structures" array holds. Parsing into a document allocated for every value
// and was most of this target's time under AddressSanitizer.
class Outline : public nlohmann::json_sax<nlohmann::json> {
public:
    std::vector<std::string> keys;
    std::size_t structures = 0;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override {
        structures += inStructures_ && depth_ == 2;
        return Enter();
    }
    bool key(string_t& key) override {
        if (depth_ == 1) keys.push_back(key);
        return true;
    }
    bool end_object() override { return Leave(); }
    bool start_array(std::size_t) override {
        inStructures_ =
            inStructures_ || (depth_ == 1 && !keys.empty() && keys.back() == "Structures");
        return Enter();
    }
    bool end_array() override {
        if (depth_ == 2) inStructures_ = false;
        return Leave();
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    bool Enter() {
        ++depth_;
        return true;
    }
    bool Leave() {
        --depth_;
        return true;
    }
    int depth_ = 0;
    bool inStructures_ = false;
};

Outline Parsed(const std::string& json) {
    Outline outline;
    if (!nlohmann::json::sax_parse(json, &outline) || outline.keys.empty()) {
        Finding("the tool's JSON does not parse:\n" + json);
    }
    return outline;
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
        for (std::size_t i = 0; i < info.structure_count; ++i) {
            DecodedStructure structure;
            if (ReadStructure(table.get(), i, false, structure)) {
                report.structures.push_back(std::move(structure));
            }
            // -u: every structure's bytes and strings.
            if (!ReadStructure(table.get(), i, true, structure)) Finding("no undecoded view");
        }
        if (TableText(report, false).empty()) Finding("no text");
        TableText(report, true);
        // --quiet only leaves fields out of the same writer: one JSON document is checked.
        if (Parsed(TableJson(report, false)).structures != report.structures.size()) {
            Finding("the JSON holds another number of structures");
        }
    }

    // The records of the handle's own bytes, as the tool reads a file's.
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table.get(), &bytes, &size);
    const RawReader reader(bytes, size);
    const kelvo::shared::smbios::SMBiosInfo records(&reader);
    Report described = Describe(records, table.get());
    if (TextReport(described).empty()) Finding("no records text");
    const Outline document = Parsed(JsonReport(described));
    for (const Section& section : described.sections) {
        if (std::find(document.keys.begin(), document.keys.end(), section.key) ==
            document.keys.end()) {
            Finding("the JSON lacks " + section.key);
        }
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
