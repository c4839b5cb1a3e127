#pragma once

// A structure decoded as it is, within its Length (the C interface's table view), from an
// exact-size heap copy of its bytes, header first; the copy lives as long as the record, which
// may point into it.

#include <cstdint>
#include <vector>

#include "decode/WithinLength.h"
#include "support/TableBuilder.h"

namespace kelvo::test {

template <class R>
struct WithinLength {
    explicit WithinLength(const std::vector<std::uint8_t>& bytes) : buffer(bytes) {
        using namespace kelvo::shared::smbios::detail;
        DecodeWithinLength(
            {TableView(buffer.GetData(), buffer.GetSize()), 0, bytes[0], bytes[1], 0}, record);
    }

    BufferReader buffer;
    R record;
};

}  // namespace kelvo::test
