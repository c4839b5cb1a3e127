// While the tool still decodes structures itself, the library's generic decoder must give, for
// every structure of every table the project keeps, exactly the tool's fields: labels, values,
// list lines, numbers and references. Goes when the tool shows the library's fields.
#include <gtest/gtest.h>

#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_source.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Structures.h"
#include "decode/FieldDecoder.h"
#include "schema/Schema.h"
#include "support/Tables.h"

namespace {

namespace fs = std::filesystem;
using kelvo::shared::smbios::detail::DecodeFields;
using kelvo::shared::smbios::detail::Field;
using kelvo::shared::smbios::pimpl::StructureRef;
using kelvo::shared::smbios::pimpl::TableView;
using kelvo::smbios_tool::DecodedStructure;
using Table = std::unique_ptr<ksmbios_table, decltype(&ksmbios_close)>;

std::string Describe(const std::string& label, const std::string& value,
                     const std::vector<std::string>& items, bool hasRaw, std::uint64_t raw,
                     bool reference) {
    std::string text = label + ": " + value;
    for (const std::string& item : items) text += " | " + item;
    if (hasRaw) text += " [raw " + std::to_string(raw) + "]";
    if (reference) text += " [reference]";
    return text;
}

// Compares every structure of an opened table; returns how many structures were compared.
int CompareTable(ksmbios_table* opened, const std::string& name) {
    const Table table(opened, &ksmbios_close);
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    if (ksmbios_get_table_info(table.get(), &info) != KSMBIOS_OK) return 0;
    const std::uint8_t* raw = nullptr;
    std::size_t size = 0;
    EXPECT_EQ(ksmbios_get_raw(table.get(), &raw, &size), KSMBIOS_OK);
    const TableView whole(raw, size);
    const TableView structures =
        whole.Sub(8, std::min<std::uint64_t>(whole.U32(4), size > 8 ? size - 8 : 0));
    const auto version = static_cast<std::uint16_t>(info.major_version << 8 | info.minor_version);

    int compared = 0;
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure s{};
        s.struct_size = sizeof s;
        EXPECT_EQ(ksmbios_get_structure(table.get(), i, &s), KSMBIOS_OK);
        DecodedStructure tool;
        const bool decoded = kelvo::smbios_tool::DecodeStructure(table.get(), i, version, tool);
        std::vector<Field> fields;
        DecodeFields(StructureRef{structures, s.offset, s.type, s.length, s.handle}, version,
                     fields);
        const kelvo::shared::smbios::schema::TypeDef* type =
            kelvo::shared::smbios::schema::FindType(s.type);
        // The schema describes more types than the tool's own decoder knows.
        EXPECT_TRUE(!decoded || type != nullptr) << name << " structure " << i;
        if (!decoded) continue;
        ++compared;
        EXPECT_EQ(tool.title, type->title);
        std::vector<std::string> expected;
        for (const auto& f : tool.fields) {
            expected.push_back(Describe(f.label, f.value, f.items, f.raw.has_value(),
                                        f.raw.value_or(0), f.reference));
        }
        std::vector<std::string> actual;
        for (const Field& f : fields) {
            actual.push_back(Describe(f.label, f.text, f.items, f.raw.has_value(),
                                      f.raw.value_or(0), f.reference));
        }
        EXPECT_EQ(actual, expected) << name << " structure " << i << " (type " << +s.type
                                    << ", Length " << +s.length << ")";
    }
    return compared;
}

int CompareBytes(const std::vector<std::uint8_t>& raw, const std::string& name) {
    ksmbios_table* table = nullptr;
    EXPECT_EQ(ksmbios_open_bytes(raw.data(), raw.size(), &table), KSMBIOS_OK) << name;
    return table != nullptr ? CompareTable(table, name) : 0;
}

TEST(FieldsMigrationTest, EveryCapturedTableDecodesAsTheToolDoes) {
    int tables = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(KELVO_TABLES_DIR)) {
        if (entry.path().filename() == "MANIFEST.tsv") continue;
        ksmbios_open_options options{};
        options.struct_size = sizeof options;
        options.flags = KSMBIOS_OPEN_STRUCTURES_ONLY;
        ksmbios_table* table = nullptr;
        ASSERT_EQ(ksmbios_open_file_with(entry.path().string().c_str(), &options, &table),
                  KSMBIOS_OK)
            << entry.path();
        EXPECT_GT(CompareTable(table, entry.path().filename().string()), 0) << entry.path();
        ++tables;
    }
    EXPECT_GE(tables, 10);
}

TEST(FieldsMigrationTest, BuiltTablesOfEveryVersionDecodeAsTheToolDoes) {
    for (const auto& [major, minor] :
         {std::pair(2, 0), std::pair(2, 1), std::pair(2, 3), std::pair(2, 5), std::pair(2, 6),
          std::pair(2, 8), std::pair(3, 0), std::pair(3, 2), std::pair(3, 5)}) {
        const std::string name =
            "every type " + std::to_string(major) + "." + std::to_string(minor);
        EXPECT_EQ(CompareBytes(kelvo::test::tables::EveryType(static_cast<std::uint8_t>(major),
                                                              static_cast<std::uint8_t>(minor)),
                               name),
                  9);
    }
    EXPECT_GT(CompareBytes(kelvo::test::tables::Desktop(), "desktop"), 9);
}

// Every structure of the example table at every Length from its header's to its own: the fields
// that the Length leaves out are left out alike.
TEST(FieldsMigrationTest, StructuresCutAtEveryLengthDecodeAsTheToolDoes) {
    const std::vector<std::uint8_t> raw = kelvo::test::tables::EveryType(3, 2);
    const TableView table(raw.data() + 8, raw.size() - 8);
    int cuts = 0;
    for (std::uint64_t start = 0; table.U8(start) != 127;) {
        const std::uint8_t length = table.U8(start + 1);
        for (std::uint8_t cut = 4; cut < length; ++cut) {
            std::vector<std::uint8_t> copy = raw;
            copy[8 + start + 1] = cut;
            CompareBytes(
                copy, "type " + std::to_string(table.U8(start)) + " cut at " + std::to_string(cut));
            ++cuts;
        }
        start += length;
        while (table.U8(start) != 0 || table.U8(start + 1) != 0) ++start;
        start += 2;
    }
    EXPECT_GT(cuts, 150);
}

}  // namespace
