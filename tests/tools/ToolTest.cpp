// Runs kelvo-smbios as a user does: a process, its stdout, stderr and exit status.
//
// The golden outputs in golden/ are rewritten instead of compared when KELVO_UPDATE_GOLDEN is set:
//   KELVO_UPDATE_GOLDEN=1 ctest --test-dir build/linux -R Golden
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "ExampleTable.h"
#include "TableFile.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;
using kelvo::smbios_tool::RawTable;
using kelvo::smbios_tool::WriteFile;
using kelvo::test::ExampleTable;
using kelvo::test::WriteTableFiles;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// The file's bytes, without the carriage returns of Windows' text mode.
std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

RawTable ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return RawTable((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class ToolTest : public testing::Test {
protected:
    // Each test has a folder of its own, so that tests may run side by side.
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        dir = fs::path("tool-work") / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        WriteTableFiles(ExampleTable().Raw(), dir.string(), "example");
    }

    std::string At(const std::string& name) const { return (dir / name).string(); }

    // A file that dmidecode --from-dump reads for the real table `path`: a dump as it is, any
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

// A real table from the shared collection; empty when the collection is not there.
std::string RealTable(const std::string& name) {
    const fs::path path = fs::path(KELVO_TABLES_DIR) / name;
    return fs::exists(path) ? path.string() : std::string();
}

// The outputs kept as golden files: the C++ interface's records of the example table, and every
// structure of the example table and of real tables, as text and as JSON.
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
    {"t480.json", "--json", "uroot__Lenovo-ThinkPad-T480.bin"},
    {"supermicro-x9dbl.txt", "", "uroot__SuperMicro-X9DBL.bin"},
    {"vmware.txt", "", "uroot__VMWare.bin"},
    {"kvm-qemu.txt", "", "pydmidecode__kvm-QEMU.0.dmidump"},
    {"proliant-dl580-g5.txt", "", "pydmidecode__ProLiant-DL580-G5.0.dmidump"},
    {"thinkpad-t440s.txt", "", "fwupd__tables"},
    {"surface-laptop-3.txt", "", "smbioslib__jeffgerlap_3_2_0.dat"},
    {"surface-laptop-3.json", "--json", "smbioslib__jeffgerlap_3_2_0.dat"},
    {"poweredge.txt", "", "jcreekmore__dmi.0.bin"},
    {"gigabyte-ga-ma74gmt.txt", "", "uroot__Gigabyte-GA-MA74GMT-S2.bin"},
    {"parallels.txt", "", "pydmidecode__Parallels-Virtual-Platform.0.dmidump"},
};

void PrintTo(const Golden& golden, std::ostream* out) { *out << golden.golden; }

class GoldenTest : public ToolTest, public testing::WithParamInterface<Golden> {};

TEST_P(GoldenTest, Output) {
    const Golden& golden = GetParam();
    const std::string table = golden.table ? RealTable(golden.table) : At("example.rsmb");
    if (table.empty()) GTEST_SKIP() << golden.table << " is not in " << KELVO_TABLES_DIR;
    const Outcome run = Tool(std::string(golden.arguments) + " --file " + Native(table));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ExpectGolden(run.out, golden.golden);
    if (fs::path(golden.golden).extension() == ".json") {
        EXPECT_TRUE(nlohmann::json::accept(run.out));
    }
}

INSTANTIATE_TEST_SUITE_P(Tool, GoldenTest, testing::ValuesIn(kGoldens), [](const auto& info) {
    std::string name = info.param.golden;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

// Every format and every round trip gives what the raw file gives.
TEST_F(ToolTest, FormatsAndRoundTripsGiveTheSameOutput) {
    for (const RawTable& raw : {ExampleTable().Raw(), [] {
                                    RawTable v28 =
                                        ExampleTable().Raw();  // a 2.x table gets a 2.1 entry point
                                    v28[1] = 2;
                                    v28[2] = 8;
                                    return v28;
                                }()}) {
        WriteTableFiles(raw, dir.string(), "source");
        const Outcome expected = Tool("--file " + At("source.rsmb") + " --save-raw " +
                                      At("copy.rsmb") + " --save-dump-bin " + At("copy.bin"));
        ASSERT_EQ(expected.status, 0) << expected.err;
        EXPECT_EQ(ReadBytes(At("copy.rsmb")), raw);
        for (const char* file : {"source.bin", "source-sysfs", "copy.rsmb", "copy.bin"}) {
            const Outcome run = Tool("--file " + At(file));
            EXPECT_EQ(run.status, 0) << file << ": " << run.err;
            EXPECT_EQ(run.out, expected.out) << file;
        }
    }
}

#if !defined(_WIN32)
// dmidecode reads the dumps that the tool writes, with either entry point.
TEST_F(ToolTest, DmidecodeReadsTheDumps) {
    for (const auto& [major, minor, banner] : {std::make_tuple(3, 2, "SMBIOS 3.2.0 present."),
                                               std::make_tuple(2, 8, "SMBIOS 2.8 present.")}) {
        RawTable raw = ExampleTable().Raw();
        raw[1] = static_cast<std::uint8_t>(major);
        raw[2] = static_cast<std::uint8_t>(minor);
        WriteTableFiles(raw, dir.string(), "table");
        const Outcome decoded = Command("dmidecode --from-dump " + At("table.bin"));
        EXPECT_EQ(decoded.status, 0);
        EXPECT_NE(decoded.out.find(banner), std::string::npos) << decoded.out;
        EXPECT_NE(decoded.out.find("Product Name: Kelvo Desk 9"), std::string::npos);
        EXPECT_NE(decoded.out.find("Kelvo OEM one"), std::string::npos);
        EXPECT_EQ(decoded.err, "");  // no checksum or structure count complaints
    }
}
#endif

#if !defined(_WIN32)
// The real tables of the shared collection.
const char* const kRealTables[] = {
    "uroot__Lenovo-ThinkPad-T480.bin",
    "uroot__SuperMicro-X9DBL.bin",
    "uroot__VMWare.bin",
    "pydmidecode__kvm-QEMU.0.dmidump",
    "pydmidecode__ProLiant-DL580-G5.0.dmidump",
    "fwupd__tables",
    "smbioslib__jeffgerlap_3_2_0.dat",
    "jcreekmore__dmi.0.bin",
    "uroot__Gigabyte-GA-MA74GMT-S2.bin",
    "pydmidecode__Parallels-Virtual-Platform.0.dmidump",
};

// One structure of a dmidecode-style listing: its type and its fields, each with its value and
// the lines of its list.
struct Listed {
    int type = -1;
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
        }
    }
    return structures;
}

// For every structure of the nine types, the fields that both tools show agree. dmidecode 3.4
// writes a slot's width into its Type ("x16 PCI Express 3") where this tool shows it as its own
// field, Data Bus Width: the Type is compared as the end of dmidecode's, the width not at all.
TEST_F(ToolTest, AgreesWithDmidecode) {
    for (const char* name : kRealTables) {
        const std::string path = RealTable(name);
        if (path.empty()) GTEST_SKIP() << name << " is not in " << KELVO_TABLES_DIR;
        const Outcome theirs =
            Command("dmidecode -t 0,1,2,3,4,9,11,16,17 --from-dump " + DumpFor(path));
        const Outcome ours = Tool("--file " + path);
        ASSERT_EQ(theirs.status, 0) << name << theirs.err;
        ASSERT_EQ(ours.status, 0) << name << ours.err;
        const auto expected = ParseListing(theirs.out);
        std::set<std::string> compared;
        std::size_t fields = 0;
        const auto shown = ParseListing(ours.out);
        for (const auto& [handle, structure] : shown) {
            const auto found = expected.find(handle);
            ASSERT_NE(found, expected.end()) << name << ": handle " << handle;
            EXPECT_EQ(found->second.type, structure.type) << name << ": handle " << handle;
            for (const std::string& label : structure.order) {
                const auto theirField = found->second.fields.find(label);
                if (theirField == found->second.fields.end()) continue;
                const auto& [value, items] = structure.fields.at(label);
                const bool slotType = structure.type == 9 && label == "Type";
                const std::string& theirValue = theirField->second.first;
                if (slotType) {
                    EXPECT_EQ(theirValue.substr(theirValue.size() -
                                                std::min(theirValue.size(), value.size())),
                              value)
                        << name << ": handle " << handle << " " << label;
                } else {
                    EXPECT_EQ(theirValue, value) << name << ": handle " << handle << " " << label;
                }
                EXPECT_EQ(theirField->second.second, items)
                    << name << ": handle " << handle << " " << label;
                compared.insert(std::to_string(structure.type) + "/" + label);
                ++fields;
            }
        }
        EXPECT_GT(fields, 0u) << name;
        std::string list;
        for (const std::string& label : compared) list += (list.empty() ? "" : ", ") + label;
        std::cout << name << ": " << shown.size() << " structures, " << fields
                  << " fields compared (type/label: " << list << ")\n";
    }
}

// -s prints what dmidecode -s prints, for every keyword the tool accepts (listed in its refusal
// of an unknown one).
TEST_F(ToolTest, StringKeywordsAgreeWithDmidecode) {
    const std::string refusal = Tool("-s none").err;
    const std::size_t listed = refusal.find("valid keywords: ");
    ASSERT_NE(listed, std::string::npos) << refusal;
    std::vector<std::string> keywords;
    std::istringstream words(refusal.substr(listed + 16));
    for (std::string word; std::getline(words, word, ',');) {
        word.erase(std::remove_if(word.begin(), word.end(), ::isspace), word.end());
        keywords.push_back(word);
    }
    ASSERT_GE(keywords.size(), 26u);
    for (const char* name : kRealTables) {
        const std::string path = RealTable(name);
        if (path.empty()) GTEST_SKIP() << name << " is not in " << KELVO_TABLES_DIR;
        const std::string dump = DumpFor(path);
        for (const std::string& keyword : keywords) {
            const Outcome theirs = Command("dmidecode --from-dump " + dump + " -s " + keyword);
            const Outcome ours = Tool("--file " + path + " -s " + keyword);
            EXPECT_EQ(ours.status, 0);
            EXPECT_EQ(ours.out, theirs.out) << name << " " << keyword;
        }
    }
}
#endif

// A bad table file: one line on stderr naming the file and the fault, nothing on stdout.
struct BadFile {
    const char* name;
    void (*make)(const fs::path& dir);  // writes DIR/bad
    const char* file;                   // the file that the message names, under DIR
    const char* message;
};

RawTable Bytes(const fs::path& path, std::size_t from, std::size_t count) {
    const RawTable all = ReadBytes(path);
    return RawTable(all.begin() + from, all.begin() + std::min(from + count, all.size()));
}

void Put(const fs::path& path, const RawTable& bytes) { WriteFile(path.string(), bytes); }

const BadFile kBadFiles[] = {
    {"Missing", [](const fs::path&) {}, "bad", "cannot open"},
    {"TooShortForRaw",
     [](const fs::path& d) {
         Put(d / "bad", {0, 3, 0});
     },
     "bad", "not a table file"},
    {"RawLengthMismatch",
     [](const fs::path& d) {
         RawTable raw = ReadBytes(d / "example.rsmb");
         raw.pop_back();
         Put(d / "bad", raw);
     },
     "bad", "not a table file"},
    {"TruncatedEntryPoint3",
     [](const fs::path& d) { Put(d / "bad", Bytes(d / "example.bin", 0, 0x10)); }, "bad",
     "truncated _SM3_ entry point"},
    {"TruncatedEntryPoint21",
     [](const fs::path& d) {
         Put(d / "bad", {'_', 'S', 'M', '_'});
     },
     "bad", "truncated _SM_ entry point"},
    {"EntryPointChecksum",
     [](const fs::path& d) {
         RawTable dump = ReadBytes(d / "example.bin");
         ++dump[0x0C];
         Put(d / "bad", dump);
     },
     "bad", "checksum is wrong"},
    // An SMBIOS 3 entry point's length is a maximum, but the bytes must end the table.
    {"CutTable3", [](const fs::path& d) { Put(d / "bad", Bytes(d / "example.bin", 0, 0x40)); },
     "bad", "the table is cut short: 32 bytes present"},
    // A 2.1 entry point's length is exact.
    {"TablePastTheEnd21",
     [](const fs::path& d) {
         RawTable raw = ReadBytes(d / "example.rsmb");
         raw[1] = 2;
         raw[2] = 8;
         const RawTable dump = kelvo::smbios_tool::DumpBin(raw);
         Put(d / "bad", RawTable(dump.begin(), dump.end() - 1));
     },
     "bad", "past the end of the"},
    {"NoTableVersion",
     [](const fs::path& d) {
         RawTable raw = ReadBytes(d / "example.rsmb");
         raw[1] = 1;
         Put(d / "bad", raw);
     },
     "bad", "not an SMBIOS table"},
    {"CutBareTable",
     [](const fs::path& d) { Put(d / "bad", Bytes(d / "example-sysfs" / "DMI", 0, 100)); }, "bad",
     "no bare structure table"},
    {"FolderWithoutFiles", [](const fs::path& d) { fs::create_directory(d / "bad"); },
     "bad/smbios_entry_point", "cannot open"},
    {"FolderSizeMismatch",
     [](const fs::path& d) {
         fs::create_directory(d / "bad");
         fs::copy_file(d / "example-sysfs" / "smbios_entry_point",
                       d / "bad" / "smbios_entry_point");
         Put(d / "bad" / "DMI", Bytes(d / "example-sysfs" / "DMI", 0, 100));
     },
     "bad/DMI", "holds 100 bytes, the entry point says"},
    {"FolderLongerThanItsMaximum",
     [](const fs::path& d) {
         fs::create_directory(d / "bad");
         fs::copy_file(d / "example-sysfs" / "smbios_entry_point",
                       d / "bad" / "smbios_entry_point");
         RawTable table = ReadBytes(d / "example-sysfs" / "DMI");
         table.push_back(0);
         Put(d / "bad" / "DMI", table);
     },
     "bad/DMI", "the entry point says"},
};

void PrintTo(const BadFile& bad, std::ostream* out) { *out << bad.name; }

class BadFileTest : public ToolTest, public testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, OneClearLine) {
    GetParam().make(dir);
    const Outcome run = Tool("--file " + At("bad"));
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    const fs::path file = dir / fs::path(GetParam().file).make_preferred();
    const std::string named = "kelvo-smbios: " + file.string() + ": ";
    EXPECT_EQ(run.err.rfind(named, 0), 0u) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Tool, BadFileTest, testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// The other ways tables are kept: each gives what the raw file gives, but for the version line
// where the file does not carry the DMI revision or the version.
struct Layout {
    const char* name;
    // Writes DIR/table from the raw table DIR/source.rsmb (and its dump and folder).
    void (*make)(const fs::path& dir);
    const char* arguments;
    const char* versionLine;  // expected first line, or null for the raw file's
};

// An SMBIOS 3 entry point for the raw table `path` that gives `extra` bytes more than the table
// holds, as a maximum, with the table at `address`.
RawTable RaisedEntryPoint(const fs::path& path, std::size_t extra, std::uint64_t address) {
    RawTable padded = ReadBytes(path);
    padded.resize(padded.size() + extra, 0);
    return kelvo::smbios_tool::EntryPoint(padded, address);
}

const Layout kLayouts[] = {
    {"DumpWithMaximumLength",
     [](const fs::path& d) {
         RawTable dump = ReadBytes(d / "source.bin");
         const RawTable entry = RaisedEntryPoint(d / "source.rsmb", 100, 0x20);
         std::copy(entry.begin(), entry.end(), dump.begin());
         Put(d / "table", dump);
     },
     "", nullptr},
    {"FolderWithMaximumLength",
     [](const fs::path& d) {
         fs::create_directory(d / "table");
         Put(d / "table" / "smbios_entry_point", RaisedEntryPoint(d / "source.rsmb", 4096, 0));
         fs::copy_file(d / "source-sysfs" / "DMI", d / "table" / "DMI");
     },
     "", nullptr},
    {"TableAfterEntryPoint",
     [](const fs::path& d) {
         const RawTable raw = ReadBytes(d / "source.rsmb");
         RawTable file = kelvo::smbios_tool::EntryPoint(raw, 0xF0000);
         file.insert(file.end(), raw.begin() + 8, raw.end());
         Put(d / "table", file);
     },
     "", nullptr},
    {"BareTableWithVersion",
     [](const fs::path& d) { fs::copy_file(d / "source-sysfs" / "DMI", d / "table"); },
     "--smbios-version 3.2", "SMBIOS 3.2.0 present."},
    {"BareTableInferred",
     [](const fs::path& d) { fs::copy_file(d / "source-sysfs" / "DMI", d / "table"); }, "",
     // The processor structure holds the 3.0 core counts.
     "SMBIOS 3.0.0 present (version inferred: the lowest whose structure layouts fit every "
     "structure)."},
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class LayoutTest : public ToolTest, public testing::WithParamInterface<Layout> {};

TEST_P(LayoutTest, ReadAsTheRawFile) {
    WriteTableFiles(ExampleTable().Raw(), dir.string(), "source");
    GetParam().make(dir);
    const Outcome expected = Tool("--file " + At("source.rsmb"));
    const Outcome run = Tool(std::string(GetParam().arguments) + " --file " + At("table"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t line = run.out.find('\n');
    const std::size_t expectedLine = expected.out.find('\n');
    EXPECT_EQ(run.out.substr(0, line), GetParam().versionLine
                                           ? GetParam().versionLine
                                           : expected.out.substr(0, expectedLine));
    EXPECT_EQ(run.out.substr(line), expected.out.substr(expectedLine));
}

INSTANTIATE_TEST_SUITE_P(Tool, LayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolTest, TextsThatAreNotUtf8) {
    kelvo::test::TableBuilder table(3, 0);
    table.Add(1).Bytes({1, 0, 0, 0}).String("Caf\xE9");
    Put(dir / "latin1.rsmb", table.End().Raw());
    const Outcome json = Tool("--records --json --file " + At("latin1.rsmb"));
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out)["TypeSysInfo"]["Manufacturer"], "Caf\xEF\xBF\xBD");
    EXPECT_NE(Tool("--records --file " + At("latin1.rsmb")).out.find("Manufacturer: Caf\xE9\n"),
              std::string::npos);
    const auto shown = nlohmann::json::parse(Tool("--json --file " + At("latin1.rsmb")).out);
    EXPECT_EQ(shown.at("Structures").at(0).at("Fields").at(0).at("Value"), "Caf\xEF\xBF\xBD");
}

// A failed construction: with --records the error on stderr, what was decoded before it on
// stdout, status 1. The BIOS structure without a release date is the one Wine makes; the table
// itself is shown whole.
TEST_F(ToolTest, LibraryErrorKeepsWhatWasDecoded) {
    kelvo::test::TableBuilder table(2, 4);
    table.Add(1).Byte(1).String("Decoded first");
    table.Add(0).Bytes({1, 0, 0, 0, 0});
    Put(dir / "nodate.rsmb", table.End().Raw());
    const Outcome whole = Tool("--file " + At("nodate.rsmb"));
    EXPECT_EQ(whole.status, 0);
    EXPECT_EQ(whole.err, "");
    EXPECT_NE(whole.out.find("System Information\n\nHandle"), std::string::npos) << whole.out;
    EXPECT_NE(whole.out.find("BIOS Information\n"), std::string::npos);
    const Outcome run = Tool("--records --file " + At("nodate.rsmb"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("invalid string position"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Manufacturer: Decoded first\n"), std::string::npos);
    EXPECT_NE(run.out.find("SMBiosVersion: none\nTable: SMBIOS 2.4,"), std::string::npos);
}

// The record points at the handles; the tool reads no further than the table goes.
TEST_F(ToolTest, BaseboardHandlesStayInTheTable) {
    kelvo::test::TableBuilder table(3, 0);
    table.Add(2).Bytes({0, 0, 0, 0, 0, 0, 0}).Word(0).Bytes({0, 255}).Word(0x0042).Length(0xFF);
    Put(dir / "handles.rsmb", table.Raw());
    const Outcome run = Tool("--records --file " + At("handles.rsmb"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("ContainedObjectHandles: 0x0042 0x0000\n"), std::string::npos);
}

TEST_F(ToolTest, LogRecordsOnStderr) {
    const Outcome run = Tool("--records --log debug --file " + At("example.rsmb"));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("DEBUG ["), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("kelvo-shared-smbios"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("] kelvo::shared::smbios::pimpl::SystemFirmware::GenerateSMBIOSData: "
                           "SMBIOS TypeBios parsed as: "),
              std::string::npos)
        << run.err;
}

TEST_F(ToolTest, Usage) {
    const Outcome help = Tool("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--file", "--smbios-version", "--type", "--string", "--quiet", "--json", "--records",
          "--save-raw", "--save-dump-bin", "--log", "--version", "--help"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(Tool("--version").status, 0);
    EXPECT_EQ(Tool("--no-such-option").status, 2);
    EXPECT_EQ(Tool("--log loud").status, 2);
    EXPECT_EQ(Tool("--type nonsense").status, 2);
    EXPECT_EQ(Tool("--string nonsense").status, 2);
    EXPECT_EQ(Tool("--smbios-version 1.0").status, 2);
    EXPECT_EQ(Tool("-s bios-vendor -t 0").status, 2);
}

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
        EXPECT_NE(run.err.find("Failed to read any byte from Bios NV memory with a call to "
                               "Win32::GetSystemFirmwareTable"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_NE(Tool("--records").out.find("SMBiosVersion: none\n"), std::string::npos);
#endif
}

}  // namespace
