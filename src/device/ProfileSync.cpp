// Following and choosing the device's active profile, and the periodic settings flush.

#include "device/Commands.h"
#include "device/MemorySync.h"
#include "device/SyncSteps.h"

namespace quillon {

using List = SyncHooks::ProfileList;

namespace {

void saveFollowed(const SyncHooks& hooks, DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Mouse:
            sync::callSave(hooks, kind, List::Lighting);
            sync::callSave(hooks, kind, List::Device);
            break;
        case DeviceKind::Keyboard:
            sync::callSave(hooks, kind, List::Device);
            break;
        case DeviceKind::Mousepad:
            sync::callSave(hooks, kind, List::Lighting);
            break;
    }
}

// Which profile's record to read: the mousepad's active one; for the mouse and the keyboard
// always profile 0 (their active number is read but not used, so an implausible one is no fault).
CommandResult followedProfile(DeviceChannel& channel, sync::Outcome& outcome, int& profile) {
    int active = 0;
    const CommandResult result = sync::readActiveProfile(channel, active);
    if (channel.kind() == DeviceKind::Mousepad) {
        profile = active;
        return result;
    }
    outcome.note(result == kCommandBadAnswer ? kCommandOk : result);
    profile = 0;
    return kCommandOk;
}

}  // namespace

CommandResult FollowDeviceProfile(DeviceModel& model, DeviceChannel& channel,
                                  const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(channel.kind());
    sync::keepCurrentRecord(memory);
    sync::Outcome outcome;
    int profile = 0;
    if (const CommandResult r = followedProfile(channel, outcome, profile); r != kCommandOk) {
        return r;
    }
    if (const CommandResult r = sync::readProfileRecord(channel, memory, profile);
        r != kCommandOk) {
        return r;  // nothing arrived: the current record stays as it was
    }
    memory.profileTable[profile][0] = static_cast<std::uint8_t>(profile);
    sync::adoptRecord(memory, profile);
    saveFollowed(hooks, channel.kind());
    return outcome.result();
}

CommandResult SelectDeviceProfile(DeviceModel& model, DeviceChannel& channel, int n,
                                  const SyncHooks& hooks) {
    if (n < 0 || n >= kProfileCount) {
        return kCommandBadPage;
    }
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(channel.kind());
    int active = 0;
    if (const CommandResult r = sync::readActiveProfile(channel, active); r != kCommandOk) {
        return r;
    }
    if (active == n) {
        return kCommandOk;
    }
    memory.current.copyTo(memory.profileTable[active]);
    const std::uint8_t number[1] = {static_cast<std::uint8_t>(n)};
    if (const CommandResult r = WriteSettings(channel, number); r != kCommandOk) {
        return r;  // the device did not switch; the model stays on its profile
    }
    const CommandResult result = sync::readProfileRecord(channel, memory, n);
    sync::adoptRecord(memory, n);
    if (channel.kind() == DeviceKind::Mouse && hooks.hideControl) {
        hooks.hideControl("ms_tab_function");
    }
    if (hooks.refreshPage) {
        hooks.refreshPage(channel.kind());
    }
    return result;
}

CommandResult FlushPendingSettings(DeviceModel& model, const ChannelTable& channels) {
    sync::Outcome outcome;
    for (DeviceKind kind : kAllDeviceKinds) {
        DeviceChannel* channel = channels[kindIndex(kind)];
        DeviceMemory& memory = model.memory(kind);
        if (channel == nullptr || !memory.writePending.exchange(false)) {
            continue;
        }
        std::array<std::uint8_t, kSettingsReadSize> buffer{};
        memory.current.copyTo(buffer);
        outcome.note(WriteSettings(*channel, buffer));
    }
    return outcome.result();
}

}  // namespace quillon
