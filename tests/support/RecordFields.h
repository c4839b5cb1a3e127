#pragma once

// Checks shared by the record tests. A record is described once, as tables of its numeric fields
// and texts; the checks build structures from that description and compare the record with it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "decode/Walker.h"
#include "support/TableBuilder.h"

namespace kelvo::test {

// One numeric field of record R: where the structure holds it, from which table version on
// (0x0207 for 2.7), the value the test structure holds and how to read it from the record.
// A field that is not `copied` holds 0 in a copy and keeps the target's value in an assignment.
template <class R>
struct Field {
    std::string name;
    std::function<std::uint64_t(const R&)> get;
    unsigned offset;
    unsigned width;
    int since;
    std::uint64_t value;
    bool copied = true;
};

// One text of record R: the structure's string it comes from (null for a text that is not a
// string of the structure) and, when the record stores something else, the text expected.
template <class R>
struct Text {
    std::string name;
    std::function<const char*(const R&)> get;
    int since;
    const char* string;
    const char* expected = nullptr;

    std::string Expected() const { return expected != nullptr ? expected : string; }
};

// Table rows naming a member `m` of the record: RECORD_FIELD(m, offset, width, since, value[,
// copied]) and RECORD_TEXT(m, since, string[, expected]).
// clang-format off
#define RECORD_FIELD(m, ...) {#m, [](const auto& r) -> std::uint64_t { return r.m; }, __VA_ARGS__}
#define RECORD_TEXT(m, ...) {#m, [](const auto& r) -> const char* { return r.m; }, __VA_ARGS__}
// clang-format on

// A structure type and its record: where the facade and the walker keep the record, its fields
// and texts, and bytes the structure holds outside any field (contained handles, for example).
template <class R>
struct RecordLayout {
    std::uint8_t type;
    const R& (kelvo::shared::smbios::SMBiosInfo::*facade)() const;
    std::vector<Field<R>> fields;
    std::vector<Text<R>> texts;
    std::vector<std::pair<unsigned, std::vector<std::uint8_t>>> raw = {};  // bytes of no field

    // Adds the one-byte fields name[0], name[1], ... of an array member.
    RecordLayout WithBytes(const std::string& name, const std::uint8_t* (*array)(const R&),
                           unsigned offset, int since, std::vector<std::uint8_t> values) const {
        RecordLayout layout = *this;
        for (unsigned i = 0; i < values.size(); ++i) {
            layout.fields.push_back({name + "[" + std::to_string(i) + "]",
                                     [array, i](const R& r) { return array(r)[i]; }, offset + i, 1,
                                     since, values[i]});
        }
        return layout;
    }

