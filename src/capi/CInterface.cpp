// The exported C functions. Each one guards its work so that no exception leaves it, checks its
// arguments before touching them, and answers with a status.
#include <smbios/kelvo_smbios.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "capi/Calls.h"
#include "capi/Handle.h"
#include "source/TableSource.h"

namespace {

using kelvo::shared::error::Error;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::capi::Fits;
using kelvo::shared::smbios::capi::Guarded;
using kelvo::shared::smbios::capi::OwnedBytesReader;
using kelvo::shared::smbios::capi::RawStructure;
using kelvo::shared::smbios::capi::Store;

// ksmbios_table_info grew by the written version at its end: a caller's struct_size says whether
// it has those members.
constexpr std::size_t kFirstTableInfoSize = offsetof(ksmbios_table_info, written_major_version);

// The C++ interface's parse (over the handle's reader, or the default reader when
// `useDefaultReader`).
void MakeInfo(ksmbios_table& handle, bool useDefaultReader) {
    ksmbios_table* table = &handle;
    if (useDefaultReader) {
        table->info = std::make_unique<SMBiosInfo>();
    } else {
        table->reader = std::make_unique<OwnedBytesReader>(table->raw);
        table->info = std::make_unique<SMBiosInfo>(table->reader.get());
    }
    const Error& error = table->info->GetError();
    const int size = Error::ToString(error, nullptr);
    if (size > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
        Error::ToString(error, buffer.data());
        table->errorText = buffer.data();
    }
}

// The C++ interface's parse, made on first use for a handle opened for its structures only.
const SMBiosInfo& Info(const ksmbios_table* table) {
    if (!table->info) MakeInfo(*const_cast<ksmbios_table*>(table), false);
    return *table->info;
}

// Finishes a handle whose raw bytes are in place: the C++ interface's parse and the table as it
// is.
ksmbios_status Open(std::unique_ptr<ksmbios_table> table, bool useDefaultReader,
                    ksmbios_table** out) {
    return kelvo::shared::smbios::capi::OpenHandle(std::move(table), useDefaultReader, false, out);
}

const RawStructure* StructureAt(const ksmbios_table* table, std::size_t index) {
    return index < table->view.structures.size() ? &table->view.structures[index] : nullptr;
}

}  // namespace

namespace kelvo::shared::smbios::capi {

ksmbios_status OpenHandle(std::unique_ptr<ksmbios_table> table, bool useDefaultReader,
                          bool structuresOnly, ksmbios_table** out) {
    if (!structuresOnly) MakeInfo(*table, useDefaultReader);
    ReadRawView(table->raw, table->view, !structuresOnly);
    *out = table.release();
    return KSMBIOS_OK;
}

}  // namespace kelvo::shared::smbios::capi

