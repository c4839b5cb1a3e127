// Logging for C hosts: an appender of the library's own that turns each record into UTF-8 and
// hands it to the host's callback, installed through the same one-time logger set-up that C++
// hosts call.
#include <smbios/Logger.h>
#include <smbios/kelvo_smbios.h>

#include <atomic>
#include <new>
#include <string>

#include <plog/Log.h>

namespace {

void AppendCodePoint(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

// Wide messages (Windows) are UTF-16; an unpaired surrogate becomes U+FFFD.
[[maybe_unused]] std::string ToUtf8(const wchar_t* text) {
    std::string out;
    for (const wchar_t* p = text; *p != 0; ++p) {
        const auto unit = static_cast<char32_t>(*p);
        if (sizeof(wchar_t) > 2 || unit < 0xD800 || unit > 0xDFFF) {
            AppendCodePoint(out, unit <= 0x10FFFF ? unit : kReplacement);
        } else if (unit <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            const auto low = static_cast<char32_t>(*++p);
            AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            AppendCodePoint(out, kReplacement);
        }
    }
    return out;
}

// Narrow messages (elsewhere) carry the table's 8-bit texts as they are: valid UTF-8 passes,
// each byte of an invalid sequence becomes U+FFFD.
[[maybe_unused]] std::string ToUtf8(const char* text) {
    std::string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        const unsigned char lead = *p;
        int extra = lead < 0x80                    ? 0
                    : lead >= 0xC2 && lead <= 0xDF ? 1
                    : (lead & 0xF0) == 0xE0        ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : -1;
        char32_t c = extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        if (extra == 0) c = lead;
        bool valid = extra >= 0;
        for (int i = 1; valid && i <= extra; ++i) {
            valid = (p[i] & 0xC0) == 0x80;
            c = (c << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (valid && ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                      (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))) {
            valid = false;
        }
        if (valid) {
            AppendCodePoint(out, c);
            p += extra + 1;
        } else {
            AppendCodePoint(out, kReplacement);
            ++p;
        }
    }
    return out;
}

class CallbackAppender : public plog::IAppender {
public:
    void write(const plog::Record& record) override {
        try {
            const plog::util::nchar* message = record.getMessage();
            const std::string text = message != nullptr ? ToUtf8(message) : std::string();
            const char* function = record.getFunc();
            callback(static_cast<int32_t>(record.getSeverity()), function ? function : "",
                     static_cast<uint32_t>(record.getLine()), text.c_str(), user);
        } catch (...) {
            // A record that cannot be converted is dropped; logging never fails the library.
        }
    }

    ksmbios_log_callback callback = nullptr;
    void* user = nullptr;
};

}  // namespace

extern "C" ksmbios_status ksmbios_set_log_callback(int32_t max_severity,
                                                   ksmbios_log_callback callback, void* user) {
    if (callback == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    static std::atomic<bool> claimed{false};
    static CallbackAppender appender;
    if (claimed.exchange(true) || plog::get<0>() != nullptr) return KSMBIOS_LOGGER_ALREADY_SET;
    appender.callback = callback;
    appender.user = user;
    try {
        kelvoSharedInitializeLogger(static_cast<plog::Severity>(max_severity), &appender);
        return KSMBIOS_OK;
    } catch (const std::bad_alloc&) {
        // Nothing was set up when the logger itself was not made; a later call may try again.
        if (plog::get<0>() == nullptr) claimed = false;
        return KSMBIOS_OUT_OF_MEMORY;
    } catch (...) {
        if (plog::get<0>() == nullptr) claimed = false;
        return KSMBIOS_INTERNAL_ERROR;
    }
}
