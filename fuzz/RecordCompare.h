#pragma once

// What the fuzz oracles compare records by: every field of a record, as the descriptions list
// them, flattened into bytes, so that two records agree exactly when their flattened texts do.
#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace kelvo::fuzz {

namespace smbios = kelvo::shared::smbios;
namespace fields = smbios::fields;

template <class F>
struct IsNumber : std::false_type {};
template <class B, class T>
struct IsNumber<fields::Number<B, T>> : std::true_type {};
template <class F>
struct IsBytes : std::false_type {};
template <class B, std::size_t N>
struct IsBytes<fields::Bytes<B, N>> : std::true_type {};

// Every version the library tells apart reads these fields.
constexpr int kEveryField = 0xFFFF;

struct Flattener {
    std::string& out;
    int* nulls = nullptr;   // counts null strings, which only a failed allocation leaves
    bool owned = true;      // false leaves out what code fills: contained handles and arrays
    bool uncarried = true;  // false leaves out the string numbers that copies do not carry

    void Raw(const void* bytes, std::size_t count) const {
        out.append(static_cast<const char*>(bytes), count);
    }
    void Text(const char* text) const {
        if (text == nullptr) {
            out += "(null)";
            if (nulls != nullptr) ++*nulls;
        } else {
            out.append(text, std::strlen(text) + 1);
        }
    }
    template <class B, class T>
    void operator()(const B& b, const fields::Number<B, T>& f) const {
        Raw(&(b.*f.member), sizeof(T));
    }
    template <class B>
    void operator()(const B& b, const fields::String<B>& f) const {
        if (f.carried || uncarried) Raw(&(b.*f.number), 1);
        Text(b.*f.text);
    }
    template <class B, std::size_t N>
    void operator()(const B& b, const fields::Bytes<B, N>& f) const {
        Raw(b.*f.member, N);
    }
    template <class B>
    void operator()(const B& b, const fields::Text<B>& f) const {
        Text(b.*f.text);
    }
    // Where contained handles lie differs between records; whether there are some does not.
    template <class B, class T>
    void operator()(const B& b, const fields::Kept<B, T>& f) const {
        if (!owned) return;
        if constexpr (std::is_pointer_v<T>) {
            out += b.*f.member != nullptr ? '1' : '0';
        } else {
            Raw(&(b.*f.member), sizeof(T));
        }
    }
    void operator()(
        const smbios::TypeSystemEnclosure::SMBios_2_3& b,
        const fields::Owned<smbios::TypeSystemEnclosure::SMBios_2_3, std::uint8_t>&) const {
        if (!owned) return;
        out += b.ContainedElements != nullptr ? '1' : '0';
        if (b.ContainedElements != nullptr) {
            Raw(b.ContainedElements,
                std::size_t{b.ContainedElementCount} * b.ContainedElementRecordLength);
        }
    }
    void operator()(const smbios::TypeOemStrings& b,
                    const fields::Owned<smbios::TypeOemStrings, char>&) const {
        if (!owned) return;
        std::vector<char*> copies(b.Count + 1u, nullptr);
        const std::uint64_t count = b.GetOemStrings(copies.data());
        Raw(&count, sizeof count);
        if (count > b.Count) return;  // refused: nothing written
        for (std::uint64_t i = 0; i < count; ++i) {
            Text(copies[i]);
            delete[] copies[i];
        }
    }
};

// What of a record to flatten besides the fields of a version.
struct Parts {
    bool owned = true;      // what code fills after the fields are read
    bool uncarried = true;  // the string numbers that copies do not carry
};

// The fields of `record` that a table of `version` reads, flattened.
template <class R>
std::string Flatten(const R& record, int version = kEveryField, int* nulls = nullptr,
                    Parts parts = {}) {
    std::string out;
    const Flattener flatten{out, nulls, parts.owned, parts.uncarried};
    fields::ForEachRecordField<R>([&](auto block, const auto& f) {
        if (version >= f.since) flatten(fields::Access(record, block), f);
    });
    return out;
}

// Everything that `info` answers: its version, its error and its nine records.
inline std::string Flatten(const smbios::SMBiosInfo& info, int* nulls = nullptr) {
    const auto& error = info.GetError();
    std::string out = std::to_string(static_cast<int>(info.GetSMBiosVersion())) + ' ' +
                      std::to_string(static_cast<int>(error.Category())) + ' ' +
                      std::to_string(error.Code()) + ' ';
    Flattener{out, nulls}.Text(error.Message());
    out += Flatten(info.GetTypeBios(), kEveryField, nulls);
    out += Flatten(info.GetTypeSysInfo(), kEveryField, nulls);
    out += Flatten(info.GetTypeBaseboard(), kEveryField, nulls);
    out += Flatten(info.GetTypeSystemEnclosure(), kEveryField, nulls);
    out += Flatten(info.GetTypeProcessor(), kEveryField, nulls);
    out += Flatten(info.GetSystemSlot(), kEveryField, nulls);
    out += Flatten(info.GetTypeOemStrings(), kEveryField, nulls);
    out += Flatten(info.GetTypePhysicalMemory(), kEveryField, nulls);
    out += Flatten(info.GetTypeMemoryDevice(), kEveryField, nulls);
    return out;
}

// True when a structure of `length` bytes holds every field that a table of `version` reads into
// `record`.
template <class R>
bool Covers(const R& record, int version, unsigned length) {
    bool covered = true;
    fields::ForEachRecordField<R>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        using F = std::decay_t<decltype(f)>;
        if (version < f.since) return;
        if constexpr (IsNumber<F>::value || IsBytes<F>::value) {
            covered = covered && f.offset + sizeof(std::declval<B&>().*f.member) <= length;
        } else if constexpr (std::is_same_v<F, fields::String<B>>) {
            covered = covered && f.offset + 1u <= length;
        }
    });
    if constexpr (std::is_same_v<R, smbios::TypeSystemEnclosure>) {
        const unsigned sku =
            0x15u + record.V2_3.ContainedElementCount * record.V2_3.ContainedElementRecordLength;
        if (version >= 0x0207 && sku + 1 > length) covered = false;
    }
    return covered;
}

// Calls visit with the record of structure type `type` that `record` points at, typed; false for
// a type that no record describes.
template <class Visit>
bool VisitRecord(int type, const void* record, Visit&& visit) {
    bool found = false;
    fields::ForEachRecord([&](auto tag) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
        if (!found && fields::Layout<R>::type == type) {
            found = true;
            visit(*static_cast<const R*>(record));
        }
    });
    return found;
}

}  // namespace kelvo::fuzz
