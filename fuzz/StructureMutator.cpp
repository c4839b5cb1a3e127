// A libFuzzer custom mutator that sees an input as what it mostly is: a raw table (8-byte header,
// then structures of type, Length, handle, formatted bytes and strings). It changes a type, a
// Length, a field, the version; inserts, drops, duplicates or swaps structures; adds, drops or
// lengthens strings; or cuts the table anywhere. A quarter of the mutations, and every input that
// is no table at all, are left to libFuzzer's own byte-level mutator. Linked into every
// kelvo-fuzz-* target whose input is a raw table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

struct Structure {
    std::uint8_t type = 0;
    std::uint8_t length = 4;  // as the header says, which need not match `formatted`
    std::uint16_t handle = 0;
    std::vector<std::uint8_t> formatted;  // the bytes from offset 04h to the Length
    std::vector<std::string> strings;
};

struct Table {
    std::uint8_t header[8] = {};
    std::vector<Structure> structures;
};

// Splits `data` into structures as the library walks them; the bytes after the last whole
// structure are dropped. False for an input too short to be a table.
bool Parse(const std::uint8_t* data, std::size_t size, Table& table) {
    if (size < 8) return false;
    std::memcpy(table.header, data, 8);
    std::size_t p = 8;
    while (p + 4 <= size) {
        Structure s;
        s.type = data[p];
        s.length = data[p + 1];
        s.handle = static_cast<std::uint16_t>(data[p + 2] | data[p + 3] << 8);
        const std::size_t end = std::min(size, p + std::max<std::size_t>(s.length, 4));
        s.formatted.assign(data + p + 4, data + std::max(end, p + 4));
        std::size_t q = end;
        while (q < size && data[q] != 0) {
            const std::size_t start = q;
            while (q < size && data[q] != 0) ++q;
            s.strings.emplace_back(reinterpret_cast<const char*>(data + start), q - start);
            ++q;
        }
        table.structures.push_back(std::move(s));
        p = std::min(size, q + (table.structures.back().strings.empty() ? 2 : 1));
    }
    return true;
}

std::vector<std::uint8_t> Serialize(const Table& table, bool keepLength) {
    std::vector<std::uint8_t> out(table.header, table.header + 8);
    for (const Structure& s : table.structures) {
        out.insert(out.end(), {s.type, s.length, static_cast<std::uint8_t>(s.handle),
                               static_cast<std::uint8_t>(s.handle >> 8)});
        out.insert(out.end(), s.formatted.begin(), s.formatted.end());
        for (const std::string& text : s.strings) {
            out.insert(out.end(), text.begin(), text.end());
            out.push_back(0);
        }
        if (s.strings.empty()) out.push_back(0);
        out.push_back(0);
    }
    if (!keepLength) {
        const auto length = static_cast<std::uint32_t>(out.size() - 8);
        for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(length >> (8 * i));
    }
    return out;
}

// A structure of one of the decoded types, its formatted area as long as the newest version's.
Structure NewStructure(std::minstd_rand& random) {
    static const std::uint8_t kTypes[] = {0, 1, 2, 3, 4, 9, 11, 16, 17, 7, 127};
    static const std::uint8_t kLengths[] = {0x18, 0x1B, 0x11, 0x16, 0x30, 0x11,
                                            0x05, 0x17, 0x28, 0x1B, 0x04};
    const std::size_t pick = random() % sizeof kTypes;
    Structure s;
    s.type = kTypes[pick];
    s.length = kLengths[pick];
    s.handle = static_cast<std::uint16_t>(random());
    s.formatted.resize(s.length - 4u);
    for (std::uint8_t& byte : s.formatted) byte = static_cast<std::uint8_t>(random() % 4);
    for (unsigned i = random() % 4; i > 0; --i) s.strings.push_back("S" + std::to_string(i));
    return s;
}

