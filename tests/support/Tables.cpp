#include "support/Tables.h"

#include <utility>

#include "support/StandardStructures.h"

namespace kelvo::test::tables {

namespace {

// Structures of types that the library does not decode: their formatted area's size and their
// string count.
struct Other {
    std::uint8_t type;
    std::uint8_t length;
    int strings;
};
constexpr Other kOthers[] = {{7, 0x1B, 1},  {8, 0x09, 2},  {12, 0x08, 1}, {13, 0x16, 1},
                             {14, 0x08, 1}, {19, 0x1F, 0}, {20, 0x23, 0}, {26, 0x16, 1},
                             {27, 0x0F, 1}, {28, 0x16, 1}, {29, 0x16, 1}, {32, 0x0B, 0},
                             {41, 0x0B, 1}, {43, 0x1F, 1}};
constexpr Other kVendor = {0, 0x0C, 2};

// A structure of `type` under `handle`: for a decoded type the one written from the standard
// (support/StandardStructures.h); for another type, patterned bytes and strings of its usual sizes.
void Add(TableBuilder& builder, std::uint8_t type, std::uint16_t handle) {
    for (const standard::Structure* s : standard::kAll) {
        if (s->Type() == type) {
            standard::AddTo(builder, *s, handle);
            return;
        }
    }
    Other other = kVendor;
    for (const Other& known : kOthers) {
        if (known.type == type) other = known;
    }
    StructureBuilder& s = builder.Add(type, handle);
    for (unsigned offset = 4; offset < other.length; ++offset) {
        s.ByteAt(offset, static_cast<std::uint8_t>(offset * 7 + type));
    }
    for (int i = 1; i <= other.strings; ++i) s.String("Designation " + std::to_string(i));
}

// The desktop's structure types in table order.
const std::vector<std::uint8_t>& DesktopTypes() {
    static const std::vector<std::uint8_t> types = [] {
        const std::pair<std::uint8_t, int> runs[] = {
            {0, 1},  {1, 1},  {2, 1},  {3, 1},  {7, 3},  {4, 1},  {7, 3},  {4, 1},  {8, 24},
            {9, 6},  {41, 4}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {16, 1}, {17, 8}, {19, 1},
            {20, 8}, {26, 1}, {27, 3}, {28, 3}, {29, 1}, {32, 1}, {43, 1}, {221, 2}};
        std::vector<std::uint8_t> all;
        for (const auto& run : runs) all.insert(all.end(), run.second, run.first);
        return all;
    }();
    return types;
}

}  // namespace

std::uint16_t AddEveryType(TableBuilder& builder, std::uint16_t handle) {
    for (std::uint8_t type : {0, 1, 2, 3, 4, 9, 11, 16, 17}) Add(builder, type, handle++);
    return handle;
}

std::vector<std::uint8_t> EveryType(std::uint8_t major, std::uint8_t minor, int instances) {
    TableBuilder builder(major, minor);
    std::uint16_t handle = 0;
    for (int i = 0; i < instances; ++i) handle = AddEveryType(builder, handle);
    builder.End();
    return builder.Raw();
}

std::vector<std::uint8_t> Desktop() { return Sized(DesktopTypes().size()); }

std::vector<std::uint8_t> Sized(std::size_t structures) {
    const std::vector<std::uint8_t>& types = DesktopTypes();
    TableBuilder builder(3, 3);
    for (std::size_t i = 0; i < structures; ++i) {
        Add(builder, types[i % types.size()], static_cast<std::uint16_t>(i));
    }
    builder.End();
    return builder.Raw();
}

}  // namespace kelvo::test::tables
