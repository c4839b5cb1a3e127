#pragma once

// The library's logger at verbose, into an appender that builds each record's message and drops
// it: every log site and every record renderer runs.
#include <smbios/Logger.h>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

namespace kelvo::fuzz {

inline void LogEverything() {
    class Discarding : public plog::IAppender {
    public:
        void write(const plog::Record& record) override {
            const plog::util::nchar* message = record.getMessage();
            sink_ += message != nullptr && message[0] != 0;
        }

    private:
        unsigned sink_ = 0;
    };
    static Discarding appender;
    kelvoSharedInitializeLogger(plog::verbose, &appender);
}

}  // namespace kelvo::fuzz
