#pragma once

#include <cstddef>
#include <string>

#include <kelvo/error/Error.h>
#include <smbios/TypeBios.h>
#include <smbios/TypeOemStrings.h>
#include <smbios/TypeSysInfo.h>

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

// Writes a debug record: `prefix` followed by the record's one-line text form. The text is
// rendered only when the logger admits debug records.
void LogParsed(std::size_t line, const char* function, const char* prefix, const TypeBios& record);
void LogParsed(std::size_t line, const char* function, const char* prefix,
               const TypeSysInfo& record);
void LogParsed(std::size_t line, const char* function, const char* prefix,
               const TypeOemStrings& record);

}  // namespace kelvo::shared::smbios::logging
