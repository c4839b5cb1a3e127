#include "logging/LogSites.h"

#include <cstring>
#include <sstream>

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

// The error's text as its ToString gives it, up to the first NUL.
std::string ErrorText(const kelvo::shared::error::Error& error) {
    using kelvo::shared::error::Error;
    std::string text(static_cast<std::size_t>(Error::ToString(error, nullptr)), '-');
    Error::ToString(error, &text[0]);
    text.resize(std::strlen(text.c_str()));
    return text;
}

}  // namespace

void LogParsed(std::size_t line, const char* function, const char* prefix, Render render,
               const void* subject) {
    if (!Admits(Severity::Debug)) return;
    plog::Record record(plog::debug, function, line, "", nullptr, 0);
    record << prefix;
    std::ostringstream text;
    render(text, subject);
    record << text.str();
    *plog::get<0>() += record;
}

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

}  // namespace kelvo::shared::smbios::logging
