// The C calls about a table's source: opening a file with options, the source's format and the
// raw bytes.
#include <smbios/kelvo_smbios_source.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "capi/Handle.h"
#include "source/TableSource.h"

namespace {

using kelvo::shared::smbios::source::SourceFault;
using kelvo::shared::smbios::source::SourceFormat;

static_assert(static_cast<int>(SourceFormat::Machine) == KSMBIOS_SOURCE_MACHINE &&
              static_cast<int>(SourceFormat::Bare) == KSMBIOS_SOURCE_BARE &&
              static_cast<int>(SourceFormat::MemoryImage) == KSMBIOS_SOURCE_MEMORY_IMAGE);

// ksmbios_source grew by members at its end, so a caller's struct_size says which of them it has:
// the first three always, and then each member that lies wholly inside it.
constexpr std::size_t kFirstSourceSize = offsetof(ksmbios_source, stopped_early);
constexpr std::size_t kStoppedEarlyEnd = kFirstSourceSize + sizeof(int32_t);
constexpr std::size_t kWarningEnd = offsetof(ksmbios_source, warning) + sizeof(const char*);

void PutText(const ksmbios_open_options* options, const std::string& text) {
    if (options == nullptr || options->error_text == nullptr || options->error_size == 0) return;
    const std::size_t count = std::min(text.size(), options->error_size - 1);
    std::memcpy(options->error_text, text.data(), count);
    options->error_text[count] = '\0';
}

}  // namespace

extern "C" {

ksmbios_status ksmbios_open_file_with(const char* path, const ksmbios_open_options* options,
                                      ksmbios_table** out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *out = nullptr;
    if (path == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (options != nullptr && options->struct_size < sizeof(ksmbios_open_options)) {
        return KSMBIOS_STRUCT_TOO_SMALL;
    }
    const std::int32_t version = options != nullptr ? options->bare_version : 0;
    if (version < 0 || version > 0xFFFF) return KSMBIOS_INVALID_ARGUMENT;
    PutText(options, "");
    try {
        std::vector<std::uint8_t> raw;
        SourceFault fault = SourceFault::None;
        std::string errorText;
        kelvo::shared::smbios::source::SourceInfo info;
        if (!kelvo::shared::smbios::source::ReadTableFile(
                path, raw, fault, errorText, static_cast<std::uint16_t>(version), &info)) {
            PutText(options, errorText);
            return fault == SourceFault::NotATable ? KSMBIOS_NOT_A_TABLE : KSMBIOS_FILE_UNREADABLE;
        }
        auto table = std::make_unique<ksmbios_table>();
        table->raw = std::move(raw);
        table->source = info;
        const bool structuresOnly =
            options != nullptr && (options->flags & KSMBIOS_OPEN_STRUCTURES_ONLY) != 0;
        return kelvo::shared::smbios::capi::OpenHandle(std::move(table), false, structuresOnly,
                                                       out);
    } catch (const std::bad_alloc&) {
        return KSMBIOS_OUT_OF_MEMORY;
    } catch (...) {
        return KSMBIOS_INTERNAL_ERROR;
    }
}

ksmbios_status ksmbios_get_source(const ksmbios_table* table, ksmbios_source* out) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (out->struct_size < kFirstSourceSize) return KSMBIOS_STRUCT_TOO_SMALL;
    out->format = static_cast<int32_t>(table->source.format);
    out->version_inferred = table->source.versionInferred ? 1 : 0;
    if (out->struct_size >= kStoppedEarlyEnd) {
        out->stopped_early = table->source.warning.empty() ? 0 : 1;
    }
    if (out->struct_size >= kWarningEnd) out->warning = table->source.warning.c_str();
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_raw(const ksmbios_table* table, const uint8_t** data, size_t* size) {
    if (table == nullptr || data == nullptr || size == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *data = table->raw.empty() ? nullptr : table->raw.data();
    *size = table->raw.size();
    return KSMBIOS_OK;
}

}  // extern "C"
