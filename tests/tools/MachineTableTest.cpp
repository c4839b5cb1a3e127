// What the tool tells a person when the running machine's table cannot be read: one row per
// situation of the tables folder, the words a person should read.
#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <string>

#include "MachineTable.h"

namespace {

using kelvo::smbios_tool::MachineProbe;
using kelvo::smbios_tool::MachineTableHelp;

struct Situation {
    const char* name;
    MachineProbe probe;
    const char* help;  // the whole text, or (after "...") a part of it
};

#if defined(_WIN32)
const Situation kSituations[] = {
    {"NoTableFromTheFirmware",
     {false, 0},
     "no SMBIOS table: the firmware gave none through GetSystemFirmwareTable('RSMB'); read a "
     "capture with --file PATH"},
};
#else
const Situation kSituations[] = {
    {"NoFolderSaysContainerOrVm",
     {false, 0},
     "no SMBIOS table: /sys/firmware/dmi/tables does not exist here (a container, or a VM without "
     "one); read a capture with --file PATH"},
    {"AccessDeniedSaysRoot", {true, EACCES}, "...readable by root only: run kelvo-smbios as root"},
    {"NotPermittedSaysRoot", {true, EPERM}, "...readable by root only: run kelvo-smbios as root"},
    {"OtherOpenFailureNamesTheFile", {true, EIO}, "...cannot open /sys/firmware/dmi/tables/DMI: "},
    {"OpenedButNoTablePointsAtCaptures", {true, 0}, "...; read a capture with --file PATH"},
};
#endif

void PrintTo(const Situation& s, std::ostream* out) { *out << s.name; }

class MachineTableTest : public testing::TestWithParam<Situation> {};

TEST_P(MachineTableTest, SaysWhatHappenedAndWhatToDo) {
    const Situation& s = GetParam();
    const std::string help = MachineTableHelp(s.probe);
    const std::string expected(s.help);
    if (expected.rfind("...", 0) == 0) {
        EXPECT_NE(help.find(expected.substr(3)), std::string::npos) << help;
    } else {
        EXPECT_EQ(help, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Tool, MachineTableTest, testing::ValuesIn(kSituations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
