#pragma once

#include <cstddef>
#include <string>

#include <iosfwd>

#include <kelvo/error/Error.h>

namespace kelvo::shared::smbios::logging {

// The severities the library writes, with plog's values.
enum class Severity { Error = 2, Warning = 3, Debug = 5 };

// True when the library's logger exists and lets records of `severity` through. Every log
// site asks this first and builds nothing when it answers false.
bool Admits(Severity severity);

// Writes one record with a fixed function text and line and an empty file text.
void LogMessage(Severity severity, std::size_t line, const char* function, const char* message);

// Writes one record whose message is `prefix` followed by the error's text.
void LogFailure(Severity severity, std::size_t line, const char* function, const char* prefix,
                const kelvo::shared::error::Error& error);

// Writes `subject`'s text form into a stream.
using Render = void (*)(std::ostream& os, const void* subject);

// Writes a debug record: `prefix` followed by the text that `render` writes of `subject`. The
// text is rendered only when the logger admits debug records, and before the record is handed
// on, so that a renderer's own warning record arrives first.
void LogParsed(std::size_t line, const char* function, const char* prefix, Render render,
               const void* subject);

}  // namespace kelvo::shared::smbios::logging
