// The page's desktop settings (pointer speed and wheel lines) and its restore button. These never
// go to the mouse: they are kept beside the current record, saved in the profile files and handed
// to the desktop.

#include "app/MainWindow.h"
#include "device/Commands.h"
#include "lighting/MousePerformancePage.h"
#include "lighting/SettingsEdit.h"
#include "lighting/WheelLinesText.h"

namespace quillon::lighting {
namespace {

constexpr int kRestoredPointerSpeed = 10;
constexpr int kRestoredWheelLines = 3;
// The mouse is given time to put its factory settings in place before it is read again.
constexpr Millis kReadAfterResetMs = 1000;

}  // namespace

void MousePerformancePage::takeDesktopValues(const PointerSettings& desktop) {
    if (const int speed = desktop.pointerSpeed(); speed > 0) {
        host_.pointerSpeed = clampPointerSpeed(speed);
    }
    if (const int lines = desktop.wheelLines(); lines > 0) {
        host_.wheelLines = clampWheelLines(lines);
    }
    showPointerSpeed(host_.pointerSpeed);
    showWheelLines(host_.wheelLines);
}

void MousePerformancePage::showAndApplyHostSettings() {
    host_.pointerSpeed = clampPointerSpeed(host_.pointerSpeed);
    host_.wheelLines = clampWheelLines(host_.wheelLines);
    showPointerSpeed(host_.pointerSpeed);
    showWheelLines(host_.wheelLines);
    applier_.applyPointerSpeed(host_.pointerSpeed);
    applier_.applyWheelLines(host_.wheelLines);
}

// The desktop takes 1..20; the value kept (and saved) is the one it was given.
void MousePerformancePage::pointerSpeedReleased(int position) {
    host_.pointerSpeed = clampPointerSpeed(pointerSpeedForSlider(position));
    applier_.applyPointerSpeed(host_.pointerSpeed);
    saveProfiles(main_, DeviceKind::Mouse, {ProfileList::Lighting, ProfileList::Device});
}

void MousePerformancePage::stepWheelLines(bool up) {
    const int now = wheelLinesInEdit();
    keepWheelLines(up ? wheelLinesStepUp(now) : wheelLinesStepDown(now));
    saveProfiles(main_, DeviceKind::Mouse, {ProfileList::Lighting, ProfileList::Device});
}

void MousePerformancePage::wheelLinesTyped(const std::string& text) {
    if (const std::optional<std::string> corrected = correctedWheelLinesText(text)) {
        setText("ms_gunlun_speed_edit", *corrected);
    }
}

void MousePerformancePage::wheelLinesEditLeft() {
    keepWheelLines(clampWheelLines(wheelLinesInEdit()));
    saveProfiles(main_, DeviceKind::Mouse, {ProfileList::Device});
}

void MousePerformancePage::keepWheelLines(int lines) {
    showWheelLines(lines);
    host_.wheelLines = lines;
    applier_.applyWheelLines(lines);
}

// The desktop gets its usual values back and the mouse its factory settings. The host values
// kept for the profile stay as they are, so the profile still restores the user's own choice.
// The mouse is then read again as after connecting, so that the page shows what the mouse now
// holds and the next edit does not send the settings from before the reset back to it.
void MousePerformancePage::restoreDefaults() {
    showPointerSpeed(kRestoredPointerSpeed);
    applier_.applyPointerSpeed(kRestoredPointerSpeed);
    showWheelLines(kRestoredWheelLines);
    applier_.applyWheelLines(kRestoredWheelLines);
    if (FactoryReset(main_.channel(DeviceKind::Mouse)) == kCommandOk) {
        main_.window().setTimer(app::kTimerReadMouse, kReadAfterResetMs);
    }
}

}  // namespace quillon::lighting
