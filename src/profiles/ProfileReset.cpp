#include <algorithm>

#include "profiles/ProfileOperations.h"

namespace quillon {
namespace {

using namespace profile_action;
using Bytes = std::span<const std::uint8_t>;

// Lighting resets of the mouse and the mousepad take only the bytes a settings read moves, so
// bytes 56..63 of the record keep their values.
std::size_t resetSize(const ProfileList& list) {
    return list.kind == ProfileKind::Lighting && list.device != DeviceKind::Keyboard
               ? kSettingsReadSize
               : list.payloadSize;
}

void takeRecordStart(DeviceMemory& memory, Bytes bytes) {
    std::copy(bytes.begin(), bytes.end(), memory.profileTable[0].begin());
    memory.current.assign(bytes);
}

// The host values a mouse reset gives the desktop, after the files were saved with the old ones.
void resetHost(ProfileStore& store, int pointerSpeed, int wheelLines, ProfileOutcome& out) {
    store.model().host = HostSettings{pointerSpeed, wheelLines};
    out.actions |= kApplyPointerSpeed | kApplyWheelLines;
    out.pointerSpeed = pointerSpeed;
    out.wheelLines = wheelLines;
}

void resetKeyboard(ProfileStore& store, const ProfileList& list, Bytes payload,
                   ProfileOutcome& out) {
    applyPayload(list, payload, store.model(), store.desktop());
    store.saveSelectedProfile(list);
    out.actions |= kRefreshKeyboardLighting;
    if (list.kind == ProfileKind::Key) {
        out.actions |= kHideKeyFunctionPanel | kWriteKeyTable;
        return;
    }
    store.model().devices.memory(DeviceKind::Keyboard).writePending = true;
    if (list.kind == ProfileKind::Device) {
        out.actions |= kWriteKeyTable;
    }
}

void resetMouse(ProfileStore& store, const ProfileList& list, Bytes payload, ProfileOutcome& out) {
    DeviceMemory& mouse = store.model().devices.memory(DeviceKind::Mouse);
    out.actions |= kRefreshMousePage;
    if (list.kind != ProfileKind::Lighting) {
        std::copy_n(payload.begin(), kKeyTableSize, mouse.keyTables[0].begin());
        out.actions |= kWriteKeyTable;
    }
    if (list.kind == ProfileKind::Key) {
        store.saveSelectedProfile(DeviceKind::Mouse, ProfileKind::Key);
        return;
    }
    mouse.writePending = true;
    if (list.kind == ProfileKind::Device) {
        takeRecordStart(mouse, payload.subspan(kKeyTableSize, kRecordSize));
        store.saveSelectedProfile(DeviceKind::Mouse, ProfileKind::Device);
        resetHost(store, 10, 6, out);
        out.actions |= kSelectFirstMouseButton;
        return;
    }
    takeRecordStart(mouse, payload);
    store.saveSelectedProfile(DeviceKind::Mouse, ProfileKind::Lighting);
    store.saveSelectedProfile(DeviceKind::Mouse, ProfileKind::Device);
    resetHost(store, 10, 1, out);
}

void resetMousepad(ProfileStore& store, Bytes payload, ProfileOutcome& out) {
    DeviceMemory& pad = store.model().devices.memory(DeviceKind::Mousepad);
    takeRecordStart(pad, payload);
    store.saveSelectedProfile(DeviceKind::Mousepad, ProfileKind::Lighting);
    pad.writePending = true;
    out.actions |= kRefreshMousepadPage;
}

}  // namespace

ProfileOutcome resetProfile(ProfileStore& store, const ProfileList& list) {
    ProfileOutcome out;
    if (list.device == DeviceKind::Keyboard && list.kind == ProfileKind::Key) {
        out.actions |= kHideKeyFunctionPanel;
    }
    const ProfileFileData defaults = store.readDefault(list, resetSize(list));
    if (defaults.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(defaults.result);
        return out;
    }
    switch (list.device) {
        case DeviceKind::Keyboard:
            resetKeyboard(store, list, defaults.payload, out);
            break;
        case DeviceKind::Mouse:
            resetMouse(store, list, defaults.payload, out);
            break;
        case DeviceKind::Mousepad:
            resetMousepad(store, defaults.payload, out);
            break;
    }
    return out;
}

}  // namespace quillon
