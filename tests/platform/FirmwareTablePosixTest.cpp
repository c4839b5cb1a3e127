#include "platform/FirmwareTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvo::shared::smbios::platform::ReadFirmwareTableFrom;

// A scratch directory laid out like /sys/firmware/dmi/tables.
class FakeTables : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kelvo-tables-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(dir / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    bool Read(std::vector<std::uint8_t>& bytes, std::string& error) {
        return ReadFirmwareTableFrom(dir.string(), bytes, error);
    }

    fs::path dir;
};

std::vector<std::uint8_t> EntryPoint32(std::uint8_t major, std::uint8_t minor) {
    std::vector<std::uint8_t> entry(0x1F, 0);
    entry[0] = '_', entry[1] = 'S', entry[2] = 'M', entry[3] = '_';
    entry[6] = major, entry[7] = minor, entry[0x0A] = 0;
    return entry;
}

std::vector<std::uint8_t> EntryPoint64(std::uint8_t major, std::uint8_t minor, std::uint8_t rev) {
    std::vector<std::uint8_t> entry(0x18, 0);
    const char anchor[] = "_SM3_";
    for (int i = 0; i < 5; ++i) entry[i] = static_cast<std::uint8_t>(anchor[i]);
    entry[7] = major, entry[8] = minor, entry[9] = rev;
    return entry;
}

TEST_F(FakeTables, EntryPointsGiveTheRawHeader) {
    const std::vector<std::uint8_t> table = {0x7F, 0x04, 0xFF, 0xFF, 0x00, 0x00};
    Write("DMI", table);
    struct Case {
        std::vector<std::uint8_t> entry;
        std::vector<std::uint8_t> header;
    };
    for (const Case& c : {Case{EntryPoint32(2, 7), {0, 2, 7, 0, 6, 0, 0, 0}},
                          Case{EntryPoint64(3, 4, 1), {0, 3, 4, 1, 6, 0, 0, 0}}}) {
        Write("smbios_entry_point", c.entry);
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(Read(bytes, error)) << error;
        std::vector<std::uint8_t> expected = c.header;
        expected.insert(expected.end(), table.begin(), table.end());
        EXPECT_EQ(bytes, expected);
    }
}

TEST_F(FakeTables, EmptyTableHasLengthZero) {
    Write("smbios_entry_point", EntryPoint64(3, 0, 0));
    Write("DMI", {});
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(Read(bytes, error));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 3, 0, 0, 0, 0, 0, 0}));
}

TEST_F(FakeTables, FailuresCarryTheSystemText) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(Read(bytes, error));  // nothing there yet
    EXPECT_EQ(error, "No such file or directory");

    Write("smbios_entry_point", EntryPoint32(2, 8));
    EXPECT_FALSE(Read(bytes, error));  // entry point but no DMI
    EXPECT_EQ(error, "No such file or directory");

    Write("DMI", {0x7F, 0x04, 0, 0, 0, 0});
    Write("smbios_entry_point", {'_', 'S', 'M', '_', 0});  // truncated entry point
    EXPECT_FALSE(Read(bytes, error));
    EXPECT_NE(error.find("entry point"), std::string::npos);
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
