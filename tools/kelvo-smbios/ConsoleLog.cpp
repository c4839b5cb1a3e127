#include "ConsoleLog.h"

#include <cstdio>
#include <string>

namespace kelvo::smbios_tool {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Wide text as UTF-8: UTF-16 on Windows (pairs joined), UTF-32 elsewhere.
std::string Utf8(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text) {
        char32_t c = static_cast<char32_t>(*text);
        if (c >= 0xD800 && c < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(*++text) - 0xDC00);
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string Utf8(const char* text) { return text ? text : ""; }

}  // namespace

void ConsoleAppender::write(const plog::Record& record) {
    const std::string line = std::string(plog::severityToString(record.getSeverity())) + " [" +
                             Utf8(static_cast<const wchar_t*>(record.getObject())) + "] " +
                             Utf8(record.getFunc()) + ": " + Utf8(record.getMessage()) + "\n";
    std::fputs(line.c_str(), stderr);
}

}  // namespace kelvo::smbios_tool
