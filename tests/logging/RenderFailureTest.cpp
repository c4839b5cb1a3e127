// Makes every allocation of a construction fail in turn, with the logger at debug: nothing
// escapes, and a renderer that fails writes its warning before the debug record whose text it
// cut. Links the library's objects, so the replaced operator new below serves them too.
#include <smbios/Logger.h>
#include <smbios/SMBiosInfo.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "support/CapturingAppender.h"
#include "support/TableBuilder.h"

namespace {
long allocations = 0;
long failAt = 0;  // 0: never fail
}  // namespace

void* operator new(std::size_t size) {
    if (failAt != 0 && ++allocations == failAt) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using kelvo::test::CapturingAppender;
using kelvo::test::Native;

TEST(RenderFailureTest, EveryAllocationFailureEndsInsideTheLibrary) {
    static CapturingAppender host;
    kelvoSharedInitializeLogger(plog::debug, &host);

    kelvo::test::TableBuilder builder(3, 0);
    builder.Add(11, 0).Byte(2).String("Alpha").String("Beta");
    builder.Add(1, 1).Bytes({1, 2, 3, 4}).String("Acme").String("Model").String("A").String("1");
    builder.End();
    const kelvo::test::BufferReader reader(builder.Raw());

    int warnings = 0;
    for (long n = 1;; ++n) {
        host.entries.clear();
        allocations = 0;
        failAt = n;
        bool failed = false;
        bool completed = false;
        try {
            const kelvo::shared::smbios::SMBiosInfo info(&reader);
            failed = static_cast<bool>(info.GetError());
            completed = allocations < n;  // the failure point was never reached
        } catch (...) {
            failAt = 0;
            FAIL() << "allocation " << n << " escaped the constructor";
        }
        failAt = 0;
        if (completed) {
            EXPECT_FALSE(failed);
            break;
        }
        for (std::size_t i = 0; i < host.entries.size(); ++i) {
            if (host.entries[i].severity != plog::warning) continue;
            ++warnings;
            SCOPED_TRACE(n);
            EXPECT_EQ(host.entries[i].line, 85u);
            EXPECT_EQ(host.entries[i].message.rfind(
                          Native("Exception converting TypeOemStrings to string: "), 0),
                      0u);
            ASSERT_LT(i + 1, host.entries.size()) << "the warning precedes the debug record";
            EXPECT_EQ(host.entries[i + 1].message,
                      Native("SMBIOS TypeOemStrings parsed as: { \"Values\": [ "));
        }
    }
    EXPECT_GT(warnings, 0) << "no allocation inside the OEM strings renderer failed";
}

}  // namespace
