#include "Records.h"

#include <cstdint>
#include <type_traits>

#include <smbios/RecordFields.h>

#include "common/TableView.h"

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

// The handles from the baseboard's offset 0Fh on. The record only points into the table and
// gives the structure's count, which need not fit: only handles inside the structure's Length
// and inside the table are read, through the bounded reader over the table the tool holds.
std::vector<std::uint64_t> ContainedHandles(const TypeBaseboard& board, const RawTable* raw) {
    std::vector<std::uint64_t> handles;
    const auto* first = reinterpret_cast<const std::uint8_t*>(board.ContainedObjectHandles);
    if (first == nullptr || raw == nullptr) return handles;
    const kelvo::shared::smbios::pimpl::TableView table(raw->data(), raw->size());
    // Where the pointer lies in the table; a pointer outside it gives no offset that maps back.
    const std::uint64_t at =
        reinterpret_cast<std::uintptr_t>(first) - reinterpret_cast<std::uintptr_t>(raw->data());
    if (table.Address(at) != first || at < 0x0F) return handles;
    const std::uint8_t length = table.U8(at - 0x0F + 1);
    for (unsigned i = 0; i < board.NumberOfContainedObjectHandles; ++i) {
        if (0x0F + 2 * i + 2 > length || !table.Contains(at + 2 * i, 2)) break;
        handles.push_back(table.U16(at + 2 * i));
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
    const RawTable* raw;

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
        out.Numbers(f.name, ContainedHandles(b, raw), 4);
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
void AddRecord(Report& report, const Record& record, const RawTable* raw) {
    using Layout = fields::Layout<Record>;
    report.sections.push_back(
        {Layout::name,
         std::string(Layout::title) + " (type " + std::to_string(Layout::type) + ")",
         {}});
    Fields out(report.sections.back());
    const Lister list{out, raw};
    fields::ForEachBlock<Record>([&](auto block) {
        out.Block(block.name);
        const auto& b = fields::Access(record, block);
        using Block = std::remove_const_t<std::remove_reference_t<decltype(b)>>;
        fields::ForEachField<Block>([&](const auto& f) { list(b, f); });
    });
}

}  // namespace

void DescribeTable(Report& report, const RawTable& raw) {
    const kelvo::shared::smbios::pimpl::TableView header(raw.data(), raw.size());
    if (!header.Contains(0, kRawHeaderSize)) return;
    report.hasTable = true;
    report.major = header.U8(1);
    report.minor = header.U8(2);
    report.dmiRevision = header.U8(3);
    report.length = raw.size() - kRawHeaderSize;
}

Report Describe(const SMBiosInfo& info, const RawTable* raw) {
    Report report{};
    const int version = static_cast<int>(info.GetSMBiosVersion());
    if (version != 0) {
        report.version = std::to_string(version >> 8) + "." + std::to_string(version & 0xFF);
    }
    if (raw != nullptr) DescribeTable(report, *raw);
    if (const kelvo::shared::error::Error& error = info.GetError()) {
        std::vector<char> text(kelvo::shared::error::Error::ToString(error, nullptr) + 1u);
        kelvo::shared::error::Error::ToString(error, text.data());
        report.error = text.data();
    }

    AddRecord(report, info.GetTypeBios(), raw);
    AddRecord(report, info.GetTypeSysInfo(), raw);
    AddRecord(report, info.GetTypeBaseboard(), raw);
    AddRecord(report, info.GetTypeSystemEnclosure(), raw);
    AddRecord(report, info.GetTypeProcessor(), raw);
    AddRecord(report, info.GetSystemSlot(), raw);
    AddRecord(report, info.GetTypeOemStrings(), raw);
    AddRecord(report, info.GetTypePhysicalMemory(), raw);
    AddRecord(report, info.GetTypeMemoryDevice(), raw);
    return report;
}

}  // namespace kelvo::smbios_tool
