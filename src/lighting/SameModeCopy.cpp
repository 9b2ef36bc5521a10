#include "lighting/SameModeCopy.h"

#include <optional>

#include "app/MainWindow.h"
#include "lighting/LightingRecords.h"
#include "lighting/SettingsEdit.h"
#include "platform/DebugLog.h"

namespace quillon::lighting {
namespace {

std::optional<DeviceKind> sourceKind(int source) {
    switch (source) {
        case 1:
            return DeviceKind::Keyboard;
        case 2:
            return DeviceKind::Mouse;
        case 3:
            return DeviceKind::Mousepad;
        default:
            return std::nullopt;
    }
}

}  // namespace

void SameModeCopy::copyFrom(int source) {
    const std::optional<DeviceKind> from = sourceKind(source);
    if (!from) {
        debugLog("同步失败");
        return;
    }
    const LightingBlock block = currentLighting(main_.model().memory(*from).current);
    previews_.sync().setBlock(block);
    for (DeviceKind kind : kAllDeviceKinds) {
        if (kind == *from) {
            continue;
        }
        setCurrentLighting(main_.model().memory(kind).current, block);
        // The devices show what the user applied to them at the next flush.
        main_.model().memory(kind).writePending = true;
        if (refresh_[kindIndex(kind)]) {
            refresh_[kindIndex(kind)]();
        }
        if (kind == DeviceKind::Mousepad) {
            saveProfiles(main_, kind, {ProfileList::Lighting});
        } else {
            saveProfiles(main_, kind, {ProfileList::Lighting, ProfileList::Device});
        }
    }
    for (DeviceKind kind : kAllDeviceKinds) {
        previews_.sync().setSynchronised(kind, true);
    }
}

}  // namespace quillon::lighting
