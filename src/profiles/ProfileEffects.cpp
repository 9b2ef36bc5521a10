#include "profiles/ProfileEffects.h"

#include <span>

#include "app/MainWindow.h"
#include "device/Commands.h"
#include "profiles/ProfilePanelNames.h"

namespace quillon {
namespace {

using namespace profile_action;

constexpr int kShownMouseButton = 1;

template <typename Hook, typename... Args>
void call(const Hook& hook, Args... args) {
    if (hook) {
        hook(args...);
    }
}

void hideKeyFunctionPanel(app::CMainWnd& main, DeviceKind device) {
    toolkit::Control* panel = main.find(keyFunctionPanel(device));
    if (panel != nullptr && panel->visible()) {
        panel->setVisible(false);
        panel->setEnabled(false);
    }
}

// Bytes 0..37 of profile-table entry 0: the part of the record the mouse keeps.
void sendMouseRecord(app::CMainWnd& main) {
    const RecordBytes& entry = main.model().memory(DeviceKind::Mouse).profileTable[0];
    WriteSettings(main.channel(DeviceKind::Mouse),
                  std::span<const std::uint8_t>(entry).first(kMouseCurrentSize));
}

void writeKeyTable(app::CMainWnd& main, DeviceKind device) {
    const KeyTableBytes& table = main.model().memory(device).keyTables[0];
    WriteProfileBlock(main.channel(device), table, 0);
}

void showFirstMouseButton(app::CMainWnd& main) {
    if (toolkit::Control* button = main.find("ms_key_" + std::to_string(kShownMouseButton))) {
        button->setSelected(true);
    }
    call(main.hooks().showMouseButton, kShownMouseButton);
}

}  // namespace

void carryOutProfileActions(app::CMainWnd& main, const ProfileList& list,
                            const ProfileOutcome& outcome) {
    const app::PageHooks& hooks = main.hooks();
    if (outcome.has(kHideKeyFunctionPanel)) {
        hideKeyFunctionPanel(main, list.device);
    }
    if (outcome.has(kApplyPointerSpeed) || outcome.has(kApplyWheelLines)) {
        call(hooks.showAndApplyHostSettings);
    }
    if (outcome.has(kRefreshMousePage)) {
        call(hooks.refreshPage, DeviceKind::Mouse);
    }
    if (outcome.has(kSendMouseRecord)) {
        sendMouseRecord(main);
    }
    if (outcome.has(kRefreshMouseButtons)) {
        call(hooks.refreshMouseButtonLabels, 0);
    }
    if (outcome.has(kRefreshKeyboardLighting)) {
        call(hooks.refreshPage, DeviceKind::Keyboard);
    }
    if (outcome.has(kRefreshKeyboardKeys)) {
        call(hooks.refreshKeyboardKeys);
    }
    if (outcome.has(kRefreshMousepadPage)) {
        call(hooks.refreshPage, DeviceKind::Mousepad);
    }
    if (outcome.has(kWriteKeyTable)) {
        writeKeyTable(main, list.device);
    }
    if (outcome.has(kSelectFirstMouseButton)) {
        showFirstMouseButton(main);
    }
}

}  // namespace quillon
