// list and info.

#include <cstdio>

#include "device/Commands.h"
#include "device/ctl/CtlCommands.h"
#include "device/ctl/CtlHex.h"
#include "device/ctl/CtlOptions.h"

namespace quillon::ctl {
namespace {

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

unsigned word(const DeviceInfoBytes& info, std::size_t offset) {
    return info[offset] | info[offset + 1] << 8;
}

void printDecodedInfo(std::ostream& out, DeviceKind kind, const DeviceInfoBytes& info) {
    out << "macro memory: " << unsigned{info[6]} << " x 128 = " << info[6] * 128 << " bytes\n";
    if (kind == DeviceKind::Keyboard) {
        out << "key count: " << unsigned{info[5]} << " (key table " << 3 * info[5] << " bytes)\n";
    }
    if (kind == DeviceKind::Mouse) {
        out << "sensor id: 0x" << hex4(static_cast<std::uint16_t>(word(info, 9))) << "\n"
            << "dpi step: " << unsigned{info[11]} << "\n"
            << "dpi stage maximum: " << unsigned{info[12]} << "\n"
            << "dpi base: " << word(info, 13) << "\n";
    }
}

}  // namespace

int listCommand(CommandContext& context) {
    for (const FoundInterface& found : context.session.listConfigInterfaces()) {
        context.out << kindName(found.kind) << ' ' << hex4(found.vendorId) << ':'
                    << hex4(found.productId) << ' ' << found.path << '\n';
    }
    return kExitOk;
}

int infoCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    DeviceInfoBytes info{};
    if (const CommandResult r = ReadDeviceInfo(*channel, info); r != kCommandOk) {
        return commandFailed(context, kind, "reading the device information", r);
    }
    context.out << "information: " << hexString(info) << "\n";
    printDecodedInfo(context.out, kind, info);
    return kExitOk;
}

}  // namespace quillon::ctl
