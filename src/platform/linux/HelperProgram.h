#pragma once
// Runs one of the desktop's small helper programs (gsettings, kreadconfig, ...) and collects what
// it prints. The program is looked up by name in the given search path (absolute folders only),
// started with posix_spawn and a fixed argument list (no shell), with nothing on its standard
// input and its errors discarded. Its output is kept up to a cap and the rest discarded; a program
// that does not end within the time limit is killed. The child is always reaped.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Clock.h"

namespace quillon {

inline constexpr int kHelperFailed = 0;       // it ran and ended with a non-zero status
inline constexpr int kHelperNotFound = -1;    // no such program in the search path
inline constexpr int kHelperNotStarted = -2;  // the system refused to start it
inline constexpr int kHelperTimedOut = -3;    // killed at the time limit
inline constexpr int kHelperKilled = -4;      // ended by a signal

struct HelperLimits {
    Millis timeLimit = 2000;
    std::size_t outputCap = 4096;
};

struct HelperRun {
    int result = kHelperNotFound;  // 1 when it ended with status 0
    std::string output;            // standard output, at most outputCap bytes
};

// The executable regular file `name` in the first folder of `searchPath` (":"-separated) that has
// one, or "" when none does. Names with a "/" and relative folders are never used.
std::string findHelperProgram(const std::string& searchPath, const std::string& name);

// argv[0] is the program's name. The limits' time runs on `clock`.
HelperRun runHelperProgram(Clock& clock, const std::string& searchPath,
                           const std::vector<std::string>& argv, const HelperLimits& limits = {});

}  // namespace quillon
