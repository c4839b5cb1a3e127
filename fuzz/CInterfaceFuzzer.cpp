// Fuzz target: opens the input through the C interface, with the log callback at verbose, and
// reads every answer of both views: the error, the records, every structure's formatted bytes,
// strings and record. Findings, besides a crash:
// - the records differ, field by field, from what the C++ interface gives for the same bytes;
// - where the walk succeeded, the table view's record of the last structure of a type differs
//   from the C++ record in a field of the table's version that the structure's Length holds;
// - anything handed out reads differently after a second round of the same calls, or a second
//   round answers differently;
// - a status or size that the header promises does not hold.
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "RecordCompare.h"
#include "support/TableBuilder.h"

namespace {

using kelvo::fuzz::Flatten;
using kelvo::fuzz::VisitRecord;
namespace smbios = kelvo::shared::smbios;

volatile std::uint64_t sink = 0;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

void KSMBIOS_CALL Count(int32_t, const char* function, uint32_t, const char* message, void*) {
    sink = sink + std::strlen(function) + std::strlen(message);
}

// The records in the order of ksmbios_records, and their structure types.
constexpr int kTypes[9] = {0, 1, 2, 3, 4, 9, 16, 17, 11};
std::array<const void*, 9> Slots(const ksmbios_records& r) {
    return {r.bios, r.system,       r.baseboard,     r.enclosure,  r.processor,
            r.slot, r.memory_array, r.memory_device, r.oem_strings};
}
std::array<const void*, 9> Slots(const smbios::SMBiosInfo& info) {
    return {&info.GetTypeBios(),           &info.GetTypeSysInfo(),
            &info.GetTypeBaseboard(),      &info.GetTypeSystemEnclosure(),
            &info.GetTypeProcessor(),      &info.GetSystemSlot(),
            &info.GetTypePhysicalMemory(), &info.GetTypeMemoryDevice(),
            &info.GetTypeOemStrings()};
}

std::string Records(const std::array<const void*, 9>& slots) {
    std::string out;
    for (int r = 0; r < 9; ++r) {
        Require(slots[r] != nullptr, "a null record");
        VisitRecord(kTypes[r], slots[r], [&](const auto& record) { out += Flatten(record); });
    }
    return out;
}

// Everything one round of calls hands out.
struct Answers {
    ksmbios_error error{};
    std::int32_t version = 0;
    ksmbios_records records{};
    ksmbios_status infoStatus = KSMBIOS_OK;
    ksmbios_table_info info{};
    std::vector<ksmbios_structure> structures;
    std::vector<std::pair<const char*, std::size_t>> strings;
};

Answers Ask(const ksmbios_table* table) {
    Answers a;
    a.error.struct_size = sizeof a.error;
    Require(ksmbios_get_error(table, &a.error) == KSMBIOS_OK, "get_error");
    Require(ksmbios_get_accepted_version(table, &a.version) == KSMBIOS_OK, "get_accepted_version");
    a.records.struct_size = sizeof a.records;
    Require(ksmbios_get_records(table, &a.records) == KSMBIOS_OK, "get_records");
    a.info.struct_size = sizeof a.info;
    a.infoStatus = ksmbios_get_table_info(table, &a.info);
    for (std::size_t i = 0; a.infoStatus == KSMBIOS_OK && i < a.info.structure_count; ++i) {
        ksmbios_structure s{};
        s.struct_size = sizeof s;
        Require(ksmbios_get_structure(table, i, &s) == KSMBIOS_OK, "get_structure");
        a.structures.push_back(s);
        for (std::size_t n = 1; n <= s.string_count && n < 256; ++n) {
            const char* text = nullptr;
            std::size_t length = 0;
            Require(ksmbios_get_string(table, i, static_cast<std::uint8_t>(n), &text, &length) ==
                        KSMBIOS_OK,
                    "get_string");
            a.strings.emplace_back(text, length);
        }
    }
    return a;
}

// What the answers say, read through the pointers they hold.
std::string Read(const Answers& a) {
    std::string out = std::to_string(a.error.failed) + ' ' + std::to_string(a.error.category) +
                      ' ' + std::to_string(a.error.code) + ' ' + a.error.message + '\n' +
                      a.error.type_name + '\n' + a.error.component + '\n' + a.error.text + '\n' +
                      std::to_string(a.version) + ' ' + std::to_string(a.infoStatus) + ' ';
    out += Records(Slots(a.records));
    const ksmbios_table_info& i = a.info;
    out += std::to_string(i.calling_method) + ' ' + std::to_string(i.major_version) + ' ' +
           std::to_string(i.minor_version) + ' ' + std::to_string(i.dmi_revision) + ' ' +
           std::to_string(i.length) + ' ' + std::to_string(i.walked_length) + ' ' +
           std::to_string(i.structure_count) + ' ';
    for (const ksmbios_structure& s : a.structures) {
        out += std::to_string(s.type) + ' ' + std::to_string(s.length) + ' ' +
               std::to_string(s.handle) + ' ' + std::to_string(s.offset) + ' ' +
               std::to_string(s.string_count) + ' ';
        out.append(reinterpret_cast<const char*>(s.formatted), s.formatted_size);
        if (s.record != nullptr) {
            VisitRecord(s.type, s.record, [&](const auto& record) { out += Flatten(record); });
        }
    }
    for (const auto& [text, length] : a.strings) out.append(text, length + 1);
    return out;
}

void CheckHeader(const Answers& a, const std::uint8_t* data, std::size_t size) {
    // The table view reads every input whose header is there with a major version of 2 or more.
    Require(a.infoStatus == (size >= 8 && data[1] >= 2 ? KSMBIOS_OK : KSMBIOS_NOT_A_TABLE),
            "table info status");
    if (a.infoStatus != KSMBIOS_OK) return;
    Require(a.info.walked_length <= size - 8, "walked past the input");
    for (const ksmbios_structure& s : a.structures) {
        Require(s.offset + s.formatted_size <= a.info.walked_length, "formatted past the walk");
        Require(s.formatted_size <= s.length, "formatted beyond the Length");
        const bool decoded = VisitRecord(s.type, s.record, [](const auto&) {});
        Require(decoded == (s.record != nullptr), "a record for a type without one, or none");
    }
    for (const auto& [text, length] : a.strings) {
        Require(length > 0 && std::strlen(text) == length, "a string's length");
    }
}

// The C interface's answers against the C++ interface's on the same bytes, and the table view's
// last structure of each type against the record, where the walk succeeded and the structure's
// Length holds every field of the table's version.
void CheckAgainstCpp(const Answers& a, const smbios::SMBiosInfo& info) {
    const auto& error = info.GetError();
    Require(a.error.category == static_cast<int>(error.Category()) &&
                a.error.code == error.Code() && std::strcmp(a.error.message, error.Message()) == 0,
            "the C interface's error differs from the C++ error");
    const int version = static_cast<int>(info.GetSMBiosVersion());
    Require(a.version == version, "the C interface's version differs from the C++ version");
    const std::array<const void*, 9> slots = Slots(a.records);
    Require(Records(slots) == Records(Slots(info)),
            "the C interface's records differ from the C++ records");

    std::vector<bool> seen(256, false);
    for (auto s = a.structures.rbegin(); version != 0 && s != a.structures.rend(); ++s) {
        if (s->record == nullptr || seen[s->type]) continue;
        seen[s->type] = true;
        const int slot = static_cast<int>(std::find(kTypes, kTypes + 9, s->type) - kTypes);
        VisitRecord(s->type, s->record, [&](const auto& asItIs) {
            using R = std::decay_t<decltype(asItIs)>;
            const R& byVersion = *static_cast<const R*>(slots[slot]);
            if (!kelvo::fuzz::Covers(byVersion, version, s->length)) return;
            // The C++ records are copies, which leave some string numbers behind, and their
            // decoding leaves the enclosure's contained elements out.
            const kelvo::fuzz::Parts copied{false, false};
            Require(Flatten(asItIs, version, nullptr, copied) ==
                        Flatten(byVersion, version, nullptr, copied),
                    "the table view's record differs from the C++ record");
        });
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Require(ksmbios_set_log_callback(KSMBIOS_LOG_VERBOSE, Count, nullptr) == KSMBIOS_OK,
            "set_log_callback");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size heap copy, so that AddressSanitizer catches a read past the end.
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);
    if (size != 0) std::memcpy(copy.get(), data, size);
    ksmbios_table* table = nullptr;
    Require(ksmbios_open_bytes(copy.get(), size, &table) == KSMBIOS_OK, "open_bytes");

    const Answers first = Ask(table);
    CheckHeader(first, data, size);
    const std::string said = Read(first);
    const Answers second = Ask(table);
    Require(Read(second) == said, "a second round of calls answers differently");
    Require(Read(first) == said, "what the first round handed out changed");

    const kelvo::test::BufferReader reader(std::vector<std::uint8_t>(data, data + size));
    const smbios::SMBiosInfo info(&reader);
    CheckAgainstCpp(first, info);
    ksmbios_close(table);
    return 0;
}
