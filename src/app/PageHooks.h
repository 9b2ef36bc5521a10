#pragma once
// What the shell and the device wiring ask of the subsystems installed after them (pages,
// profiles, keys). A subsystem sets the hooks it serves when it is installed; an empty hook does
// nothing, so the shell runs before every page exists.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "device/DeviceKind.h"
#include "device/MemorySync.h"

namespace quillon::app {

struct PageHooks {
    // The device's page shows the model again (after a read, a profile switch, ...).
    std::function<void(DeviceKind)> refreshPage;
    // The mouse buttons' labels from a profile's key table.
    std::function<void(int profile)> refreshMouseButtonLabels;
    // The mouse button option "ms_key_" + key is selected and its function shown.
    std::function<void(int key)> showMouseButton;
    // The keyboard's key page shows key table 0 again (a key or device profile was loaded).
    std::function<void()> refreshKeyboardKeys;
    // The model goes into the file of the list's selected profile.
    std::function<void(DeviceKind, SyncHooks::ProfileList)> saveSelectedProfile;
    // A device was found: its stored profile selection is applied (profile combos).
    std::function<void(DeviceKind)> deviceConnected;
    // The mouse's pointer speed and wheel lines changed in the model (a profile was loaded or
    // reset): show them on the page and hand them to the desktop.
    std::function<void()> showAndApplyHostSettings;
    // The mouse's cursor image was read.
    std::function<void(std::span<const std::uint8_t> image)> storeCursorImage;
    std::function<void()> rebuildKeyPositionMap;
    // Every tab change and deactivation ends key capture and macro recording.
    std::function<void()> removeInputHooks;
    std::function<void()> clearMacroRecording;
    // The preview ticks start (true: a preview can be seen) or stop (false: the window is hidden,
    // minimised or covered, or no page with a preview is shown): the previews start or stop.
    std::function<void(bool shown)> windowShown;
    // Arms key capture (modes 0x01 and 0x10) or macro recording: the input capture sends the
    // mode's messages to the main window. False when it could not be armed.
    std::function<bool(std::uint8_t mode, bool keyboard, bool mouse)> installInputHooks;
    // A device kind's macro index: how many macros it lists, and the name of macro n (asked
    // only for n below the count). Labels of macro functions show these names.
    std::function<int(DeviceKind)> macroCount;
    std::function<std::string(DeviceKind, int n)> macroName;
};

}  // namespace quillon::app
