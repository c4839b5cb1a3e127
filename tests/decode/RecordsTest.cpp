// The nine records' copies: what they carry and what they own, and the fields that code fills.
// (That a copy holds the decoded values is checked against the standard's bytes in
// StandardRecordsTest.)
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/Describe.h"
#include "support/Samples.h"
#include "support/TimeZone.h"
#include "support/WithinLength.h"

namespace {

using namespace kelvo::shared::smbios;
using namespace kelvo::test;

using Records =
    ::testing::Types<TypeBios, TypeSysInfo, TypeBaseboard, TypeSystemEnclosure, TypeProcessor,
                     SystemSlot, TypeOemStrings, TypePhysicalMemory, TypeMemoryDevice>;

template <class R>
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override { SetTimeZone("UTC0"); }
};
TYPED_TEST_SUITE(RecordsTest, Records);

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
    const auto& sample = AddSample<TypeParam>(table).String("OEM one").String("OEM two");
    const TypeParam source = WithinLength<TypeParam>(sample.Bytes()).record;
    TypeParam assigned;
    ForEachString(assigned, assigned, [](auto& b, auto&, const auto& f) { b.*f.number = 0xEE; });
    assigned = source;
    assigned = std::as_const(assigned);
    const TypeParam copy(source);
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

        const auto decoded = WithinLength<TypeSystemEnclosure>(chassis.Bytes()).record;
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