    // Adds the structure. A decoy has every value changed (its lowest bit flipped), its string
    // numbers moved past a first copy of its strings, and every string marked.
    StructureBuilder& AddTo(TableBuilder& table, bool decoy = false) const {
        StructureBuilder& s = table.Add(type);
        for (const auto& [offset, bytes] : raw) {
            for (unsigned i = 0; i < bytes.size(); ++i) s.ByteAt(offset + i, bytes[i]);
        }
        std::vector<std::string> strings;
        for (const Text<R>& t : texts) {
            if (t.string != nullptr) strings.push_back(t.string + std::string(decoy ? "~" : ""));
        }
        for (const Field<R>& f : fields) {
            // String numbers are named so; the structure's strings are numbered in Text order.
            const bool number = f.name.find("StringNumber") != std::string::npos;
            std::uint64_t value = f.value;
            if (decoy) value = number ? value + strings.size() : value ^ 1;
            for (unsigned i = 0; i < f.width; ++i) s.ByteAt(f.offset + i, value >> (8 * i));
        }
        for (int copy = 0; copy < (decoy ? 2 : 1); ++copy) {
            for (const std::string& text : strings) s.String(text);
        }
        return s;
    }
};

// A table's first structure decoded by the walker alone: no facade hides fields that copies do
// not carry or drops the record when decoding throws.
struct Walked {
    Walked(const std::vector<std::uint8_t>& table, int version) : buffer(table) {
        state.version = static_cast<kelvo::shared::smbios::SMBiosSpecVersion>(version);
        state.hasTable = true;
        state.table = kelvo::shared::smbios::pimpl::TableView(buffer.GetData(), buffer.GetSize());
        try {
            structure = kelvo::shared::smbios::pimpl::NextStructure(state);
        } catch (const std::exception&) {
            threw = true;
        }
    }
    // The decoded record, or a default one when decoding threw or the structure was not reached.
    template <class R>
    R& Record() {
        if (structure) {
            if (R* record = std::get_if<R>(&structure->record)) return *record;
        }
        if (!std::holds_alternative<R>(fallback.record)) fallback.record.emplace<R>();
        return std::get<R>(fallback.record);
    }
    BufferReader buffer;
    kelvo::shared::smbios::pimpl::ParseState state;
    std::unique_ptr<kelvo::shared::smbios::pimpl::DecodedStructure> structure;
    kelvo::shared::smbios::pimpl::DecodedStructure fallback;
    bool threw = false;
};

// Parses tables of every version, each with a decoy structure before the structure itself: the
// facade's record holds exactly the fields and texts of the version's blocks, none of the decoy's.
template <class R>
void ExpectVersionBlocks(const RecordLayout<R>& layout) {
    for (int version :
         {0x0200, 0x0201, 0x0202, 0x0203, 0x0204, 0x0205, 0x0206, 0x0207, 0x0208, 0x0300, 0x0305}) {
        SCOPED_TRACE("version " + std::to_string(version >> 8) + "." +
                     std::to_string(version & 0xFF));
        TableBuilder table(version >> 8, version & 0xFF);
        layout.AddTo(table, true);
        layout.AddTo(table);
        ParsedTable parsed(table.End());
        ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
        const R& record = (parsed.info.*layout.facade)();
        const int effective = std::min(version, 0x0300);
        for (const Field<R>& f : layout.fields) {
            EXPECT_EQ(f.get(record), f.copied && effective >= f.since ? f.value : 0) << f.name;
        }
        for (const Text<R>& t : layout.texts) {
            EXPECT_EQ(t.get(record), effective >= t.since ? t.Expected() : "") << t.name;
        }
    }
}

// Cuts a table of `version` holding the structure after each of its bytes and decodes it from
// an exact-size copy: a field is read whole when it lies inside, else it is 0 (or, when decoding
// threw, not read yet), and a text is a prefix of its own. `also` checks more for each cut.
template <class R>
void ExpectCutsReadWholeFields(
    const RecordLayout<R>& layout, int version = 0x0300,
    std::function<void(std::uint32_t n, const R& record, const Walked& walked)> also = nullptr) {
    TableBuilder table(version >> 8, version & 0xFF);
    layout.AddTo(table);
    const std::vector<std::uint8_t> whole = table.Table();
    for (std::uint32_t n = 0; n <= whole.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        Walked walked(std::vector<std::uint8_t>(whole.begin(), whole.begin() + n), version);
        const R& record = walked.Record<R>();
        for (const Field<R>& f : layout.fields) {
            const std::uint64_t inside = f.offset + f.width <= n ? f.value : 0;
            if (walked.threw && f.get(record) == 0) continue;
            EXPECT_EQ(f.get(record), inside) << f.name;
        }
        for (const Text<R>& t : layout.texts) {
            if (t.string == nullptr) continue;
            EXPECT_EQ(t.Expected().rfind(t.get(record), 0), 0u) << t.name << ": " << t.get(record);
        }
        if (also) also(n, record, walked);
    }
}

// Copies and assignments of a decoded record: every field carried (or, when not `copied`, 0 in a
// copy and the target's own in an assignment) and every text equal but at an address of its own;
// assigning a record to itself changes nothing.
template <class R>
void ExpectDeepCopies(const RecordLayout<R>& layout) {
    TableBuilder table, decoy;
    layout.AddTo(table);
    layout.AddTo(decoy, true);
    Walked walked(table.Table(), 0x0300), target(decoy.Table(), 0x0300);
    const R& source = walked.Record<R>();
    R& assigned = target.Record<R>();
    std::vector<std::uint64_t> old;
    for (const Field<R>& f : layout.fields) old.push_back(f.get(assigned));

    const R copy(source);
    assigned = source;
    std::vector<const char*> addresses;
    for (const Text<R>& t : layout.texts) addresses.push_back(t.get(assigned));
    const R& alias = assigned;
    assigned = alias;

    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const Field<R>& f = layout.fields[i];
        EXPECT_EQ(f.get(copy), f.copied ? f.get(source) : 0) << f.name;
        EXPECT_EQ(f.get(assigned), f.copied ? f.get(source) : old[i]) << f.name;
    }
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const Text<R>& t = layout.texts[i];
        EXPECT_EQ(t.get(assigned), addresses[i]) << t.name << " changed by self-assignment";
        for (const R* record : {&copy, &std::as_const(assigned)}) {
            EXPECT_STREQ(t.get(*record), t.get(source)) << t.name;
            EXPECT_NE(t.get(*record), t.get(source)) << t.name << " is shared";
        }
    }
}

}  // namespace kelvo::test
