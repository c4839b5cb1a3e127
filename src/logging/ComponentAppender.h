#pragma once

#include <string>

#include <plog/Appenders/IAppender.h>

namespace kelvo::shared::common::logger {

// Hands every record on to the host's appender as a new record whose object is the library's
// component name, so the host can tell the library's records from its own.
class ComponentAppender : public plog::IAppender {
public:
    ComponentAppender(const std::wstring& componentName, plog::IAppender* hostAppender);
    void write(const plog::Record& record) override;

private:
    std::wstring componentName;
    plog::IAppender* hostAppender;  // the host's; never deleted here
};

// The library's module file name without its directory, or empty when it cannot be found.
// Made once per process.
const std::wstring& GetComponentName();

}  // namespace kelvo::shared::common::logger
