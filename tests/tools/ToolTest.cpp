// Runs kelvo-smbios as a user does: a process, its stdout, stderr and exit status.
//
// The golden outputs in golden/ are rewritten instead of compared when KELVO_UPDATE_GOLDEN is set:
//   KELVO_UPDATE_GOLDEN=1 ctest --test-dir build/linux -R Golden
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <smbios/kelvo_smbios.h>
#include <nlohmann/json.hpp>

#include "TableFiles.h"
#include "support/ManagementStructures.h"
#include "support/StandardStructures.h"
#include "support/StandardStructures18To33.h"
#include "support/StandardStructures5To15.h"
#include "support/Tables.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;
using kelvo::smbios_tool::RawTable;
using kelvo::smbios_tool::WriteFile;
using kelvo::test::WriteTableFiles;
using kelvo::test::tables::EveryType;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

RawTable ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return RawTable((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The file's bytes, without the carriage returns of Windows' text mode.
std::string ReadText(const fs::path& path) {
    const RawTable bytes = ReadBytes(path);
    std::string text(bytes.begin(), bytes.end());
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

void Put(const fs::path& path, const RawTable& bytes) { WriteFile(path.string(), bytes); }
void WriteSmallTables(const fs::path& d);

class ToolTest : public testing::Test {
public:
    // Each test has a folder of its own, so that tests may run side by side. It holds the example
    // table (the support library's table of every decoded type) in every format, the same types
    // in a 2.8 table (v28) and the small tables of WriteSmallTables.
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir = fs::path("tool-work") / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        WriteTableFiles(EveryType(3, 2), dir.string(), "example");
        WriteTableFiles(EveryType(2, 8), dir.string(), "v28");
        WriteSmallTables(dir);
    }

    std::string At(const std::string& name) const { return (dir / name).string(); }

    // A file that dmidecode --from-dump reads for the table file `path`: a dump as it is, any
    // other format through the dump that the tool writes of it.
    std::string DumpFor(const std::string& path) const {
        const fs::path extension = fs::path(path).extension();
        if (extension == ".bin" || extension == ".dmidump") return path;
        Tool("--file " + path + " --save-dump-bin " + At("dump.bin"));
        return At("dump.bin");
    }

    Outcome Tool(const std::string& arguments) const {
        return Command(Native(KELVO_TOOL) + " " + arguments);
    }

    Outcome Command(const std::string& command) const {
        const std::string out = At("stdout.txt");
        const std::string err = At("stderr.txt");
        const int result = std::system((command + " >" + out + " 2>" + err).c_str());
#if defined(_WIN32)
        const int status = result;
#else
        const int status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
        return {status, ReadText(out), ReadText(err)};
    }

    static std::string Native(std::string path) {
#if defined(_WIN32)
        std::replace(path.begin(), path.end(), '/', '\\');
#endif
        return path;
    }

    fs::path dir;
};

void ExpectGolden(const std::string& actual, const std::string& name) {
    const fs::path golden = fs::path(KELVO_GOLDEN_DIR) / name;
    if (std::getenv("KELVO_UPDATE_GOLDEN") != nullptr) {
        WriteFile(golden.string(), RawTable(actual.begin(), actual.end()));
        return;
    }
    EXPECT_EQ(actual, ReadText(golden)) << "differs from " << golden;
}

#if !defined(_WIN32)
// The real tables that the repository holds: the names that tests/tables/MANIFEST.tsv lists.
std::vector<std::string> RepositoryTables() {
    std::istringstream lines(ReadText(fs::path(KELVO_REPOSITORY_TABLES_DIR) / "MANIFEST.tsv"));
    std::vector<std::string> names;
    std::string line;
    std::getline(lines, line);  // the column names
    while (std::getline(lines, line)) names.push_back(line.substr(0, line.find('\t')));
    return names;
}
#endif

// A real table: the repository's copy, else the extra collection's; empty when neither has it.
std::string RealTable(const std::string& name) {
    for (const char* dir : {KELVO_REPOSITORY_TABLES_DIR, KELVO_TABLES_DIR}) {
        if (fs::exists(fs::path(dir) / name)) return (fs::path(dir) / name).string();
    }
    return std::string();
}

// The outputs kept as golden files: the C++ interface's records of the example table, every
// structure of the example table as text and as JSON, and of one real table as text. The other
// real tables are checked field by field against dmidecode (RealTablesAgreeWithDmidecode).
struct Golden {
    const char* golden;
    const char* arguments;
    const char* table;  // a real table's name, or null for the example table
};

const Golden kGoldens[] = {
    {"example.txt", "--records", nullptr},
    {"example.json", "--records --json", nullptr},
    {"example-table.txt", "", nullptr},
    {"example-table.json", "--json", nullptr},
    {"example-quiet.txt", "--quiet --type bios,memory,2", nullptr},
    {"t480.txt", "", "uroot__Lenovo-ThinkPad-T480.bin"},
};

// Real tables of the extra collection compared with dmidecode beside the repository's own: one of
// each kind of source (sysfs folders, dmidecode dumps, raw files, a memory image).
const char* const kExtraTables[] = {
    "uroot__SuperMicro-X9DBL.bin",
    "uroot__VMWare.bin",
    "pydmidecode__kvm-QEMU.0.dmidump",
    "pydmidecode__ProLiant-DL580-G5.0.dmidump",
    "fwupd__tables",
    "smbioslib__jeffgerlap_3_2_0.dat",
    "jcreekmore__dmi.0.bin",
    "uroot__Gigabyte-GA-MA74GMT-S2.bin",
    "pydmidecode__Parallels-Virtual-Platform.0.dmidump",
    "libsmbios__PE2650.smbios.dat",
};

class GoldenTest : public ToolTest, public testing::WithParamInterface<Golden> {};

TEST_P(GoldenTest, Output) {
    const Golden& golden = GetParam();
    const std::string table = golden.table ? RealTable(golden.table) : At("example.rsmb");
    ASSERT_FALSE(table.empty()) << golden.table << " is missing";
    const Outcome run = Tool(std::string(golden.arguments) + " --file " + Native(table));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ExpectGolden(run.out, golden.golden);
    if (fs::path(golden.golden).extension() == ".json") {
        EXPECT_TRUE(nlohmann::json::accept(run.out));
    }
}

INSTANTIATE_TEST_SUITE_P(Tool, GoldenTest, testing::ValuesIn(kGoldens), [](const auto& info) {
    return std::regex_replace(info.param.golden, std::regex("[^A-Za-z0-9]"), "_");
});

// Every format and every round trip gives what the raw file gives, and the raw file saved from a
// dump holds the original bytes; dmidecode reads the dumps that the tool writes, with either
// entry point. The third table is 16 MiB long, most of it one structure's string, so that its
// length takes all four bytes of the raw header.
TEST_F(ToolTest, FormatsAndRoundTripsGiveTheSameOutput) {
    kelvo::test::TableBuilder large(3, 2);
    large.Add(0x80, 0x7F00).Byte(1).String(std::string(16 << 20, 'A'));
    kelvo::test::tables::AddEveryType(large, 0x10);
    for (const RawTable& raw : {EveryType(3, 2), EveryType(2, 8), large.End().Raw()}) {
        WriteTableFiles(raw, dir.string(), "source");
        const Outcome expected = Tool("--file " + At("source.bin") + " --save-raw " +
                                      At("copy.rsmb") + " --save-dump-bin " + At("copy.bin"));
        ASSERT_EQ(expected.status, 0) << expected.err;
        EXPECT_EQ(ReadBytes(At("copy.rsmb")), raw);
        for (const char* file : {"source.rsmb", "source-sysfs", "copy.rsmb", "copy.bin"}) {
            const Outcome run = Tool("--file " + At(file));
            EXPECT_EQ(run.status, 0) << file << ": " << run.err;
            EXPECT_EQ(run.out, expected.out) << file;
        }
#if !defined(_WIN32)
        const Outcome decoded = Command("dmidecode --from-dump " + At("copy.bin"));
        EXPECT_EQ(decoded.status, 0);
        EXPECT_NE(decoded.out.find(raw[1] == 3 ? "SMBIOS 3.2.0 present." : "SMBIOS 2.8 present."),
                  std::string::npos);
        EXPECT_EQ(decoded.err, "");  // no checksum or structure count complaints
#endif
    }
}

#if !defined(_WIN32)
// One structure of a dmidecode-style listing: its type, its headings and its fields, each with its
// value and the lines of its list.
struct Listed {
    int type = -1;
    std::vector<std::string> headings;
    std::map<std::string, std::pair<std::string, std::vector<std::string>>> fields;
    std::vector<std::string> order;
};

std::map<std::string, Listed> ParseListing(const std::string& text) {
    std::map<std::string, Listed> structures;
    Listed* current = nullptr;
    std::string last;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Handle 0x", 0) == 0) {
            current = &structures[line.substr(7, 6)];
            current->type = std::stoi(line.substr(line.find("DMI type ") + 9));
        } else if (line.empty()) {
            current = nullptr;
        } else if (current != nullptr && line.rfind("\t\t", 0) == 0) {
            current->fields[last].second.push_back(line.substr(2));
        } else if (current != nullptr && line[0] == '\t') {
            const std::size_t colon = line.find(':');
            last = line.substr(1, colon - 1);
            const std::string value = colon + 1 < line.size() ? line.substr(colon + 2) : "";
            current->fields[last] = {value, {}};
            current->order.push_back(last);
        } else if (current != nullptr) {
            current->headings.push_back(line);
        }
    }
    return structures;
}

