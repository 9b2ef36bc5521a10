#include "device/SyncSteps.h"

#include "device/Commands.h"

namespace quillon::sync {

CommandResult readActiveProfile(DeviceChannel& channel, int& active) {
    std::array<std::uint8_t, 1> value{};
    const CommandResult result = ReadSettings(channel, 0, value);
    if (result != kCommandOk) {
        return result;
    }
    if (value[0] >= kProfileCount) {
        return kCommandBadAnswer;
    }
    active = value[0];
    return kCommandOk;
}

CommandResult readProfileRecord(DeviceChannel& channel, DeviceMemory& memory, int p) {
    const auto address = static_cast<std::uint16_t>(p * kRecordSize);
    auto entry = std::span<std::uint8_t>(memory.profileTable[p]).first(kSettingsReadSize);
    return readRegion(entry,
                      [&](std::span<std::uint8_t> s) { return ReadSettings(channel, address, s); });
}

void adoptRecord(DeviceMemory& memory, int p) {
    memory.current.assign(memory.profileTable[p]);
    memory.current.set(0, static_cast<std::uint8_t>(p));
}

void keepCurrentRecord(DeviceMemory& memory) {
    const int p = memory.current.get(0);
    if (p < kProfileCount) {
        memory.current.copyTo(memory.profileTable[p]);
    }
}

void callSave(const SyncHooks& hooks, DeviceKind kind, SyncHooks::ProfileList list) {
    if (hooks.saveSelectedProfile) {
        hooks.saveSelectedProfile(kind, list);
    }
}

}  // namespace quillon::sync
