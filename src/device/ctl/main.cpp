// quillonctl: the device layer from the command line.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "device/ctl/CtlCommands.h"
#include "device/ctl/CtlOptions.h"
#include "device/ctl/CtlSession.h"

namespace quillon::ctl {
namespace {

struct CommandEntry {
    const char* name;
    std::size_t minArguments;
    std::size_t maxArguments;
    int (*run)(CommandContext&);
};

constexpr CommandEntry kCommands[] = {
    {"list", 0, 0, listCommand},
    {"info", 1, 1, infoCommand},
    {"read", 1, 1, readCommand},
    {"select", 2, 2, selectCommand},
    {"write-settings", 2, 2, writeSettingsCommand},
    {"factory-reset", 1, 1, factoryResetCommand},
    {"cursor", 1, 1, cursorCommand},
};

int usage(const std::string& message) {
    std::cerr << "quillonctl: " << message << "\n(see quillonctl --help)\n";
    return kExitUsage;
}

const CommandEntry* findCommand(const std::string& name) {
    for (const CommandEntry& entry : kCommands) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

int run(const std::vector<std::string>& argv) {
    CtlOptions options;
    std::string error;
    if (!parseCtlOptions(argv, std::getenv("QUILLON_SIMULATE"), options, error)) {
        return usage(error);
    }
    if (options.help) {
        printHelp(std::cout);
        return kExitOk;
    }
    const CommandEntry* entry = findCommand(options.command);
    if (entry == nullptr) {
        return usage("unknown command " + options.command);
    }
    const std::size_t count = options.arguments.size();
    if (count < entry->minArguments || count > entry->maxArguments) {
        return usage("wrong number of arguments for " + options.command);
    }
    CtlSession session;
    bool usageFault = false;
    if (!session.start(options, error, usageFault)) {
        if (usageFault) {
            return usage(error);
        }
        std::cerr << "quillonctl: " << error << "\n";
        return kExitFailed;
    }
    CommandContext context{session, options.arguments, std::cout, std::cerr};
    return entry->run(context);
}

}  // namespace
}  // namespace quillon::ctl

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quillon::ctl::run(arguments);
}
