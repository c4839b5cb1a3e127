#pragma once

#include <plog/Severity.h>
#include <smbios/Export.h>

namespace plog {
class IAppender;
}

// Sets up the library's logger, once, before the library is used. Records up to `maxSeverity`
// reach `appender` with the library's module file name (a NUL-terminated wide string) as their
// object. Only the first call's severity and appender count; each later call makes every
// record arrive once more. `appender` must stay valid until the library is unloaded.
extern "C" KELVO_SMBIOS_API void kelvoSharedInitializeLogger(plog::Severity maxSeverity,
                                                             plog::IAppender* appender);
