// Runs kelvo-smbios as a user does: a process, its stdout, stderr and exit status.
//
// The golden outputs in golden/ are rewritten instead of compared when KELVO_UPDATE_GOLDEN is set:
//   KELVO_UPDATE_GOLDEN=1 ctest --test-dir build/linux -R Golden
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

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

TEST_F(ToolTest, GoldenText) {
    const Outcome run = Tool("--file " + At("example.rsmb"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ExpectGolden(run.out, "example.txt");
}

TEST_F(ToolTest, GoldenJson) {
    const Outcome run = Tool("--json --file " + At("example.rsmb"));
    EXPECT_EQ(run.status, 0);
    ExpectGolden(run.out, "example.json");
    EXPECT_TRUE(nlohmann::json::accept(run.out));
}

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
    {"TablePastTheEnd",
     [](const fs::path& d) { Put(d / "bad", Bytes(d / "example.bin", 0, 0x40)); }, "bad",
     "past the end of the 64-byte file"},
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

TEST_F(ToolTest, TextsThatAreNotUtf8) {
    kelvo::test::TableBuilder table(3, 0);
    table.Add(1).Byte(1).String("Caf\xE9");
    Put(dir / "latin1.rsmb", table.End().Raw());
    const Outcome json = Tool("--json --file " + At("latin1.rsmb"));
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out)["TypeSysInfo"]["Manufacturer"], "Caf\xEF\xBF\xBD");
    EXPECT_NE(Tool("--file " + At("latin1.rsmb")).out.find("Manufacturer: Caf\xE9\n"),
              std::string::npos);
}

// A failed construction: the error on stderr, what was decoded before it on stdout, status 1.
// The BIOS structure without a release date is the one Wine makes.
TEST_F(ToolTest, LibraryErrorKeepsWhatWasDecoded) {
    kelvo::test::TableBuilder table(2, 4);
    table.Add(1).Byte(1).String("Decoded first");
    table.Add(0).Bytes({1, 0, 0, 0, 0});
    Put(dir / "nodate.rsmb", table.End().Raw());
    const Outcome run = Tool("--file " + At("nodate.rsmb"));
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
    const Outcome run = Tool("--file " + At("handles.rsmb"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("ContainedObjectHandles: 0x0042 0x0000\n"), std::string::npos);
}

TEST_F(ToolTest, LogRecordsOnStderr) {
    const Outcome run = Tool("--log debug --file " + At("example.rsmb"));
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
         {"--file", "--json", "--save-raw", "--save-dump-bin", "--log", "--version", "--help"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(Tool("--version").status, 0);
    EXPECT_EQ(Tool("--no-such-option").status, 2);
    EXPECT_EQ(Tool("--log loud").status, 2);
}

// The running machine's table: this Linux machine has none; Wine makes a 2.4 table whose BIOS
// structure has no release date, so the library stops the walk there.
TEST_F(ToolTest, LiveRead) {
#if defined(_WIN32)
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr) {
        GTEST_SKIP() << "expectations hold for Wine's table only";
    }
    const Outcome run = Tool("--save-raw " + At("wine.rsmb"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("invalid string position"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("Table: SMBIOS 2.4,"), std::string::npos) << run.out;
    EXPECT_EQ(Tool("--file " + At("wine.rsmb")).out, run.out);
#else
    if (fs::exists("/sys/firmware/dmi/tables")) GTEST_SKIP() << "this machine has a table";
    const Outcome run = Tool("");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Failed to read any byte from Bios NV memory with a call to "
                           "Win32::GetSystemFirmwareTable"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("SMBiosVersion: none\n"), std::string::npos);
#endif
}

}  // namespace
