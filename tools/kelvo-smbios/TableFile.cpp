// Writing table files: the raw layout as it is, and dmidecode's dump format with an entry point
// made for the table. Reading them is the library's (the C interface's ksmbios_open_file_with).
#include "TableFile.h"

#include <smbios/kelvo_smbios_source.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kelvo::smbios_tool {

namespace {

constexpr std::size_t kEntryPoint3Size = 0x18;
constexpr std::size_t kEntryPoint21Size = 0x1F;

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, unsigned width) {
    for (unsigned i = 0; i < width; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes.at(i));
    return sum;
}

// Where structure `index` ends: after the NUL that closes its string set.
std::uint64_t StructureEnd(const ksmbios_table* table, std::size_t index,
                           const ksmbios_structure& structure) {
    std::uint64_t end = structure.offset + structure.length + (structure.string_count ? 1 : 2);
    for (std::size_t number = 1; number <= structure.string_count; ++number) {
        const char* text = nullptr;
        std::size_t size = 0;
        ksmbios_get_string(table, index, static_cast<std::uint8_t>(number), &text, &size);
        end += size + 1;
    }
    return end;
}

}  // namespace

std::vector<std::uint8_t> EntryPoint(const ksmbios_table* table, std::uint64_t tableAddress) {
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    const std::uint8_t* raw = nullptr;
    std::size_t size = 0;
    if (ksmbios_get_table_info(table, &info) != KSMBIOS_OK ||
        ksmbios_get_raw(table, &raw, &size) != KSMBIOS_OK || size < kRawHeaderSize) {
        throw FileError("not written: no SMBIOS table was read");
    }
    const std::uint64_t length = size - kRawHeaderSize;
    // The version as the table's header gives it, not as the library reads it.
    const std::uint8_t major = info.written_major_version;
    const std::uint8_t minor = info.written_minor_version;
    if (major >= 3) {
        std::vector<std::uint8_t> entry(kEntryPoint3Size);
        std::memcpy(entry.data(), "_SM3_", 5);
        entry[6] = kEntryPoint3Size;
        entry[7] = major;
        entry[8] = minor;
        entry[9] = info.dmi_revision;
        entry[0x0A] = 1;  // entry point revision 3.0
        Put(entry, 0x0C, length, 4);
        Put(entry, 0x10, tableAddress, 8);
        entry[5] = static_cast<std::uint8_t>(-Sum(entry, 0, entry.size()));
        return entry;
    }
    if (length > 0xFFFF || tableAddress > 0xFFFFFFFF) {
        throw FileError("a table of " + std::to_string(length) +
                        " bytes does not fit an SMBIOS 2.1 entry point");
    }
    // The 2.1 entry point also counts the structures and gives the largest one's size. They
    // are counted up to the end-of-table structure, as dmidecode reads them.
    std::size_t count = 0;
    std::uint64_t largest = 0;
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure structure{};
        structure.struct_size = sizeof structure;
        ksmbios_get_structure(table, i, &structure);
        if (structure.length < 4) break;
        ++count;
        const std::uint64_t end = std::min(StructureEnd(table, i, structure), length);
        largest = std::max(largest, end - structure.offset);
    }
    std::vector<std::uint8_t> entry(kEntryPoint21Size);
    std::memcpy(entry.data(), "_SM_", 4);
    entry[5] = kEntryPoint21Size;
    entry[6] = major;
    entry[7] = minor;
    Put(entry, 0x08, largest, 2);
    std::memcpy(&entry[0x10], "_DMI_", 5);
    Put(entry, 0x16, length, 2);
    Put(entry, 0x18, tableAddress, 4);
    Put(entry, 0x1C, count, 2);
    entry[0x1E] = static_cast<std::uint8_t>(major << 4 | (minor & 0x0F));  // BCD revision
    entry[0x15] = static_cast<std::uint8_t>(-Sum(entry, 0x10, 0x0F));
    entry[4] = static_cast<std::uint8_t>(-Sum(entry, 0, entry.size()));
    return entry;
}

std::vector<std::uint8_t> EntryPoint(const RawTable& raw, std::uint64_t tableAddress) {
    ksmbios_table* opened = nullptr;
    ksmbios_open_bytes(raw.data(), raw.size(), &opened);
    const std::unique_ptr<ksmbios_table, void (*)(ksmbios_table*)> table(opened, &ksmbios_close);
    return EntryPoint(table.get(), tableAddress);
}

std::vector<std::uint8_t> DumpBin(const RawTable& raw) {
    std::vector<std::uint8_t> dump = EntryPoint(raw, kDumpTableAddress);
    dump.resize(kDumpTableAddress, 0);
    dump.insert(dump.end(), raw.begin() + static_cast<std::ptrdiff_t>(kRawHeaderSize), raw.end());
    return dump;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw FileError(std::string("cannot create: ") + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        throw FileError(std::string("cannot write: ") + std::strerror(errno));
    }
}

}  // namespace kelvo::smbios_tool
