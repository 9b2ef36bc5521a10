#include "lighting/MouseLightingPage.h"

#include <algorithm>
#include <array>

#include "app/MainWindow.h"
#include "lighting/LightingControls.h"
#include "lighting/LightingRecords.h"
#include "lighting/SameModeCopy.h"
#include "lighting/SettingsEdit.h"

namespace quillon::lighting {
namespace {

constexpr DeviceKind kMouse = DeviceKind::Mouse;

// One row of the mode table of the two combos that show and hide panels.
struct LayoutRow {
    Panel fx, colour, seven, speed, palette;
};

LayoutRow layoutFor(int mode) {
    using enum Panel;
    switch (mode) {
        case 0:
        case 1:
            return {Off, Off, Off, On, Off};
        case 2:
            return {Off, On, On, On, On};
        case 3:
            return {Off, On, Off, On, On};
        case 4:
            return {Off, On, Off, Off, On};
        // The running light and the second flash show the panels they use, whatever mode came
        // before (enabling a panel an earlier mode hid would leave it out of reach).
        case 5:
            return {On, On, On, On, On};
        default:
            return {Disable, On, On, On, On};
    }
}

}  // namespace

MouseLightingPage::MouseLightingPage(app::CMainWnd& main, LightingPreviews& previews,
                                     SameModeCopy& sameMode)
    : main_(main), previews_(previews), sameMode_(sameMode) {}

LightingBlock MouseLightingPage::block() const {
    return currentLighting(main_.model().memory(kMouse).current);
}

void MouseLightingPage::edited() {
    settingsEdited(main_, kMouse, {ProfileList::Lighting, ProfileList::Device});
}

void MouseLightingPage::modeSelected(int combo, int mode) {
    if (mode < 0 || mode > 255) {
        return;  // the combo lost its selection
    }
    CurrentRecord& record = main_.model().memory(kMouse).current;
    record.set(record_field::kLightingMode, static_cast<std::uint8_t>(mode));
    previews_.resetMouse(false, 0);
    if (combo == 0) {
        applyEnableOnly(mode);
    } else {
        applyLayout(combo, mode);
    }
    edited();
    if (combo == 1) {
        previews_.sync().setSynchronised(kMouse, false);
    }
}

// The layout of "ms_deng_combo_modeSelect1" and "ms_deng_combo_modeSelect2".
void MouseLightingPage::applyLayout(int, int mode) {
    const LayoutRow row = layoutFor(mode);
    applyPanel(main_, "ms_deng_fx_layout", row.fx);
    applyPanel(main_, "ms_deng_color_layout", row.colour);
    applyPanel(main_, "ms_deng_7colorselect_layout", row.seven);
    applyPanel(main_, "ms_deng_speed_layout", row.speed);
    applyPanel(main_, "ms_deng_Color_Pallet", row.palette);
    setEnabled(main_, "ms_deng_same_mode", false);
    if (mode == 5) {
        previews_.resetMouse(true, block().direction);
    }
}

// "ms_deng_combo_modeSelect0" only enables and disables.
void MouseLightingPage::applyEnableOnly(int mode) {
    struct Row {
        bool fx, colour, seven, speed, same;
    };
    static constexpr std::array<Row, 6> kRows = {{
        {false, false, false, true, true},
        {false, true, true, true, true},
        {false, true, true, true, true},
        {false, true, false, false, true},
        {true, true, true, true, false},
        {true, true, true, true, false},
    }};
    const Row r = kRows[static_cast<std::size_t>(std::min(mode, 5))];
    setEnabled(main_, "ms_deng_fx_layout", r.fx);
    setEnabled(main_, "ms_deng_color_layout", r.colour);
    setEnabled(main_, "ms_deng_7colorselect_layout", r.seven);
    setEnabled(main_, "ms_deng_speed_layout", r.speed);
    setEnabled(main_, "ms_deng_same_mode", r.same);
    if (mode == 5) {
        previews_.resetMouse(true, block().direction);
    }
}

void MouseLightingPage::brightnessReleased(int value) {
    main_.model().memory(kMouse).current.set(record_field::kBrightness, brightnessOfSlider(value));
    edited();
}

void MouseLightingPage::speedReleased(int value) {
    main_.model().memory(kMouse).current.set(record_field::kSpeed, speedOfSlider(value));
    edited();
}

void MouseLightingPage::setColour(toolkit::Argb colour, bool store) {
    showColour(main_, "ms_Deng_colordp_btn", colour);
    showComponents(main_, "ms_Deng_edit_", rgbOf(colour));
    if (!store) {
        return;
    }
    storeSolidColour(main_, kMouse, "ms", rgbOf(colour));
    edited();
}

void MouseLightingPage::componentTyped(int component, const std::string& text) {
    const std::uint8_t v = typedComponent(main_, "ms", component, text);
    const Rgb c = withComponent(block().colour(), component, v);
    showColour(main_, "ms_Deng_colordp_btn", argbOf(c));
    selectPaletteColour(main_, "ms_deng_Color_Pallet", argbOf(c));
    storeSolidColour(main_, kMouse, "ms", c);
    edited();
}

void MouseLightingPage::sevenColourChanged(bool on) {
    main_.model().memory(kMouse).current.set(record_field::kSevenColour, on ? 1 : 0);
    edited();
}

// Left (1) or right (0): the checks exclude each other and the running light starts again.
void MouseLightingPage::directionChosen(std::uint8_t direction) {
    setSelected(main_, "ms_Deng_FXL_check", direction == 1);
    setSelected(main_, "ms_Deng_FXR_check", direction == 0);
    main_.model().memory(kMouse).current.set(record_field::kDirection, direction);
    edited();
    previews_.resetMouse(true, direction);
}

// Showing the record changes nothing in it: the mouse is not marked and no file is saved.
void MouseLightingPage::refresh() {
    const LightingBlock b = block();
    selectItem(main_, "ms_deng_combo_modeSelect1", b.mode);
    applyLayout(1, b.mode);
    previews_.sync().setSynchronised(kMouse, false);
    setSliderValue(main_, "ms_deng_light_slider", b.brightness);
    setSliderValue(main_, "ms_deng_speed_slider", 4 - b.speed);
    selectPaletteColour(main_, "ms_deng_Color_Pallet", argbOf(b.colour()));
    setColour(argbOf(b.colour()), false);
    setSelected(main_, "ms_Deng_7color_check", b.sevenColour != 0);
    setSelected(main_, "ms_Deng_FXL_check", b.direction == 1);
    setSelected(main_, "ms_Deng_FXR_check", b.direction != 1);
}

}  // namespace quillon::lighting
