#include "lighting/MousepadLightingPage.h"

#include <algorithm>
#include <array>

#include "app/MainWindow.h"
#include "device/Commands.h"
#include "lighting/LightingControls.h"
#include "lighting/LightingRecords.h"
#include "lighting/SettingsEdit.h"

namespace quillon::lighting {
namespace {

constexpr DeviceKind kPad = DeviceKind::Mousepad;
constexpr Millis kReadAfterResetMs = 1000;

// Enable states by mode: direction, colour, seven colours, speed (-1 leaves it), same mode.
struct Row {
    bool fx, colour, seven;
    int speed;
    bool same;
};
constexpr std::array<Row, 10> kRows = {{
    {true, true, true, 1, true},
    {false, false, false, 1, true},
    {false, true, true, 1, true},
    {false, true, false, 0, true},
    {true, true, true, 1, false},
    {true, true, true, 1, false},
    {true, false, false, 1, false},
    {false, true, true, 1, false},
    {false, true, true, 0, false},
    {false, true, true, -1, false},
}};

}  // namespace

MousepadLightingPage::MousepadLightingPage(app::CMainWnd& main, LightingPreviews& previews)
    : main_(main), previews_(previews) {}

LightingBlock MousepadLightingPage::block() const {
    return currentLighting(main_.model().memory(kPad).current);
}

void MousepadLightingPage::edited() {
    settingsEdited(main_, kPad, {ProfileList::Lighting});
}

void MousepadLightingPage::applyTable(int mode, bool fromRefresh) {
    if (mode < 0 || mode >= static_cast<int>(kRows.size())) {
        return;
    }
    const Row& r = kRows[static_cast<std::size_t>(mode)];
    // The page refresh disables the direction in mode 6 as well.
    setEnabled(main_, "mp_deng_fx_layout", r.fx && !(fromRefresh && mode == 6));
    setEnabled(main_, "mp_deng_color_layout", r.colour);
    setEnabled(main_, "mp_deng_7colorselect_layout", r.seven);
    if (r.speed >= 0) {
        setEnabled(main_, "mp_deng_speed_layout", r.speed == 1);
    }
    setEnabled(main_, "mp_deng_same_mode", r.same);
}

void MousepadLightingPage::modeSelected(int mode) {
    if (mode < 0 || mode > 255) {
        return;
    }
    previews_.resetMousepad(mode == 5);
    applyTable(mode, false);
    main_.model().memory(kPad).current.set(record_field::kLightingMode,
                                           static_cast<std::uint8_t>(mode));
    edited();
    previews_.sync().setSynchronised(kPad, false);
}

void MousepadLightingPage::brightnessReleased(int value) {
    main_.model().memory(kPad).current.set(record_field::kBrightness, brightnessOfSlider(value));
    edited();
}

void MousepadLightingPage::speedReleased(int value) {
    main_.model().memory(kPad).current.set(record_field::kSpeed, speedOfSlider(value));
    edited();
}

void MousepadLightingPage::setColour(toolkit::Argb colour, bool store) {
    showColour(main_, "mp_Deng_colordp_btn", colour);
    showComponents(main_, "mp_Deng_edit_", rgbOf(colour));
    if (!store) {
        return;
    }
    storeSolidColour(main_, kPad, "mp", rgbOf(colour));
    edited();
}

void MousepadLightingPage::componentTyped(int component, const std::string& text) {
    const std::uint8_t v = typedComponent(main_, "mp", component, text);
    const Rgb c = withComponent(block().colour(), component, v);
    showColour(main_, "mp_Deng_colordp_btn", argbOf(c));
    selectPaletteColour(main_, "mp_deng_Color_Pallet", argbOf(c));
    storeSolidColour(main_, kPad, "mp", c);
    edited();
}

void MousepadLightingPage::sevenColourChanged(bool on) {
    main_.model().memory(kPad).current.set(record_field::kSevenColour, on ? 1 : 0);
    edited();
}

void MousepadLightingPage::directionChosen(std::uint8_t direction) {
    setSelected(main_, "mp_Deng_FXL_check", direction == 1);
    setSelected(main_, "mp_Deng_FXR_check", direction == 0);
    main_.model().memory(kPad).current.set(record_field::kDirection, direction);
    edited();
}

// The mousepad answers the reset only after it has restored itself; the read a second later
// shows what it now holds.
void MousepadLightingPage::factoryReset() {
    FactoryReset(main_.channel(kPad));
    main_.window().setTimer(app::kTimerReadMousepad, kReadAfterResetMs);
}

void MousepadLightingPage::refresh() {
    const LightingBlock b = block();
    selectItem(main_, "mp_deng_combo_modeSelect", b.mode);
    if (b.mode <= 8) {
        applyTable(b.mode, true);
    }
    setSliderValue(main_, "mp_deng_light_slider", b.brightness);
    setSliderValue(main_, "mp_deng_speed_slider", 4 - b.speed);
    selectPaletteColour(main_, "mp_deng_Color_Pallet", argbOf(b.colour()));
    setColour(argbOf(b.colour()), false);
    setSelected(main_, "mp_Deng_7color_check", b.sevenColour != 0);
    setSelected(main_, "mp_Deng_FXL_check", b.direction == 1);
    setSelected(main_, "mp_Deng_FXR_check", b.direction != 1);
}

}  // namespace quillon::lighting
