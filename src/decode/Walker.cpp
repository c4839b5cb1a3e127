#include "decode/Walker.h"

#include "decode/RecordTypes.h"

namespace kelvo::shared::smbios::detail {

namespace {

constexpr std::uint8_t kEndOfTable = 127;
constexpr std::uint64_t kHeaderSize = 4;

std::unique_ptr<DecodedStructure> Finish(ParseState& state) {
    state.finished = true;
    return nullptr;
}

}  // namespace

std::uint64_t NextStructureStart(const TableView& table, std::uint64_t start, std::uint8_t length) {
    // The string set starts right after the formatted area and ends with two NULs.
    std::uint64_t p = start + length;
    while (p + 1 < table.Size() && !(table.U8(p) == 0 && table.U8(p + 1) == 0)) ++p;
    return p + 2;
}

std::unique_ptr<DecodedStructure> NextStructure(ParseState& state) {
    if (!state.hasTable || state.finished) return nullptr;
    const TableView& table = state.table;
    const std::uint64_t end = table.Size();

    const std::uint64_t next =
        state.started ? NextStructureStart(table, state.start, state.length) : 0;
    state.started = true;
    // A header that does not fit ends the walk just as the end of the table does.
    if (next >= end || !table.Contains(next, kHeaderSize)) return Finish(state);

    state.start = next;
    state.length = table.U8(next + 1);
    const std::uint8_t type = table.U8(next);
    if (type == kEndOfTable) return Finish(state);

    auto structure = std::make_unique<DecodedStructure>();
    structure->type = type;
    structure->length = state.length;
    structure->handle = table.U16(next + 2);
    DecodeStructure(state, *structure);
    return structure;
}

void DecodeStructure(const ParseState& state, DecodedStructure& structure) {
    if (const RecordType* row = FindRecordType(structure.type)) {
        row->decode({state.table, state.start, state.length, state.version, false}, structure);
    }
}

std::string_view StructureReader::String(std::uint8_t number) const {
    return LookupString(table, start + kHeaderSize, length, number);
}

void SetText(char*& text, std::string_view value) {
    if (value.empty() && text != nullptr && text[0] == '\0') return;
    AssignString(text, value);
}

}  // namespace kelvo::shared::smbios::detail
