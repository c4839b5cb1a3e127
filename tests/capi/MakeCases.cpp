// Writes the cases that the C interface's hosts check: for each table, its bytes in the raw
// layout (NAME.raw) and what both views must show (NAME.expected), described from the C++
// interface. The C++ interface's records are described as its getters return them. Each
// structure of the nine types is described as the C++ interface decodes it when it stands alone
// in a 3.0 table, its formatted area padded with zeros to the last field the library knows: that
// is the structure read within its Length, every later field 0.
//
// Usage: kelvo-capi-make-cases OUTPUT_DIR [TABLE_FILE...]
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "capi/describe.h"
#include "common/TableView.h"
#include "decode/Walker.h"
#include "source/TableSource.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::pimpl::TableView;
using kelvo::test::BufferReader;
using kelvo::test::TableBuilder;
using Bytes = std::vector<std::uint8_t>;

// Where each structure type keeps its string numbers, the end of the last field the library
// decodes at 3.0 (for 2 and 3, with no contained handles or elements), and its fields wider than
// a byte (offset, width) as the SMBIOS reference lays them out.
struct TypeShape {
    std::uint8_t type;
    std::uint8_t fullLength;
    std::vector<std::uint8_t> stringOffsets;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> wideFields;
};

// clang-format off
const std::vector<TypeShape> kShapes = {
    {0, 0x18, {0x04, 0x05, 0x08}, {{0x06, 2}, {0x0A, 8}}},
    {1, 0x1B, {0x04, 0x05, 0x06, 0x07, 0x19, 0x1A}, {{0x08, 16}}},
    {2, 0x0F, {0x04, 0x05, 0x06, 0x07, 0x08, 0x0A}, {{0x0B, 2}}},
    {3, 0x16, {0x04, 0x06, 0x07, 0x08, 0x15}, {{0x0D, 4}}},
    {4, 0x30, {0x04, 0x07, 0x10, 0x20, 0x21, 0x22},
     {{0x08, 8}, {0x12, 2}, {0x14, 2}, {0x16, 2}, {0x1A, 2}, {0x1C, 2}, {0x1E, 2}, {0x26, 2},
      {0x28, 2}, {0x2A, 2}, {0x2C, 2}, {0x2E, 2}}},
    {9, 0x11, {0x04}, {{0x09, 2}, {0x0D, 2}}},
    {11, 0x05, {}, {}},
    {16, 0x17, {}, {{0x07, 4}, {0x0B, 2}, {0x0D, 2}, {0x0F, 8}}},
    {17, 0x28, {0x10, 0x11, 0x17, 0x18, 0x19, 0x1A},
     {{0x04, 2}, {0x06, 2}, {0x08, 2}, {0x0A, 2}, {0x0C, 2}, {0x13, 2}, {0x15, 2}, {0x1C, 4},
      {0x20, 2}, {0x22, 2}, {0x24, 2}, {0x26, 2}}},
};
// clang-format on

const TypeShape* ShapeOf(std::uint8_t type) {
    for (const TypeShape& shape : kShapes)
        if (shape.type == type) return &shape;
    return nullptr;
}

