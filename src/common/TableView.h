#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelvo::shared::smbios::detail {

// The one way table bytes are read. Every access is checked against the view's size here and
// nowhere else; a byte outside the view reads as 0. Multi-byte values are assembled byte by
// byte, little-endian, so alignment and host byte order never matter.
class TableView {
public:
    TableView() = default;
    TableView(const std::uint8_t* data, std::uint64_t size) : data_(data), size_(data ? size : 0) {}

    std::uint64_t Size() const { return size_; }

    bool Contains(std::uint64_t offset, std::uint64_t count = 1) const {
        return offset <= size_ && count <= size_ - offset;
    }

    std::uint8_t U8(std::uint64_t offset) const { return Contains(offset) ? data_[offset] : 0; }

    std::uint16_t U16(std::uint64_t offset) const {
        return static_cast<std::uint16_t>(Assemble(offset, 2));
    }
    std::uint32_t U32(std::uint64_t offset) const {
        return static_cast<std::uint32_t>(Assemble(offset, 4));
    }
    std::uint64_t U64(std::uint64_t offset) const { return Assemble(offset, 8); }

    // The bytes [offset, offset + count), or an empty view when they do not all lie inside.
    TableView Sub(std::uint64_t offset, std::uint64_t count) const {
        return Contains(offset, count) ? TableView(data_ + offset, count) : TableView();
    }

    // The NUL-terminated text at `offset`, cut at the end of the view when its NUL is missing.
    std::string_view Text(std::uint64_t offset) const {
        if (!Contains(offset)) return {};
        std::uint64_t end = offset;
        while (end < size_ && data_[end] != 0) ++end;
        return std::string_view(reinterpret_cast<const char*>(data_ + offset),
                                static_cast<std::size_t>(end - offset));
    }

    // Address of the byte at `offset` for callers that hand a location to the host, or null
    // when it lies outside. The caller never dereferences it.
    const std::uint8_t* Address(std::uint64_t offset) const {
        return Contains(offset) ? data_ + offset : nullptr;
    }

private:
    // Any byte of the value that lies outside reads as 0; a field that does not fit at all is 0.
    std::uint64_t Assemble(std::uint64_t offset, unsigned width) const {
        if (!Contains(offset, width)) return 0;
        std::uint64_t value = 0;
        for (unsigned i = width; i-- > 0;) value = (value << 8) | data_[offset + i];
        return value;
    }

    const std::uint8_t* data_ = nullptr;
    std::uint64_t size_ = 0;
};

}  // namespace kelvo::shared::smbios::detail
