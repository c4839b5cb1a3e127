// kelvo-shared-smbios: a header-only C++17 face over the C interface (kelvo_smbios.h).
//
// It crosses only the C interface, so it works with any compiler whatever the library was built
// with (MSVC or clang-cl against the mingw-built DLL, for example). Nothing here throws or
// allocates: failures come back as ksmbios::Status values, texts as std::string_view into the
// handle, valid while the Table lives.
#pragma once

#include <smbios/kelvo_smbios.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace ksmbios {

// A call's outcome; converts to true on success.
class Status {
public:
    constexpr Status(ksmbios_status code = KSMBIOS_OK) : code_(code) {}
    constexpr ksmbios_status Code() const { return code_; }
    constexpr explicit operator bool() const { return code_ == KSMBIOS_OK; }
    std::string_view Text() const { return ksmbios_status_text(code_); }

private:
    ksmbios_status code_;
};

// The structure type that each record describes.
template <class Record>
struct RecordType;
template <>
struct RecordType<ksmbios_bios> {
    static constexpr std::uint8_t value = 0;
};
template <>
struct RecordType<ksmbios_system> {
    static constexpr std::uint8_t value = 1;
};
template <>
struct RecordType<ksmbios_baseboard> {
    static constexpr std::uint8_t value = 2;
};
template <>
struct RecordType<ksmbios_enclosure> {
    static constexpr std::uint8_t value = 3;
};
template <>
struct RecordType<ksmbios_processor> {
    static constexpr std::uint8_t value = 4;
};
template <>
struct RecordType<ksmbios_slot> {
    static constexpr std::uint8_t value = 9;
};
template <>
struct RecordType<ksmbios_oem_strings> {
    static constexpr std::uint8_t value = 11;
};
template <>
struct RecordType<ksmbios_memory_array> {
    static constexpr std::uint8_t value = 16;
};
template <>
struct RecordType<ksmbios_memory_device> {
    static constexpr std::uint8_t value = 17;
};

// SMBiosInfo's outcome of construction.
struct Error {
    bool failed = false;
    std::int32_t category = 0;
    std::int64_t code = 0;
    std::string_view message;
    std::string_view typeName;
    std::string_view component;
    std::string_view text;
};

// One structure of the table as it is.
class Structure {
public:
    Structure(const ksmbios_table* table, std::size_t index) : table_(table), index_(index) {
        info_.struct_size = sizeof info_;
        if (ksmbios_get_structure(table, index, &info_) != KSMBIOS_OK) info_ = ksmbios_structure{};
    }

    std::size_t Index() const { return index_; }
    std::uint8_t Type() const { return info_.type; }
    std::uint8_t Length() const { return info_.length; }
    std::uint16_t Handle() const { return info_.handle; }
    std::uint64_t Offset() const { return info_.offset; }
    // The header and formatted fields: Length bytes, fewer when the table ends first.
    const std::uint8_t* Formatted() const { return info_.formatted; }
    std::size_t FormattedSize() const { return info_.formatted_size; }
    std::size_t StringCount() const { return info_.string_count; }

    // String `number` (1 and up); empty for 0 or a number past the last string.
    std::string_view String(std::uint8_t number) const {
        const char* text = nullptr;
        std::size_t length = 0;
        if (ksmbios_get_string(table_, index_, number, &text, &length) != KSMBIOS_OK) return {};
        return std::string_view(text, length);
    }

    // The decoded record when this structure is of Record's type, else null.
    template <class Record>
    const Record* As() const {
        return info_.type == RecordType<Record>::value && info_.record != nullptr
                   ? static_cast<const Record*>(info_.record)
                   : nullptr;
    }

private:
    const ksmbios_table* table_;
    std::size_t index_;
    ksmbios_structure info_{};
};

// Every structure in table order, or those of one type (`type` below 0 means all).
class Structures {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Structure;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Structure;

        iterator(const Structures* range, std::size_t index) : range_(range), index_(index) {
            Settle();
        }
        Structure operator*() const { return Structure(range_->table_, index_); }
        iterator& operator++() {
            ++index_;
            Settle();
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return index_ == other.index_; }
        bool operator!=(const iterator& other) const { return index_ != other.index_; }

    private:
        // Moves on to the next structure of the range's type.
        void Settle() {
            while (index_ < range_->count_ && range_->type_ >= 0 &&
                   Structure(range_->table_, index_).Type() != range_->type_) {
                ++index_;
            }
        }

        const Structures* range_;
        std::size_t index_;
    };

    Structures(const ksmbios_table* table, std::size_t count, int type)
        : table_(table), count_(count), type_(type) {}
    iterator begin() const { return iterator(this, 0); }
    iterator end() const { return iterator(this, count_); }

