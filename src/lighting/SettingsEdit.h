#pragma once
// What every edit of a device's current settings record ends with: the device is marked
// write-pending (the 100 ms flush sends the record) and the profile lists that hold the changed
// bytes are saved, in the order given.

#include <initializer_list>

#include "device/DeviceKind.h"
#include "device/MemorySync.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

using ProfileList = SyncHooks::ProfileList;

void settingsEdited(app::CMainWnd& main, DeviceKind kind, std::initializer_list<ProfileList> lists);
// Saves without marking the device (settings that never go to the device).
void saveProfiles(app::CMainWnd& main, DeviceKind kind, std::initializer_list<ProfileList> lists);

}  // namespace quillon::lighting
