// Writes the cases that the C interface's hosts check: for each table, its bytes in the raw
// layout (NAME.raw) and what both views must show (NAME.expected, one KEY=VALUE line per item),
// described from the C++ interface. Each structure of the nine types is described as the library
// decodes it within its Length (the C++ records' checks hold that decoding to the descriptions).
// support/Describe.h says how a record's lines read.
//
// Usage: kelvo-capi-make-cases OUTPUT_DIR [TABLE_FILE...]
#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/TableView.h"
#include "decode/Walker.h"
#include "decode/WithinLength.h"
#include "source/TableSource.h"
#include "support/Describe.h"
#include "support/Tables.h"

namespace {

using namespace kelvo::shared::smbios;
using kelvo::shared::smbios::detail::TableView;
using kelvo::test::BufferReader;
using kelvo::test::Escaped;
using kelvo::test::Hex;
using kelvo::test::TableBuilder;
using Bytes = std::vector<std::uint8_t>;

// A structure type's length at 3.0 (for 2 and 3: with no contained handles or elements, for 3 the
// SKU number after them); 0 for a type that no record describes.
unsigned FullLength(std::uint8_t type) {
    unsigned full = 0;
    fields::ForEachRecord([&](auto* record) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(record)>>;
        if (fields::Layout<R>::type == type)
            full = static_cast<unsigned>(detail::FixedLength<R>(0x0300)) + (type == 3 ? 1 : 0);
    });
    return full;
}

// Adds a sample of each of the nine types (support/Samples.h), cut to cut(its 3.0 length) bytes
// (0: whole).
void AddSamples(TableBuilder& table, std::uint16_t& handle, bool decoy,
                const std::function<unsigned(unsigned)>& cut) {
    fields::ForEachRecord([&](auto* record) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(record)>>;
        const unsigned length = cut(FullLength(fields::Layout<R>::type));
        auto& s = kelvo::test::AddSample<R>(table, decoy, length, handle++);
        if (fields::Layout<R>::type == 11 && (length == 0 || length > 4))
            s.ByteAt(0x04, 2).String("OEM one").String("OEM two");
    });
}

struct Located {
    std::uint8_t type, length;
    std::uint16_t handle;
    std::uint64_t start;
};

// The walk as the library documents it: a string set ends at two NULs, a header that does not
// fit ends the walk, and so does the end-of-table structure.
std::vector<Located> Walk(const TableView& table) {
    std::vector<Located> found;
    for (std::uint64_t next = 0; next < table.Size() && table.Contains(next, 4);) {
        const Located s{table.U8(next), table.U8(next + 1), table.U16(next + 2), next};
        found.push_back(s);
        if (s.type == 127) break;
        std::uint64_t p = s.start + s.length;
        while (p + 1 < table.Size() && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
        next = p + 2;
    }
    return found;
}

// The record that the table view must give for `s`: the structure decoded within its Length.
void DescribeWithinLength(std::string& out, const std::string& prefix, const TableView& table,
                          const Located& s) {
    fields::ForEachRecord([&](auto* type) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(type)>>;
        if (fields::Layout<R>::type != s.type) return;
        R record;
        detail::DecodeWithinLength({table, s.start, s.type, s.length, s.handle}, record);
        kelvo::test::DescribeRecord(out, prefix, record, false);
    });
}

std::string Expected(const Bytes& raw) {
    BufferReader reader(raw);
    std::string out = kelvo::test::Describe(SMBiosInfo(&reader));
    auto line = [&](const std::string& key, const std::string& value) {
        out += key + "=" + value + "\n";
    };
    if (raw.size() < 8 || raw[1] < 2) {
        line("table", ksmbios_status_text(KSMBIOS_NOT_A_TABLE));
        return out;
    }
    const TableView whole(raw.data(), raw.size());
    const std::uint64_t walked = std::min<std::uint64_t>(whole.U32(4), raw.size() - 8);
    const TableView table = whole.Sub(8, walked);
    const std::vector<Located> structures = Walk(table);
    line("table.version", std::to_string(raw[1]) + "." + std::to_string(raw[2]));
    line("table.length", std::to_string(whole.U32(4)));
    line("table.walked", std::to_string(walked));
    line("table.count", std::to_string(structures.size()));
    for (std::size_t i = 0; i < structures.size(); ++i) {
        const Located& s = structures[i];
        const std::string key = "s" + std::to_string(i);
        line(key + ".header", std::to_string(s.type) + " " + std::to_string(s.length) + " " +
                                  std::to_string(s.handle) + " @" + std::to_string(s.start));
        line(key + ".formatted",
             Hex(raw.data() + 8 + s.start, std::min<std::uint64_t>(s.length, walked - s.start)));
        unsigned strings = 0;
        for (unsigned n = 1; n <= 255; ++n, ++strings) {
            const std::string_view text = detail::LookupString(table, s.start + 4, s.length, n);
            if (text.empty()) break;
            line(key + ".string" + std::to_string(n), Escaped(text.data(), text.size()));
        }
        line(key + ".strings", std::to_string(strings));
        line(key + ".record", FullLength(s.type) ? "set" : "none");
        if (FullLength(s.type)) DescribeWithinLength(out, key + ".record", table, s);
    }
    return out;
}