// The lines that say which version a table is read as: the version line, and before it on stderr
// the fixup line of a version that firmware wrote wrongly.
std::vector<std::string> VersionLines(const Outcome& run) {
    static const std::regex line("^SMBIOS (version fixup \\(.*\\)|[0-9.]+ present)\\.$");
    std::vector<std::string> lines;
    std::istringstream all(run.err + run.out);
    for (std::string text; std::getline(all, text);) {
        if (std::regex_match(text, line)) lines.push_back(text);
    }
    return lines;
}

// What the tool shows of structures that dmidecode 3.4 does not ("type/label", or a whole type):
// fields newer than it, fields shown one by one where it wants their whole block, additional
// information entries (type 40), which it shows as headings of their own, and types 44 and 46,
// which it does not know.
const std::set<std::string> kBeyondDmidecode = {"3/Rack Type",
                                                "3/Rack Height",
                                                "4/Thread Enabled",
                                                "4/Socket Type",
                                                "9/PCI Express Generation",
                                                "9/Slot Physical Width",
                                                "17/PMIC0 Manufacturer ID",
                                                "17/PMIC0 Revision Number",
                                                "17/RCD Manufacturer ID",
                                                "17/RCD Revision Number",
                                                "40",
                                                "44",
                                                "45/Firmware Version Format",
                                                "45/Firmware ID Format",
                                                "46"};

// Compares, for every structure of the listing `listing` (of the table file `path`), the fields
// that it and dmidecode's `expected` both show; returns how many.
// `skipped` holds "type/label/value" of values that dmidecode words otherwise. With `beyond`,
// every field of `listing` dmidecode shows too, but for those of kBeyondDmidecode and the
// signatures of processor families newer than dmidecode.
std::size_t CompareFields(const std::string& path, const std::map<std::string, Listed>& expected,
                          const std::string& listing, const std::set<std::string>& skipped = {},
                          std::set<std::string>* newer = nullptr, bool beyond = false) {
    std::size_t fields = 0;
    for (const auto& [handle, structure] : ParseListing(listing)) {
        const auto found = expected.find(handle);
        if (found == expected.end()) {
            ADD_FAILURE() << path << ": handle " << handle << " not listed by dmidecode";
            continue;
        }
        EXPECT_EQ(found->second.type, structure.type) << path << ": handle " << handle;
        for (const std::string& label : structure.order) {
            const auto their = found->second.fields.find(label);
            const auto& [value, items] = structure.fields.at(label);
            const std::string key = std::to_string(structure.type) + "/" + label;
            // dmidecode 3.4 reads no ID (signature, flags) of a processor family newer than it (one
            // it does not name).
            const auto family = found->second.fields.find("Family");
            const bool newerFamily = (key == "4/Signature" || key == "4/Flags") &&
                                     family != found->second.fields.end() &&
                                     family->second.first == "<OUT OF SPEC>" &&
                                     structure.fields.at("Family").first != "<OUT OF SPEC>";
            EXPECT_TRUE(!beyond || their != found->second.fields.end() || newerFamily ||
                        kBeyondDmidecode.count(key) ||
                        kBeyondDmidecode.count(std::to_string(structure.type)))
                << path << ": handle " << handle << " " << label << " not shown by dmidecode";
            if (their == found->second.fields.end() || skipped.count(key + "/" + value)) continue;
            const std::string& theirValue = their->second.first;
            // With `newer`, names that dmidecode 3.4 does not know yet are collected there.
            if (newer && theirValue == "<OUT OF SPEC>" && value != theirValue) {
                newer->insert("handle " + handle + ": " + key + "/" + value);
                continue;
            }
            EXPECT_EQ(theirValue, value) << path << ": handle " << handle << " " << label;
            EXPECT_EQ(their->second.second, items) << path << ": handle " << handle << " " << label;
            ++fields;
        }
    }
    return fields;
}

std::string RecordListing(const std::string& path);

// Runs both tools on the table file `path` and compares, for every structure that the tool shows,
// the fields that both show (CompareFields), and so for the library's records (RecordListing);
// returns how many fields of each.
std::pair<std::size_t, std::size_t> CompareWithDmidecode(const ToolTest& test,
                                                         const std::string& path,
                                                         const std::set<std::string>& skipped = {},
                                                         std::set<std::string>* newer = nullptr,
                                                         bool beyond = false) {
    const Outcome theirs = test.Command("dmidecode --from-dump " + test.DumpFor(path));
    EXPECT_EQ(theirs.status, 0) << path << theirs.err;
    const auto expected = ParseListing(theirs.out);
    const Outcome ours = test.Tool("--file " + path);
    EXPECT_EQ(ours.status, 0) << path << ours.err;
    EXPECT_EQ(VersionLines(ours), VersionLines(theirs)) << path;
    const std::size_t fields = CompareFields(path, expected, ours.out, skipped, newer, beyond);
    // The other way round: every field line that dmidecode shows of a structure of the standard's
    // types, the tool shows too. OEM-specific types (from 128 on) are shown as their bytes: the
    // few that dmidecode decodes follow vendors' documents (HP, Lenovo, Dell), not the standard.
    // Not shown here: the fields of structures that it decodes otherwise (kBeyondDmidecode).
    const auto shown = ParseListing(ours.out);
    for (const auto& [handle, structure] : expected) {
        const auto found = shown.find(handle);
        if (structure.type >= 128) continue;
        if (found == shown.end()) {
            ADD_FAILURE() << path << ": handle " << handle << " not shown";
            continue;
        }
        const std::string type = std::to_string(structure.type);
        if (!kBeyondDmidecode.count(type)) {
            EXPECT_EQ(structure.headings, found->second.headings) << path << ": handle " << handle;
        }
        for (const std::string& label : structure.order) {
            if (kBeyondDmidecode.count(type) || kBeyondDmidecode.count(type + "/" + label))
                continue;
            EXPECT_EQ(found->second.fields.count(label), 1u)
                << path << ": handle " << handle << " (type " << structure.type << ") lacks "
                << label;
        }
    }
    return {fields, CompareFields(path + " (records)", expected, RecordListing(path), skipped)};
}

