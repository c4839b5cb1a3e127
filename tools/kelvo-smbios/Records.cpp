#include "Records.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include <smbios/RecordFields.h>
#include <smbios/kelvo_smbios_fields.h>
#include <smbios/kelvo_smbios_source.h>

namespace kelvo::smbios_tool {

namespace {

using namespace kelvo::shared::smbios;

// Appends a record's members to a section, in the record's declaration order.
class Fields {
public:
    explicit Fields(Section& section) : fields_(section.fields) {}

    // Later members belong to the version block `name`.
    Fields& Block(const char* name) {
        block_ = name;
        return *this;
    }
    Fields& Dec(const char* name, std::uint64_t value) {
        return Add({block_, name, Field::Kind::Number, 0, value, {}, {}, {}});
    }
    // A member that the SMBIOS tables give in hex: handles, flags and enumerations.
    template <class T>
    Fields& Hex(const char* name, T value) {
        return Add({block_,
                    name,
                    Field::Kind::Number,
                    static_cast<int>(2 * sizeof(T)),
                    value,
                    {},
                    {},
                    {}});
    }
    Fields& Text(const char* name, const char* value) {
        return Add({block_, name, Field::Kind::Text, 0, 0, value ? value : "", {}, {}});
    }
    // A string member: its string number, then its text.
    Fields& Str(const char* name, std::uint8_t number, const char* value) {
        return Dec((std::string(name) + "StringNumber").c_str(), number).Text(name, value);
    }
    Fields& Bytes(const char* name, const std::uint8_t* bytes, std::size_t count) {
        return Numbers(name, std::vector<std::uint64_t>(bytes, bytes + count), 2);
    }
    Fields& Numbers(const char* name, std::vector<std::uint64_t> values, int hexDigits) {
        return Add({block_, name, Field::Kind::Numbers, hexDigits, 0, {}, std::move(values), {}});
    }
    Fields& Texts(const char* name, std::vector<std::string> values) {
        return Add({block_, name, Field::Kind::Texts, 0, 0, {}, {}, std::move(values)});
    }

private:
    Fields& Add(Field field) {
        fields_.push_back(std::move(field));
        return *this;
    }

    std::vector<Field>& fields_;
    std::string block_;
};

// The handles from the baseboard's offset 0Fh on. The record only points into the table: the
// structure it points into is found by address among the table's type-2 structures, and its
// handles are the library's field of them (none when its Length cuts the list short).
std::vector<std::uint64_t> ContainedHandles(const TypeBaseboard& board,
                                            const ksmbios_table* table) {
    std::vector<std::uint64_t> handles;
    const auto first = reinterpret_cast<std::uintptr_t>(board.ContainedObjectHandles);
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    if (first == 0 || table == nullptr || ksmbios_get_table_info(table, &info) != KSMBIOS_OK) {
        return handles;
    }
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        ksmbios_structure structure{};
        structure.struct_size = sizeof structure;
        ksmbios_get_structure(table, i, &structure);
        if (structure.type != 2 ||
            reinterpret_cast<std::uintptr_t>(structure.formatted) + 0x0F != first) {
            continue;
        }
        std::size_t count = 0;
        ksmbios_get_field_count(table, i, &count);
        for (std::size_t f = 0; f < count; ++f) {
            ksmbios_field field{};
            field.struct_size = sizeof field;
            if (ksmbios_get_field(table, i, f, &field) != KSMBIOS_OK ||
                std::strcmp(field.key, "baseboard.contained_object_handles") != 0) {
                continue;
            }
            for (std::size_t item = 0; item < field.item_count; ++item)
                handles.push_back(std::strtoull(field.items[item], nullptr, 16));
        }
    }
    return handles;
}

std::vector<std::string> OemStrings(const TypeOemStrings& oem) {
    std::vector<char*> copies(oem.Count + 1u, nullptr);
    const std::uint64_t count = oem.GetOemStrings(copies.data());
    std::vector<std::string> texts;
    if (count > oem.Count) return texts;  // refused: there is no string area
    for (std::uint64_t i = 0; i < count; ++i) {
        texts.emplace_back(copies[i]);
        delete[] copies[i];
    }
    return texts;
}

// One field of a record, as its description says to show it.
struct Lister {
    Fields& out;
    const ksmbios_table* table;