// A structure of `shape`'s type whose formatted bytes follow a pattern of `seed`, `length` bytes
// long (its full length when 0), with a string for each string field it holds.
void AddPatterned(TableBuilder& table, const TypeShape& shape, std::uint16_t handle, int seed,
                  std::uint8_t length = 0) {
    if (length == 0) length = shape.fullLength;
    kelvo::test::StructureBuilder& s = table.Add(shape.type, handle);
    for (unsigned offset = 4; offset < length; ++offset)
        s.ByteAt(offset, static_cast<std::uint8_t>(seed * 31 + offset * 13));
    auto within = [&](unsigned offset) { return offset < length; };
    if (shape.type == 2 && within(0x0E)) s.ByteAt(0x0E, 0);  // no contained handles
    if (shape.type == 3 && within(0x13)) s.ByteAt(0x13, 0);  // no contained elements
    if (shape.type == 3 && within(0x14)) s.ByteAt(0x14, 0);
    std::uint8_t number = 0;
    for (std::uint8_t offset : shape.stringOffsets) {
        if (!within(offset)) continue;
        s.ByteAt(offset, ++number);
        char text[40];
        if (shape.type == 0 && offset == 0x08) {
            std::snprintf(text, sizeof text, "%02d/%02d/20%02d", 1 + seed % 12, 1 + seed % 28,
                          seed % 100);
        } else {
            // The BIOS vendor carries a byte beyond ASCII, for the log records' conversion.
            std::snprintf(text, sizeof text, "T%u-%d-%02X%s", shape.type, seed, offset,
                          shape.type == 0 && offset == 0x04 ? "\xE9" : "");
        }
        s.String(text);
    }
    if (shape.type == 11) {
        if (within(0x04)) s.ByteAt(0x04, 3);
        for (int i = 0; i < 3; ++i)
            s.String("oem " + std::to_string(seed) + "." + std::to_string(i));
    }
}

// One structure located in a table.
struct Located {
    std::uint8_t type, length;
    std::uint16_t handle;
    std::uint64_t start;
};

