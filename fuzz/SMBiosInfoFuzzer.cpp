// Fuzz target: constructs SMBiosInfo from the input through a reader, with the logger set up at
// verbose so that every log site and record renderer runs, then reads every record, copies the
// result and checks what holds for any table: among it, that a structure read as it is (the table
// view's decoding) gives the record that the table's version gives wherever its Length covers
// every field of that version.
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

#include "LogEverything.h"
#include "RecordCompare.h"
#include "decode/SystemFirmware.h"
#include "decode/WithinLength.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::shared::smbios::SMBiosSpecVersion;
using kelvo::test::BufferReader;

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

namespace detail = kelvo::shared::smbios::detail;

// Walks the table by its version as the library does and decodes each structure again as it is.
void CheckViewsAgree(const std::uint8_t* data, std::size_t size) {
    const detail::TableView buffer(data, size);
    detail::ParseState state;
    state.version = detail::AcceptedVersion(buffer.U8(1), buffer.U8(2));
    if (state.version == SMBiosSpecVersion::None || !buffer.Contains(0, 8) ||
        !buffer.Contains(8, buffer.U32(4))) {
        return;
    }
    state.table = buffer.Sub(8, buffer.U32(4));
    state.hasTable = true;
    const int version = static_cast<int>(state.version);
    try {
        while (std::unique_ptr<detail::DecodedStructure> walked = detail::NextStructure(state)) {
            std::visit(
                [&](const auto& byVersion) {
                    using R = std::decay_t<decltype(byVersion)>;
                    if constexpr (!std::is_same_v<R, std::monostate>) {
                        if (!kelvo::fuzz::Covers(byVersion, version, state.length)) return;
                        R asItIs;
                        detail::DecodeWithinLength(
                            {state.table, state.start, walked->type, state.length, walked->handle},
                            asItIs);
                        // The fields of the table's version; the view as it is reads beyond.
                        // The walk's records get their contained handles and arrays later.
                        const kelvo::fuzz::Parts read{false, true};
                        Check(kelvo::fuzz::Flatten(byVersion, version, nullptr, read) ==
                                  kelvo::fuzz::Flatten(asItIs, version, nullptr, read),
                              kelvo::fuzz::fields::Layout<R>::name);
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
    kelvo::fuzz::LogEverything();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size heap copy, so that AddressSanitizer catches any read past its end.
    const BufferReader reader(std::vector<std::uint8_t>(data, data + size));
    const SMBiosInfo info(&reader);
    int nullStrings = 0;
    const std::string text = kelvo::fuzz::Flatten(info, &nullStrings);

    // Without an allocation failure no record holds a null string.
    Check(nullStrings == 0, "a record string is null");
    // A table is walked to its end exactly when nothing failed.
    Check(
        static_cast<bool>(info.GetError()) == (info.GetSMBiosVersion() == SMBiosSpecVersion::None),
        "the error and the version disagree");

    // Copies answer the same, and outlive their source.
    std::unique_ptr<SMBiosInfo> source(new SMBiosInfo(info));
    const BufferReader empty({});
    SMBiosInfo assigned(&empty);  // rejected: something to assign over
    assigned = *source;
    source.reset();
    Check(kelvo::fuzz::Flatten(assigned) == text, "a copy answers differently");

    CheckViewsAgree(reader.GetData(), size);
    return 0;
}