// The built tables, one per situation the hosts must meet.
std::vector<std::pair<std::string, Bytes>> BuiltTables() {
    std::vector<std::pair<std::string, Bytes>> tables;
    TableBuilder every(3, 2);  // three structures of each of the nine types, and two other types
    for (std::uint16_t round = 0, handle = 0x100; round < 3; ++round) {
        AddSamples(every, handle, round < 2, [](unsigned) { return 0u; });
        every.Add(7, handle++).Bytes({1, 2, 3}).String("L1 cache");
        every.Add(200, handle++).Bytes({0xAA, 0xBB}).String("oem").String("vendor");
    }
    tables.emplace_back("every-type-3.2", every.End().Raw());
    for (std::uint8_t minor : {8, 0}) {  // structures shorter than their version's fields
        TableBuilder table(minor == 8 ? 2 : 3, minor);
        std::uint16_t handle = 1;
        for (unsigned cut : {5u, 3u, 0x0Bu})
            AddSamples(table, handle, cut == 3,
                       [&](unsigned full) { return cut == 3 ? full - 3 : cut; });
        tables.emplace_back(minor == 8 ? "short-2.8" : "short-3.0", table.End().Raw());
    }
    tables.emplace_back("vmware-2.31", kelvo::test::tables::EveryType(2, 31, 2));  // rejected
    // A release date that does not convert stops the C++ interface at the BIOS structure; the
    // system's texts reach the log records' conversion: a Latin-1 byte, then valid UTF-8 of each
    // length, at its edges and inside: U+0080, U+07FF, U+0800, U+20AC, U+10000, U+10ABCD.
    TableBuilder wine(2, 4);
    wine.Add(1, 1)
        .ByteAt(0x04, 1)
        .ByteAt(0x05, 2)
        .String("Wine\xE9")
        .String("Wine\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x90\x80\x80\xF4\x8A\xAF\x8D");
    wine.Add(0, 0).ByteAt(0x04, 1).ByteAt(0x05, 2).ByteAt(0x12, 0).String("Wine").String("1.0");
    kelvo::test::tables::AddEveryType(wine, 0x10);
    tables.emplace_back("no-release-date-2.4", wine.End().Raw());
    TableBuilder dated(3, 0);
    dated.Add(0, 0).ByteAt(0x04, 1).ByteAt(0x08, 2).ByteAt(0x17, 0).String("V\xE9").String("2019");
    kelvo::test::AddSample<TypeMemoryDevice>(dated, false, 0, 0x11);
    tables.emplace_back("short-date-no-end-3.0", dated.Raw());
    // Cut inside a structure, a header claiming more than follows, and no table at all.
    const Bytes raw = kelvo::test::tables::EveryType(3, 0);
    tables.emplace_back("every-type-3.0", raw);  // also the allocation-failure test's
    const auto half = static_cast<std::uint32_t>(raw.size() - 8) / 2 + 3;
    tables.emplace_back("cut-3.0", TableBuilder::Truncated(raw, half));
    tables.emplace_back("length-past-end-3.0", Bytes(raw.begin(), raw.end() - 20));
    tables.emplace_back("major-1", raw);
    tables.back().second[1] = 1;
    tables.emplace_back("header-only-5", Bytes(raw.begin(), raw.begin() + 5));
    return tables;
}

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelvo-capi-make-cases OUTPUT_DIR [TABLE_FILE...]\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<std::pair<std::string, Bytes>> tables = BuiltTables();
    std::string list;
    for (std::size_t i = 0; i < tables.size(); ++i) list += tables[i].first + "\t-\n";
    for (int i = 2; i <= argc; ++i) {  // the table files, then the machine's table
        Bytes raw;
        source::SourceFault fault{};
        std::string error, name = i < argc ? argv[i] : "machine";
        if (i < argc ? source::ReadTableFile(name, raw, fault, error)
                     : source::ReadLiveTable(raw, error)) {
            tables.emplace_back(name.substr(name.find_last_of("/\\") + 1), raw);
            list += tables.back().first + "\t" + name + "\n";
        }
    }
    for (const auto& [name, raw] : tables) {
        if (!Write(dir + "/" + name + ".raw", std::string(raw.begin(), raw.end())) ||
            !Write(dir + "/" + name + ".expected", Expected(raw))) {
            std::fprintf(stderr, "cannot write case %s into %s\n", name.c_str(), dir.c_str());
            return 1;
        }
    }
    if (!Write(dir + "/cases.txt", list)) return 1;
    std::printf("%zu cases written\n", tables.size());
    return 0;
}
