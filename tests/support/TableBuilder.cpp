#include "support/TableBuilder.h"

#include <cstring>
#include <stdexcept>

namespace kelvo::test {

StructureBuilder& StructureBuilder::Put(std::size_t offset, std::uint64_t value, unsigned width) {
    if (offset < 4) throw std::invalid_argument("formatted fields start at offset 04h");
    const std::size_t at = offset - 4;
    if (fields_.size() < at + width) fields_.resize(at + width, 0);
    for (unsigned i = 0; i < width; ++i)
        fields_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return *this;
}

StructureBuilder& StructureBuilder::Byte(std::uint8_t value) {
    return ByteAt(fields_.size() + 4, value);
}
StructureBuilder& StructureBuilder::Word(std::uint16_t value) {
    return WordAt(fields_.size() + 4, value);
}
StructureBuilder& StructureBuilder::Dword(std::uint32_t value) {
    return DwordAt(fields_.size() + 4, value);
}
StructureBuilder& StructureBuilder::Qword(std::uint64_t value) {
    return QwordAt(fields_.size() + 4, value);
}
StructureBuilder& StructureBuilder::Bytes(std::initializer_list<std::uint8_t> values) {
    return BytesAt(fields_.size() + 4, values);
}

StructureBuilder& StructureBuilder::ByteAt(std::size_t offset, std::uint8_t value) {
    return Put(offset, value, 1);
}
StructureBuilder& StructureBuilder::WordAt(std::size_t offset, std::uint16_t value) {
    return Put(offset, value, 2);
}
StructureBuilder& StructureBuilder::DwordAt(std::size_t offset, std::uint32_t value) {
    return Put(offset, value, 4);
}
StructureBuilder& StructureBuilder::QwordAt(std::size_t offset, std::uint64_t value) {
    return Put(offset, value, 8);
}
StructureBuilder& StructureBuilder::BytesAt(std::size_t offset,
                                            std::initializer_list<std::uint8_t> values) {
    for (std::uint8_t value : values) Put(offset++, value, 1);
    return *this;
}

StructureBuilder& StructureBuilder::String(const std::string& text) {
    strings_.push_back(text);
    return *this;
}

StructureBuilder& StructureBuilder::Length(std::uint8_t length) {
    lengthOverride_ = length;
    return *this;
}

std::vector<std::uint8_t> StructureBuilder::Bytes() const {
    const std::size_t length = fields_.size() + 4;
    std::vector<std::uint8_t> out = {
        type_, static_cast<std::uint8_t>(lengthOverride_ >= 0 ? lengthOverride_ : length),
        static_cast<std::uint8_t>(handle_), static_cast<std::uint8_t>(handle_ >> 8)};
    out.insert(out.end(), fields_.begin(), fields_.end());
    for (const std::string& text : strings_) {
        out.insert(out.end(), text.begin(), text.end());
        out.push_back(0);
    }
    // The set ends with one more NUL; an empty set is two NULs.
    if (strings_.empty()) out.push_back(0);
    out.push_back(0);
    return out;
}

StructureBuilder& TableBuilder::Add(std::uint8_t type, std::uint16_t handle) {
    structures_.push_back(std::make_unique<StructureBuilder>(type, handle));
    return *structures_.back();
}

TableBuilder& TableBuilder::End() {
    Add(127, 0xFFFF);
    return *this;
}

TableBuilder& TableBuilder::Length(std::uint32_t length) {
    lengthOverride_ = length;
    return *this;
}

std::vector<std::uint8_t> TableBuilder::Table() const {
    std::vector<std::uint8_t> out;
    for (const auto& structure : structures_) {
        const std::vector<std::uint8_t> bytes = structure->Bytes();
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

std::vector<std::uint8_t> TableBuilder::Raw() const {
    const std::vector<std::uint8_t> table = Table();
    const auto length =
        static_cast<std::uint32_t>(lengthOverride_ >= 0 ? lengthOverride_ : table.size());
    std::vector<std::uint8_t> out = {0,
                                     major_,
                                     minor_,
                                     0,
                                     static_cast<std::uint8_t>(length),
                                     static_cast<std::uint8_t>(length >> 8),
                                     static_cast<std::uint8_t>(length >> 16),
                                     static_cast<std::uint8_t>(length >> 24)};
    out.insert(out.end(), table.begin(), table.end());
    return out;
}

std::vector<std::uint8_t> TableBuilder::Truncated(const std::vector<std::uint8_t>& raw,
                                                  std::uint32_t tableLength) {
    std::vector<std::uint8_t> out(raw.begin(), raw.begin() + 8 + tableLength);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(tableLength >> (8 * i));
    return out;
}

BufferReader::BufferReader(const std::vector<std::uint8_t>& bytes)
    : bytes_(new std::uint8_t[bytes.size()]), size_(bytes.size()) {
    if (!bytes.empty()) std::memcpy(bytes_.get(), bytes.data(), bytes.size());
}

const std::uint8_t* BufferReader::GetData() const {
    ++dataCalls;
    return bytes_.get();
}

std::uint64_t BufferReader::GetSize() const {
    ++sizeCalls;
    return size_;
}

}  // namespace kelvo::test