extern "C" {

const char* ksmbios_status_text(ksmbios_status status) {
    switch (status) {
        case KSMBIOS_OK:
            return "success";
        case KSMBIOS_INVALID_ARGUMENT:
            return "invalid argument: a null handle or pointer, or a value out of its range";
        case KSMBIOS_STRUCT_TOO_SMALL:
            return "the caller's structure is smaller than this library's version of it";
        case KSMBIOS_FILE_UNREADABLE:
            return "the table file cannot be opened or read";
        case KSMBIOS_NOT_A_TABLE:
            return "not an SMBIOS table: no readable header, or a major version below 2";
        case KSMBIOS_OUT_OF_MEMORY:
            return "out of memory";
        case KSMBIOS_OUT_OF_RANGE:
            return "no structure or string with that index or number";
        case KSMBIOS_LOGGER_ALREADY_SET:
            return "the library's logger was already set up";
        case KSMBIOS_INTERNAL_ERROR:
            return "unexpected internal failure";
        default:
            return "unknown status";
    }
}

ksmbios_status ksmbios_open_machine(ksmbios_table** out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *out = nullptr;
    return Guarded([&] {
        auto table = std::make_unique<ksmbios_table>();
        std::string systemText;
        // A failed read is left to SMBiosInfo's own reader, so that its Error is the one a C++
        // host would get.
        const bool read =
            kelvo::shared::smbios::source::ReadLiveTable(table->raw, systemText, &table->source);
        if (!read) table->raw.clear();
        return Open(std::move(table), !read, out);
    });
}

ksmbios_status ksmbios_open_bytes(const uint8_t* data, size_t size, ksmbios_table** out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *out = nullptr;
    if (data == nullptr && size != 0) return KSMBIOS_INVALID_ARGUMENT;
    return Guarded([&] {
        auto table = std::make_unique<ksmbios_table>();
        if (size != 0) table->raw.assign(data, data + size);
        return Open(std::move(table), false, out);
    });
}

ksmbios_status ksmbios_open_file(const char* path, ksmbios_table** out) {
    if (out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *out = nullptr;
    if (path == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    return Guarded([&] {
        using kelvo::shared::smbios::source::SourceFault;
        auto table = std::make_unique<ksmbios_table>();
        SourceFault fault = SourceFault::None;
        std::string errorText;
        if (!kelvo::shared::smbios::source::ReadTableFile(path, table->raw, fault, errorText, 0,
                                                          &table->source)) {
            return fault == SourceFault::NotATable ? KSMBIOS_NOT_A_TABLE : KSMBIOS_FILE_UNREADABLE;
        }
        return Open(std::move(table), false, out);
    });
}

void ksmbios_close(ksmbios_table* table) { delete table; }

ksmbios_status ksmbios_get_error(const ksmbios_table* table, ksmbios_error* out) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    const Error& error = Info(table).GetError();
    ksmbios_error value{};
    value.failed = static_cast<bool>(error) ? 1 : 0;
    value.category = static_cast<int32_t>(error.Category());
    value.code = error.Code();
    value.message = error.Message();
    value.type_name = error.TypeName();
    value.component = error.Component();
    value.text = table->errorText.c_str();
    Store(out, value);
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_accepted_version(const ksmbios_table* table, int32_t* version) {
    if (table == nullptr || version == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    *version = static_cast<int32_t>(Info(table).GetSMBiosVersion());
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_records(const ksmbios_table* table, ksmbios_records* out) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    // The C records mirror the C++ ones member for member (RecordMirror.cpp).
    const SMBiosInfo& info = Info(table);
    ksmbios_records value{};
    value.bios = reinterpret_cast<const ksmbios_bios*>(&info.GetTypeBios());
    value.system = reinterpret_cast<const ksmbios_system*>(&info.GetTypeSysInfo());
    value.baseboard = reinterpret_cast<const ksmbios_baseboard*>(&info.GetTypeBaseboard());
    value.enclosure = reinterpret_cast<const ksmbios_enclosure*>(&info.GetTypeSystemEnclosure());
    value.processor = reinterpret_cast<const ksmbios_processor*>(&info.GetTypeProcessor());
    value.slot = reinterpret_cast<const ksmbios_slot*>(&info.GetSystemSlot());
    value.memory_array =
        reinterpret_cast<const ksmbios_memory_array*>(&info.GetTypePhysicalMemory());
    value.memory_device =
        reinterpret_cast<const ksmbios_memory_device*>(&info.GetTypeMemoryDevice());
    value.oem_strings = reinterpret_cast<const ksmbios_oem_strings*>(&info.GetTypeOemStrings());
    Store(out, value);
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_table_info(const ksmbios_table* table, ksmbios_table_info* out) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (out->struct_size < kFirstTableInfoSize) return KSMBIOS_STRUCT_TOO_SMALL;
    const auto& view = table->view;
    if (!view.readable) return KSMBIOS_NOT_A_TABLE;
    ksmbios_table_info value{};
    value.calling_method = view.callingMethod;
    value.major_version = view.major;
    value.minor_version = view.minor;
    value.dmi_revision = view.dmiRevision;
    value.length = view.length;
    value.walked_length = view.walkedLength;
    value.structure_count = view.structures.size();
    value.written_major_version = view.writtenMajor;
    value.written_minor_version = view.writtenMinor;
    value.struct_size = out->struct_size;
    std::memcpy(out, &value, std::min<std::size_t>(out->struct_size, sizeof value));
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_structure(const ksmbios_table* table, size_t index,
                                     ksmbios_structure* out) {
    if (table == nullptr || out == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!Fits(out)) return KSMBIOS_STRUCT_TOO_SMALL;
    if (!table->view.readable) return KSMBIOS_NOT_A_TABLE;
    const RawStructure* structure = StructureAt(table, index);
    if (structure == nullptr) return KSMBIOS_OUT_OF_RANGE;
    ksmbios_structure value{};
    value.type = structure->type;
    value.length = structure->length;
    value.handle = structure->handle;
    value.offset = structure->offset;
    value.formatted = table->raw.data() + 8 + structure->offset;
    value.formatted_size = static_cast<size_t>(structure->formattedSize);
    value.string_count = structure->strings.size();
    value.record = structure->record;
    Store(out, value);
    return KSMBIOS_OK;
}

ksmbios_status ksmbios_get_string(const ksmbios_table* table, size_t index, uint8_t number,
                                  const char** text, size_t* length) {
    if (table == nullptr || text == nullptr) return KSMBIOS_INVALID_ARGUMENT;
    if (!table->view.readable) return KSMBIOS_NOT_A_TABLE;
    const RawStructure* structure = StructureAt(table, index);
    if (structure == nullptr || number == 0 || number > structure->strings.size()) {
        return KSMBIOS_OUT_OF_RANGE;
    }
    const std::string& string = structure->strings[number - 1u];
    *text = string.c_str();
    if (length != nullptr) *length = string.size();
    return KSMBIOS_OK;
}

}  // extern "C"
