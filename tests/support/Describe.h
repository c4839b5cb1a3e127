#pragma once

// Records described from their descriptions, one KEY=VALUE line per member, for comparing whole
// records.

#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace kelvo::test {

namespace fields = kelvo::shared::smbios::fields;

// `text` with every byte outside printable ASCII, and the backslash, written as \xHH.
std::string Escaped(const char* text, std::size_t size);
// `bytes` as upper-case hex digits.
std::string Hex(const std::uint8_t* bytes, std::size_t size);

// Appends a line PREFIX.BLOCK.MEMBER=VALUE for each member of `record`: a number in decimal, a
// text escaped ("(null)" for none) after its string number, bytes in hex, the OEM string area, and
// whether a pointer is set.
template <class R>
void DescribeRecord(std::string& out, const std::string& prefix, const R& record) {
    fields::ForEachRecordField<R>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        using F = std::decay_t<decltype(f)>;
        const B& b = fields::Access(record, block);
        const auto put = [&](const std::string& value, const char* suffix = "") {
            out += prefix + "." + block.name + "." + f.name + suffix + "=" + value + "\n";
        };
        const auto text = [](const char* t) { return t ? Escaped(t, std::strlen(t)) : "(null)"; };
        if constexpr (std::is_same_v<F, fields::String<B>>) {
            put(std::to_string(b.*f.number), "StringNumber");
            put(text(b.*f.text));
        } else if constexpr (std::is_same_v<F, fields::Text<B>>) {
            put(text(b.*f.text));
        } else if constexpr (std::is_array_v<std::remove_reference_t<decltype(b.*f.member)>>) {
            put(Hex(b.*f.member, sizeof(b.*f.member)));
        } else if constexpr (std::is_same_v<F,
                                            fields::Owned<shared::smbios::TypeOemStrings, char>>) {
            put(b.Strings && b.StringsSize > 0 ? Escaped(b.Strings, b.StringsSize) : "");
        } else if constexpr (std::is_pointer_v<std::decay_t<decltype(b.*f.member)>>) {
            put(b.*f.member ? "set" : "null");
        } else {  // a number, described or kept
            std::uint64_t value = 0;
            std::memcpy(&value, &(b.*f.member), sizeof(b.*f.member));
            put(std::to_string(value));
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
// error.component, version, then every record, each line named as ksmbios_records names it.
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