// A table whose structures take every value of each enumerated field that the tool names, and
// every flag bit: structure i of each type holds i in each of its enumerations, processor
// families past FFh follow (family FEh, the word at 28h), then chassis whose contained elements
// name structure types and board types, then each enumeration of types 18 to 33 and of types 5
// to 15, then processor IDs of families whose ID is no CPUID signature.
RawTable NamesSweep() {
    kelvo::test::TableBuilder table(3, 2);
    std::uint16_t handle = 0;
    // A structure of `type`, `length` bytes, `v` at each of `offsets` and the rest zero.
    auto add = [&](std::uint8_t type, unsigned length, std::initializer_list<unsigned> offsets,
                   unsigned v) -> auto& {
        auto& s = table.Add(type, handle++).ByteAt(length - 1, 0);
        for (const unsigned at : offsets) s.ByteAt(at, static_cast<std::uint8_t>(v));
        return s;
    };
    add(0, 0x18, {0x0B, 0x0C, 0x0D, 0x12, 0x13}, 0xFF).ByteAt(0x0A, 0xF0);
    for (unsigned i = 0; i < 0x300; ++i) {
        const unsigned v = i & 0xFF;
        if (i < 0x100) {
            add(1, 0x1B, {0x18}, v);
            add(2, 0x0F, {0x09, 0x0D}, v);
            add(3, 0x16, {0x09, 0x0A, 0x0B, 0x0C}, v).ByteAt(0x05, v & 0x7F);
            // Slot characteristic 2 bit 7 (CXL 3.0) is newer than dmidecode 3.4: left out.
            add(9, 0x11, {0x05, 0x06, 0x07, 0x08}, v).BytesAt(0x0B, {0xFE, 0x7F});
            add(16, 0x17, {0x04, 0x05, 0x06}, v).BytesAt(0x0B, {0xFE, 0xFF});
            add(17, 0x34, {0x0E, 0x12, 0x28}, v).BytesAt(0x13, {0xFE, 0xFF}).ByteAt(0x0D, 4);
        }
        // Every CPUID feature flag set: x86 families show them.
        add(4, 0x30, {0x05, 0x18, 0x19}, v)
            .ByteAt(0x06, i < 0x100 ? v : 0xFE)
            .Put(0x0C, 0xFFFFFFFF, 4)
            .Put(0x26, 0xFFFF, 2)
            .Put(0x28, i, 2);
    }
    // Structure types 0 to 43 (dmidecode 3.4 names 44 and 45 shortly), board types 0 to 31.
    for (const auto& [first, count] : {std::pair(0x80u, 32u), {0xA0u, 12u}, {0x00u, 32u}}) {
        auto& chassis = add(3, 0x16 + 3 * count, {0x05}, 3)
                            .BytesAt(0x13, {static_cast<std::uint8_t>(count), 3});
        for (unsigned i = 0; i < count; ++i)
            chassis.BytesAt(0x15 + 3 * i, {static_cast<std::uint8_t>(first + i), 1, 2});
    }
    // A battery of the 2.1 layout shows its chemistry whatever it is.
    for (unsigned v = 0; v < 0x100; ++v) {
        for (const std::uint8_t type : {18, 33})
            add(type, type == 18 ? 0x17 : 0x1F, {0x04, 0x05, 0x06}, v);
        add(21, 0x07, {0x04, 0x05}, v);
        add(22, 0x10, {0x09}, v);
        add(23, 0x0D, {0x04}, v);
        add(24, 0x05, {0x04}, v);
        for (const std::uint8_t type : {26, 28, 29}) add(type, 0x14, {0x05}, v);
        add(27, 0x0C, {0x06}, v);
        add(32, 0x0B, {0x0A}, v);
    }
    // Types 5 to 15; group items of every structure type but 44 and 45, as above.
    for (unsigned v = 0; v < 0x100; ++v) {
        add(5, 0x10, {0x04, 0x05, 0x06, 0x07, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0F}, v);
        add(6, 0x0C, {0x07, 0x08, 0x0B}, v);
        add(7, 0x13, {0x05, 0x06, 0x0B, 0x0C, 0x0D, 0x0E, 0x10, 0x11, 0x12}, v);
        add(8, 0x09, {0x05, 0x07, 0x08}, v);
        add(10, 0x06, {0x04}, v);
        add(13, 0x16, {0x05}, v);
        if (v != 44 && v != 45) add(14, 0x08, {0x05}, v);
        add(15, 0x19, {0x0A, 0x0B, 0x14, 0x17, 0x18}, v).BytesAt(0x15, {1, 2});
    }
    // Processor IDs that are no CPUID signature, by family: an 80386's, 80486s' without and with
    // CPUID, an Arm MIDR, and an Arm SoC ID (characteristic bit 9, beside bit 2 alone).
    const std::tuple<unsigned, std::uint32_t, unsigned> ids[] = {{0x05, 0x2308, 0},
                                                                 {0x06, 0x0421, 0},
                                                                 {0x06, 0x0443, 0},
                                                                 {0x118, 0x410FD0C1, 0},
                                                                 {0x119, 0xFFF23456, 0x0204}};
    for (const auto& [family, id, characteristics] : ids) {
        add(4, 0x2A, {0x06}, 0xFE)
            .Put(0x08, id, 4)
            .Put(0x0C, 0xFFFFFFFF, 4)
            .Put(0x26, characteristics, 2)
            .Put(0x28, family, 2);
    }
    // Family Other or Unknown: versions that name processors with CPUID, and some that do not.
    for (const unsigned family : {0x01, 0x02}) {
        for (const char* version :
             {"Pentium III MMX", "Intel(R) Core(TM)2 Duo", "Intel(R) Pentium(R) 4",
              "Genuine Intel(R) CPU U1400", "Genuine Intel(R) CPU U1400 ", "AMD Athlon(TM) 64",
              "AMD Opteron(tm) 248", "Dual-Core AMD Opteron(tm) 2218", "Intel(R) Core(TM) i7",
              "intel(r) core(tm)2", "Quad-Core AMD Opteron(tm)"}) {
            add(4, 0x1A, {0x06}, family).Put(0x08, 0x06FB, 4).ByteAt(0x10, 1).String(version);
        }
    }
    // Families past 2FFh, every CPUID feature flag set.
    for (unsigned family = 0x300; family < 0x308; ++family) {
        add(4, 0x2A, {0x06}, 0xFE).Put(0x0C, 0xFFFFFFFF, 4).Put(0x28, family, 2);
    }
    return table.End().Raw();
}

// Values that dmidecode 3.4 words otherwise than the names table, as this tool shows them
// ("type/label/value"): memory types 15h to 17h, which it calls Reserved (the tool marks them
// <OUT OF SPEC>, as every value that no name lists), and the CXL memory
// array location, which it calls CXL Flexbus 1.0.
const std::set<std::string> kWordedOtherwise = {"17/Type/<OUT OF SPEC>",
                                                "16/Location/CXL Add-on Card"};

// The names of enumerated values and flag bits agree with dmidecode's, value by value. The names
// that dmidecode 3.4 does not know yet (it marks them <OUT OF SPEC>) are a golden list, each line
// with the version of the standard that added the name after a tab, which a regeneration keeps.
TEST_F(ToolTest, NamesAgreeWithDmidecode) {
    Put(dir / "names.rsmb", NamesSweep());
    std::set<std::string> newer;
    EXPECT_GT(CompareWithDmidecode(*this, At("names.rsmb"), kWordedOtherwise, &newer, true).first,
              20000u);
    std::map<std::string, std::string> since;
    std::istringstream golden(
        ReadText(fs::path(KELVO_GOLDEN_DIR) / "names-newer-than-dmidecode.txt"));
    for (std::string line; std::getline(golden, line);)
        since[line.substr(0, line.find('\t'))] =
            line.substr(std::min(line.find('\t'), line.size()));
    std::string list;
    for (const std::string& value : newer) {
        list += value + (since[value].empty() ? "\t?" : since[value]) + "\n";
        EXPECT_NE(since[value], "") << value << ": which version of the standard added it?";
    }
    ExpectGolden(list, "names-newer-than-dmidecode.txt");
}

