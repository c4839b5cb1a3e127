#include "support/Describe.h"

#include <cstdio>

namespace kelvo::test {

std::string Escaped(const char* text, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, text[i]) : hex;
    }
    return out;
}

std::string Hex(const std::uint8_t* bytes, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i)
        out += {"0123456789ABCDEF"[bytes[i] >> 4], "0123456789ABCDEF"[bytes[i] & 15]};
    return out;
}

std::string Describe(const shared::smbios::SMBiosInfo& info) {
    const auto& error = info.GetError();
    std::string out = "error.failed=" + std::to_string(static_cast<bool>(error)) +
                      "\nerror.category=" + std::to_string(static_cast<int>(error.Category())) +
                      "\nerror.code=" + std::to_string(error.Code()) +
                      "\nerror.message=" + Escaped(error.Message(), std::strlen(error.Message())) +
                      "\nerror.component=" + error.Component() +
                      "\nversion=" + std::to_string(static_cast<int>(info.GetSMBiosVersion())) +
                      "\n";
    ForEachGetter(info,
                  [&](const char* name, const auto& record) { DescribeRecord(out, name, record); });
    return out;
}

}  // namespace kelvo::test
