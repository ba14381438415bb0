// The trace: off unless switched on, lines added whole to the file it names,
// and classes named as they are written.
#include "platform/Trace.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
struct TPrivatePage {
    virtual ~TPrivatePage() = default;
};
} // namespace

namespace Outer {
struct TPage {};
} // namespace Outer

TEST(Trace, LinesGoWholeToTheNamedFileOnlyWhileSwitchedOn) {
    TScopedTempDir Dir;
    const std::string File = Dir / "trace";
    WriteFileBytes(File, "earlier run\n");
    for (const char* Off : {static_cast<const char*>(nullptr), "", "0"}) {
        SetTraceTarget(Off);
        EXPECT_FALSE(Tracing());
        Trace("page Lost");
    }
    SetTraceTarget(File.c_str());
    EXPECT_TRUE(Tracing());
    Trace("page Cover");
    Trace("event start TTextEvent 3.2");
    SetTraceTarget("0");
    Trace("page Lost");
    EXPECT_EQ(ReadFileBytes(File), "earlier run\npage Cover\nevent start TTextEvent 3.2\n");
    // A file that cannot be made leaves the trace off.
    SetTraceTarget((Dir / "missing/trace").c_str());
    EXPECT_FALSE(Tracing());
    SetTraceTarget(std::getenv("CLAVORA_TRACE"));
}

TEST(Trace, ClassesAreNamedAsWritten) {
    const TPrivatePage Page;
    const TPrivatePage& Base = Page;
    EXPECT_EQ(ClassName(typeid(Base)), "TPrivatePage");
    EXPECT_EQ(ClassName(typeid(Outer::TPage)), "Outer::TPage");
    EXPECT_EQ(ClassName(typeid(int)), "int");
}
