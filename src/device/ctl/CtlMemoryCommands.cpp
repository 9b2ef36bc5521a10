// read, select, write-settings and factory-reset.

#include "device/Commands.h"
#include "device/MemorySync.h"
#include "device/ctl/CtlCommands.h"
#include "device/ctl/CtlHex.h"
#include "device/ctl/CtlOptions.h"

namespace quillon::ctl {
namespace {

CommandResult readWholeDevice(DeviceModel& model, DeviceChannel& channel) {
    const SyncHooks none;
    switch (channel.kind()) {
        case DeviceKind::Mouse:
            return ReadWholeMouse(model, channel, none);
        case DeviceKind::Keyboard:
            return ReadWholeKeyboard(model, channel, none);
        case DeviceKind::Mousepad:
            return ReadWholeMousepad(model, channel, none);
    }
    return kCommandNoAnswer;
}

std::vector<std::uint8_t> currentRecord(const DeviceMemory& memory) {
    std::vector<std::uint8_t> bytes(memory.current.size());
    memory.current.copyTo(bytes);
    return bytes;
}

void printKeyTables(std::ostream& out, const DeviceMemory& memory, std::size_t blockSize) {
    const std::size_t size = std::min(blockSize, kKeyTableSize);
    printHexDump(out, "factory key table", std::span(memory.factoryKeyTable).first(size));
    const int tables = memory.kind == DeviceKind::Mouse ? kProfileCount : 1;
    for (int p = 0; p < tables; ++p) {
        printHexDump(out, "key table " + std::to_string(p),
                     std::span(memory.keyTables[p]).first(size));
    }
}

void printModel(std::ostream& out, const DeviceMemory& memory, std::size_t blockSize) {
    out << "active profile: " << unsigned{memory.current.get(0)} << "\n";
    out << "current record: " << hexString(currentRecord(memory)) << "\n";
    for (int p = 0; p < kProfileCount; ++p) {
        printHexDump(out, "settings record " + std::to_string(p), memory.profileTable[p]);
    }
    if (memory.kind != DeviceKind::Mousepad) {
        printKeyTables(out, memory, blockSize);
    }
}

}  // namespace

int readCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    DeviceModel& model = context.session.model();
    if (const CommandResult r = readWholeDevice(model, *channel); r != kCommandOk) {
        return commandFailed(context, kind, "reading the device", r);
    }
    printModel(context.out, model.memory(kind), channel->blockSize());
    return kExitOk;
}

int selectCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    long n = 0;
    if (kind == DeviceKind::Keyboard) {
        return usageError(context, "select works on the mouse and the mousepad");
    }
    if (context.arguments.size() < 2 || !parseNumber(context.arguments[1], 0, 4, n)) {
        return usageError(context, "select needs a profile number from 0 to 4");
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    DeviceModel& model = context.session.model();
    const int profile = static_cast<int>(n);
    if (const CommandResult r = SelectDeviceProfile(model, *channel, profile, {});
        r != kCommandOk) {
        return commandFailed(context, kind, "selecting the profile", r);
    }
    context.out << "active profile: " << profile << "\n";
    return kExitOk;
}

int writeSettingsCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    const std::size_t size = currentRecordSize(kind);
    std::vector<std::uint8_t> bytes;
    if (context.arguments.size() < 2 || !parseHexBytes(context.arguments[1], bytes, size)) {
        return usageError(context, "write-settings needs 1 to " + std::to_string(size) +
                                       " bytes in hex for the " + std::string(kindName(kind)));
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    DeviceModel& model = context.session.model();
    // The record must come from the device: a failed read would send the model's empty bytes.
    if (const CommandResult r = readWholeDevice(model, *channel); r != kCommandOk) {
        return commandFailed(context, kind, "reading the device", r);
    }
    DeviceMemory& memory = model.memory(kind);
    memory.current.assign(bytes);
    memory.writePending = true;
    ChannelTable channels{};
    channels[kindIndex(kind)] = channel.get();
    if (const CommandResult r = FlushPendingSettings(model, channels); r != kCommandOk) {
        return commandFailed(context, kind, "writing the settings", r);
    }
    context.out << "current record: " << hexString(currentRecord(memory)) << "\n";
    return kExitOk;
}

int factoryResetCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    if (const CommandResult r = FactoryReset(*channel); r != kCommandOk) {
        return commandFailed(context, kind, "the factory reset", r);
    }
    context.out << "factory reset done\n";
    return kExitOk;
}

}  // namespace quillon::ctl
