// The connect-time reads of a whole device: bracketed by BeginConfig and EndConfig, each region
// read into a scratch copy and stored back (device/SyncSteps.h).

#include "device/Commands.h"
#include "device/MemorySync.h"
#include "device/SyncSteps.h"

namespace quillon {

using sync::Outcome;
using sync::readRegion;
using List = SyncHooks::ProfileList;

namespace {

CommandResult readInfo(DeviceChannel& channel, DeviceMemory& memory) {
    return readRegion(memory.info, [&](std::span<std::uint8_t> s) {
        return ReadDeviceInfo(channel, s.first<kDeviceInfoSize>());
    });
}

CommandResult readFactoryTable(DeviceChannel& channel, DeviceMemory& memory) {
    return readRegion(memory.factoryKeyTable,
                      [&](std::span<std::uint8_t> s) { return ReadKeyTable(channel, s); });
}

CommandResult readKeyTable(DeviceChannel& channel, DeviceMemory& memory, int page) {
    return readRegion(memory.keyTables[page], [&](std::span<std::uint8_t> s) {
        return ReadProfileBlock(channel, s, page);
    });
}

// Reads the active profile number and adopts that profile's record; a failed or implausible
// answer leaves the current record as it was.
CommandResult adoptActiveProfile(DeviceChannel& channel, DeviceMemory& memory) {
    int active = 0;
    const CommandResult result = sync::readActiveProfile(channel, active);
    if (result == kCommandOk) {
        sync::adoptRecord(memory, active);
    }
    return result;
}

void readKeyboardTables(DeviceChannel& channel, DeviceMemory& memory, int keys, Outcome& outcome) {
    channel.setBlockSize(static_cast<std::uint16_t>(3 * keys));
    outcome.note(readFactoryTable(channel, memory));
    outcome.note(readKeyTable(channel, memory, 0));
    // The keyboard's settings area is not read here: profile 0's record stands.
    sync::adoptRecord(memory, 0);
}

}  // namespace

CommandResult ReadWholeMouse(DeviceModel& model, DeviceChannel& channel, const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(DeviceKind::Mouse);
    Outcome outcome;
    outcome.note(BeginConfig(channel));
    outcome.note(readInfo(channel, memory));
    outcome.note(readFactoryTable(channel, memory));
    for (int p = 0; p < kProfileCount; ++p) {
        outcome.note(sync::readProfileRecord(channel, memory, p));
        outcome.note(readKeyTable(channel, memory, p));
    }
    outcome.note(adoptActiveProfile(channel, memory));
    outcome.note(EndConfig(channel));
    sync::callSave(hooks, DeviceKind::Mouse, List::Device);
    return outcome.result();
}

CommandResult ReadWholeKeyboard(DeviceModel& model, DeviceChannel& channel,
                                const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(DeviceKind::Keyboard);
    Outcome outcome;
    outcome.note(BeginConfig(channel));
    outcome.note(readInfo(channel, memory));
    const int keys = memory.info[5];
    if (keys > kMaxKeyboardKeys) {
        // Close the bracket before telling the user, so the keyboard does not stay in
        // configuration mode while the message waits.
        EndConfig(channel);
        if (hooks.showMessage) {
            hooks.showMessage("message_text_22");
        }
        return kCommandBadAnswer;
    }
    readKeyboardTables(channel, memory, keys, outcome);
    outcome.note(EndConfig(channel));
    if (hooks.rebuildKeyPositionMap) {
        hooks.rebuildKeyPositionMap();
    }
    sync::callSave(hooks, DeviceKind::Keyboard, List::Key);
    sync::callSave(hooks, DeviceKind::Keyboard, List::Device);
    return outcome.result();
}

CommandResult ReadWholeMousepad(DeviceModel& model, DeviceChannel& channel,
                                const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(DeviceKind::Mousepad);
    Outcome outcome;
    outcome.note(BeginConfig(channel));
    outcome.note(readInfo(channel, memory));
    for (int p = 0; p < kProfileCount; ++p) {
        outcome.note(sync::readProfileRecord(channel, memory, p));
    }
    outcome.note(adoptActiveProfile(channel, memory));
    outcome.note(EndConfig(channel));
    sync::callSave(hooks, DeviceKind::Mousepad, List::Lighting);
    return outcome.result();
}

}  // namespace quillon
