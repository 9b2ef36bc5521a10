// quillon-scenario: runs scenario files against the program on the headless toolkit, the
// simulated devices and virtual time.

#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/scenario/ScenarioRun.h"
#include "platform/Paths.h"

namespace {

using quillon::scenario::HarnessOptions;
using quillon::scenario::Outcome;
using quillon::scenario::Verdict;

constexpr const char* kUsage =
    "usage: quillon-scenario [--data DIR] [--program DIR] [--trace FILE] [--verbose] FILE.scn...\n";

// 0 when the options were read; otherwise the exit status.
int parseOptions(int argc, char** argv, HarnessOptions& options, std::vector<std::string>& files) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (arg == "--data"      ? !value(options.dataDir)
            : arg == "--program" ? !value(options.programDir)
            : arg == "--trace"   ? !value(options.traceFile)
                                 : false) {
            std::cerr << kUsage;
            return 2;
        }
        if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return -1;
        } else if (arg.rfind("--", 0) == 0 && arg != "--data" && arg != "--program" &&
                   arg != "--trace") {
            std::cerr << "unknown option " << arg << '\n' << kUsage;
            return 2;
        } else if (arg.rfind("--", 0) != 0) {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (options.programDir.empty()) {
        options.programDir = quillon::Paths::fromEnvironment().programDir;
    } else if (options.programDir.back() != '/') {
        options.programDir += '/';
    }
    return 0;
}

Outcome runFile(const HarnessOptions& options, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {Verdict::Invalid, file + ": cannot be read"};
    }
    std::stringstream text;
    text << in.rdbuf();
    std::vector<quillon::scenario::ScriptLine> lines;
    quillon::scenario::ScriptError error;
    if (!quillon::scenario::parseScript(text.str(), lines, error)) {
        return {Verdict::Invalid, file + ":" + std::to_string(error.line) + ": " + error.message};
    }
    quillon::scenario::ScenarioRun run(options, file);
    return run.run(lines);
}

}  // namespace

int main(int argc, char** argv) {
    HarnessOptions options;
    std::vector<std::string> files;
    if (const int status = parseOptions(argc, argv, options, files); status != 0) {
        return status < 0 ? 0 : status;
    }
    int passed = 0;
    int failed = 0;
    bool invalid = false;
    for (const std::string& file : files) {
        const Outcome outcome = runFile(options, file);
        if (outcome.verdict == Verdict::Passed) {
            ++passed;
            continue;
        }
        ++failed;
        invalid = invalid || outcome.verdict == Verdict::Invalid;
        std::cout << outcome.message << '\n';
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return invalid ? 2 : failed > 0 ? 1 : 0;
}
