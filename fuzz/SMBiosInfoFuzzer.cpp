// Fuzz target: constructs SMBiosInfo from the input through a reader, with the logger set up at
// verbose so that every log site and record renderer runs, then reads every record, copies the
// result and checks what holds for any table: among it, that a structure read as it is (the table
// view's decoding) gives the record that the table's version gives wherever its Length covers
// every field of that version.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

#include <smbios/RecordFields.h>

#include "decode/SystemFirmware.h"
#include "decode/WithinLength.h"
#include "support/Describe.h"
#include "support/Samples.h"

namespace {

using kelvo::shared::smbios::IFirmwareReader;
using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::SMBiosSpecVersion;

// Builds each record's message, so that its text is read, then drops it.
class DiscardingAppender : public plog::IAppender {
public:
    void write(const plog::Record& record) override {
        const plog::util::nchar* message = record.getMessage();
        sink_ += message != nullptr && message[0] != 0;
    }

private:
    unsigned sink_ = 0;
};

// The input in a heap buffer of exactly its size, so that AddressSanitizer catches any read
// past its end.
class ExactReader : public IFirmwareReader {
public:
    ExactReader(const std::uint8_t* data, std::size_t size)
        : bytes_(new std::uint8_t[size]), size_(size) {
        if (size != 0) std::memcpy(bytes_.get(), data, size);
    }
    const std::uint8_t* GetData() const override { return bytes_.get(); }
    std::uint64_t GetSize() const override { return size_; }

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_;
};

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

namespace fields = kelvo::shared::smbios::fields;
namespace pimpl = kelvo::shared::smbios::pimpl;

// True when the structure's Length holds every field that the table's version reads.
template <class R>
bool Covers(const R& record, int version, unsigned length) {
    bool covered = true;
    fields::ForEachRecordField<R>([&](auto block, const auto& f) {
        using B = typename decltype(block)::Type;
        using F = std::decay_t<decltype(f)>;
        if constexpr (kelvo::test::IsNumber<F>::value || kelvo::test::IsBytes<F>::value) {
            const unsigned width = sizeof(std::declval<B&>().*f.member);
            if (version >= f.since && f.offset + width > length) covered = false;
        } else if constexpr (std::is_same_v<F, fields::String<B>>) {
            if (version >= f.since && f.offset + 1u > length) covered = false;
        }
    });
    if constexpr (std::is_same_v<R, kelvo::shared::smbios::TypeSystemEnclosure>) {
        const unsigned sku =
            0x15u + record.V2_3.ContainedElementCount * record.V2_3.ContainedElementRecordLength;
        if (version >= 0x0207 && sku + 1 > length) covered = false;
    }
    return covered;
}

template <class B, class F>
bool Same(const B& a, const B& b, const F& f) {
    using Field = std::decay_t<F>;
    if constexpr (std::is_same_v<Field, fields::String<B>>) {
        return a.*f.number == b.*f.number && std::strcmp(a.*f.text, b.*f.text) == 0;
    } else if constexpr (std::is_same_v<Field, fields::Text<B>>) {
        return std::strcmp(a.*f.text, b.*f.text) == 0;
    } else if constexpr (kelvo::test::IsNumber<Field>::value ||
                         kelvo::test::IsBytes<Field>::value) {
        return std::memcmp(&(a.*f.member), &(b.*f.member), sizeof(a.*f.member)) == 0;
    } else {
        return true;  // kept members and owned arrays follow rules of their own
    }
}

// Walks the table by its version as the library does and decodes each structure again as it is.
void CheckViewsAgree(const std::uint8_t* data, std::size_t size) {
    const pimpl::TableView buffer(data, size);
    pimpl::ParseState state;
    state.version = pimpl::AcceptedVersion(buffer.U8(1), buffer.U8(2));
    if (state.version == SMBiosSpecVersion::None || !buffer.Contains(0, 8) ||
        !buffer.Contains(8, buffer.U32(4))) {
        return;
    }
    state.table = buffer.Sub(8, buffer.U32(4));
    state.hasTable = true;
    const int version = static_cast<int>(state.version);
    try {
        while (std::unique_ptr<pimpl::DecodedStructure> walked = pimpl::NextStructure(state)) {
            std::visit(
                [&](const auto& byVersion) {
                    using R = std::decay_t<decltype(byVersion)>;
                    if constexpr (!std::is_same_v<R, std::monostate>) {
                        if (!Covers(byVersion, version, state.length)) return;
                        R asItIs;
                        pimpl::DecodeWithinLength(
                            {state.table, state.start, walked->type, state.length, walked->handle},
                            asItIs);
                        // The fields of the table's version; the view as it is reads beyond.
                        fields::ForEachRecordField<R>([&](auto block, const auto& f) {
                            if (version < f.since) return;
                            Check(Same(fields::Access(byVersion, block),
                                       fields::Access(asItIs, block), f),
                                  f.name);
                        });
                    }
                },
                walked->record);
        }
    } catch (const std::exception&) {
        // The walk by version stops here; so does the comparison.
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static DiscardingAppender appender;
    kelvoSharedInitializeLogger(plog::verbose, &appender);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExactReader reader(data, size);
    const SMBiosInfo info(&reader);
    int nullStrings = 0;
    const std::string text = kelvo::test::Describe(info, &nullStrings);

    // Without an allocation failure no record holds a null string.
    Check(nullStrings == 0, "a record string is null");
    // A table is walked to its end exactly when nothing failed.
    Check(
        static_cast<bool>(info.GetError()) == (info.GetSMBiosVersion() == SMBiosSpecVersion::None),
        "the error and the version disagree");

    // Copies answer the same, and outlive their source.
    std::unique_ptr<SMBiosInfo> source(new SMBiosInfo(info));
    const ExactReader empty(nullptr, 0);
    SMBiosInfo assigned(&empty);  // rejected: something to assign over
    assigned = *source;
    source.reset();
    Check(kelvo::test::Describe(assigned) == text, "a copy answers differently");

    CheckViewsAgree(reader.GetData(), size);
    return 0;
}
