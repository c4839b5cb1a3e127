// Construction time grows linearly with the number of structures: the time per structure of
// the large tables stays within a generous factor of that of a 1,000-structure table (a step
// that is quadratic in the table would make it 10 and 100 times larger). Times are the best of
// several runs, so that a loaded machine does not fail the test.
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "support/TableBuilder.h"
#include "support/Tables.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::test::BufferReader;
using Clock = std::chrono::steady_clock;

constexpr double kRatioBound = 4.0;

// Best time of one construction over at least two runs that add up to half a second of work.
double SecondsPerConstruction(const BufferReader& reader) {
    double best = 1e9;
    double total = 0;
    for (int run = 0; run < 2 || (total < 0.5 && run < 1000); ++run) {
        const auto start = Clock::now();
        const SMBiosInfo info(&reader);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        EXPECT_FALSE(info.GetError()) << info.GetError().Message();
        best = std::min(best, seconds);
        total += seconds;
    }
    return best;
}

TEST(TableSizeTest, ConstructionTimeIsLinearInTheNumberOfStructures) {
    std::map<std::size_t, double> perStructure;
    for (std::size_t structures : {10, 100, 1000, 10000, 100000}) {
        const BufferReader reader(kelvo::test::tables::Sized(structures));
        perStructure[structures] = SecondsPerConstruction(reader) / structures;
        std::printf("%7zu structures: %8.3f us per structure\n", structures,
                    perStructure[structures] * 1e6);
    }
    for (std::size_t structures : {10000, 100000}) {
        EXPECT_LT(perStructure[structures], kRatioBound * perStructure[1000]) << structures;
    }
}

}  // namespace
