#pragma once

// Sample structures made from the record descriptions: every described field of a record holds a
// value of its own (derived from its offset) and every string names its field. Texts made by
// code, kept members and owned arrays are not part of a sample.

#include <smbios/RecordFields.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "support/TableBuilder.h"

namespace kelvo::test {

namespace fields = kelvo::shared::smbios::fields;
using fields::ForEachRecordField;

template <class F>
struct IsNumber : std::false_type {};
template <class B, class T>
struct IsNumber<fields::Number<B, T>> : std::true_type {};
template <class F>
struct IsBytes : std::false_type {};
template <class B, std::size_t N>
struct IsBytes<fields::Bytes<B, N>> : std::true_type {};

// The sample's byte at `offset`: never 0, and different in a decoy.
inline std::uint8_t SampleByte(unsigned offset, bool decoy) {
    return static_cast<std::uint8_t>(offset * 5 + 3 + (decoy ? 1 : 0));
}
// The release date of a sample.
constexpr const char* kSampleDate = "03/15/2019";

// What a sample puts in a string: the field's name, or the release date.
template <class B>
std::string SampleText(const fields::String<B>& f, bool decoy) {
    if (f.converted) return decoy ? "03/16/2019" : kSampleDate;
    return std::string(f.name) + (decoy ? "~" : "");
}

// Adds a structure of record R's type with every described field and string. With a `length`,
// the structure's formatted area ends there: it holds the sample's bytes up to it, and the
// strings of the string fields inside it.
template <class R>
StructureBuilder& AddSample(TableBuilder& table, bool decoy = false, unsigned length = 0,
                            std::uint16_t handle = 0) {
    StructureBuilder& s = table.Add(fields::Layout<R>::type, handle);
    std::uint8_t strings = 0;
    ForEachRecordField<R>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, fields::String<B>>) {
            if (f.offset == 0 || (length != 0 && f.offset >= length)) return;
            s.ByteAt(f.offset, ++strings).String(SampleText(f, decoy));
        } else if constexpr (IsNumber<F>::value || IsBytes<F>::value) {
            const unsigned width = sizeof(std::declval<B&>().*f.member);
            for (unsigned i = 0; i < width; ++i) {
                if (length == 0 || f.offset + i < length) {
                    s.ByteAt(f.offset + i, SampleByte(f.offset + i, decoy));
                }
            }
        }
    });
    return s;
}

}  // namespace kelvo::test