// One change; true when the change is to cut the table after serializing it.
bool MutateStructures(Table& table, std::minstd_rand& random) {
    std::vector<Structure>& all = table.structures;
    const auto any = [&] { return static_cast<std::size_t>(random() % all.size()); };
    const unsigned op = random() % 12;
    if (all.empty() && op < 10) {
        all.push_back(NewStructure(random));
        return false;
    }
    switch (op) {
        case 0:  // a type
            all[any()].type = static_cast<std::uint8_t>(
                random() % 2 ? std::vector<int>{0, 1, 2, 3, 4, 9, 11, 16, 17, 127}[random() % 10]
                             : random());
            break;
        case 1: {  // a Length, mostly near the formatted area's size
            Structure& s = all[any()];
            const int delta = static_cast<int>(random() % 9) - 4;
            s.length = static_cast<std::uint8_t>(random() % 4 ? s.length + delta : random());
            break;
        }
        case 2: {  // a field: a byte, or a word set to a value that sizes and counts are made of
            Structure& s = all[any()];
            if (s.formatted.empty()) break;
            const std::size_t at = random() % s.formatted.size();
            static const std::uint16_t kValues[] = {0, 1, 2, 0x7F, 0x80, 0xFF, 0x7FFF, 0xFFFF};
            const std::uint16_t value = random() % 2 ? kValues[random() % 8] : random();
            s.formatted[at] = static_cast<std::uint8_t>(value);
            if (at + 1 < s.formatted.size() && random() % 2) {
                s.formatted[at + 1] = static_cast<std::uint8_t>(value >> 8);
            }
            break;
        }
        case 3:  // the version
            table.header[1] = static_cast<std::uint8_t>(random() % 5);
            table.header[2] =
                static_cast<std::uint8_t>(random() % 10 == 0 ? random() : random() % 9);
            break;
        case 4:  // insert a new structure
            all.insert(all.begin() + static_cast<long>(random() % (all.size() + 1)),
                       NewStructure(random));
            break;
        case 5:  // drop one
            all.erase(all.begin() + static_cast<long>(any()));
            break;
        case 6: {  // duplicate one
            const Structure copy = all[any()];
            all.insert(all.begin() + static_cast<long>(random() % (all.size() + 1)), copy);
            break;
        }
        case 7:  // swap two
            std::swap(all[any()], all[any()]);
            break;
        case 8: {  // add, drop or lengthen a string
            Structure& s = all[any()];
            if (s.strings.empty() || random() % 3 == 0) {
                s.strings.push_back(
                    std::string(1 + random() % 16, static_cast<char>('A' + random() % 26)));
            } else if (random() % 2) {
                s.strings.erase(s.strings.begin() + static_cast<long>(random() % s.strings.size()));
            } else {
                s.strings[random() % s.strings.size()].append(1 + random() % 64, 'x');
            }
            break;
        }
        case 9:  // grow or shrink a formatted area along with its Length
        {
            Structure& s = all[any()];
            s.formatted.resize(random() % 0x40);
            s.length = static_cast<std::uint8_t>(s.formatted.size() + 4);
            break;
        }
        default:  // cut the table anywhere
            return true;
    }
    return false;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    std::minstd_rand random(seed);
    Table table;
    if (random() % 4 == 0 || !Parse(data, size, table)) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    bool cut = false;
    for (unsigned n = 1 + random() % 3; n > 0; --n) cut = MutateStructures(table, random) || cut;
    // The header's Length mostly follows the table; now and then it keeps what the input said.
    std::vector<std::uint8_t> out = Serialize(table, random() % 16 == 0);
    if (cut && out.size() > 8) {
        out.resize(8 + random() % (out.size() - 7));
        if (random() % 4 != 0) {
            const auto length = static_cast<std::uint32_t>(out.size() - 8);
            for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(length >> (8 * i));
        }
    }
    if (out.size() > maxSize) out.resize(maxSize);
    std::memcpy(data, out.data(), out.size());
    return out.size();
}
