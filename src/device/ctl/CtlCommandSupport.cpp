#include "device/ctl/CtlCommands.h"
#include "device/ctl/CtlOptions.h"

namespace quillon::ctl {

int usageError(CommandContext& context, const std::string& message) {
    context.err << "quillonctl: " << message << "\n(see quillonctl --help)\n";
    return kExitUsage;
}

int commandFailed(CommandContext& context, DeviceKind kind, std::string_view what,
                  CommandResult result) {
    context.err << "quillonctl: " << kindName(kind) << ": " << what
                << " failed: " << commandResultName(result) << " (" << result << ")\n";
    return kExitFailed;
}

bool kindArgument(CommandContext& context, std::size_t index, DeviceKind& kind) {
    if (index >= context.arguments.size() || !kindFromName(context.arguments[index], kind)) {
        usageError(context, "expected a device kind: mouse, keyboard or mousepad");
        return false;
    }
    return true;
}

std::unique_ptr<DeviceChannel> openDevice(CommandContext& context, DeviceKind kind) {
    auto channel = context.session.open(kind);
    if (!channel) {
        context.err << "quillonctl: no " << kindName(kind) << " found\n";
    }
    return channel;
}

}  // namespace quillon::ctl