// The nine records of the C interface's table view (each structure read within its Length),
// written as dmidecode 3.4 shows the same fields, in a listing that ParseListing reads. A field
// that dmidecode words in more than one way (the release date, sizes, names) is left out.
std::string RecordListing(const std::string& path) {
    ksmbios_table* table = nullptr;
    EXPECT_EQ(ksmbios_open_file(path.c_str(), &table), KSMBIOS_OK) << path;
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    ksmbios_get_table_info(table, &info);
    const int version = info.major_version << 8 | info.minor_version;
    std::ostringstream out;
    const auto put = [&](const char* label, const std::string& value) {
        out << '\t' << label << ": " << value << '\n';
    };
    ksmbios_structure s = {sizeof s, 0, 0, 0, 0, nullptr, 0, 0, nullptr};
    const auto text = [&](const char* label, std::uint8_t number, const char* value) {
        std::string shown = number == 0               ? "Not Specified"
                            : number > s.string_count ? "<BAD INDEX>"
                                                      : value;
        for (char& c : shown) c = (c >= 0 && c < 32) || c == 127 ? '.' : c;
        put(label, shown);
    };
    const auto hex = [](unsigned value, int digits) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
        return std::string(buffer);
    };
    const auto number = [](unsigned value, unsigned unknown, const char* unit) {
        return value == unknown || value == 0 ? std::string("Unknown")
                                              : std::to_string(value) + unit;
    };
    const auto errorHandle = [&](unsigned handle) {
        return handle == 0xFFFE ? "Not Provided" : handle == 0xFFFF ? "No Error" : hex(handle, 4);
    };
    const auto count = [&](const char* label, unsigned byte, unsigned word, bool wordThere) {
        if (byte != 0) put(label, std::to_string(byte == 0xFF && wordThere ? word : byte));
    };
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_get_structure(table, i, &s);
        if (s.record == nullptr) continue;
        out << "Handle " << hex(s.handle, 4) << ", DMI type " << int(s.type) << "\n";
        if (s.type == 0) {
            const auto& r = *static_cast<const ksmbios_bios*>(s.record);
            text("Vendor", r.VendorStringNumber, r.Vendor);
            text("Version", r.BIOSVersionStringNumber, r.BIOSVersion);
            put("Address", hex(r.BIOSStartingSegment, 4) + "0");
            put("BIOS Revision", std::to_string(r.SystemBIOSMajorRelease) + "." +
                                     std::to_string(r.SystemBIOSMinorRelease));
            put("Firmware Revision", std::to_string(r.EmbeddedFirmwareMajorRelease) + "." +
                                         std::to_string(r.EmbeddedFirmwareMinorRelease));
        } else if (s.type == 1) {
            const auto& r = *static_cast<const ksmbios_system*>(s.record);
            text("Manufacturer", r.ManufacturerStringNumber, r.Manufacturer);
            text("Product Name", r.ProductNameStringNumber, r.ProductName);
            text("Version", r.VersionStringNumber, r.Version);
            text("Serial Number", r.SerialNumberStringNumber, r.SerialNumber);
            const std::string uuid(r.V2_1.UUIDString);
            if (uuid.find_first_not_of("F-") == std::string::npos) {
                put("UUID", "Not Present");
            } else if (uuid.find_first_not_of("0-") == std::string::npos) {
                put("UUID", "Not Settable");
            } else if (version >= 0x0206) {
                std::string lower = uuid;
                for (char& c : lower) c = static_cast<char>(std::tolower(c));
                put("UUID", lower);
            }
            text("SKU Number", r.V2_4.SKUNumberStringNumber, r.V2_4.SKUNumber);
            text("Family", r.V2_4.FamilyStringNumber, r.V2_4.Family);
        } else if (s.type == 2) {
            const auto& r = *static_cast<const ksmbios_baseboard*>(s.record);
            text("Manufacturer", r.ManufacturerStringNumber, r.Manufacturer);
            text("Product Name", r.ProductStringNumber, r.Product);
            text("Version", r.VersionStringNumber, r.Version);
            text("Serial Number", r.SerialNumberStringNumber, r.SerialNumber);
            text("Asset Tag", r.AssetTagStringNumber, r.AssetTag);
            text("Location In Chassis", r.LocationInChassisStringNumber, r.LocationInChassis);
            put("Chassis Handle", hex(r.ChassisHandle, 4));
            if (r.ContainedObjectHandles != nullptr) {
                put("Contained Object Handles", std::to_string(r.NumberOfContainedObjectHandles));
                for (unsigned h = 0; h < r.NumberOfContainedObjectHandles; ++h) {
                    const std::uint8_t* at = r.ContainedObjectHandles + 2 * h;
                    out << "\t\t" << hex(at[0] | at[1] << 8, 4) << '\n';
                }
            }
        } else if (s.type == 3) {
            const auto& r = *static_cast<const ksmbios_enclosure*>(s.record);
            text("Manufacturer", r.ManufacturerStringNumber, r.Manufacturer);
            put("Lock", r.ChassisType & 0x80 ? "Present" : "Not Present");
            text("Version", r.VersionStringNumber, r.Version);
            text("Serial Number", r.SerialNumberStringNumber, r.SerialNumber);
            text("Asset Tag", r.AssetTagStringNumber, r.AssetTag);
            put("OEM Information", hex(r.V2_3.OEMDefined, 8));
            put("Height", r.V2_3.Height ? std::to_string(r.V2_3.Height) + " U" : "Unspecified");
            put("Number Of Power Cords", r.V2_3.NumberOfPowerCords
                                             ? std::to_string(r.V2_3.NumberOfPowerCords)
                                             : "Unspecified");
            text("SKU Number", r.V2_7.SKUNumberStringNumber, r.V2_7.SKUNumber);
        } else if (s.type == 4) {
            const auto& r = *static_cast<const ksmbios_processor*>(s.record);
            text("Socket Designation", r.SocketDesignationStringNumber, r.SocketDesignation);
            text("Manufacturer", r.ProcessorManufacturerStringNumber, r.ProcessorManufacturer);
            text("Version", r.ProcessorVersionStringNumber, r.ProcessorVersion);
            put("External Clock", number(r.ExternalClock, 0, " MHz"));
            put("Max Speed", number(r.MaxSpeed, 0, " MHz"));
            put("Current Speed", number(r.CurrentSpeed, 0, " MHz"));
            const char* caches[] = {"L1 Cache Handle", "L2 Cache Handle", "L3 Cache Handle"};
            const std::uint16_t handles[] = {r.V2_1.L1CacheHandle, r.V2_1.L2CacheHandle,
                                             r.V2_1.L3CacheHandle};
            for (int c = 0; c < 3; ++c) {
                if (handles[c] != 0xFFFF) put(caches[c], hex(handles[c], 4));
            }
            text("Serial Number", r.V2_3.SerialNumberStringNumber, r.V2_3.SerialNumber);
            text("Asset Tag", r.V2_3.AssetTagStringNumber, r.V2_3.AssetTag);
            text("Part Number", r.V2_3.PartNumberStringNumber, r.V2_3.PartNumber);
            count("Core Count", r.V2_5.CoreCount, r.V3_0.CoreCount2, s.length >= 0x2C);
            count("Core Enabled", r.V2_5.CoreEnabled, r.V3_0.CoreEnabled2, s.length >= 0x2E);
            count("Thread Count", r.V2_5.ThreadCount, r.V3_0.ThreadCount2, s.length >= 0x30);
        } else if (s.type == 9) {
            const auto& r = *static_cast<const ksmbios_slot*>(s.record);
            text("Designation", r.SlotDesignationStringNumber, r.SlotDesignation);
            char address[32];
            std::snprintf(address, sizeof address, "%04x:%02x:%02x.%x", r.V2_6.SegmentGroupNumber,
                          r.V2_6.BusNumber, r.V2_6.DeviceFunctionNumber >> 3,
                          r.V2_6.DeviceFunctionNumber & 7);
            put("Bus Address", address);
        } else if (s.type == 11) {
            const auto& r = *static_cast<const ksmbios_oem_strings*>(s.record);
            const std::string area(r.Strings ? r.Strings : "", r.Strings ? r.StringsSize : 0);
            std::istringstream strings(area);
            int n = 0;
            for (std::string one; std::getline(strings, one, '\0');) {
                put(("String " + std::to_string(++n)).c_str(), one);
            }
        } else if (s.type == 16) {
            const auto& r = *static_cast<const ksmbios_memory_array*>(s.record);
            put("Error Information Handle", errorHandle(r.V2_1.MemoryErrorInformationHandle));
            put("Number Of Devices", std::to_string(r.V2_1.NumberOfMemoryDevices));
        } else if (s.type == 17) {
            const auto& r = *static_cast<const ksmbios_memory_device*>(s.record);
            put("Array Handle", hex(r.V2_1.PhysicalMemoryArrayHandle, 4));
            put("Error Information Handle", errorHandle(r.V2_1.MemoryErrorInformationHandle));
            put("Total Width", number(r.V2_1.TotalWidth, 0xFFFF, " bits"));
            put("Data Width", number(r.V2_1.DataWidth, 0xFFFF, " bits"));
            put("Set", r.V2_1.DeviceSet == 0 ? "None" : number(r.V2_1.DeviceSet, 0xFF, ""));
            text("Locator", r.V2_1.DeviceLocatorStringNumber, r.V2_1.DeviceLocator);
            text("Bank Locator", r.V2_1.BankLocatorStringNumber, r.V2_1.BankLocator);
            // FFFFh: the extended speed, which the record does not hold.
            if (r.V2_3.Speed != 0xFFFF) put("Speed", number(r.V2_3.Speed, 0, " MT/s"));
            text("Manufacturer", r.V2_3.ManufacturerStringNumber, r.V2_3.Manufacturer);
            text("Serial Number", r.V2_3.SerialNumberStringNumber, r.V2_3.SerialNumber);
            text("Asset Tag", r.V2_3.AssetTagStringNumber, r.V2_3.AssetTag);
            text("Part Number", r.V2_3.PartNumberStringNumber, r.V2_3.PartNumber);
            put("Rank", number(r.V2_6.Attributes & 0x0F, 0, ""));
            if (r.V2_7.ConfiguredMemoryClockSpeed != 0xFFFF)
                put("Configured Memory Speed",
                    number(r.V2_7.ConfiguredMemoryClockSpeed, 0, " MT/s"));
        }
        out << '\n';
    }
    ksmbios_close(table);
    return out.str();
}

