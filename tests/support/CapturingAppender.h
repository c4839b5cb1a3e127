#pragma once

#include <string>
#include <vector>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

namespace kelvo::test {

// A host's appender that keeps a copy of every record it is handed.
class CapturingAppender : public plog::IAppender {
public:
    struct Entry {
        int severity;
        std::string function;
        std::size_t line;
        std::string file;
        bool hasObject;
        std::wstring object;  // the component name that the library attaches
        int instanceId;
        plog::util::nstring message;
    };

    void write(const plog::Record& record) override {
        const auto* object = static_cast<const wchar_t*>(record.getObject());
        entries.push_back({record.getSeverity(), record.getFunc(), record.getLine(),
                           record.getFile(), object != nullptr, object ? object : L"",
                           record.getInstanceId(), record.getMessage()});
    }

    std::vector<Entry> entries;
};

// Narrow ASCII text as the message type of the platform (wide on Windows).
inline plog::util::nstring Native(const std::string& text) {
    return plog::util::nstring(text.begin(), text.end());
}

}  // namespace kelvo::test