private:
    const ksmbios_table* table_;
    std::size_t count_;
    int type_;
};

// The decoded records of one type, in table order.
template <class Record>
class Records {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Record;
        using difference_type = std::ptrdiff_t;
        using pointer = const Record*;
        using reference = const Record&;

        explicit iterator(Structures::iterator at) : at_(at) {}
        const Record& operator*() const { return *(*at_).template As<Record>(); }
        const Record* operator->() const { return (*at_).template As<Record>(); }
        iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }
        bool operator!=(const iterator& other) const { return at_ != other.at_; }

    private:
        Structures::iterator at_;
    };

    explicit Records(Structures structures) : structures_(structures) {}
    iterator begin() const { return iterator(structures_.begin()); }
    iterator end() const { return iterator(structures_.end()); }

private:
    Structures structures_;
};

// Owns one ksmbios_table handle.
class Table {
public:
    Table() = default;
    ~Table() { ksmbios_close(table_); }
    Table(Table&& other) noexcept : table_(other.table_) { other.table_ = nullptr; }
    Table& operator=(Table&& other) noexcept {
        if (this != &other) {
            ksmbios_close(table_);
            table_ = other.table_;
            other.table_ = nullptr;
        }
        return *this;
    }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // The running machine's table.
    Status OpenMachine() {
        ksmbios_table* fresh = nullptr;
        const ksmbios_status status = ksmbios_open_machine(&fresh);
        return Adopt(status, fresh);
    }
    // Bytes in the raw RSMB layout (copied).
    Status OpenBytes(const void* data, std::size_t size) {
        ksmbios_table* fresh = nullptr;
        const ksmbios_status status =
            ksmbios_open_bytes(static_cast<const std::uint8_t*>(data), size, &fresh);
        return Adopt(status, fresh);
    }
    // A raw, dmidecode --dump-bin or sysfs-folder table file; `path` is UTF-8.
    Status OpenFile(const char* path) {
        ksmbios_table* fresh = nullptr;
        const ksmbios_status status = ksmbios_open_file(path, &fresh);
        return Adopt(status, fresh);
    }

    explicit operator bool() const { return table_ != nullptr; }
    const ksmbios_table* get() const { return table_; }

    // ---- The C++ interface's view
    Error GetError() const {
        ksmbios_error error{};
        error.struct_size = sizeof error;
        if (ksmbios_get_error(table_, &error) != KSMBIOS_OK) return Error{};
        return Error{error.failed != 0, error.category,  error.code, error.message,
                     error.type_name,   error.component, error.text};
    }
    std::int32_t AcceptedVersion() const {
        std::int32_t version = 0;
        return ksmbios_get_accepted_version(table_, &version) == KSMBIOS_OK ? version : 0;
    }
    // Pointers to the nine records; all null when there is no handle.
    ksmbios_records LastRecords() const {
        ksmbios_records records{};
        records.struct_size = sizeof records;
        if (ksmbios_get_records(table_, &records) != KSMBIOS_OK) {
            records = ksmbios_records{};
            records.struct_size = sizeof records;
        }
        return records;
    }

    // ---- The table as it is
    // The raw header; zero when the table view cannot read the table (`status` tells why).
    ksmbios_table_info Info(Status* status = nullptr) const {
        ksmbios_table_info info{};
        info.struct_size = sizeof info;
        const Status outcome = ksmbios_get_table_info(table_, &info);
        if (status != nullptr) *status = outcome;
        if (!outcome) {
            info = ksmbios_table_info{};
            info.struct_size = sizeof info;
        }
        return info;
    }
    Structures AllStructures() const { return Structures(table_, Info().structure_count, -1); }
    Structures StructuresOfType(std::uint8_t type) const {
        return Structures(table_, Info().structure_count, type);
    }
    template <class Record>
    Records<Record> All() const {
        return Records<Record>(StructuresOfType(RecordType<Record>::value));
    }

private:
    // A failed open leaves the handle held so far as it was.
    Status Adopt(ksmbios_status status, ksmbios_table* fresh) {
        if (status == KSMBIOS_OK) {
            ksmbios_close(table_);
            table_ = fresh;
        }
        return status;
    }

    ksmbios_table* table_ = nullptr;
};

// Sets up the library's logging into `callback` (once per process).
inline Status SetLogCallback(std::int32_t maxSeverity, ksmbios_log_callback callback, void* user) {
    return ksmbios_set_log_callback(maxSeverity, callback, user);
}

}  // namespace ksmbios