// A structure written from the standard, with bytes changed to reach other values.
struct Variant {
    const kelvo::test::standard::Structure* structure;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> changed;  // (offset, byte)
};

// Every structure written from the standard, and some with bytes changed, each cut at every
// Length from 4 to its whole, in a 3.9 table.
RawTable EveryStandardStructureAtEveryLength() {
    using namespace kelvo::test::standard;
    // Bytes changed to reach other values: what each variant's structure then holds.
    std::vector<Variant> variants = {
        {&kSlot35, {{0x05, 0x06}, {0x19, 0}, {0x1A, 0}, {0x1B, 0}}},  // a PCI slot
        {&kBios, {{0x09, 0xFF}, {0x18, 0x00}, {0x19, 0x4C}}},  // 3.1: extended ROM size 3072 GB
        {&kMemoryDevice37,                                     // set and speeds unknown
         {{0x0F, 0xFF}, {0x15, 0xFF}, {0x16, 0xFF}, {0x20, 0xFF}, {0x21, 0xFF}}},
        {&kMemoryDevice37, {{0x1C, 0}, {0x1D, 0xA0}, {0x1E, 0}}},             // extended size 40 GB
        {&kMemoryDevice37, {{0x0C, 0}, {0x0D, 0}}},                           // an empty slot
        {&kMemoryModule, {{0x05, 0xFF}, {0x09, 0x7F}, {0x0A, 0xFD}}},         // no banks or sizes
        {&kMemoryModule, {{0x05, 0x0F}, {0x09, 0x7E}, {0x0B, 0x03}}},         // disabled, errors
        {&kCache, {{0x07, 0x10}, {0x08, 0x80}, {0x09, 0x02}, {0x0A, 0x80}}},  // 64K units
        {&kGroupAssociations, {{0x05, 0x80}}},                                // an OEM type
        {&kSystemEventLog, {{0x06, 0x10}, {0x0A, 0x01}, {0x17, 0x80}, {0x18, 0x80}}},  // ports
        {&kSystemEventLog, {{0x0A, 0x04}}},              // non-volatile data
        {&kSystemEventLog, {{0x06, 0x20}}},              // header after data
        {&kSystemEventLog, {{0x0A, 0x80}}},              // OEM access method
        {&kPointingDevice, {{0x05, 0xA3}}},              // I2C (3.5)
        {&kBattery, {{0x06, 3}, {0x07, 0}, {0x09, 8}}},  // beside SBDS fields
        {&kSystemReset, {{0x04, 0x1E}}},                 // no watchdog
        {&kSystemReset, {{0x04, 0x20}}},                 // reserved options
        {&kPowerControls, {{0x04, 0}, {0x05, 0x32}, {0x06, 0x24}, {0x07, 0}, {0x08, 0x60}}},
        {&kTemperatureProbe, {{0x05, 0x10}, {0x0B, 0x90}}},  // unnamed location, resolution 9000h
        {&kCurrentProbe, {{0x05, 0x0C}}},                    // a temperature's
        {&kVoltageProbe, {{0x0B, 0x90}, {0x0F, 0xA0}}},      // resolution and accuracy past 7FFFh
        {&kHostInterface, {{0x04, 0x3F}}},                   // an MCTP type that no name lists
        {&kHostInterface, {{0x04, 0x00}}},                   // the first of that range
        {&kCoolingDevice, {{0x04, 0xFF}, {0x05, 0xFF}, {0x06, 0x6A}, {0x07, 0}}},  // no probe
        {&kBootIntegrity, {{0x04, 0}}},   // a wrong checksum
        {&kSystemBoot, {{0x0A, 0x09}}},   // unnamed status
        {&kSystemBoot, {{0x0A, 0xBF}}},   // OEM range
        {&kSystemBoot, {{0x0A, 0xC0}}}};  // product range
    for (const auto* all : {&kNewest, &kTypes5To15, &kTypes18To33})
        for (const Structure* s : *all) variants.push_back({s, {}});
    for (const Structure* s : kManagementAll) variants.push_back({s, {}});
    kelvo::test::TableBuilder table(3, 9);
    std::uint16_t handle = 0x1000;
    for (const Variant& variant : variants) {
        // A byte changed past the structure's end extends it to a later layout.
        Structure changed = *variant.structure;
        for (const auto& [offset, value] : variant.changed) {
            if (offset >= changed.formatted.size()) changed.formatted.resize(offset + 1u);
            changed.formatted[offset] = value;
        }
        for (std::size_t length = 4; length <= changed.formatted.size(); ++length) {
            Structure cut = changed;
            cut.formatted.resize(length);
            cut.formatted[1] = static_cast<std::uint8_t>(length);
            if (cut.Type() != 127) AddTo(table, cut, handle++);
        }
    }
    return table.End().Raw();
}

// Values that dmidecode 3.4 reads otherwise ("type/label/value"): a memory channel's devices one
// place late.
const std::set<std::string> kReadOtherwise = {"37/Device 1 Load/3", "37/Device 1 Handle/0x0011",
                                              "37/Device 2 Load/4", "37/Device 2 Handle/0x0012"};

// The tool and dmidecode agree both ways on each of these structures, and so do the library's
// records.
TEST_F(ToolTest, StandardStructuresAtEveryLengthAgreeWithDmidecode) {
    Put(dir / "standard.rsmb", EveryStandardStructureAtEveryLength());
    const std::string path = At("standard.rsmb");
    const auto [fields, records] = CompareWithDmidecode(*this, path, kReadOtherwise, nullptr, true);
    EXPECT_GT(fields, 4000u);
    EXPECT_GT(records, 500u);
}

// From its first structure on: what follows the version line and, for a 2.x table, dmidecode's
// structure count and table address; nothing when no structure is shown. A bare value (-s,
// --oem-string) is the whole text.
std::string FromFirstStructure(const std::string& text) {
    const std::size_t first = text.find("Handle 0x");
    if (first != std::string::npos) return text.substr(first);
    return text.find(" present.\n") == std::string::npos ? text : "";
}

// dmidecode's own options, spelled as dmidecode spells them, select what dmidecode selects:
// -u byte for byte, --oem-string the same text, the others the same structures.
struct DmidecodeOption {
    std::string arguments;
    bool whole;  // the whole output from the first structure on, else the structures' handles
};

const DmidecodeOption kDmidecodeOptions[] = {
    {"-u", true},
    {"--dump -t 11", true},
    {"-u -H 0x0003", true},
    {"--oem-string count", true},
    {"--oem-string 2", true},
    {"--oem-string 200", true},
    {"-t memory", false},
    {"-t 0 -t 2,3", false},
    {"-t bios -t system", false},
    {"-t baseboard -t chassis -t processor", false},
    {"-t cache -t connector -t slot", false},
    {"--type 7 -t 8", false},
    {"--handle 3", false},
};

