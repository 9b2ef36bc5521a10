#include "profiles/ProfileOperations.h"

namespace quillon {
namespace {

using namespace profile_action;

bool hasFolder(const std::string& path) {
    return path.find_first_of("/\\") != std::string::npos;
}

void showHostSettings(ProfileStore& store, ProfileOutcome& out) {
    HostSettings& host = store.model().host;
    host.pointerSpeed = clampPointerSpeed(host.pointerSpeed);
    out.actions |= kApplyPointerSpeed | kApplyWheelLines;
    out.pointerSpeed = host.pointerSpeed;
    out.wheelLines = host.wheelLines;
}

void markPending(ProfileStore& store, DeviceKind device) {
    store.model().devices.memory(device).writePending = true;
}

// What the page and the device do after a profile of the list was selected and loaded.
void applySelected(ProfileStore& store, const ProfileList& list, ProfileOutcome& out) {
    switch (list.device) {
        case DeviceKind::Keyboard:
            if (list.kind == ProfileKind::Key) {
                out.actions |= kHideKeyFunctionPanel | kRefreshKeyboardKeys | kWriteKeyTable;
                return;
            }
            out.actions |= kRefreshKeyboardLighting;
            markPending(store, DeviceKind::Keyboard);
            if (list.kind == ProfileKind::Device) {
                out.actions |= kRefreshKeyboardKeys | kWriteKeyTable;
            }
            return;
        case DeviceKind::Mouse:
            if (list.kind == ProfileKind::Key) {
                out.actions |= kHideKeyFunctionPanel | kRefreshMouseButtons | kWriteKeyTable;
                return;
            }
            if (list.kind == ProfileKind::Device) {
                DeviceMemory& mouse = store.model().devices.memory(DeviceKind::Mouse);
                mouse.current.assign(mouse.profileTable[0]);
                out.actions |= kSendMouseRecord | kRefreshMouseButtons | kWriteKeyTable;
            }
            showHostSettings(store, out);
            out.actions |= kRefreshMousePage;
            markPending(store, DeviceKind::Mouse);
            return;
        case DeviceKind::Mousepad:
            out.actions |= kRefreshMousepadPage;
            markPending(store, DeviceKind::Mousepad);
            return;
    }
}

}  // namespace

ProfileOutcome selectProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             int position) {
    ProfileOutcome out;
    if (position < 0 || position >= static_cast<int>(state.entries.size())) {
        return out;
    }
    state.selected = position;
    out.selectionChanged = true;
    out.nameField = state.entries[static_cast<std::size_t>(position)];

    // An index that cannot be read is left alone (and reads as empty below).
    ProfileIndex index;
    if (std::optional<ProfileIndex> stored = store.readIndexForUpdate(list.device)) {
        index = std::move(*stored);
        index.setSelected(list, position);
        store.writeIndex(list.device, index);
    }

    ProfileLinkState link{index.linked(list, position), index.linkPath(list, position)};
    const bool linkedWithoutFolder = link.linked && !hasFolder(link.path);
    out.link = std::move(link);
    if (linkedWithoutFolder) {
        return out;
    }
    store.loadProfile(list, position);
    applySelected(store, list, out);
    return out;
}

}  // namespace quillon
