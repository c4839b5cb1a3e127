#pragma once

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <smbios/SMBiosInfo.h>

namespace kelvo::test {

// One SMBIOS structure: a header (type, Length, handle), its formatted bytes and its strings.
// Offsets count from the structure's first header byte, as the SMBIOS tables give them. Every
// byte is written by Put; the other writers only name a width or append after what is written.
class StructureBuilder {
public:
    StructureBuilder(std::uint8_t type, std::uint16_t handle) : type_(type), handle_(handle) {}

    // Writes `value` little-endian in `width` bytes at `offset` (04h and up), growing the
    // formatted area with zeros as needed.
    StructureBuilder& Put(std::size_t offset, std::uint64_t value, unsigned width);
    StructureBuilder& ByteAt(std::size_t offset, std::uint8_t value) {
        return Put(offset, value, 1);
    }
    StructureBuilder& BytesAt(std::size_t offset, std::initializer_list<std::uint8_t> values);

    StructureBuilder& Byte(std::uint8_t value) { return Put(Next(), value, 1); }
    StructureBuilder& Word(std::uint16_t value) { return Put(Next(), value, 2); }
    StructureBuilder& Bytes(std::initializer_list<std::uint8_t> values) {
        return BytesAt(Next(), values);
    }

    // Adds the next string of the set (string number 1, 2, ... in call order).
    StructureBuilder& String(const std::string& text) {
        strings_.push_back(text);
        return *this;
    }
    // Header Length to write instead of the formatted area's real size.
    StructureBuilder& Length(std::uint8_t length) {
        lengthOverride_ = length;
        return *this;
    }

    std::vector<std::uint8_t> Bytes() const;

private:
    std::size_t Next() const { return fields_.size() + 4; }

    std::uint8_t type_;
    std::uint16_t handle_;
    std::vector<std::uint8_t> fields_;  // bytes from offset 04h on
    std::vector<std::string> strings_;
    int lengthOverride_ = -1;
};

// A whole table: the raw 8-byte header (version, Length) and the structures in order.
class TableBuilder {
public:
    explicit TableBuilder(std::uint8_t major = 3, std::uint8_t minor = 0)
        : major_(major), minor_(minor) {}

    // Adds a structure and returns it for filling; references stay valid.
    StructureBuilder& Add(std::uint8_t type, std::uint16_t handle = 0) {
        return *structures_.emplace_back(std::make_unique<StructureBuilder>(type, handle));
    }
    // Adds the end-of-table structure (type 127).
    TableBuilder& End() {
        Add(127, 0xFFFF);
        return *this;
    }

    // The raw layout: header then table.
    std::vector<std::uint8_t> Raw() const;

    // `raw` cut to its first `tableLength` table bytes, with the header's Length to match.
    static std::vector<std::uint8_t> Truncated(const std::vector<std::uint8_t>& raw,
                                               std::uint32_t tableLength);

private:
    std::uint8_t major_;
    std::uint8_t minor_;
    std::vector<std::unique_ptr<StructureBuilder>> structures_;
};

// A reader over an exact-size heap copy of some bytes, so that AddressSanitizer reports any
// read past the end; any number of threads may read it at once. Counts the library's calls.
// With a `failure`, GetData throws std::runtime_error(failure) as a failing host reader does.
class BufferReader : public kelvo::shared::smbios::IFirmwareReader {
public:
    explicit BufferReader(const std::vector<std::uint8_t>& bytes, const char* failure = nullptr);
    const std::uint8_t* GetData() const override;
    std::uint64_t GetSize() const override;

    mutable std::atomic<int> calls{0};

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_;
    const char* failure_;
};

// A table parsed the way a host does it, from an exact-size copy of the bytes. The reader lives
// as long as the result, so pointers into the table stay valid.
struct ParsedTable {
    explicit ParsedTable(const std::vector<std::uint8_t>& raw) : reader(raw), info(&reader) {}
    explicit ParsedTable(const TableBuilder& table) : ParsedTable(table.Raw()) {}

    BufferReader reader;
    kelvo::shared::smbios::SMBiosInfo info;
};

}  // namespace kelvo::test
