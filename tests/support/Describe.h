#pragma once

// Records described from their descriptions, one KEY=VALUE line per member, for comparing whole
// records.

#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "support/Samples.h"

namespace kelvo::test {

// `text` with every byte outside printable ASCII, and the backslash, written as \xHH.
std::string Escaped(const char* text, std::size_t size);
// `bytes` as upper-case hex digits.
std::string Hex(const std::uint8_t* bytes, std::size_t size);

// Appends the lines of `record`: PREFIX.sizeof=SIZE, then PREFIX.MEMBER@OFFSET:KIND=VALUE for each
// member. OFFSET is the member's place in the record (the C record lies over the C++ one) and
// KIND tells how to read it there: uN an N-byte number, s a text ("(null)" for none), xN N bytes,
// p a pointer (set or null; left out unless `pointers`), aM the OEM area whose size is the
// 32-bit number at M.
template <class R>
void DescribeRecord(std::string& out, const std::string& prefix, const R& record, bool pointers) {
    const auto* base = reinterpret_cast<const char*>(&record);
    auto put = [&](const std::string& name, const void* at, const std::string& kind,
                   const std::string& value) {
        out += prefix + "." + name + "@" + std::to_string(static_cast<const char*>(at) - base) +
               ":" + kind + "=" + value + "\n";
    };
    auto number = [&](const std::string& name, const void* at, std::size_t size) {
        std::uint64_t value = 0;
        std::memcpy(&value, at, size);
        put(name, at, "u" + std::to_string(size), std::to_string(value));
    };
    auto text = [&](const std::string& name, char* const* at) {
        put(name, at, "s", *at ? Escaped(*at, std::strlen(*at)) : "(null)");
    };
    out += prefix + ".sizeof=" + std::to_string(sizeof(R)) + "\n";
    fields::ForEachRecordField<R>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        using F = std::decay_t<decltype(f)>;
        const B& b = fields::Access(record, block);
        const std::string name = (*block.name ? std::string(block.name) + "." : "") + f.name;
        if constexpr (std::is_same_v<F, fields::String<B>>) {
            number(name + "StringNumber", &(b.*f.number), 1);
            text(name, &(b.*f.text));
        } else if constexpr (std::is_same_v<F, fields::Text<B>>) {
            text(name, &(b.*f.text));
        } else if constexpr (IsBytes<F>::value) {
            put(name, &(b.*f.member), "x" + std::to_string(sizeof(b.*f.member)),
                Hex(b.*f.member, sizeof(b.*f.member)));
        } else if constexpr (std::is_same_v<F,
                                            fields::Owned<shared::smbios::TypeOemStrings, char>>) {
            const auto size = reinterpret_cast<const char*>(&b.StringsSize) - base;
            put(name, &b.Strings, "a" + std::to_string(size),
                b.Strings && b.StringsSize > 0 ? Escaped(b.Strings, b.StringsSize) : "");
        } else if constexpr (std::is_pointer_v<std::decay_t<decltype(b.*f.member)>>) {
            if (pointers) put(name, &(b.*f.member), "p", b.*f.member ? "set" : "null");
        } else {  // a number, described or kept
            number(name, &(b.*f.member), sizeof(b.*f.member));
        }
    });
}

// Calls visit(name, record) for each record that the C++ interface's getters return, named as
// the C interface's ksmbios_records names them.
template <class Visit>
void ForEachGetter(const shared::smbios::SMBiosInfo& info, Visit&& visit) {
    visit("bios", info.GetTypeBios());
    visit("system", info.GetTypeSysInfo());
    visit("baseboard", info.GetTypeBaseboard());
    visit("enclosure", info.GetTypeSystemEnclosure());
    visit("processor", info.GetTypeProcessor());
    visit("slot", info.GetSystemSlot());
    visit("oem_strings", info.GetTypeOemStrings());
    visit("memory_array", info.GetTypePhysicalMemory());
    visit("memory_device", info.GetTypeMemoryDevice());
}

// All that `info` answers: error.failed, error.category, error.code, error.message,
// error.component, version, then every record with its pointers (last.NAME).
std::string Describe(const shared::smbios::SMBiosInfo& info);

// The record of type R that `info` answers.
template <class R>
const R& RecordOf(const shared::smbios::SMBiosInfo& info) {
    const R* found = nullptr;
    ForEachGetter(info, [&](const char*, const auto& record) {
        if constexpr (std::is_same_v<std::decay_t<decltype(record)>, R>) found = &record;
    });
    return *found;
}

}  // namespace kelvo::test
