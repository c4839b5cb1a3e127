#pragma once

// The records' constructors, copies, assignments and destructors, written once over the field
// descriptions of <smbios/RecordFields.h>. Each record source defines its special members with
// KELVO_DESCRIBED_MEMBERS; only what a description cannot express (owned arrays whose size other
// fields give) is written by hand beside it.

#include <cstddef>
#include <type_traits>
#include <utility>

#include <smbios/RecordFields.h>

#include "decode/OwnedString.h"

namespace kelvo::shared::smbios::detail {

namespace ops {

using namespace fields;

// Default values: numbers 0, texts fresh empty strings, owned arrays none.
template <class B, class T>
void Init(B& b, const Number<B, T>& f) {
    b.*f.member = 0;
}
template <class B>
void Init(B& b, const String<B>& f) {
    b.*f.number = 0;
    b.*f.text = DuplicateString("");
}
template <class B, std::size_t N>
void Init(B& b, const Bytes<B, N>& f) {
    for (std::uint8_t& byte : b.*f.member) byte = 0;
}
template <class B>
void Init(B& b, const Text<B>& f) {
    b.*f.text = DuplicateString("");
}
template <class B, class T>
void Init(B& b, const Kept<B, T>& f) {
    b.*f.member = T{};
}
template <class B, class T>
void Init(B& b, const Owned<B, T>& f) {
    b.*f.member = nullptr;
}

// Copy construction: texts duplicated, string numbers that copies do not carry 0. Owned arrays
// are copied by the block's own code.
template <class B, class T>
void Copy(B& b, const B& o, const Number<B, T>& f) {
    b.*f.member = o.*f.member;
}
template <class B>
void Copy(B& b, const B& o, const String<B>& f) {
    b.*f.number = f.carried ? o.*f.number : 0;
    b.*f.text = DuplicateString(o.*f.text);
}
template <class B, std::size_t N>
void Copy(B& b, const B& o, const Bytes<B, N>& f) {
    for (std::size_t i = 0; i < N; ++i) (b.*f.member)[i] = (o.*f.member)[i];
}
template <class B>
void Copy(B& b, const B& o, const Text<B>& f) {
    b.*f.text = DuplicateString(o.*f.text);
}
template <class B, class T>
void Copy(B& b, const B& o, const Kept<B, T>& f) {
    b.*f.member = o.*f.member;
}
template <class B, class T>
void Copy(B&, const B&, const Owned<B, T>&) {}

// Assignment: each old text released for a duplicate, string numbers that copies do not carry
// left as the target has them.
template <class B, class T>
void Assign(B& b, const B& o, const Number<B, T>& f) {
    b.*f.member = o.*f.member;
}
template <class B>
void Assign(B& b, const B& o, const String<B>& f) {
    if (f.carried) b.*f.number = o.*f.number;
    AssignString(b.*f.text, o.*f.text);
}
template <class B, std::size_t N>
void Assign(B& b, const B& o, const Bytes<B, N>& f) {
    Copy(b, o, f);
}
template <class B>
void Assign(B& b, const B& o, const Text<B>& f) {
    AssignString(b.*f.text, o.*f.text);
}
template <class B, class T>
void Assign(B& b, const B& o, const Kept<B, T>& f) {
    b.*f.member = o.*f.member;
}
template <class B, class T>
void Assign(B&, const B&, const Owned<B, T>&) {}

// Destruction: texts and owned arrays released, their members null.
template <class B, class F>
void Release(B&, const F&) {}
template <class B>
void Release(B& b, const String<B>& f) {
    ReleaseString(b.*f.text);
}
template <class B>
void Release(B& b, const Text<B>& f) {
    ReleaseString(b.*f.text);
}
template <class B, class T>
void Release(B& b, const Owned<B, T>& f) {
    delete[](b.*f.member);
    b.*f.member = nullptr;
}

// What an assignment from a record about to be destroyed gives, without copying: texts and owned
// arrays change hands. A missing source text still becomes a fresh empty string, as a copy makes.
inline void TakeText(char*& target, char*& source) {
    std::swap(target, source);
    if (target == nullptr) target = DuplicateString("");
}
template <class B, class F>
void Take(B& b, B& o, const F& f) {
    Assign(b, o, f);
}
template <class B>
void Take(B& b, B& o, const String<B>& f) {
    if (f.carried) b.*f.number = o.*f.number;
    TakeText(b.*f.text, o.*f.text);
}
template <class B>
void Take(B& b, B& o, const Text<B>& f) {
    TakeText(b.*f.text, o.*f.text);
}
template <class B, class T>
void Take(B& b, B& o, const Owned<B, T>& f) {
    std::swap(b.*f.member, o.*f.member);
}

template <class T, class = void>
struct IsRecord : std::false_type {};
template <class T>
struct IsRecord<T, std::void_t<decltype(Layout<T>::blocks)>> : std::true_type {};

}  // namespace ops

template <class Block>
void InitFields(Block& b) {
    fields::ForEachField<Block>([&](const auto& f) { ops::Init(b, f); });
}
template <class Block>
void CopyFields(Block& b, const Block& o) {
    fields::ForEachField<Block>([&](const auto& f) { ops::Copy(b, o, f); });
}
template <class Block>
void AssignFields(Block& b, const Block& o) {
    fields::ForEachField<Block>([&](const auto& f) { ops::Assign(b, o, f); });
}
template <class Block>
void ReleaseFields(Block& b) {
    fields::ForEachField<Block>([&](const auto& f) { ops::Release(b, f); });
}

// Assigns a block, and for a record each of its version blocks after its own fields.
template <class Block>
void AssignAll(Block& b, const Block& o) {
    AssignFields(b, o);
    if constexpr (ops::IsRecord<Block>::value) {
        fields::ForEachBlock<Block>([&](auto block) {
            auto& to = fields::Access(b, block);
            if constexpr (!std::is_same_v<std::remove_reference_t<decltype(to)>, Block>) {
                to = fields::Access(o, block);
            }
        });
    }
}

// Does to `target` what `target = source` does, for a `source` that is destroyed next: the texts
// and arrays move instead of being copied.
template <class Record>
void TakeRecord(Record& target, Record& source) {
    fields::ForEachBlock<Record>([&](auto block) {
        auto& to = fields::Access(target, block);
        auto& from = fields::Access(source, block);
        using Block = std::remove_reference_t<decltype(to)>;
        fields::ForEachField<Block>([&](const auto& f) { ops::Take(to, from, f); });
    });
}

}  // namespace kelvo::shared::smbios::detail

// The four special members of a block whose fields are all described. Scope is the qualified
// block name and Name its last part; a record with version blocks passes their copy
// initializers (": V2_1(other.V2_1), ...") as the last argument.
#define KELVO_DESCRIBED_MEMBERS(Scope, Name, ...)                                     \
    Scope::Name() { ::kelvo::shared::smbios::detail::InitFields(*this); }             \
    Scope::Name(const Name& other) __VA_ARGS__ {                                      \
        ::kelvo::shared::smbios::detail::CopyFields(*this, other);                    \
    }                                                                                 \
    Scope& Scope::operator=(const Name& other) {                                      \
        if (this != &other) ::kelvo::shared::smbios::detail::AssignAll(*this, other); \
        return *this;                                                                 \
    }                                                                                 \
    Scope::~Name() { ::kelvo::shared::smbios::detail::ReleaseFields(*this); }
