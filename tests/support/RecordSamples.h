#pragma once

// Checks of records decoded from samples (support/Samples.h): the record tests check the nine
// records' decoding, copies and cuts through them without writing the fields out again.

#include <gtest/gtest.h>

#include <smbios/RecordFields.h>
#include <smbios/SMBiosInfo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "support/Describe.h"
#include "support/Samples.h"

namespace kelvo::test {

namespace fields = kelvo::shared::smbios::fields;

using fields::ForEachRecordField;

// Compares a record decoded from a sample with the sample: a field that `read` admits holds the
// sample's value, any other holds 0 (its text is empty). String numbers that copies do not carry
// hold 0 where `viaCopy` (the facade's records are copies). Where the table's end cuts the
// structure (`cut`), a text need only be a prefix of the sample's and arrays are cut bytewise.
struct SampleCheck {
    std::function<bool(std::uint16_t since, unsigned offset, unsigned width)> read;
    bool viaCopy = true;
    bool cut = false;

    template <class R>
    void operator()(const R& record) const {
        std::uint8_t strings = 0;
        ForEachRecordField<R>([&](auto block, const auto& f) {
            using B = typename decltype(block)::Type;
            using F = std::decay_t<decltype(f)>;
            const B& b = fields::Access(record, block);
            if constexpr (std::is_same_v<F, fields::String<B>>) {
                if (f.offset == 0) return;
                ++strings;
                const bool isRead = read(f.since, f.offset, 1);
                EXPECT_EQ(b.*f.number, isRead && (f.carried || !viaCopy) ? strings : 0) << f.name;
                const std::string text = !isRead       ? ""
                                         : f.converted ? kSampleDateText
                                                       : SampleText(f, false);
                if (cut) {
                    // A cut date converts to another date or stops the walk: the date tests' part.
                    if (f.converted) return;
                    EXPECT_EQ(text.rfind(b.*f.text, 0), 0u) << f.name << ": " << b.*f.text;
                } else {
                    EXPECT_EQ(b.*f.text, text) << f.name;
                }
            } else if constexpr (IsBytes<F>::value) {
                // Read whole, except that a table's end cuts an array byte by byte.
                const bool isRead = read(f.since, f.offset, sizeof(b.*f.member));
                for (unsigned i = 0; i < sizeof(b.*f.member); ++i) {
                    const bool byteRead = cut ? read(f.since, f.offset + i, 1) : isRead;
                    EXPECT_EQ((b.*f.member)[i], byteRead ? SampleByte(f.offset + i, false) : 0)
                        << f.name << "[" << i << "]";
                }
            } else if constexpr (IsNumber<F>::value) {
                const unsigned width = sizeof(b.*f.member);
                EXPECT_EQ(b.*f.member,
                          read(f.since, f.offset, width) ? SampleValue(f.offset, width, false) : 0)
                    << f.name;
            }
        });
    }
};

}  // namespace kelvo::test
