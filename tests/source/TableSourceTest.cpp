#include "source/TableSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvo::shared::smbios::source::ReadTableFile;
using kelvo::shared::smbios::source::SourceFault;
using Bytes = std::vector<std::uint8_t>;

// A scratch folder laid out like /sys/firmware/dmi/tables.
class TableSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kelvo-tables-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const char* name, const Bytes& bytes) {
        std::ofstream out(dir / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    bool Read(Bytes& bytes, std::string& error) {
        SourceFault fault = SourceFault::None;
        return ReadTableFile(dir.string(), bytes, fault, error);
    }

    fs::path dir;
};

void Checksum(Bytes& entry, std::size_t at, std::size_t from, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum = static_cast<std::uint8_t>(sum + entry[i]);
    entry[at] = static_cast<std::uint8_t>(entry[at] - sum);
}

Bytes EntryPoint32(std::uint8_t major, std::uint8_t minor, std::uint8_t revision,
                   std::uint16_t length) {
    Bytes entry(0x1F, 0);
    entry[0] = '_', entry[1] = 'S', entry[2] = 'M', entry[3] = '_', entry[5] = 0x1F;
    entry[6] = major, entry[7] = minor, entry[0x0A] = revision;
    entry[0x10] = '_', entry[0x11] = 'D', entry[0x12] = 'M', entry[0x13] = 'I', entry[0x14] = '_';
    entry[0x16] = static_cast<std::uint8_t>(length), entry[0x17] = length >> 8;
    Checksum(entry, 0x15, 0x10, 0x0F);
    Checksum(entry, 4, 0, 0x1F);
    return entry;
}

Bytes EntryPoint64(std::uint8_t major, std::uint8_t minor, std::uint8_t rev, std::uint32_t length) {
    Bytes entry(0x18, 0);
    const char anchor[] = "_SM3_";
    for (int i = 0; i < 5; ++i) entry[i] = static_cast<std::uint8_t>(anchor[i]);
    entry[6] = 0x18, entry[7] = major, entry[8] = minor, entry[9] = rev;
    for (int i = 0; i < 4; ++i) entry[0x0C + i] = static_cast<std::uint8_t>(length >> (8 * i));
    Checksum(entry, 5, 0, 0x18);
    return entry;
}

// Both entry points give the raw header, with the 2.1 entry point's revision byte standing in
// for the document revision that only the 3.0 one has.
TEST_F(TableSourceTest, EntryPointsGiveTheRawHeader) {
    const Bytes table = {0x7F, 0x04, 0xFF, 0xFF, 0x00, 0x00};
    Write("DMI", table);
    struct Case {
        Bytes entry;
        Bytes header;
    };
    for (const Case& c : {Case{EntryPoint32(2, 7, 0x21, 6), {0, 2, 7, 0x21, 6, 0, 0, 0}},
                          Case{EntryPoint64(3, 4, 1, 6), {0, 3, 4, 1, 6, 0, 0, 0}}}) {
        Write("smbios_entry_point", c.entry);
        Bytes bytes;
        std::string error;
        ASSERT_TRUE(Read(bytes, error)) << error;
        Bytes expected = c.header;
        expected.insert(expected.end(), table.begin(), table.end());
        EXPECT_EQ(bytes, expected);
    }
}

TEST_F(TableSourceTest, EmptyTableHasLengthZero) {
    Write("smbios_entry_point", EntryPoint64(3, 0, 0, 0));
    Write("DMI", {});
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(Read(bytes, error)) << error;
    EXPECT_EQ(bytes, (Bytes{0, 3, 0, 0, 0, 0, 0, 0}));
}

TEST_F(TableSourceTest, FailuresNameTheFileAndCarryTheSystemText) {
    Bytes bytes;
    std::string error;
    EXPECT_FALSE(Read(bytes, error));  // nothing there yet
    EXPECT_NE(error.find("smbios_entry_point: cannot open: "), std::string::npos) << error;

    Write("smbios_entry_point", EntryPoint32(2, 8, 0, 6));
    EXPECT_FALSE(Read(bytes, error));  // entry point but no DMI
    EXPECT_NE(error.find("DMI: cannot open: "), std::string::npos) << error;

    Write("DMI", {0x7F, 0x04, 0, 0, 0, 0});
    Write("smbios_entry_point", {'_', 'S', 'M', '_', 0});  // truncated entry point
    EXPECT_FALSE(Read(bytes, error));
    EXPECT_NE(error.find("entry point"), std::string::npos);
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
