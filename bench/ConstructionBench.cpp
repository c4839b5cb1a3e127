// Benchmarks of SMBiosInfo construction, for a desktop machine's table and for tables of 10 to
// 100,000 structures, and of the C interface's table view decoding every field of every structure
// (Fields/, the desktop table and the VMware capture), each beside a bare walk over the same bytes
// that only locates every structure and its string set: the least work any parser must do.
// Columns:
//   x_walk        construction time as a multiple of the bare walk's
//   allocs/struct allocations (operator new) of one construction per structure
//   items/s       structures per second
// The logger is set up once per process, so the logger state is chosen at build time:
// kelvo-smbios-bench never sets it up, kelvo-smbios-bench-debug sets it up at debug with an
// appender that reads each record's message and drops it.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>
#include <smbios/kelvo_smbios.h>
#include <smbios/kelvo_smbios_fields.h>
#include <smbios/kelvo_smbios_source.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <plog/Appenders/IAppender.h>
#include <plog/Record.h>

#include "support/AllocationSeam.h"
#include "support/TableBuilder.h"
#include "support/Tables.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::test::BufferReader;
using Clock = std::chrono::steady_clock;

class DiscardingAppender : public plog::IAppender {
public:
    void write(const plog::Record& record) override {
        benchmark::DoNotOptimize(record.getMessage());
    }
};

struct Table {
    std::string name;
    std::size_t structures;
    std::vector<std::uint8_t> raw;
};

// Steps over every structure and its string set, as the library's walk does, and counts them.
std::size_t BareWalk(const std::uint8_t* raw, std::size_t size) {
    if (size < 8) return 0;
    const std::uint64_t length = raw[4] | raw[5] << 8 | raw[6] << 16 | std::uint64_t{raw[7]} << 24;
    if (length > size - 8) return 0;
    const std::uint8_t* table = raw + 8;
    std::size_t count = 0;
    for (std::uint64_t p = 0; p + 4 <= length && table[p] != 127; ++count) {
        std::uint64_t q = p + table[p + 1];
        while (q + 1 < length && (table[q] != 0 || table[q + 1] != 0)) ++q;
        p = q + 2;
    }
    return count;
}

// Mean time of one bare walk over the table, measured like the construction's (wall time,
// averaged over a run), so that load on the machine affects both alike.
double WalkSeconds(const BufferReader& reader) {
    long walks = 0;
    const auto start = Clock::now();
    const auto until = start + std::chrono::milliseconds(50);
    do {
        benchmark::DoNotOptimize(BareWalk(reader.GetData(), reader.GetSize()));
        ++walks;
    } while (Clock::now() < until);
    return std::chrono::duration<double>(Clock::now() - start).count() / walks;
}

void Walk(benchmark::State& state, const Table* table) {
    const BufferReader reader(table->raw);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BareWalk(reader.GetData(), reader.GetSize()));
    }
    state.SetItemsProcessed(state.iterations() * table->structures);
}

void Construct(benchmark::State& state, const Table* table) {
    const BufferReader reader(table->raw);
    kelvo::test::allocations::Reset();
    {
        const SMBiosInfo info(&reader);
        if (info.GetError()) state.SkipWithError(info.GetError().Message());
    }
    const double allocations = static_cast<double>(kelvo::test::allocations::Count());
    const double walk = WalkSeconds(reader);

    const auto start = Clock::now();
    for (auto _ : state) {
        const SMBiosInfo info(&reader);
        benchmark::DoNotOptimize(info.GetSMBiosVersion());
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

    const auto iterations = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * table->structures);
    state.counters["x_walk"] = elapsed / iterations / walk;
    state.counters["allocs/struct"] = allocations / table->structures;
}

// Opens the table through the C interface and decodes every field of every structure, as the
// tool and the Python module do; returns how many fields.
std::size_t EveryField(const std::vector<std::uint8_t>& raw) {
    ksmbios_table* table = nullptr;
    if (ksmbios_open_bytes(raw.data(), raw.size(), &table) != KSMBIOS_OK) return 0;
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    ksmbios_get_table_info(table, &info);
    std::size_t fields = 0;
    for (std::size_t i = 0; i < info.structure_count; ++i) {
        std::size_t count = 0;
        ksmbios_get_field_count(table, i, &count);
        for (std::size_t f = 0; f < count; ++f) {
            ksmbios_field field{};
            field.struct_size = sizeof field;
            ksmbios_get_field(table, i, f, &field);
            benchmark::DoNotOptimize(field.text);
        }
        fields += count;
    }
    ksmbios_close(table);
    return fields;
}

void Fields(benchmark::State& state, const Table* table) {
    if (table->raw.empty()) {
        state.SkipWithError(("no table: " + table->name).c_str());
        return;
    }
    const BufferReader reader(table->raw);
    const double walk = WalkSeconds(reader);
    const auto start = Clock::now();
    std::size_t fields = 0;
    for (auto _ : state) fields = EveryField(table->raw);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const auto iterations = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * table->structures);
    state.counters["x_walk"] = elapsed / iterations / walk;
    state.counters["fields/struct"] = static_cast<double>(fields) / table->structures;
}

// A captured table in the raw RSMB layout, read by the library from whatever format it is kept in.
Table Captured(const std::string& name, const std::string& file) {
    Table captured{name, 0, {}};
    ksmbios_table* table = nullptr;
    const std::string path = std::string(KELVO_CAPTURED_TABLES) + "/" + file;
    if (ksmbios_open_file(path.c_str(), &table) != KSMBIOS_OK) return captured;
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    ksmbios_get_raw(table, &bytes, &size);
    captured.raw.assign(bytes, bytes + size);
    ksmbios_table_info info{};
    info.struct_size = sizeof info;
    ksmbios_get_table_info(table, &info);
    captured.structures = info.structure_count;
    ksmbios_close(table);
    return captured;
}

std::vector<Table> MakeTables() {
    std::vector<Table> tables{{"desktop", 80, kelvo::test::tables::Desktop()}};
    for (std::size_t structures : {10, 100, 1000, 10000, 100000}) {
        tables.push_back(
            {std::to_string(structures), structures, kelvo::test::tables::Sized(structures)});
    }
    return tables;
}

}  // namespace

int main(int argc, char** argv) {
#if KELVO_BENCH_LOGGER_DEBUG
    static DiscardingAppender appender;
    kelvoSharedInitializeLogger(plog::debug, &appender);
#endif
    static const std::vector<Table> tables = MakeTables();
    for (const Table& table : tables) {
        benchmark::RegisterBenchmark(("Walk/" + table.name).c_str(), Walk, &table);
        benchmark::RegisterBenchmark(("Construct/" + table.name).c_str(), Construct, &table);
    }
    static const Table vmware = Captured("vmware", "uroot__VMWare.bin");
    benchmark::RegisterBenchmark("Walk/vmware", Walk, &vmware);
    for (const Table* table : {&tables.front(), &vmware}) {
        benchmark::RegisterBenchmark(("Fields/" + table->name).c_str(), Fields, table);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
