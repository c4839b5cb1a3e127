#pragma once

#include <mutex>
#include <string>
#include <vector>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

namespace kelvo::test {

// A host's appender that keeps a copy of every record it is handed, under a lock as hosts
// write them (threads may log at once). Read `entries` once no thread is logging.
class CapturingAppender : public plog::IAppender {
public:
    struct Entry {
        int severity;
        std::string function;
        std::size_t line;
        std::string file;
        const wchar_t* object;  // the component name that the library attaches
        int instanceId;
        plog::util::nstring message;
    };

    void write(const plog::Record& record) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        entries.push_back({record.getSeverity(), record.getFunc(), record.getLine(),
                           record.getFile(), static_cast<const wchar_t*>(record.getObject()),
                           record.getInstanceId(), record.getMessage()});
    }

    std::vector<Entry> entries;

private:
    std::mutex mutex_;
};

// Narrow text as the message type of the platform (wide on Windows, each byte the character of
// that number, as the ANSI code page 1252 gives the Latin-1 letters).
inline plog::util::nstring Native(const std::string& text) {
    plog::util::nstring out;
    for (unsigned char c : text) out.push_back(static_cast<plog::util::nchar>(c));
    return out;
}

}  // namespace kelvo::test
