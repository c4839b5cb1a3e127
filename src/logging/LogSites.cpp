#include "logging/LogSites.h"

#include <cstring>

#include <plog/Logger.h>
#include <plog/Record.h>

namespace kelvo::shared::smbios::logging {

namespace {

plog::Severity ToPlog(Severity severity) { return static_cast<plog::Severity>(severity); }

void Write(Severity severity, std::size_t line, const char* function, const char* message,
           const std::string* suffix) {
    plog::Record record(ToPlog(severity), function, line, "", nullptr, 0);
    record << message;
    if (suffix != nullptr) record << *suffix;
    *plog::get<0>() += record;
}

}  // namespace

bool Admits(Severity severity) {
    const auto* logger = plog::get<0>();
    return logger != nullptr && logger->checkSeverity(ToPlog(severity));
}

void LogMessage(Severity severity, std::size_t line, const char* function, const char* message) {
    if (!Admits(severity)) return;
    Write(severity, line, function, message, nullptr);
}

void LogFailure(Severity severity, std::size_t line, const char* function, const char* prefix,
                const kelvo::shared::error::Error& error) {
    if (!Admits(severity)) return;
    const std::string text = ErrorText(error);
    Write(severity, line, function, prefix, &text);
}

std::string ErrorText(const kelvo::shared::error::Error& error) {
    using kelvo::shared::error::Error;
    std::string text(static_cast<std::size_t>(Error::ToString(error, nullptr)), '-');
    Error::ToString(error, &text[0]);
    text.resize(std::strlen(text.c_str()));
    return text;
}

}  // namespace kelvo::shared::smbios::logging
