#include "device/ctl/CtlOptions.h"

#include <cerrno>
#include <cstdlib>

namespace quillon::ctl {
namespace {

const std::vector<SimKind> kEveryKind = {SimKind::Mouse, SimKind::Keyboard, SimKind::Mousepad};

// Splits "--name=value" into name and value; `hasValue` tells whether "=" was there.
void splitOption(const std::string& arg, std::string& name, std::string& value, bool& hasValue) {
    const auto eq = arg.find('=');
    hasValue = eq != std::string::npos;
    name = hasValue ? arg.substr(0, eq) : arg;
    value = hasValue ? arg.substr(eq + 1) : std::string();
}

bool parseSimulate(const std::string& list, CtlOptions& out, std::string& error) {
    out.simulate = true;
    if (list.empty()) {
        out.simulated = kEveryKind;
        return true;
    }
    return parseSimulateList(list, out.simulated, error);
}

bool applyValueOption(const std::string& name, const std::string& value, CtlOptions& out,
                      std::string& error) {
    if (name == "--trace") {
        if (value.empty()) {
            error = "--trace needs a file name";
            return false;
        }
        out.traceFile = value;
        return true;
    }
    if (name == "--sim-fault") {
        SimFaultSpec fault;
        if (!parseSimFaultSpec(value, fault, error)) {
            return false;
        }
        out.faults.push_back(fault);
        return true;
    }
    long number = 0;
    if (name == "--sim-keys") {
        if (!parseNumber(value, 0, 255, number)) {
            error = "--sim-keys needs a key count from 0 to 255";
            return false;
        }
        out.keyCount = static_cast<int>(number);
        return true;
    }
    if (!parseNumber(value, 1, 0xFFFF, number)) {
        error = "--sim-pid needs a product id from 0x0001 to 0xffff";
        return false;
    }
    out.keyboardProductId = static_cast<std::uint16_t>(number);
    return true;
}

bool takesValue(const std::string& name) {
    return name == "--trace" || name == "--sim-fault" || name == "--sim-keys" ||
           name == "--sim-pid";
}

bool checkSimOnlyOptions(const CtlOptions& out, std::string& error) {
    if (!out.simulate && (!out.faults.empty() || out.keyCount || out.keyboardProductId)) {
        error = "--sim-fault, --sim-keys and --sim-pid need --simulate";
        return false;
    }
    return true;
}

}  // namespace

bool parseNumber(const std::string& text, long min, long max, long& out) {
    if (text.empty() || text.size() > 12 || text[0] == '-' || text[0] == '+') {
        return false;
    }
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0' || end == text.c_str() + (hex ? 2 : 0) || value < min ||
        value > max) {
        return false;
    }
    out = value;
    return true;
}

bool parseCtlOptions(const std::vector<std::string>& argv, const char* simulateEnv, CtlOptions& out,
                     std::string& error) {
    bool simulateGiven = false;
    std::size_t i = 0;
    for (; i < argv.size() && argv[i].rfind("-", 0) == 0; ++i) {
        std::string name, value;
        bool hasValue = false;
        splitOption(argv[i], name, value, hasValue);
        if (name == "--help" || name == "-h") {
            out.help = true;
            return true;
        }
        if (name == "--simulate") {
            simulateGiven = true;
            if (!parseSimulate(value, out, error)) {
                return false;
            }
            continue;
        }
        if (!takesValue(name)) {
            error = "unknown option " + name;
            return false;
        }
        if (!hasValue) {
            if (++i == argv.size()) {
                error = name + " needs a value";
                return false;
            }
            value = argv[i];
        }
        if (!applyValueOption(name, value, out, error)) {
            return false;
        }
    }
    if (!simulateGiven && simulateEnv != nullptr && *simulateEnv != '\0' &&
        !parseSimulate(simulateEnv, out, error)) {
        error = "QUILLON_SIMULATE: " + error;
        return false;
    }
    if (i == argv.size()) {
        error = "no command given";
        return false;
    }
    out.command = argv[i];
    out.arguments.assign(argv.begin() + static_cast<long>(i) + 1, argv.end());
    return checkSimOnlyOptions(out, error);
}

}  // namespace quillon::ctl
