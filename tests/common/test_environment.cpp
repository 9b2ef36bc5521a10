// Every test program runs with the same surroundings, whether CTest or a developer starts it:
// Qt without a display, the build tree's program folder, and the source tree. A value the caller
// set already is kept.

#include <cstdlib>

namespace {

struct TestEnvironment {
    TestEnvironment() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("QUILLON_PROGRAM_DIR", QUILLON_TEST_PROGRAM_DIR, 0);
        ::setenv("QUILLON_SOURCE_DIR", QUILLON_TEST_SOURCE_DIR, 0);
    }
};

const TestEnvironment environment;

}  // namespace
