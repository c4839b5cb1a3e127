#pragma once

// Minimal plog-compatible declarations: only what kelvo-shared-smbios, its tests and its
// tools use, under plog's own names and with plog's behaviour. A real plog 1.1.x replaces
// this folder unchanged.

namespace plog {

// A fixed underlying type makes every 32-bit value valid: hosts may pass severities outside
// 0 to 6, which compare as the signed numbers they are.
enum Severity : int {
    none = 0,
    fatal = 1,
    error = 2,
    warning = 3,
    info = 4,
    debug = 5,
    verbose = 6
};

inline const char* severityToString(Severity severity) {
    switch (severity) {
        case fatal:
            return "FATAL";
        case error:
            return "ERROR";
        case warning:
            return "WARN";
        case info:
            return "INFO";
        case debug:
            return "DEBUG";
        case verbose:
            return "VERB";
        default:
            return "NONE";
    }
}

}  // namespace plog
