// Fuzz target: opens the input through the C interface, with the log callback at verbose, and
// reads every answer of both views: every record's every field and text, every structure's
// formatted bytes and strings. Checks what holds for any input.
#include <smbios/RecordFields.h>
#include <smbios/kelvo_smbios.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>

namespace {

using namespace kelvo::shared::smbios;

volatile std::uint64_t sink = 0;

void Require(bool condition) {
    if (!condition) std::abort();
}

void KSMBIOS_CALL Count(int32_t, const char* function, uint32_t, const char* message, void*) {
    sink = sink + std::strlen(function) + std::strlen(message);
}

// Reads every described member; the C record lies over the C++ one.
struct Reader {
    static void Text(const char* text) {
        Require(text != nullptr);
        sink = sink + std::strlen(text);
    }
    template <class B, class T>
    void operator()(const B& b, const fields::Number<B, T>& f) const {
        sink = sink + static_cast<std::uint64_t>(b.*f.member);
    }
    template <class B>
    void operator()(const B& b, const fields::String<B>& f) const {
        sink = sink + b.*f.number;
        Text(b.*f.text);
    }
    template <class B, std::size_t N>
    void operator()(const B& b, const fields::Bytes<B, N>& f) const {
        for (std::uint8_t byte : b.*f.member) sink = sink + byte;
    }
    template <class B>
    void operator()(const B& b, const fields::Text<B>& f) const {
        Text(b.*f.text);
    }
    template <class B, class T>
    void operator()(const B& b, const fields::Kept<B, T>& f) const {
        if constexpr (std::is_pointer_v<T>) {
            sink = sink + (b.*f.member != nullptr);
        } else {
            sink = sink + static_cast<std::uint64_t>(b.*f.member);
        }
    }
    template <class B, class T>
    void operator()(const B& b, const fields::Owned<B, T>& f) const {
        sink = sink + (b.*f.member != nullptr);
    }
};

void ReadRecord(int type, const void* record) {
    Require(record != nullptr);
    bool known = false;
    fields::ForEachRecord([&](auto* kind) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(kind)>>;
        if (fields::Layout<R>::type != type) return;
        known = true;
        const R& r = *static_cast<const R*>(record);
        fields::ForEachRecordField<R>(
            [&](auto block, const auto& f) { Reader{}(fields::Access(r, block), f); });
    });
    Require(known);
    if (type == 11) {
        const auto* r = static_cast<const ksmbios_oem_strings*>(record);
        for (std::int32_t i = 0; r->Strings != nullptr && i < r->StringsSize; ++i)
            sink = sink + static_cast<unsigned char>(r->Strings[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Require(ksmbios_set_log_callback(KSMBIOS_LOG_VERBOSE, Count, nullptr) == KSMBIOS_OK);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size heap copy, so that AddressSanitizer catches a read past the end.
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);
    if (size != 0) std::memcpy(copy.get(), data, size);
    ksmbios_table* table = nullptr;
    Require(ksmbios_open_bytes(copy.get(), size, &table) == KSMBIOS_OK);

    ksmbios_error error{};
    error.struct_size = sizeof error;
    Require(ksmbios_get_error(table, &error) == KSMBIOS_OK);
    sink = sink + std::strlen(error.message) + std::strlen(error.text);
    ksmbios_records records{};
    records.struct_size = sizeof records;
    Require(ksmbios_get_records(table, &records) == KSMBIOS_OK);
    ReadRecord(0, records.bios);
    ReadRecord(1, records.system);
    ReadRecord(2, records.baseboard);
    ReadRecord(3, records.enclosure);
    ReadRecord(4, records.processor);
    ReadRecord(9, records.slot);
    ReadRecord(11, records.oem_strings);
    ReadRecord(16, records.memory_array);
    ReadRecord(17, records.memory_device);

    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    const ksmbios_status status = ksmbios_get_table_info(table, &info);
    // The table view reads every input whose header is there with a major version of 2 or more.
    Require(status == (size >= 8 && data[1] >= 2 ? KSMBIOS_OK : KSMBIOS_NOT_A_TABLE));
    if (status == KSMBIOS_OK) Require(info.walked_length <= size - 8);
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure s{};
        s.struct_size = sizeof s;
        Require(ksmbios_get_structure(table, i, &s) == KSMBIOS_OK);
        Require(s.offset + s.formatted_size <= info.walked_length);
        Require(s.formatted_size <= s.length);
        for (std::size_t b = 0; b < s.formatted_size; ++b) sink = sink + s.formatted[b];
        for (std::size_t n = 1; n <= s.string_count && n < 256; ++n) {
            const char* text = nullptr;
            std::size_t length = 0;
            Require(ksmbios_get_string(table, i, static_cast<std::uint8_t>(n), &text, &length) ==
                    KSMBIOS_OK);
            Require(length > 0 && std::strlen(text) == length);
        }
        if (s.type == 0 || s.type == 1 || s.type == 2 || s.type == 3 || s.type == 4 ||
            s.type == 9 || s.type == 11 || s.type == 16 || s.type == 17) {
            ReadRecord(s.type, s.record);
        } else {
            Require(s.record == nullptr);
        }
    }
    ksmbios_close(table);
    return 0;
}
