// The page's edits of the mouse's current record: DPI stages, their colours and the report rate.

#include <algorithm>

#include "app/MainWindow.h"
#include "lighting/MousePerformancePage.h"
#include "lighting/PalletDialog.h"
#include "lighting/SettingsEdit.h"

namespace quillon::lighting {
namespace {

bool storedStage(int stage) {
    return stage >= 1 && stage <= kDpiStageCount;
}

std::uint8_t byteOf(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

void MousePerformancePage::dpiLevelReleased(int stage, int position) {
    if (!storedStage(stage)) {
        return;
    }
    main_.model().memory(DeviceKind::Mouse).current.set(dpiLevelOffset(stage), byteOf(position));
    showDpiValue(stage, position);
    settingsEdited(main_, DeviceKind::Mouse, {ProfileList::Lighting, ProfileList::Device});
}

void MousePerformancePage::dpiLevelDragged(int row, int position) {
    if (row >= 1 && row <= kDpiRowCount) {
        showDpiValue(row, position);
    }
}

void MousePerformancePage::pickDpiColour(int stage) {
    toolkit::Control* button = control("ms_DPIcolor_btn_" + std::to_string(stage));
    if (!storedStage(stage) || button == nullptr) {
        return;
    }
    const std::optional<toolkit::Argb> chosen =
        pickColour(main_.toolkit(), &main_.window(), button->bkColor());
    if (!chosen) {
        return;
    }
    const std::size_t at = dpiColourOffset(stage);
    CurrentRecord& record = main_.model().memory(DeviceKind::Mouse).current;
    record.set(at, static_cast<std::uint8_t>(*chosen >> 16));
    record.set(at + 1, static_cast<std::uint8_t>(*chosen >> 8));
    record.set(at + 2, static_cast<std::uint8_t>(*chosen));
    button->setBkColor(*chosen);
    settingsEdited(main_, DeviceKind::Mouse, {ProfileList::Device});
}

void MousePerformancePage::hoverDpiColour(int row, bool over) {
    toolkit::Control* button = control("ms_DPIcolor_btn_" + std::to_string(row));
    if (row < 1 || row > kDpiRowCount || button == nullptr) {
        return;
    }
    if (over) {
        button->set(toolkit::Prop::BorderColor, std::int64_t{kHoverBorderColour});
    }
    button->set(toolkit::Prop::BorderSize, std::int64_t{over ? kHoverBorderSize : 0});
}

void MousePerformancePage::reportRateChosen(int index) {
    if (index < 0) {
        return;  // the combo lost its selection; there is no rate to store
    }
    main_.model().memory(DeviceKind::Mouse).current.set(mouse_field::kReportRate, byteOf(index));
    settingsEdited(main_, DeviceKind::Mouse, {ProfileList::Lighting, ProfileList::Device});
}

}  // namespace quillon::lighting
