#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <smbios/SMBiosInfo.h>

namespace kelvo::test {

// One SMBIOS structure: a header (type, Length, handle), its formatted bytes and its strings.
// Offsets count from the structure's first header byte, as the SMBIOS tables give them.
class StructureBuilder {
public:
    StructureBuilder(std::uint8_t type, std::uint16_t handle) : type_(type), handle_(handle) {}

    // Appends after the bytes written so far.
    StructureBuilder& Byte(std::uint8_t value);
    StructureBuilder& Word(std::uint16_t value);
    StructureBuilder& Dword(std::uint32_t value);
    StructureBuilder& Qword(std::uint64_t value);
    StructureBuilder& Bytes(std::initializer_list<std::uint8_t> values);

    // Writes at an offset (04h and up), growing the formatted area with zeros as needed.
    StructureBuilder& ByteAt(std::size_t offset, std::uint8_t value);
    StructureBuilder& WordAt(std::size_t offset, std::uint16_t value);
    StructureBuilder& DwordAt(std::size_t offset, std::uint32_t value);
    StructureBuilder& QwordAt(std::size_t offset, std::uint64_t value);
    StructureBuilder& BytesAt(std::size_t offset, std::initializer_list<std::uint8_t> values);

    // Adds the next string of the set (string number 1, 2, ... in call order).
    StructureBuilder& String(const std::string& text);
    // Header Length to write instead of the formatted area's real size.
    StructureBuilder& Length(std::uint8_t length);

    std::vector<std::uint8_t> Bytes() const;

private:
    StructureBuilder& Put(std::size_t offset, std::uint64_t value, unsigned width);

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
    StructureBuilder& Add(std::uint8_t type, std::uint16_t handle = 0);
    // Adds the end-of-table structure (type 127).
    TableBuilder& End();
    // Header Length to write instead of the structure table's real size.
    TableBuilder& Length(std::uint32_t length);

    // The structure table alone.
    std::vector<std::uint8_t> Table() const;
    // The raw layout: header then table.
    std::vector<std::uint8_t> Raw() const;

    // `raw` cut to its first `tableLength` table bytes, with the header's Length to match.
    static std::vector<std::uint8_t> Truncated(const std::vector<std::uint8_t>& raw,
                                               std::uint32_t tableLength);

private:
    std::uint8_t major_;
    std::uint8_t minor_;
    std::vector<std::unique_ptr<StructureBuilder>> structures_;
    long long lengthOverride_ = -1;
};

// A reader over an exact-size heap copy of some bytes, so that AddressSanitizer reports any
// read past the end. Counts the calls the library makes.
class BufferReader : public kelvo::shared::smbios::IFirmwareReader {
public:
    explicit BufferReader(const std::vector<std::uint8_t>& bytes);
    const std::uint8_t* GetData() const override;
    std::uint64_t GetSize() const override;

    mutable int dataCalls = 0;
    mutable int sizeCalls = 0;

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_;
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
