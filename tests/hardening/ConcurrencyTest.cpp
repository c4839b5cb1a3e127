// Eight threads construct SMBiosInfo at once, all from one shared table and each from a table
// of its own, with the logger set up beforehand at debug: every result equals the one made
// alone. The hardening run builds this with ThreadSanitizer, which reports any data race.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/CapturingAppender.h"
#include "support/Describe.h"
#include "support/TableBuilder.h"
#include "support/Tables.h"

namespace {

using kelvo::shared::smbios::SMBiosInfo;
using kelvo::test::BufferReader;
using kelvo::test::Describe;
using kelvo::test::TableBuilder;

constexpr int kThreads = 8;
constexpr int kRounds = 10;

// A table for each thread: every type at the versions the library tells apart, a rejected
// version and a walk that fails on a release date.
std::vector<std::uint8_t> OwnTable(int thread) {
    if (thread == 0) return TableBuilder(1, 9).End().Raw();
    if (thread > 1) return kelvo::test::tables::EveryType(2, static_cast<std::uint8_t>(thread), 2);
    TableBuilder builder(3, 0);
    builder.Add(11, 0).Byte(1).String("kept");
    builder.Add(0, 1).Bytes({1, 2}).Word(0xF000).Byte(3).String("A").String("1").String("1/5/2020");
    return builder.End().Raw();
}

TEST(ConcurrencyTest, ThreadsConstructingAtOnceGetTheResultsOfOneThreadAlone) {
    static kelvo::test::CapturingAppender host;
    kelvoSharedInitializeLogger(plog::debug, &host);

    const BufferReader shared(kelvo::test::tables::Desktop());
    std::vector<std::unique_ptr<BufferReader>> own;
    std::vector<std::string> expectedOwn;
    for (int t = 0; t < kThreads; ++t) {
        own.push_back(std::make_unique<BufferReader>(OwnTable(t)));
        expectedOwn.push_back(Describe(SMBiosInfo(own.back().get())));
    }
    const std::size_t ownRecords = host.entries.size();
    const std::string expectedShared = Describe(SMBiosInfo(&shared));
    const std::size_t sharedRecords = host.entries.size() - ownRecords;

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const SMBiosInfo fromShared(&shared);
                const SMBiosInfo fromOwn(own[t].get());
                EXPECT_EQ(Describe(fromShared), expectedShared);
                EXPECT_EQ(Describe(fromOwn), expectedOwn[t]) << t;
                EXPECT_EQ(Describe(SMBiosInfo(fromShared)), expectedShared);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(host.entries.size(),
              ownRecords + sharedRecords + kRounds * (kThreads * sharedRecords + ownRecords));
}

}  // namespace
