// The nine records checked through their descriptions: which fields each table version fills,
// what a cut table leaves, what copies carry, and what a structure's Length holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "decode/WithinLength.h"
#include "support/Describe.h"
#include "support/Samples.h"
#include "support/TimeZone.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

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

using Records =
    ::testing::Types<TypeBios, TypeSysInfo, TypeBaseboard, TypeSystemEnclosure, TypeProcessor,
                     SystemSlot, TypeOemStrings, TypePhysicalMemory, TypeMemoryDevice>;

template <class R>
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override { SetTimeZone("UTC0"); }
};
TYPED_TEST_SUITE(RecordsTest, Records);

// A structure decoded as it is, with its header's Length, from an exact-size copy of its first
// `size` bytes (all of them by default).
template <class R>
R WithinLength(const std::vector<std::uint8_t>& bytes, std::size_t size = SIZE_MAX) {
    const BufferReader buffer({bytes.begin(), bytes.begin() + std::min(size, bytes.size())});
    R record;
    pimpl::DecodeWithinLength(
        {pimpl::TableView(buffer.GetData(), buffer.GetSize()), 0, bytes[0], bytes[1], 0}, record);
    return record;
}

// A decoy structure first: the record holds the last structure's fields of the table's
// version, and nothing else.
TYPED_TEST(RecordsTest, EachVersionFillsItsFieldsFromTheLastStructure) {
    for (int version :
         {0x0200, 0x0201, 0x0202, 0x0203, 0x0204, 0x0205, 0x0206, 0x0207, 0x0208, 0x0300, 0x0305}) {
        SCOPED_TRACE(version);
        TableBuilder table(version >> 8, version & 0xFF);
        AddSample<TypeParam>(table, true);
        AddSample<TypeParam>(table);
        const ParsedTable parsed(table.End());
        ASSERT_FALSE(parsed.info.GetError()) << parsed.info.GetError().Message();
        const int effective = std::min(version, 0x0300);
        SampleCheck{[&](std::uint16_t since, unsigned, unsigned) { return effective >= since; }}(
            RecordOf<TypeParam>(parsed.info));
    }
}

// A field is read when it lies wholly inside the structure's Length and inside the table, which
// may cut it after any byte; otherwise it is 0, and a cut text is a prefix of its own. Strings
// come from the set after the Length.
TYPED_TEST(RecordsTest, CutsAndLengthsReadWholeFieldsOnly) {
    TableBuilder table;
    const std::vector<std::uint8_t> whole = AddSample<TypeParam>(table).Bytes();
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        SCOPED_TRACE("table length " + std::to_string(n));
        const auto inside = [n](std::uint16_t, unsigned offset, unsigned width) {
            return offset + width <= n;
        };
        SampleCheck{inside, false, true}(WithinLength<TypeParam>(whole, n));
    }
    for (unsigned length = 4; length <= whole[1]; ++length) {
        SCOPED_TRACE("Length " + std::to_string(length));
        TableBuilder cut;
        const std::vector<std::uint8_t> bytes = AddSample<TypeParam>(cut, false, length).Bytes();
        ASSERT_EQ(bytes[1], length);
        const auto inside = [length](std::uint16_t, unsigned offset, unsigned width) {
            return offset + width <= length;
        };
        SampleCheck{inside, false}(WithinLength<TypeParam>(bytes));
    }
}

// Calls visit(block of a, block of b, field) for every described string.
template <class R1, class R2, class Visit>
void ForEachString(R1& a, R2& b, Visit&& visit) {
    ForEachRecordField<std::remove_const_t<R1>>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        if constexpr (std::is_same_v<std::decay_t<decltype(f)>, fields::String<B>>) {
            visit(fields::Access(a, block), fields::Access(b, block), f);
        }
    });
}

// Copies and assignments carry every field but the string numbers that the description says
// copies do not carry (0 in a copy, the target's own after an assignment), and every text and
// OEM string area at an address of its own; assigning a record to itself changes nothing.
TYPED_TEST(RecordsTest, CopiesCarryWhatTheDescriptionSays) {
    TableBuilder table;
    const TypeParam source = WithinLength<TypeParam>(
        AddSample<TypeParam>(table).String("OEM one").String("OEM two").Bytes());
    TypeParam assigned;
    ForEachString(assigned, assigned, [](auto& b, auto&, const auto& f) { b.*f.number = 0xEE; });
    assigned = source;
    assigned = std::as_const(assigned);
    const TypeParam copy(source);
    SampleCheck{[](std::uint16_t, unsigned, unsigned) { return true; }}(copy);
    ForEachString(source, assigned, [&](const auto& from, const auto& to, const auto& f) {
        EXPECT_EQ(to.*f.number, f.carried ? from.*f.number : 0xEE) << f.name;
        EXPECT_STREQ(to.*f.text, from.*f.text) << f.name;
        EXPECT_NE(to.*f.text, from.*f.text) << f.name << " is shared";
    });
    ForEachString(source, copy, [](const auto& from, const auto& to, const auto& f) {
        EXPECT_NE(to.*f.text, from.*f.text) << f.name << " is shared";
    });
    if constexpr (std::is_same_v<TypeParam, TypeOemStrings>) {
        for (const TypeOemStrings* r : {&copy, &std::as_const(assigned)}) {
            EXPECT_NE(r->Strings, source.Strings);
            EXPECT_EQ(std::string(r->Strings, r->StringsSize),
                      std::string("OEM one\0OEM two\0", 16));
        }
    }
}

// What no description says: the fields that code fills.

// The SKU number follows the contained elements at 15h + n * m. By version the elements are
// stepped over; within the Length they are kept, and copies keep them in memory of their own.
TEST(SpecialFieldsTest, EnclosureSkuFollowsTheContainedElements) {
    for (const auto& [count, length] : {std::pair{0, 3}, {3, 0}, {1, 5}, {2, 3}, {4, 4}}) {
        SCOPED_TRACE(std::to_string(count) + " elements of " + std::to_string(length));
        const unsigned size = count * length;
        TableBuilder table(2, 7);
        auto& chassis = table.Add(3).BytesAt(
            0x13, {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(length)});
        for (unsigned i = 0; i < size; ++i)
            chassis.ByteAt(0x15 + i, static_cast<std::uint8_t>(i + 1));
        chassis.ByteAt(0x15 + size, 1).String("SKU");
        ParsedTable parsed(table.End());
        EXPECT_STREQ(parsed.info.GetTypeSystemEnclosure().V2_7.SKUNumber, "SKU");
        EXPECT_EQ(parsed.info.GetTypeSystemEnclosure().V2_3.ContainedElements, nullptr);

        const auto decoded = WithinLength<TypeSystemEnclosure>(chassis.Bytes());
        const TypeSystemEnclosure copy(decoded);
        TypeSystemEnclosure assigned;
        assigned = copy;
        for (const TypeSystemEnclosure* r : {&decoded, &copy, &std::as_const(assigned)}) {
            EXPECT_STREQ(r->V2_7.SKUNumber, "SKU");
            for (unsigned i = 0; i < size; ++i) EXPECT_EQ(r->V2_3.ContainedElements[i], i + 1);
            EXPECT_EQ(r->V2_3.ContainedElements == nullptr, size == 0);
        }
        EXPECT_TRUE(size == 0 || copy.V2_3.ContainedElements != decoded.V2_3.ContainedElements);
        EXPECT_TRUE(size == 0 || assigned.V2_3.ContainedElements != copy.V2_3.ContainedElements);
    }
}

}  // namespace