// The walk as the library documents it: a string set ends at two NULs, a header that does not
// fit ends the walk, and so does the end-of-table structure.
std::vector<Located> Walk(const TableView& table) {
    std::vector<Located> found;
    std::uint64_t next = 0;
    while (next < table.Size() && table.Contains(next, 4)) {
        const Located s{table.U8(next), table.U8(next + 1), table.U16(next + 2), next};
        found.push_back(s);
        if (s.type == 127) break;
        std::uint64_t p = s.start + s.length;
        while (p + 1 < table.Size() && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
        next = p + 2;
    }
    return found;
}

std::vector<std::string> Strings(const TableView& table, const Located& s) {
    std::vector<std::string> strings;
    for (unsigned n = 1; n <= 255; ++n) {
        const std::string_view text =
            kelvo::shared::smbios::pimpl::LookupString(table, s.start + 4, s.length, n);
        if (text.empty()) break;
        strings.emplace_back(text);
    }
    return strings;
}

// A 3.0 table holding `s` alone, its formatted area padded with zeros to at least `length` bytes
// (a field that the structure's Length cuts is zero as a whole), its strings followed by `extra`.
Bytes Alone(const TableView& table, const Located& s, std::uint8_t length,
            const std::vector<std::string>& strings, const std::string& extra = "") {
    Bytes structure;
    const std::uint8_t padded = std::max(s.length, length);
    const unsigned kept = std::max<unsigned>(4, s.length);
    for (unsigned i = 0; i < std::max<unsigned>(kept, padded); ++i)
        structure.push_back(i < kept ? table.U8(s.start + i) : 0);
    for (const auto& [offset, width] : ShapeOf(s.type)->wideFields) {
        if (offset < s.length && s.length < offset + width)
            std::fill(structure.begin() + offset, structure.begin() + s.length, 0);
    }
    structure[1] = static_cast<std::uint8_t>(structure.size());
    auto append = [&](const std::string& text) {
        structure.insert(structure.end(), text.c_str(), text.c_str() + text.size() + 1);
    };
    for (const std::string& text : strings) append(text);
    if (!extra.empty()) append(extra);
    if (strings.empty() && extra.empty()) structure.push_back(0);
    structure.push_back(0);
    const Bytes end = {127, 4, 0xFF, 0xFF, 0, 0};
    structure.insert(structure.end(), end.begin(), end.end());
    const auto size = static_cast<std::uint32_t>(structure.size());
    Bytes raw = {0,
                 3,
                 0,
                 0,
                 static_cast<std::uint8_t>(size),
                 static_cast<std::uint8_t>(size >> 8),
                 static_cast<std::uint8_t>(size >> 16),
                 static_cast<std::uint8_t>(size >> 24)};
    raw.insert(raw.end(), structure.begin(), structure.end());
    return raw;
}

template <class Record>
const void* AsC(const Record& record) {
    return &record;
}

// The record that reading `s` within its Length must give, described.
void DescribeWithinLength(ks_text* text, const char* prefix, const TableView& table,
                          const Located& s, const std::vector<std::string>& strings) {
    const TypeShape& shape = *ShapeOf(s.type);
    std::uint8_t length = shape.fullLength;
    if (s.type == 2)
        length = static_cast<std::uint8_t>(
            std::min(255, 0x0F + 2 * table.U8(s.start + 0x0E) * (s.length > 0x0E)));
    if (s.type == 3 && s.length > 0x14) {
        const unsigned elements = table.U8(s.start + 0x13) * table.U8(s.start + 0x14);
        length = static_cast<std::uint8_t>(std::min(255u, 0x16 + elements));
    }
    BufferReader reader(Alone(table, s, length, strings));
    SMBiosInfo info(&reader);
    auto byteAt = [&](unsigned offset) -> std::uint8_t {
        return offset < s.length ? table.U8(s.start + offset) : 0;
    };
    switch (s.type) {
        case 0: {
            // A date that does not convert stops the C++ interface; decode with one that does
            // (an extra string named at offset 08h), then expect the converted date empty.
            Bytes dated = Alone(table, s, length, strings, "01/01/2000");
            dated[8 + 0x08] = static_cast<std::uint8_t>(strings.size() + 1);
            BufferReader datedReader(dated);
            const SMBiosInfo datedInfo(&datedReader);
            const bool stopped = static_cast<bool>(info.GetError());
            ksmbios_bios bios =
                *static_cast<const ksmbios_bios*>(AsC((stopped ? datedInfo : info).GetTypeBios()));
            if (stopped) bios.BIOSReleaseDate = "";
            // Copies of the C++ record do not carry these numbers; the table view keeps them.
            bios.VendorStringNumber = byteAt(0x04);
            bios.BIOSVersionStringNumber = byteAt(0x05);
            bios.BIOSReleaseDateStringNumber = byteAt(0x08);
            ks_describe_record(text, prefix, 0, &bios, 0);
            return;
        }
        case 1: {
            ksmbios_system system = *static_cast<const ksmbios_system*>(AsC(info.GetTypeSysInfo()));
            system.ManufacturerStringNumber = byteAt(0x04);
            system.ProductNameStringNumber = byteAt(0x05);
            system.VersionStringNumber = byteAt(0x06);
            system.SerialNumberStringNumber = byteAt(0x07);
            if (s.length < 0x18) system.V2_1.UUIDString = "";  // no UUID: the default text
            ks_describe_record(text, prefix, 1, &system, 0);
            return;
        }
        case 2:
            return ks_describe_record(text, prefix, 2, AsC(info.GetTypeBaseboard()), 0);
        case 3:
            return ks_describe_record(text, prefix, 3, AsC(info.GetTypeSystemEnclosure()), 0);
        case 4:
            return ks_describe_record(text, prefix, 4, AsC(info.GetTypeProcessor()), 0);
        case 9:
            return ks_describe_record(text, prefix, 9, AsC(info.GetSystemSlot()), 0);
        case 11: {
            // Within its Length, the area is the structure's string set (the C++ interface reads
            // it from offset 05h on, whatever the Length).
            ksmbios_oem_strings oem =
                *static_cast<const ksmbios_oem_strings*>(AsC(info.GetTypeOemStrings()));
            std::string area;
            if (oem.Count != 0) {
                for (const std::string& string : strings)
                    area.append(string.c_str(), string.size() + 1);
            }
            oem.Strings = area.c_str();
            oem.StringsSize = static_cast<std::int32_t>(area.size());
            ks_describe_record(text, prefix, 11, &oem, 0);
            return;
        }
        case 16:
            return ks_describe_record(text, prefix, 16, AsC(info.GetTypePhysicalMemory()), 0);
        case 17:
            return ks_describe_record(text, prefix, 17, AsC(info.GetTypeMemoryDevice()), 0);
    }
}

std::string Expected(const Bytes& raw) {
    ks_text text{};
    BufferReader reader(raw);
    const SMBiosInfo info(&reader);
    const auto& error = info.GetError();
    ks_describe_error(&text, static_cast<bool>(error), static_cast<int>(error.Category()),
                      error.Code(), error.Message(), error.Component());
    ks_printf(&text, "version=%d\n", static_cast<int>(info.GetSMBiosVersion()));
    ks_describe_record(&text, "last.bios", 0, AsC(info.GetTypeBios()), 1);
    ks_describe_record(&text, "last.system", 1, AsC(info.GetTypeSysInfo()), 1);
    ks_describe_record(&text, "last.baseboard", 2, AsC(info.GetTypeBaseboard()), 1);
    ks_describe_record(&text, "last.enclosure", 3, AsC(info.GetTypeSystemEnclosure()), 1);
    ks_describe_record(&text, "last.processor", 4, AsC(info.GetTypeProcessor()), 1);
    ks_describe_record(&text, "last.slot", 9, AsC(info.GetSystemSlot()), 1);
    ks_describe_record(&text, "last.oem_strings", 11, AsC(info.GetTypeOemStrings()), 1);
    ks_describe_record(&text, "last.memory_array", 16, AsC(info.GetTypePhysicalMemory()), 1);
    ks_describe_record(&text, "last.memory_device", 17, AsC(info.GetTypeMemoryDevice()), 1);

    if (raw.size() < 8 || raw[1] < 2) {
        ks_printf(&text, "table=%s\n", ksmbios_status_text(KSMBIOS_NOT_A_TABLE));
    } else {
        const TableView whole(raw.data(), raw.size());
        const std::uint32_t length = whole.U32(4);
        const std::uint64_t walked = std::min<std::uint64_t>(length, raw.size() - 8);
        const TableView table = whole.Sub(8, walked);
        const std::vector<Located> structures = Walk(table);
        ks_describe_info(&text, raw[1], raw[2], length, walked, structures.size());
        for (std::size_t i = 0; i < structures.size(); ++i) {
            const Located& s = structures[i];
            const auto formatted =
                static_cast<std::size_t>(std::min<std::uint64_t>(s.length, walked - s.start));
            ks_describe_structure(&text, i, s.type, s.length, s.handle, s.start,
                                  raw.data() + 8 + s.start, formatted);
            const std::vector<std::string> strings = Strings(table, s);
            for (std::size_t n = 0; n < strings.size(); ++n)
                ks_describe_string(&text, i, n + 1, strings[n].data(), strings[n].size());
            if (ShapeOf(s.type) != nullptr) {
                const std::string prefix = "s" + std::to_string(i) + ".record";
                DescribeWithinLength(&text, prefix.c_str(), table, s, strings);
            }
        }
    }
    std::string result = text.failed ? "" : std::string(text.data, text.size);
    ks_text_free(&text);
    return result;
}

// The built tables, one per situation the hosts must meet.
std::vector<std::pair<std::string, Bytes>> BuiltTables() {
    std::vector<std::pair<std::string, Bytes>> tables;
    {  // Three structures of each of the nine types, and two types beyond them.
        TableBuilder table(3, 2);
        std::uint16_t handle = 0x100;
        for (int round = 0; round < 3; ++round) {
            for (const TypeShape& shape : kShapes)
                AddPatterned(table, shape, handle++, round * 20 + shape.type);
            table.Add(7, handle++).Bytes({1, 2, 3}).String("L1 cache");
            table.Add(200, handle++).Bytes({0xAA, 0xBB}).String("oem").String("vendor");
        }
        table.End();
        tables.emplace_back("every-type-3.2", table.Raw());
    }
    {  // Structures shorter than their version's fields, at 2.8 and 3.0.
        for (std::uint8_t minor : {8, 0}) {
            TableBuilder table(minor == 8 ? 2 : 3, minor);
            std::uint16_t handle = 1;
            for (const TypeShape& shape : kShapes) {
                AddPatterned(table, shape, handle++, shape.type + 1, 5);
                AddPatterned(table, shape, handle++, shape.type + 2,
                             static_cast<std::uint8_t>(shape.fullLength - 3));
                AddPatterned(table, shape, handle++, shape.type + 3, 0x0B);
            }
            table.End();
            tables.emplace_back(minor == 8 ? "short-2.8" : "short-3.0", table.Raw());
        }
    }
    {  // A 2.31 entry point, as VMware writes it: rejected by the C++ interface.
        TableBuilder table(2, 31);
        for (const TypeShape& shape : kShapes)
            AddPatterned(table, shape, shape.type, 40 + shape.type);
        AddPatterned(table, kShapes.back(), 0x40, 77);
        table.End();
        tables.emplace_back("vmware-2.31", table.Raw());
    }
    {  // A release date that does not convert stops the C++ interface at the BIOS structure.
        TableBuilder table(2, 4);
        table.Add(1, 1).ByteAt(0x04, 1).ByteAt(0x05, 2).String("Wine").String("Wine");
        table.Add(0, 0).ByteAt(0x04, 1).ByteAt(0x05, 2).ByteAt(0x12, 0).String("Wine").String(
            "1.0");
        AddPatterned(table, kShapes[4], 4, 4);
        AddPatterned(table, kShapes.back(), 0x11, 5);
        AddPatterned(table, kShapes.back(), 0x12, 6);
        table.End();
        tables.emplace_back("no-release-date-2.4", table.Raw());
        TableBuilder dated(3, 0);
        dated.Add(0, 0).ByteAt(0x04, 1).ByteAt(0x08, 2).ByteAt(0x17, 0).String("V").String("2019");
        AddPatterned(dated, kShapes.back(), 0x11, 8);
        tables.emplace_back("short-date-no-end-3.0", dated.Raw());
    }
    {  // Cut inside a structure, a header claiming more than follows, and no table at all.
        TableBuilder table(3, 0);
        for (const TypeShape& shape : kShapes)
            AddPatterned(table, shape, shape.type, 90 + shape.type);
        table.End();
        const Bytes raw = table.Raw();
        tables.emplace_back(
            "cut-3.0",
            TableBuilder::Truncated(raw, static_cast<std::uint32_t>(raw.size() - 8) / 2 + 3));
        Bytes claims = raw;
        claims.resize(claims.size() - 20);
        tables.emplace_back("length-past-end-3.0", claims);
        Bytes old = raw;
        old[1] = 1;
        tables.emplace_back("major-1", old);
        tables.emplace_back("header-only-5", Bytes(raw.begin(), raw.begin() + 5));
    }
    return tables;
}

bool Write(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kelvo-capi-make-cases OUTPUT_DIR [TABLE_FILE...]\n";
        return 2;
    }
    const std::string dir = argv[1];
    std::string list;
    std::vector<std::pair<std::string, Bytes>> tables = BuiltTables();
    std::vector<std::string> origins(tables.size(), "-");
    for (int i = 2; i < argc; ++i) {
        Bytes raw;
        kelvo::shared::smbios::source::SourceFault fault{};
        std::string error;
        if (!kelvo::shared::smbios::source::ReadTableFile(argv[i], raw, fault, error)) {
            std::cerr << "skipped: " << error << "\n";
            continue;
        }
        std::string name = argv[i];
        name = name.substr(name.find_last_of("/\\") + 1);
        tables.emplace_back(name, raw);
        origins.push_back(argv[i]);
    }
    Bytes machine;
    std::string machineError;
    if (kelvo::shared::smbios::source::ReadLiveTable(machine, machineError)) {
        tables.emplace_back("machine", machine);
        origins.push_back("machine");
    }
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const auto& [name, raw] = tables[i];
        const std::string expected = Expected(raw);
        if (expected.empty() || !Write(dir + "/" + name + ".raw", raw.data(), raw.size()) ||
            !Write(dir + "/" + name + ".expected", expected.data(), expected.size())) {
            std::cerr << "cannot write case " << name << " into " << dir << "\n";
            return 1;
        }
        list += name + "\t" + origins[i] + "\n";
    }
    if (!Write(dir + "/cases.txt", list.data(), list.size())) return 1;
    std::printf("%zu cases written\n", tables.size());
    return 0;
}
