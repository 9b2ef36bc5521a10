#pragma once
// The commands of quillonctl. Each returns the exit status: 0 success, 1 the device is missing or
// a command failed (the result named on the error stream), 2 a usage error.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "device/CommandResult.h"
#include "device/ctl/CtlSession.h"

namespace quillon::ctl {

struct CommandContext {
    CtlSession& session;
    const std::vector<std::string>& arguments;
    std::ostream& out;
    std::ostream& err;
};

int listCommand(CommandContext& context);
int infoCommand(CommandContext& context);
int readCommand(CommandContext& context);
int selectCommand(CommandContext& context);
int writeSettingsCommand(CommandContext& context);
int factoryResetCommand(CommandContext& context);
int cursorCommand(CommandContext& context);

// Shared steps.
int usageError(CommandContext& context, const std::string& message);
int commandFailed(CommandContext& context, DeviceKind kind, std::string_view what,
                  CommandResult result);
// The device kind named by argument `index`; false after printing a usage error.
bool kindArgument(CommandContext& context, std::size_t index, DeviceKind& kind);
// The kind's connected channel; null after printing that the device is missing.
std::unique_ptr<DeviceChannel> openDevice(CommandContext& context, DeviceKind kind);

void printHelp(std::ostream& out);

}  // namespace quillon::ctl
