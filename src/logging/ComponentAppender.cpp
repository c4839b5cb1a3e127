#include "logging/ComponentAppender.h"

#include <plog/Logger.h>
#include <smbios/Logger.h>

#include "platform/ModuleName.h"

namespace kelvo::shared::common::logger {

ComponentAppender::ComponentAppender(const std::wstring& componentName,
                                     plog::IAppender* hostAppender)
    : componentName(componentName), hostAppender(hostAppender) {}

void ComponentAppender::write(const plog::Record& record) {
    plog::Record forwarded(record.getSeverity(), record.getFunc(), record.getLine(),
                           record.getFile(), componentName.c_str(), record.getInstanceId());
    const plog::util::nchar* message = record.getMessage();
    if (message != nullptr) {
        forwarded << message;
    } else {
        forwarded << "(null)";
    }
    hostAppender->write(forwarded);
}

const std::wstring& GetComponentName() {
    static const std::wstring name = kelvo::shared::smbios::platform::LibraryFileName();
    return name;
}

}  // namespace kelvo::shared::common::logger

extern "C" void kelvoSharedInitializeLogger(plog::Severity maxSeverity, plog::IAppender* appender) {
    using kelvo::shared::common::logger::ComponentAppender;
    using kelvo::shared::common::logger::GetComponentName;
    // Made by the first call only, in this order, and destroyed in reverse at unload: the
    // logger goes first, so plog's default instance is null again before the rest.
    static ComponentAppender componentAppender(GetComponentName(), appender);
    static plog::Logger<0> logger(maxSeverity);
    logger.addAppender(&componentAppender);
}
