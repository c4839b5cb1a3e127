#pragma once

#include <plog/Appenders/IAppender.h>

namespace kelvo::smbios_tool {

// Prints each of the library's log records as one line on stderr: severity, component (the
// library's module file name), function and message.
class ConsoleAppender : public plog::IAppender {
public:
    void write(const plog::Record& record) override;
};

}  // namespace kelvo::smbios_tool
