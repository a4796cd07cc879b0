// One QApplication per test executable: widgets, fonts and timers need it.
#include "GlobalStateGuard.h"

#include <QApplication>
#include <dlfcn.h>
#include <gtest/gtest.h>

// Mesa unloads its software GL driver at exit; allocations it never freed then
// show up as leaks from an "unknown module" that no suppression can name.
// Keeping the driver loaded lets LeakSanitizer attribute (and ignore) them.
static void pinGlDriver()
{
    static const char* const drivers[] = {
        "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/x86_64-linux-gnu/dri/kms_swrast_dri.so",
    };
    for (const char* path : drivers)
        dlopen(path, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
}

int main(int argc, char** argv)
{
    pinGlDriver();
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the cases (CTest's discovery) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication::setAttribute(Qt::AA_UseDesktopOpenGL);
    QApplication app(argc, argv);
    // A case finds the state it finds in a process of its own (as CTest runs it).
    ::testing::UnitTest::GetInstance()->listeners().Append(newGlobalStateGuard());
    return RUN_ALL_TESTS();
}
