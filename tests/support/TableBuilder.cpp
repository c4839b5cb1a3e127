#include "support/TableBuilder.h"

#include <cstring>
#include <stdexcept>

namespace kelvo::test {

namespace {

void Append(std::vector<std::uint8_t>& out, std::uint64_t value, unsigned width) {
    for (unsigned i = 0; i < width; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

StructureBuilder& StructureBuilder::Put(std::size_t offset, std::uint64_t value, unsigned width) {
    if (offset < 4) throw std::invalid_argument("formatted fields start at offset 04h");
    const std::size_t at = offset - 4;
    if (fields_.size() < at + width) fields_.resize(at + width, 0);
    for (unsigned i = 0; i < width; ++i) {
        fields_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return *this;
}

StructureBuilder& StructureBuilder::BytesAt(std::size_t offset,
                                            std::initializer_list<std::uint8_t> values) {
    for (std::uint8_t value : values) Put(offset++, value, 1);
    return *this;
}

std::vector<std::uint8_t> StructureBuilder::Bytes() const {
    std::vector<std::uint8_t> out = {
        type_, static_cast<std::uint8_t>(lengthOverride_ >= 0 ? lengthOverride_ : Next())};
    Append(out, handle_, 2);
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

std::vector<std::uint8_t> TableBuilder::Raw() const {
    std::vector<std::uint8_t> table;
    for (const auto& structure : structures_) {
        const std::vector<std::uint8_t> bytes = structure->Bytes();
        table.insert(table.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> out = {0, major_, minor_, 0};
    Append(out, table.size(), 4);
    out.insert(out.end(), table.begin(), table.end());
    return out;
}

std::vector<std::uint8_t> TableBuilder::Truncated(const std::vector<std::uint8_t>& raw,
                                                  std::uint32_t tableLength) {
    std::vector<std::uint8_t> out(raw.begin(), raw.begin() + 4);
    Append(out, tableLength, 4);
    out.insert(out.end(), raw.begin() + 8, raw.begin() + 8 + tableLength);
    return out;
}

BufferReader::BufferReader(const std::vector<std::uint8_t>& bytes, const char* failure)
    : bytes_(new std::uint8_t[bytes.size()]), size_(bytes.size()), failure_(failure) {
    if (!bytes.empty()) std::memcpy(bytes_.get(), bytes.data(), bytes.size());
}

const std::uint8_t* BufferReader::GetData() const {
    ++calls;
    if (failure_ != nullptr) throw std::runtime_error(failure_);
    return bytes_.get();
}

std::uint64_t BufferReader::GetSize() const {
    ++calls;
    return size_;
}

}  // namespace kelvo::test
