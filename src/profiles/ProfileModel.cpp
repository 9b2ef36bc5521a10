#include "profiles/ProfileModel.h"

#include <algorithm>

#include "lighting/MouseRecord.h"

namespace quillon {
namespace {

constexpr std::size_t kRecordAfterKeys = kKeyTableSize;    // 512
constexpr std::size_t kLightingAfterRecord = kRecordSize;  // 64

using Bytes = std::span<const std::uint8_t>;

void copyInto(std::span<std::uint8_t> out, std::size_t at, Bytes from) {
    std::copy(from.begin(), from.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

std::uint8_t hostByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Record and current record from a 64-byte record in a payload.
void takeRecord(DeviceMemory& memory, Bytes record) {
    std::copy(record.begin(), record.end(), memory.profileTable[0].begin());
    memory.current.assign(record.first(memory.current.size()));
}

void takeKeyTable(DeviceMemory& memory, Bytes table) {
    std::copy(table.begin(), table.end(), memory.keyTables[0].begin());
}

void assembleKeyboard(const ProfileList& list, const ProfileModel& model,
                      std::span<std::uint8_t> out) {
    const DeviceMemory& memory = model.devices.memory(DeviceKind::Keyboard);
    std::size_t at = 0;
    if (list.kind != ProfileKind::Lighting) {
        copyInto(out, 0, memory.keyTables[0]);
        at = kRecordAfterKeys;
    }
    if (list.kind == ProfileKind::Key) {
        return;
    }
    copyInto(out, at, memory.profileTable[0]);
    model.keyboardLighting.store(out.subspan(at + kLightingAfterRecord));
}

void assembleRecordHolder(const ProfileList& list, const ProfileModel& model,
                          std::span<std::uint8_t> out) {
    const DeviceMemory& memory = model.devices.memory(list.device);
    if (list.kind != ProfileKind::Lighting) {
        copyInto(out, 0, memory.keyTables[0]);
    }
    if (list.kind == ProfileKind::Device) {
        copyInto(out, kRecordAfterKeys, memory.profileTable[0]);
    } else if (list.kind == ProfileKind::Lighting) {
        copyInto(out, 0, memory.profileTable[0]);
    }
}

void applyKeyboard(const ProfileList& list, Bytes payload, ProfileModel& model) {
    DeviceMemory& memory = model.devices.memory(DeviceKind::Keyboard);
    std::size_t at = 0;
    if (list.kind != ProfileKind::Lighting) {
        takeKeyTable(memory, payload.first(kKeyTableSize));
        at = kRecordAfterKeys;
    }
    if (list.kind == ProfileKind::Key) {
        return;
    }
    takeRecord(memory, payload.subspan(at, kRecordSize));
    model.keyboardLighting.restore(payload.subspan(at + kLightingAfterRecord));
}

void applyMouse(const ProfileList& list, Bytes payload, ProfileModel& model,
                const PointerSettingsSource& desktop) {
    DeviceMemory& memory = model.devices.memory(DeviceKind::Mouse);
    if (list.kind != ProfileKind::Lighting) {
        takeKeyTable(memory, payload.first(kKeyTableSize));
    }
    if (list.kind == ProfileKind::Device) {
        takeRecord(memory, payload.subspan(kRecordAfterKeys, kRecordSize));
        model.host.pointerSpeed = pointerSpeedFromStore(desktop.pointerSpeed());
        model.host.wheelLines = wheelLinesFromStore(desktop.wheelLines());
    } else if (list.kind == ProfileKind::Lighting) {
        takeRecord(memory, payload.first(kRecordSize));
        model.host.pointerSpeed = pointerSpeedFromStore(payload[mouse_field::kPointerSpeed]);
        model.host.wheelLines = wheelLinesFromStore(payload[mouse_field::kWheelLines]);
    }
}

}  // namespace

void refreshEntryFromCurrent(DeviceKind device, ProfileModel& model) {
    DeviceMemory& memory = model.devices.memory(device);
    RecordBytes& entry = memory.profileTable[0];
    memory.current.copyTo(entry);
    if (device == DeviceKind::Mouse) {
        entry[mouse_field::kPointerSpeed] = hostByte(model.host.pointerSpeed);
        entry[mouse_field::kWheelLines] = hostByte(model.host.wheelLines);
    }
}

std::vector<std::uint8_t> assemblePayload(const ProfileList& list, const ProfileModel& model) {
    std::vector<std::uint8_t> out(list.payloadSize, 0);
    if (list.device == DeviceKind::Keyboard) {
        assembleKeyboard(list, model, out);
    } else {
        assembleRecordHolder(list, model, out);
    }
    return out;
}

bool applyPayload(const ProfileList& list, std::span<const std::uint8_t> payload,
                  ProfileModel& model, const PointerSettingsSource& desktop) {
    if (payload.size() != list.payloadSize) {
        return false;
    }
    if (list.device == DeviceKind::Keyboard) {
        applyKeyboard(list, payload, model);
    } else if (list.device == DeviceKind::Mouse) {
        applyMouse(list, payload, model, desktop);
    } else {
        takeRecord(model.devices.memory(DeviceKind::Mousepad), payload.first(kRecordSize));
    }
    return true;
}

}  // namespace quillon