// Each real table (the repository's, which must all be there, then those of the extra
// collection that are present) and the standard structures: the fields that the tool and
// dmidecode both show agree, so do the library's records, and dmidecode's options select what
// dmidecode selects, -s for every keyword that the tool accepts (listed in its refusal of an
// unknown one) too.
TEST_F(ToolTest, RealTablesAgreeWithDmidecode) {
    std::vector<DmidecodeOption> options(std::begin(kDmidecodeOptions),
                                         std::end(kDmidecodeOptions));
    const std::string refusal = Tool("-s none").err;
    const std::size_t listed = refusal.find("valid keywords: ");
    ASSERT_NE(listed, std::string::npos) << refusal;
    // The list ends its line; the next one points at --help.
    std::istringstream words(refusal.substr(listed + 16, refusal.find('\n', listed) - listed - 16));
    for (std::string word; std::getline(words, word, ',');) {
        word.erase(std::remove_if(word.begin(), word.end(), ::isspace), word.end());
        options.push_back({"-s " + word, true});
    }
    ASSERT_GE(options.size(), std::size(kDmidecodeOptions) + 26);
    std::vector<std::string> names = RepositoryTables();
    ASSERT_GE(names.size(), 4u) << "tests/tables/MANIFEST.tsv lists the repository's tables";
    const std::size_t own = names.size();
    for (const char* extra : kExtraTables) {
        const auto repository = names.begin() + static_cast<std::ptrdiff_t>(own);
        if (std::find(names.begin(), repository, extra) == repository) names.push_back(extra);
    }
    Put(dir / "standard.rsmb", kelvo::test::standard::Table());
    names.push_back("standard");
    std::size_t extras = 0;
    for (std::size_t n = 0; n < names.size(); ++n) {
        const std::string& name = names[n];
        const std::string path = name == "standard" ? At("standard.rsmb") : RealTable(name);
        if (path.empty()) {
            EXPECT_GE(n, own) << name << " is listed in tests/tables but missing";
            continue;
        }
        extras += n >= own && name != "standard";
        const auto [fields, records] = CompareWithDmidecode(*this, path);
        EXPECT_GT(fields, 0u) << name;
        EXPECT_GT(records, 0u) << name << " (records)";
        const std::string dump = DumpFor(path);
        for (const DmidecodeOption& option : options) {
            const Outcome theirs =
                Command("dmidecode --from-dump " + dump + " " + option.arguments);
            const Outcome ours = Tool("--from-dump " + path + " " + option.arguments);
            const std::string context = name + " " + option.arguments;
            EXPECT_EQ(ours.status, theirs.status) << context << ours.err;
            if (option.whole) {
                EXPECT_EQ(FromFirstStructure(ours.out), FromFirstStructure(theirs.out)) << context;
            } else {
                std::set<std::string> ourHandles, theirHandles;
                for (const auto& listed : ParseListing(ours.out)) ourHandles.insert(listed.first);
                for (const auto& listed : ParseListing(theirs.out))
                    theirHandles.insert(listed.first);
                EXPECT_EQ(ourHandles, theirHandles) << context;
            }
        }
    }
    std::printf("%zu tables of tests/tables and %zu extra tables of %s ran\n", own, extras,
                KELVO_TABLES_DIR);
    // --dump-bin writes what dmidecode --dump-bin writes, and shows nothing.
    const std::string t480 = RealTable("uroot__Lenovo-ThinkPad-T480.bin");
    const Outcome written = Tool("--from-dump " + t480 + " --dump-bin " + At("t480.bin"));
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(FromFirstStructure(Command("dmidecode --from-dump " + At("t480.bin") + " -u").out),
              FromFirstStructure(Command("dmidecode --from-dump " + t480 + " -u").out));
}
#endif

// A bad table file: one line on stderr naming the file and the fault, nothing on stdout. Each is
// made from an example file: its first `keep` bytes, then `end` bytes dropped (end < 0) or zeros
// added, then the byte at flip >> 8 xored with flip & FFh. A `file` under bad/ makes bad a copy
// of the example's folder with the bytes as that file, or without that file (`from` null).
struct BadFile {
    const char* name;
    const char* from;  // null: nothing written
    std::size_t keep;
    int end;
    unsigned flip;
    const char* file;  // the file that the message names, under DIR
    const char* message;
};

constexpr std::size_t kAll = ~std::size_t{0};

const BadFile kBadFiles[] = {
    {"Missing", nullptr, kAll, 0, 0, "bad", "cannot open"},
    {"TooShortForRaw", "example.rsmb", 3, 0, 0, "bad", "not a table file"},
    {"RawLengthMismatch", "example.rsmb", kAll, -1, 0, "bad", "not a table file"},
    {"TruncatedEntryPoint3", "example.bin", 0x10, 0, 0, "bad", "truncated _SM3_ entry point"},
    {"TruncatedEntryPoint21", "v28.bin", 4, 0, 0, "bad", "truncated _SM_ entry point"},
    {"EntryPointChecksum", "example.bin", kAll, 0, 0x0C01, "bad", "checksum is wrong"},
    // An anchor whose first byte differs is no entry point: the bytes are tried as a bare table.
    {"DamagedAnchor", "example.bin", 0x18, 0, 0x0001, "bad", "no bare structure table"},
    {"NoTableVersion", "example.rsmb", kAll, 0, 0x0102, "bad", "not an SMBIOS table"},
    {"FolderWithoutEntryPoint", nullptr, kAll, 0, 0, "bad/smbios_entry_point", "cannot open"},
    {"FolderWithoutTable", nullptr, kAll, 0, 0, "bad/DMI", "cannot open"},
    {"FolderTruncatedEntryPoint", "example.bin", 0x10, 0, 0, "bad/smbios_entry_point",
     "truncated _SM3_ entry point"},
    // A file larger than any table (64 MiB) is refused, not read whole.
    {"LargerThanAnyTable", "example.rsmb", kAll, 64 << 20, 0, "bad", "cannot open: File too large"},
};