    template <class B, class T>
    void operator()(const B& b, const fields::Number<B, T>& f) const {
        if (f.show == fields::Show::Hex) {
            out.Hex(f.name, b.*f.member);
        } else {
            out.Dec(f.name, b.*f.member);
        }
    }
    template <class B>
    void operator()(const B& b, const fields::String<B>& f) const {
        out.Str(f.name, b.*f.number, b.*f.text);
    }
    template <class B, std::size_t N>
    void operator()(const B& b, const fields::Bytes<B, N>& f) const {
        out.Bytes(f.name, b.*f.member, N);
    }
    template <class B>
    void operator()(const B& b, const fields::Text<B>& f) const {
        out.Text(f.name, b.*f.text);
    }
    void operator()(const TypeBaseboard& b,
                    const fields::Kept<TypeBaseboard, const std::uint16_t*>& f) const {
        out.Numbers(f.name, ContainedHandles(b, table), 4);
    }
    void operator()(const TypeOemStrings& b,
                    const fields::Kept<TypeOemStrings, std::int32_t>& f) const {
        out.Dec(f.name, static_cast<std::uint64_t>(b.*f.member));
    }
    void operator()(const TypeOemStrings& b, const fields::Owned<TypeOemStrings, char>& f) const {
        out.Texts(f.name, OemStrings(b));
    }
    void operator()(const TypeSystemEnclosure::SMBios_2_3& b,
                    const fields::Owned<TypeSystemEnclosure::SMBios_2_3, std::uint8_t>& f) const {
        const std::size_t size =
            b.*f.member ? std::size_t{b.ContainedElementCount} * b.ContainedElementRecordLength : 0;
        out.Bytes(f.name, b.*f.member, size);
    }
};

template <class Record>
void AddRecord(Report& report, const Record& record, const ksmbios_table* table) {
    using Layout = fields::Layout<Record>;
    report.sections.push_back(
        {Layout::name,
         std::string(Layout::title) + " (type " + std::to_string(Layout::type) + ")",
         {}});
    Fields out(report.sections.back());
    const Lister list{out, table};
    fields::ForEachBlock<Record>([&](auto block) {
        out.Block(block.name);
        const auto& b = fields::Access(record, block);
        using Block = std::remove_const_t<std::remove_reference_t<decltype(b)>>;
        fields::ForEachField<Block>([&](const auto& f) { list(b, f); });
    });
}

}  // namespace

void DescribeTable(Report& report, const ksmbios_table* table) {
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    const std::uint8_t* raw = nullptr;
    std::size_t size = 0;
    if (ksmbios_get_table_info(table, &info) != KSMBIOS_OK ||
        ksmbios_get_raw(table, &raw, &size) != KSMBIOS_OK) {
        return;
    }
    report.hasTable = true;
    // The header as the C++ interface reads it.
    report.major = info.written_major_version;
    report.minor = info.written_minor_version;
    report.dmiRevision = info.dmi_revision;
    report.length = size - kRawHeaderSize;
}

Report Describe(const SMBiosInfo& info, const ksmbios_table* table) {
    Report report{};
    const int version = static_cast<int>(info.GetSMBiosVersion());
    if (version != 0) {
        report.version = std::to_string(version >> 8) + "." + std::to_string(version & 0xFF);
    }
    if (table != nullptr) DescribeTable(report, table);
    if (const kelvo::shared::error::Error& error = info.GetError()) {
        std::vector<char> text(kelvo::shared::error::Error::ToString(error, nullptr) + 1u);
        kelvo::shared::error::Error::ToString(error, text.data());
        report.error = text.data();
    }

    AddRecord(report, info.GetTypeBios(), table);
    AddRecord(report, info.GetTypeSysInfo(), table);
    AddRecord(report, info.GetTypeBaseboard(), table);
    AddRecord(report, info.GetTypeSystemEnclosure(), table);
    AddRecord(report, info.GetTypeProcessor(), table);
    AddRecord(report, info.GetSystemSlot(), table);
    AddRecord(report, info.GetTypeOemStrings(), table);
    AddRecord(report, info.GetTypePhysicalMemory(), table);
    AddRecord(report, info.GetTypeMemoryDevice(), table);
    return report;
}

}  // namespace kelvo::smbios_tool
