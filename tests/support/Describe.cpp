#include "support/Describe.h"

#include <smbios/RecordFields.h>

#include <cstdint>
#include <sstream>
#include <type_traits>
#include <vector>

namespace kelvo::test {

namespace {

using namespace kelvo::shared::smbios;

struct Writer {
    std::ostringstream& out;
    int* nulls;

    void Text(const char* text) const {
        if (text == nullptr) {
            out << " (null)";
            if (nulls != nullptr) ++*nulls;
        } else {
            out << " \"" << text << '"';
        }
    }
    void Bytes(const std::uint8_t* bytes, std::size_t count) const {
        for (std::size_t i = 0; i < count; ++i) out << ' ' << unsigned{bytes[i]};
    }

    template <class B, class T>
    void operator()(const B& b, const fields::Number<B, T>& f) const {
        out << ' ' << std::uint64_t{b.*f.member};
    }
    template <class B>
    void operator()(const B& b, const fields::String<B>& f) const {
        out << ' ' << unsigned{b.*f.number};
        Text(b.*f.text);
    }
    template <class B, std::size_t N>
    void operator()(const B& b, const fields::Bytes<B, N>& f) const {
        Bytes(b.*f.member, N);
    }
    template <class B>
    void operator()(const B& b, const fields::Text<B>& f) const {
        Text(b.*f.text);
    }
    // Where the handles lie differs between copies; that there are some does not.
    template <class B, class T>
    void operator()(const B& b, const fields::Kept<B, T>& f) const {
        if constexpr (std::is_pointer_v<T>) {
            out << ' ' << (b.*f.member != nullptr);
        } else {
            out << ' ' << b.*f.member;
        }
    }
    void operator()(const TypeSystemEnclosure::SMBios_2_3& b,
                    const fields::Owned<TypeSystemEnclosure::SMBios_2_3, std::uint8_t>&) const {
        out << ' ' << (b.ContainedElements != nullptr);
        if (b.ContainedElements != nullptr) {
            Bytes(b.ContainedElements,
                  std::size_t{b.ContainedElementCount} * b.ContainedElementRecordLength);
        }
    }
    void operator()(const TypeOemStrings& b, const fields::Owned<TypeOemStrings, char>&) const {
        std::vector<char*> copies(b.Count + 1u, nullptr);
        const std::uint64_t count = b.GetOemStrings(copies.data());
        out << ' ' << count;
        if (count > b.Count) return;  // refused: nothing written
        for (std::uint64_t i = 0; i < count; ++i) {
            Text(copies[i]);
            delete[] copies[i];
        }
    }
};

}  // namespace

std::string Describe(const SMBiosInfo& info, int* nullStrings) {
    std::ostringstream out;
    const Writer write{out, nullStrings};
    out << "version: " << static_cast<int>(info.GetSMBiosVersion());
    out << "\nerror: " << static_cast<int>(info.GetError().Category());
    write.Text(info.GetError().Message());
    fields::ForEachRecord([&](auto* type) {
        using R = std::remove_const_t<std::remove_pointer_t<decltype(type)>>;
        out << '\n' << fields::Layout<R>::name << ':';
        fields::ForEachRecordField<R>(
            [&](auto block, const auto& f) { write(fields::Access(RecordOf<R>(info), block), f); });
    });
    return out.str();
}

}  // namespace kelvo::test