class BadFileTest : public ToolTest, public testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, OneClearLine) {
    const BadFile& bad = GetParam();
    const bool folder = std::strchr(bad.file, '/') != nullptr;
    const fs::path file = dir / fs::path(bad.file).make_preferred();
    // In a folder, the bytes replace the example's file that the message names, or it is missing.
    if (folder) fs::copy(dir / "example-sysfs", dir / "bad", fs::copy_options::recursive);
    if (folder && bad.from == nullptr) fs::remove(file);
    if (bad.from != nullptr) {
        RawTable bytes = ReadBytes(dir / bad.from);
        bytes.resize(std::min(bytes.size(), bad.keep));
        bytes.resize(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(bytes.size()) + bad.end));
        if (bad.flip != 0) bytes[bad.flip >> 8] ^= bad.flip & 0xFF;
        Put(file, bytes);
    }
    const Outcome run = Tool("--file " + At("bad"));
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("kelvo-smbios: " + file.string() + ": ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Tool, BadFileTest, testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// The other ways tables are kept, each made from the table of a raw file: a folder of an SMBIOS 3
// entry point and the table as DMI, the bare structure table, dumps and memory images. In a dump or
// an image the entry point states the table's physical address; the table lies at that address (a
// dump's 20h), at that address less the image's 64 KiB-aligned base, right after the entry point,
// or at the next 16-byte boundary. Each is read as the raw file is, from the place its structures
// confirm, but for the version line where the file does not carry the version.
struct Kept {
    const char* name;
    const char* from;    // the raw file whose table it holds
    const char* source;  // how it is kept, as --json names it
    std::size_t entryAt;
    std::size_t tableAt;
    std::uint64_t address;  // what the entry point states
    std::size_t size;       // of the image; 0 for just past the table
    unsigned extra;         // bytes that the entry point claims past the table, as a maximum
    const char* arguments = "";
    const char* versionLine = nullptr;  // expected first line, or null for the raw file's
};

const Kept kKept[] = {
    {"FolderWithMaximumLength", "example.rsmb", "folder", 0, 0, 0, 0, 4096},
    {"BareTableWithVersion", "example.rsmb", "bare", 0, 0, 0, 0, 0, "--smbios-version 3.2",
     "SMBIOS 3.2.0 present."},
    // The processor structure holds the 3.0 core counts.
    {"BareTableInferred", "example.rsmb", "bare", 0, 0, 0, 0, 0, "",
     "SMBIOS 3.0.0 present (version inferred: the lowest whose structure layouts fit every "
     "structure)."},
    {"DumpWithMaximumLength", "example.rsmb", "dump", 0, 0x20, 0x20, 0, 100},
    {"At21E0020", "v28.rsmb", "memory-image", 0, 0x20, 0xE0020, 0, 0},
    {"At3E0020", "example.rsmb", "memory-image", 0, 0x20, 0xE0020, 0, 0},
    {"At21F0100", "v28.rsmb", "memory-image", 0, 0x100, 0xF0100, 0x10000, 0},
    {"TableBeforeEntryPoint21", "v28.rsmb", "memory-image", 0x8000, 0x40, 0xF0040, 0x10000, 0},
    {"TableBeforeEntryPoint3", "example.rsmb", "memory-image", 0xFFE0, 0x20, 0xF0020, 0x10000, 0},
    // E0000h to FFFFFh: at F1000h less F0000h lie only zeros.
    {"SecondSegment21", "v28.rsmb", "memory-image", 0x10000, 0x11000, 0xF1000, 0x20000, 0},
    {"RightAfterEntryPoint21", "v28.rsmb", "after-entry-point", 0, 0x1F, 0xF0000, 0, 0},
    // A 2.4 table whose first byte (type 1) the _DMI_ checksum must not take in.
    {"RightAfterEntryPoint24", "nodate.rsmb", "after-entry-point", 0, 0x1F, 0xF0000, 0, 0},
    {"RightAfterEntryPoint3", "example.rsmb", "after-entry-point", 0, 0x18, 0xF0000, 0, 0},
    {"NextBoundary21", "v28.rsmb", "after-entry-point", 0, 0x20, 0xF8000, 0, 0},
};

class KeptTest : public ToolTest, public testing::WithParamInterface<Kept> {};

TEST_P(KeptTest, ReadAsTheRawFile) {
    const Kept& kept = GetParam();
    const std::string source = kept.source;
    RawTable raw = ReadBytes(At(kept.from));
    const RawTable table(raw.begin() + 8, raw.end());
    raw.resize(raw.size() + kept.extra, 0);
    const RawTable entry = kelvo::smbios_tool::EntryPoint(raw, kept.address);
    if (source == "folder") {
        fs::create_directory(dir / "kept");
        Put(dir / "kept" / "smbios_entry_point", entry);
        Put(dir / "kept" / "DMI", table);
    } else {
        const std::size_t size = kept.size != 0 ? kept.size : kept.tableAt + table.size();
        Put(dir / "kept", source == "bare" ? table
                                           : kelvo::test::MemoryImage(entry, kept.entryAt, table,
                                                                      kept.tableAt, size));
    }
    const std::string arguments = std::string(kept.arguments) + " --file " + At("kept");
    const Outcome run = Tool(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string expected = Tool("--file " + At(kept.from)).out;
    if (kept.versionLine) expected.replace(0, expected.find('\n'), kept.versionLine);
    EXPECT_EQ(run.out, expected);
    const auto json = nlohmann::json::parse(Tool("--json " + arguments).out);
    EXPECT_EQ(json["Source"], source);
    EXPECT_EQ(json["warnings"], nlohmann::json::array());
}

INSTANTIATE_TEST_SUITE_P(Tool, KeptTest, testing::ValuesIn(kKept),
                         [](const auto& info) { return std::string(info.param.name); });

// Damaged tables are read up to their last whole structure: three whole structures (handles
// 10h to 12h), then the damage in the fourth. The tool shows what the three show in a raw file,
// says on one line where and why the table stopped, keeps status 0, and --json carries the line.
enum class Damage { CutInHeader, CutInArea, CutInStrings, CutAfter, ShortLength };

struct Damaged {
    const char* name;
    const char* format;  // dump3, dump21, folder3, bare or raw
    Damage damage;
    const char* reason;
};

const Damaged kDamaged[] = {
    {"CutDump3InStrings", "dump3", Damage::CutInStrings, "has no double NUL"},
    {"CutDump3AtAStructure", "dump3", Damage::CutAfter, "without an end-of-table structure"},
    {"CutDump3InHeader", "dump3", Damage::CutInHeader, "inside a structure's header"},
    {"CutDump21InArea", "dump21", Damage::CutInArea, "whose Length is 0x1B"},
    {"CutDump21AtAStructure", "dump21", Damage::CutAfter, "without an end-of-table"},
    {"ShortLengthDump21", "dump21", Damage::ShortLength, "has a Length of 2, below 4"},
    {"ShortLengthDump3", "dump3", Damage::ShortLength, "has a Length of 2, below 4"},
    {"CutFolder3InStrings", "folder3", Damage::CutInStrings, "has no double NUL"},
    {"BareWithShortLengthTail", "bare", Damage::ShortLength, "has a Length of 2, below 4"},
    {"CutBareInArea", "bare", Damage::CutInArea, "whose Length is 0x1B"},
    {"RawWithShortLength", "raw", Damage::ShortLength, "has a Length of 2, below 4"},
};

// Structures 10h to 14h (BIOS, system, board, memory device, processor); the fourth with
// `length` as its Length when given.
kelvo::test::TableBuilder FiveStructures(std::uint8_t major, std::size_t count, int length = -1) {
    kelvo::test::TableBuilder table(major, major == 3 ? 2 : 8);
    const std::pair<std::uint8_t, std::size_t> layout[] = {
        {0, 0x18}, {1, 0x1B}, {2, 0x0F}, {17, 0x1B}, {4, 0x2A}};
    for (std::size_t i = 0; i < count; ++i) {
        auto& s = table.Add(layout[i].first, static_cast<std::uint16_t>(0x10 + i))
                      .ByteAt(layout[i].second - 1, 0)
                      .ByteAt(0x04, 1)
                      .String("Made by hand");
        if (i == 3 && length >= 0) s.Length(static_cast<std::uint8_t>(length));
    }
    return table;
}

class DamagedTest : public ToolTest, public testing::WithParamInterface<Damaged> {};

TEST_P(DamagedTest, ReadUpToTheLastWholeStructure) {
    const Damaged& damaged = GetParam();
    const std::string format = damaged.format;
    const std::uint8_t major = format == "dump21" ? 2 : 3;
    const RawTable whole = FiveStructures(major, 3).Raw();
    Put(dir / "whole.rsmb", whole);
    const std::size_t at = whole.size() - 8;  // where the fourth structure starts
    const bool shortLength = damaged.damage == Damage::ShortLength;
    RawTable raw = FiveStructures(major, 5, shortLength ? 2 : -1).End().Raw();
    RawTable table(raw.begin() + 8, raw.end());
    const std::size_t cut[] = {at + 2, at + 6, at + 0x1B + 3, at, table.size()};
    table.resize(cut[static_cast<int>(damaged.damage)]);
    if (format == "raw") {
        Put(dir / "damaged.rsmb", kelvo::test::TableBuilder::Truncated(raw, table.size()));
    } else if (format == "bare") {
        Put(dir / "damaged.rsmb", table);
    } else {
        // The entry point states the whole table: the file holds less, or a malformed structure.
        const RawTable entry = kelvo::smbios_tool::EntryPoint(FiveStructures(major, 5).End().Raw(),
                                                              format == "folder3" ? 0 : 0x20);
        if (format == "folder3") {
            fs::create_directory(dir / "damaged.rsmb");
            Put(dir / "damaged.rsmb" / "smbios_entry_point", entry);
            Put(dir / "damaged.rsmb" / "DMI", table);
        } else {
            Put(dir / "damaged.rsmb",
                kelvo::test::MemoryImage(entry, 0, table, 0x20, 0x20 + table.size()));
        }
    }
    const std::string file = At(format == "folder3" ? "damaged.rsmb/DMI" : "damaged.rsmb");
    const std::string version = format == "bare" ? "--smbios-version 3.2 " : "";
    const Outcome run = Tool(version + "--file " + At("damaged.rsmb"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Tool("--file " + At("whole.rsmb")).out);
    const std::string line = "kelvo-smbios: " + fs::path(file).make_preferred().string() +
                             ": the table stops at byte " + std::to_string(at) + " ";
    EXPECT_EQ(run.err.rfind(line, 0), 0u) << run.err;
    EXPECT_NE(run.err.find("the last is handle 0x0012"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(damaged.reason), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    const auto json =
        nlohmann::json::parse(Tool(version + "--json --file " + At("damaged.rsmb")).out);
    EXPECT_EQ(json["warnings"], nlohmann::json::array({run.err.substr(14, run.err.size() - 15)}));
}

INSTANTIATE_TEST_SUITE_P(Tool, DamagedTest, testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

// An entry point that no place in the file confirms is refused, not guessed: a count one more
// than the structures that fill the table's length, and a table outside a memory image.
TEST_F(ToolTest, EntryPointThatNoPlaceConfirmsIsRefused) {
    const RawTable raw = FiveStructures(2, 5).Raw();
    const RawTable table(raw.begin() + 8, raw.end());
    RawTable miscounted = kelvo::smbios_tool::EntryPoint(raw, 0x20);
    ++miscounted[0x1C];
    --miscounted[0x15];  // the _DMI_ checksum; the entry point's own sum is unchanged
    for (const auto& [entry, tableAt] :
         {std::pair(miscounted, std::size_t{0x20}),
          std::pair(kelvo::smbios_tool::EntryPoint(raw, 0xF1000), std::size_t{0x40})}) {
        Put(dir / "image", kelvo::test::MemoryImage(entry, 0, table, tableAt, 0x1000));
        const Outcome run = Tool("--file " + At("image"));
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("no place in the file holds the table that the _SM_ entry point"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

// Single runs: the exit status and a part of stdout and of stderr (null: not checked, "": empty).
struct SingleRun {
    const char* table;  // a file of WriteSmallTables, or null for no --file
    const char* arguments;
    int status;
    const char* out;
    const char* err;
};

// latin1: a text that is not UTF-8. nodate: a BIOS structure without a release date (as Wine
// makes it), after a system structure. handles: a baseboard whose handles the table cuts. Bare
// tables: sku, a 2.0 BIOS structure before an enclosure whose SKU number needs 2.7; bios, a BIOS
// structure that needs 2.4; memory, a baseboard with a contained handle and a 2.8 memory device;
// processor, a processor of the 2.5 layout (core and thread counts, up to 28h).
void WriteSmallTables(const fs::path& d) {
    kelvo::test::TableBuilder latin1(3, 0), nodate(2, 4), handles(3, 0);
    latin1.Add(1).Bytes({1, 0, 0, 0}).String("Caf\xE9");
    nodate.Add(1).Byte(1).String("Decoded first");
    nodate.Add(0).Bytes({1, 0, 0, 0, 0});
    handles.Add(2).Bytes({0, 0, 0, 0, 0, 0, 0}).Word(0).Bytes({0, 255}).Word(0x0042).Length(0xFF);
    Put(d / "latin1.rsmb", latin1.End().Raw());
    Put(d / "nodate.rsmb", nodate.End().Raw());
    Put(d / "handles.rsmb", handles.Raw());
    kelvo::test::TableBuilder sku(3, 0), bios(3, 0), memory(3, 0), processor(3, 0);
    sku.Add(0).ByteAt(0x11, 0);
    sku.Add(3).ByteAt(0x05, 3).ByteAt(0x13, 0).ByteAt(0x14, 3).ByteAt(0x15, 1).String("SKU");
    const auto bare = [](const RawTable& raw) { return RawTable(raw.begin() + 8, raw.end()); };
    Put(d / "sku.dmi", bare(sku.End().Raw()));
    bios.Add(0).ByteAt(0x17, 0);
    Put(d / "bios.dmi", bare(bios.End().Raw()));
    memory.Add(2).ByteAt(0x0E, 1).Word(0x0042);
    memory.Add(17).ByteAt(0x27, 0);
    Put(d / "memory.dmi", bare(memory.End().Raw()));
    processor.Add(4).ByteAt(0x27, 0);
    Put(d / "processor.dmi", bare(processor.End().Raw()));
}

const SingleRun kRuns[] = {
    // Texts that are not UTF-8: as they are in text, U+FFFD in JSON.
    {"latin1.rsmb", "--records", 0, "Manufacturer: Caf\xE9\n", ""},
    {"latin1.rsmb", "--records --json", 0, "\"Manufacturer\": \"Caf\xEF\xBF\xBD\"", ""},
    {"latin1.rsmb", "--json", 0, "\"Value\": \"Caf\xEF\xBF\xBD\"", ""},
    // A failed construction: the table is shown whole; with --records the error on stderr, what
    // was decoded before it on stdout, status 1.
    {"nodate.rsmb", "", 0, "System Information\n\nHandle 0x0000, DMI type 0", ""},
    {"nodate.rsmb", "--records", 1, "Manufacturer: Decoded first\n", "invalid string position"},
    {"nodate.rsmb", "--records", 1, "SMBiosVersion: none\nTable: SMBIOS 2.4,", nullptr},
    // A raw file whose only structure runs past the table's end holds no whole structure.
    {"handles.rsmb", "--records", 0, "Table: SMBIOS 3.0, DMI revision 0, 0 bytes\n",
     "the bytes end inside the structure there (type 2, handle 0x0000), whose Length is 0xFF"},
    {"sku.dmi", "", 0, "SMBIOS 2.7 present (version inferred", ""},
    {"bios.dmi", "", 0, "SMBIOS 2.4 present (version inferred", ""},
    {"memory.dmi", "", 0, "SMBIOS 2.8 present (version inferred", ""},
    {"processor.dmi", "", 0, "SMBIOS 2.5 present (version inferred", ""},
    {"example.rsmb", "--records --log debug", 0, nullptr, "DEBUG ["},
    {"example.rsmb", "--records --log debug", 0, nullptr, "kelvo-shared-smbios"},
    {"example.rsmb", "--records --log debug", 0, nullptr,
     "] kelvo::shared::smbios::pimpl::SystemFirmware::GenerateSMBIOSData: SMBIOS TypeBios parsed "
     "as: "},
    {nullptr, "--help", 0, "--save-dump-bin", ""},
    {nullptr, "--version", 0, "kelvo-smbios " KELVO_PROJECT_VERSION "\n", ""},
    // Usage errors: nothing shown, and the way to the usage.
    {nullptr, "--no-such-option", 2, "", "Run with --help for more information."},
    {nullptr, "--log loud", 2, "", "Run with --help for more information."},
    {nullptr, "--type nonsense", 2, "", "--type: not a type number or keyword\nRun with --help"},
    {nullptr, "--string nonsense", 2, "", "unknown keyword \"nonsense\"; valid keywords: "},
    {nullptr, "--string nonsense", 2, "", "Run with --help for more information."},
    {nullptr, "--smbios-version 1.0", 2, "", "Run with --help for more information."},
    {nullptr, "-s bios-vendor -t 0", 2, "", "Run with --help for more information."},
};

void PrintTo(const SingleRun& run, std::ostream* out) {
    *out << (run.table ? run.table : "no file") << " " << run.arguments;
}

class RunTest : public ToolTest, public testing::WithParamInterface<SingleRun> {};

TEST_P(RunTest, StatusAndOutput) {
    const SingleRun& expected = GetParam();
    const Outcome run = Tool(std::string(expected.arguments) +
                             (expected.table ? " --file " + At(expected.table) : ""));
    EXPECT_EQ(run.status, expected.status) << run.err;
    EXPECT_TRUE(!expected.out || run.out.find(expected.out) != std::string::npos) << run.out;
    EXPECT_TRUE(!expected.err ||
                (*expected.err ? run.err.find(expected.err) != std::string::npos : run.err.empty()))
        << run.err;
}

INSTANTIATE_TEST_SUITE_P(Tool, RunTest, testing::ValuesIn(kRuns));

// The running machine's table: this Linux machine has none; Wine makes a 2.4 table whose BIOS
// structure has no release date, so the library stops the walk there.
TEST_F(ToolTest, LiveRead) {
#if defined(_WIN32)
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr) {
        GTEST_SKIP() << "expectations hold for Wine's table only";
    }
    const Outcome run = Tool("--records --save-raw " + At("wine.rsmb"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("invalid string position"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Table: SMBIOS 2.4,"), std::string::npos) << run.out;
    EXPECT_EQ(Tool("--records --file " + At("wine.rsmb")).out, run.out);
    // The whole table, each structure named.
    const Outcome whole = Tool("");
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.out.rfind("SMBIOS 2.4 present.\n", 0), 0u) << whole.out;
    EXPECT_NE(whole.out.find("BIOS Information\n"), std::string::npos) << whole.out;
    EXPECT_EQ(Tool("--file " + At("wine.rsmb")).out, whole.out);
#else
    if (fs::exists("/sys/firmware/dmi/tables")) GTEST_SKIP() << "this machine has a table";
    for (const char* arguments : {"", "--records"}) {
        const Outcome run = Tool(arguments);
        EXPECT_EQ(run.status, 1);
        // First what happened and what to do, then the library's own account.
        EXPECT_EQ(run.err.rfind("kelvo-smbios: no SMBIOS table: /sys/firmware/dmi/tables does not "
                                "exist here (a container, or a VM without one); read a capture "
                                "with --file PATH\nkelvo-smbios: standard exception",
                                0),
                  0u)
            << run.err;
        EXPECT_NE(run.err.find("with a call to Win32::GetSystemFirmwareTable"), std::string::npos)
            << run.err;
        EXPECT_EQ(run.out.find("SMBiosVersion: none\n"), *arguments ? 0u : std::string::npos);
    }
#endif
}

}  // namespace
