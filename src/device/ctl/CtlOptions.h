#pragma once
// The command line of quillonctl: global options, then a command and its arguments.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/SimOptions.h"

namespace quillon::ctl {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct CtlOptions {
    bool help = false;
    bool simulate = false;
    std::vector<SimKind> simulated;  // when simulate: the devices plugged in
    std::string traceFile;
    std::vector<SimFaultSpec> faults;
    std::optional<int> keyCount;
    std::optional<std::uint16_t> keyboardProductId;
    std::string command;
    std::vector<std::string> arguments;
};

// Reads argv (without the program name). `simulateEnv` is the value of QUILLON_SIMULATE or null;
// a --simulate option wins over it. False with a message in `error` on a usage error.
bool parseCtlOptions(const std::vector<std::string>& argv, const char* simulateEnv, CtlOptions& out,
                     std::string& error);

// A number written in decimal or with 0x in hexadecimal, within [min, max].
bool parseNumber(const std::string& text, long min, long max, long& out);

}  // namespace quillon::ctl
