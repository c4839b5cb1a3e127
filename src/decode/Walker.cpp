#include "decode/Walker.h"

#include "decode/Decoders.h"

namespace kelvo::shared::smbios::pimpl {

namespace {

constexpr std::uint8_t kEndOfTable = 127;
constexpr std::uint64_t kHeaderSize = 4;

testing::DecodeHook decodeHook = nullptr;

std::unique_ptr<DecodedStructure> Finish(ParseState& state) {
    state.finished = true;
    return nullptr;
}

}  // namespace

DecodedStructure& DecodedStructure::operator=(const DecodedStructure& other) {
    processor = other.processor;
    baseboard = other.baseboard;
    sysInfo = other.sysInfo;
    bios = other.bios;
    enclosure = other.enclosure;
    physicalMemory = other.physicalMemory;
    memoryDevice = other.memoryDevice;
    slot = other.slot;
    oemStrings = other.oemStrings;
    return *this;
}

void DecodedStructure::Reset() {
    // Only the record of the structure's own type is ever filled, so resetting that one record
    // brings the whole holder back to its default state.
    switch (type) {
        case 0:
            bios = TypeBios();
            break;
        case 1:
            sysInfo = TypeSysInfo();
            break;
        case 2:
            baseboard = TypeBaseboard();
            break;
        case 3:
            enclosure = TypeSystemEnclosure();
            break;
        case 4:
            processor = TypeProcessor();
            break;
        case 9:
            slot = SystemSlot();
            break;
        case 11:
            oemStrings = TypeOemStrings();
            break;
        case 16:
            physicalMemory = TypePhysicalMemory();
            break;
        case 17:
            memoryDevice = TypeMemoryDevice();
            break;
        default:
            break;
    }
    type = 0;
    length = 0;
    handle = 0;
}

std::unique_ptr<DecodedStructure> NextStructure(ParseState& state) {
    if (!state.hasTable || state.finished) return nullptr;
    const TableView& table = state.table;
    const std::uint64_t end = table.Size();

    std::uint64_t next = 0;
    if (state.started) {
        // The string set starts right after the formatted area and ends with two NULs.
        std::uint64_t p = state.fieldStart - kHeaderSize + state.current.length;
        while (p + 1 < end && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
        next = p + 2;
    }
    state.started = true;
    // A header that does not fit ends the walk just as the end of the table does.
    if (next >= end || !table.Contains(next, kHeaderSize)) return Finish(state);

    state.current.Reset();
    state.current.type = table.U8(next);
    state.current.length = table.U8(next + 1);
    state.current.handle = table.U16(next + 2);
    state.fieldStart = next + kHeaderSize;

    if (state.current.type == kEndOfTable) return Finish(state);
    return DecodeStructure(state);
}

std::unique_ptr<DecodedStructure> DecodeStructure(ParseState& state) {
    if (decodeHook != nullptr) decodeHook(state.current);
    FieldCursor fields(state.table, state.fieldStart);
    switch (state.current.type) {
        case 0:
            DecodeBios(state, fields);
            break;
        case 1:
            DecodeSysInfo(state, fields);
            break;
        case 2:
            DecodeBaseboard(state, fields);
            break;
        case 3:
            DecodeSystemEnclosure(state, fields);
            break;
        case 4:
            DecodeProcessor(state, fields);
            break;
        case 9:
            DecodeSystemSlot(state, fields);
            break;
        case 11:
            DecodeOemStrings(state, fields);
            break;
        case 16:
            DecodePhysicalMemory(state, fields);
            break;
        case 17:
            DecodeMemoryDevice(state, fields);
            break;
        default:
            break;
    }
    return std::make_unique<DecodedStructure>(state.current);
}

std::string_view LookupString(const TableView& table, std::uint64_t fieldStart, std::uint8_t length,
                              std::uint8_t number) {
    if (number == 0) return {};
    std::uint64_t p = fieldStart - kHeaderSize + length;
    for (std::uint8_t i = 1; i < number; ++i) {
        if (table.U8(p) == 0) return {};  // the set's final NUL: fewer strings than `number`
        p += table.Text(p).size() + 1;
    }
    return table.Text(p);
}

std::string_view LookupString(const ParseState& state, std::uint8_t number) {
    return LookupString(state.table, state.fieldStart, state.current.length, number);
}

namespace testing {
void SetDecodeHook(DecodeHook hook) { decodeHook = hook; }
}  // namespace testing

}  // namespace kelvo::shared::smbios::pimpl
