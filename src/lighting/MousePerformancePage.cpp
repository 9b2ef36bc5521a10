#include "lighting/MousePerformancePage.h"

#include "app/MainWindow.h"
#include "lighting/WheelLinesText.h"

namespace quillon::lighting {
namespace {

constexpr const char* kReportCombo = "ms_report_fct_combo";

toolkit::Argb opaque(MouseRecord::Colour c) {
    return 0xFF000000u | static_cast<toolkit::Argb>(c.red) << 16 |
           static_cast<toolkit::Argb>(c.green) << 8 | c.blue;
}

}  // namespace

std::string dpiRowControl(int row, const char* suffix) {
    return "ms_DPI" + std::to_string(row) + suffix;
}

MousePerformancePage::MousePerformancePage(app::CMainWnd& main, HostSettings& host,
                                           HostSettingsApplier& applier)
    : main_(main), host_(host), applier_(applier) {}

toolkit::Control* MousePerformancePage::control(const std::string& name) const {
    return main_.find(name);
}

void MousePerformancePage::setText(const std::string& name, const std::string& text) const {
    if (toolkit::Control* c = control(name)) {
        c->setText(text);
    }
}

MouseDeviceInfo MousePerformancePage::deviceInfo() const {
    return MouseDeviceInfo::fromBytes(main_.model().memory(DeviceKind::Mouse).info);
}

// The lighting controls and the button page of the active profile belong to their own pages,
// which refresh themselves.
void MousePerformancePage::refresh() {
    const MouseDeviceInfo info = deviceInfo();
    showReportRate();
    showSensorRange(info);
    showDpiStages(info);
    showDpiColours();
    showActiveStage();
    showOnboardProfile();
}

// An index the combo does not have (a record from another firmware) selects nothing rather than
// a rate the mouse is not using.
void MousePerformancePage::showReportRate() const {
    toolkit::Control* combo = control(kReportCombo);
    if (combo == nullptr) {
        return;
    }
    const int index = main_.model().memory(DeviceKind::Mouse).current.get(mouse_field::kReportRate);
    combo->selectItem(index < combo->itemCount() ? index : -1);
}

// Only a known sensor changes the range texts; the sliders' range always follows the mouse.
void MousePerformancePage::showSensorRange(const MouseDeviceInfo& info) const {
    const SensorRange* range = findSensorRange(info.sensorId);
    if (range == nullptr) {
        return;
    }
    for (int row = 1; row <= kDpiRowCount; ++row) {
        setText(dpiRowControl(row, "_min"), std::string(range->minimumLabel));
        setText(dpiRowControl(row, "_max"), std::string(range->maximumLabel));
    }
}

void MousePerformancePage::showDpiStages(const MouseDeviceInfo& info) const {
    const CurrentRecord& record = main_.model().memory(DeviceKind::Mouse).current;
    for (int stage = 1; stage <= kDpiStageCount; ++stage) {
        const int level = record.get(dpiLevelOffset(stage));
        if (toolkit::Control* slider = control(dpiRowControl(stage, "_slider"))) {
            slider->setRange(0, info.stageMaximum);
            slider->setValue(level);
        }
        showDpiValue(stage, level);
    }
}

void MousePerformancePage::showDpiValue(int row, int position) const {
    setText(dpiRowControl(row, "_label_value"), std::to_string(deviceInfo().dpiAt(position)));
}

void MousePerformancePage::showDpiColours() const {
    const CurrentRecord& record = main_.model().memory(DeviceKind::Mouse).current;
    for (int stage = 1; stage <= kDpiStageCount; ++stage) {
        const std::size_t at = dpiColourOffset(stage);
        const MouseRecord::Colour colour{record.get(at), record.get(at + 1), record.get(at + 2)};
        if (toolkit::Control* button = control("ms_DPIcolor_btn_" + std::to_string(stage))) {
            button->setBkColor(opaque(colour));
        }
    }
}

// The mouse reports its stage from 0; a number beyond the six rows marks the first.
void MousePerformancePage::showActiveStage() const {
    int active = main_.model().memory(DeviceKind::Mouse).current.get(mouse_field::kActiveStage) + 1;
    if (active > kDpiRowCount) {
        active = 1;
    }
    for (int row = 1; row <= kDpiRowCount; ++row) {
        const toolkit::Argb colour = row == active ? kActiveStageColour : kIdleStageColour;
        for (const char* suffix : {"_label_rank", "_label_value"}) {
            if (toolkit::Control* label = control(dpiRowControl(row, suffix))) {
                label->setTextColor(colour);
            }
        }
    }
}

// The on-board profile buttons mark the profile the record belongs to.
void MousePerformancePage::showOnboardProfile() const {
    const int profile = main_.model().memory(DeviceKind::Mouse).current.get(0);
    if (profile >= kProfileCount) {
        return;
    }
    if (toolkit::Control* button = control("ms_profile_" + std::to_string(profile))) {
        button->setSelected(true);
    }
}

void MousePerformancePage::showPointerSpeed(int speed) const {
    if (toolkit::Control* slider = control("ms_point_speed_slider")) {
        slider->setValue(sliderForPointerSpeed(speed));
    }
}

void MousePerformancePage::showWheelLines(int lines) const {
    setText("ms_gunlun_speed_edit", std::to_string(lines));
}

int MousePerformancePage::wheelLinesInEdit() const {
    const toolkit::Control* edit = control("ms_gunlun_speed_edit");
    return edit != nullptr ? leadingNumber(edit->text()) : host_.wheelLines;
}

}  // namespace quillon::lighting
