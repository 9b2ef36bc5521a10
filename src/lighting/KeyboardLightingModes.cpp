// Mode selection and page refresh of the keyboard lighting page: the panels each mode of the two
// variants enables, the direction labels and the preview's start state.

#include <array>

#include "app/MainWindow.h"
#include "lighting/KeyboardLightingPage.h"
#include "lighting/LightingControls.h"
#include "lighting/LightingRecords.h"

namespace quillon::lighting {
namespace {

constexpr DeviceKind kKeyboard = DeviceKind::Keyboard;
constexpr const char* kFxl = "Deng_FXL_text";
constexpr const char* kFxr = "Deng_FXR_text";

struct FullRow {
    bool fx, colour, seven;
    int speed;  // 1 enabled, 0 disabled, -1 left as it is
    bool same;
    const char* left;
    const char* right;
};

FullRow fullRow(int mode) {
    switch (mode) {
        case 0:
            return {true, true, true, 1, true, kFxl, kFxr};
        case 1:
            return {false, false, false, 1, true, kFxl, kFxr};
        case 2:
            return {false, true, true, 1, true, kFxl, kFxr};
        case 3:
            return {false, true, false, 0, true, kFxl, kFxr};
        case 4:
            return {false, false, false, 1, false, kFxl, kFxr};
        case 7:
        case 12:
        case 14:
            return {true, true, true, 1, false, kFxl, kFxr};
        case 8:
            return {false, true, true, 0, false, nullptr, nullptr};
        case 10:
            return {true, false, false, 1, false, "Deng_FXU_text", "Deng_FXD_text"};
        case 13:
            return {true, false, false, 1, false, "Deng_FXJ_text", "Deng_FXK_text"};
        case 16:
            return {false, true, true, -1, false, kFxl, kFxr};
        default:  // 5, 6, 9, 11, 15
            return {false, true, true, 1, false, kFxl, kFxr};
    }
}

struct SingleRow {
    bool fx, speed;
    const char* left;
    const char* right;
    bool keepLabels;
};

SingleRow singleRow(int mode) {
    switch (mode) {
        case 0:
        case 14:
        case 5:
            return {true, true, kFxl, kFxr, false};
        case 3:
            return {false, false, kFxl, kFxr, false};
        case 6:
            return {false, false, nullptr, nullptr, false};
        case 10:
            return {true, true, "Deng_FXU_text", "Deng_FXD_text", false};
        case 11:
        case 12:
            return {false, true, nullptr, nullptr, true};
        case 13:
            return {true, true, "Deng_FXSPEAD_text", "Deng_FXGATHER_text", false};
        default:  // 1, 2, 4, 7, 8, 9, 15, 16
            return {false, true, kFxl, kFxr, false};
    }
}

}  // namespace

void KeyboardLightingPage::setDirectionLabels(const char* left, const char* right) {
    for (auto [name, id] : {std::pair{"kb_Deng_label_FXL", left}, {"kb_Deng_label_FXR", right}}) {
        if (toolkit::Control* label = main_.find(name)) {
            if (id != nullptr) {
                label->setTextId(id);
            } else {
                label->setText("");
            }
        }
    }
}

void KeyboardLightingPage::showPanels(bool custom) {
    setShown(main_, "kb_deng_fx_layout", !custom);
    setShown(main_, "kb_deng_7colorselect_layout", !custom);
    setShown(main_, "kb_deng_color_display_layout", !custom);
    for (const char* name : {"kb_deng_custom_tool_layout", "kb_deng_custom_select_layout",
                             "kb_deng_custom_color_layout"}) {
        setShown(main_, name, custom);
    }
}

void KeyboardLightingPage::applyFullRow(int mode, bool keepSpeedFrom9) {
    showPanels(mode == 8);
    const FullRow r = fullRow(mode);
    setEnabled(main_, "kb_deng_fx_layout", r.fx);
    setEnabled(main_, "kb_deng_color_layout", r.colour);
    setEnabled(main_, "kb_deng_rgb_layout", true);
    setEnabled(main_, "kb_deng_color_lump", true);
    setEnabled(main_, "kb_deng_7colorselect_layout", r.seven);
    if (r.speed >= 0 && !(keepSpeedFrom9 && mode >= 9)) {
        setEnabled(main_, "kb_deng_speed_layout", r.speed == 1);
    }
    setEnabled(main_, "kb_deng_same_mode", r.same);
    setDirectionLabels(r.left, r.right);
}

void KeyboardLightingPage::applySingleRow(int mode) {
    showPanels(mode == 6);
    const SingleRow r = singleRow(mode);
    setEnabled(main_, "kb_deng_fx_layout", r.fx);
    setEnabled(main_, "kb_deng_speed_layout", r.speed);
    setEnabled(main_, "kb_deng_color_layout", false);
    setEnabled(main_, "kb_deng_7colorselect_layout", false);
    setEnabled(main_, "kb_deng_same_mode", false);
    if (mode == 6) {
        setEnabled(main_, "kb_deng_custom_select_layout", true);
        setEnabled(main_, "kb_deng_rgb_layout", false);
        setEnabled(main_, "kb_deng_color_lump", false);
    }
    if (!r.keepLabels) {
        setDirectionLabels(r.left, r.right);
    }
}

void KeyboardLightingPage::fullColourModeSelected(int mode) {
    if (mode < 0 || mode > 255) {
        return;
    }
    const auto m = static_cast<std::uint8_t>(mode);
    applyFullRow(mode, false);
    previews_.startKeyboardMode(false, m, true);
    main_.model().memory(kKeyboard).current.set(record_field::kLightingMode, m);
    const LightingBlock b = block();
    setColour(mode == 8 ? argbOf({store_.customColour.red, store_.customColour.green,
                                  store_.customColour.blue})
                        : argbOf(b.colour()),
              false);
    edited();
    previews_.sync().setSynchronised(kKeyboard, false);
}

void KeyboardLightingPage::singleColourModeSelected(int mode) {
    if (mode < 0 || mode > 255) {
        return;
    }
    previews_.sync().leaveAll();
    const auto m = static_cast<std::uint8_t>(mode);
    applySingleRow(mode);
    previews_.startKeyboardMode(true, m, true);
    main_.model().memory(kKeyboard).current.set(record_field::kLightingMode, m);
    setColour(kSingleColourShown, false);
    edited();
}

void KeyboardLightingPage::refresh() {
    const LightingBlock b = block();
    const bool single = singleColour();
    setShown(main_, "kb_deng_combo_modeSelect", !single);
    setShown(main_, "kb_deng_onecolor_combo_modeSelect", single);
    if (single) {
        selectItem(main_, "kb_deng_onecolor_combo_modeSelect", b.mode);
        applySingleRow(b.mode);
    } else {
        selectItem(main_, "kb_deng_combo_modeSelect", b.mode);
        applyFullRow(b.mode, true);
    }
    previews_.startKeyboardMode(single, b.mode, false);
    setSliderValue(main_, "kb_deng_light_slider", b.brightness);
    setSliderValue(main_, "kb_deng_speed_slider", 4 - b.speed);
    const KeyboardLightingStore::Colour& cc = store_.customColour;
    const toolkit::Argb shown = single        ? kSingleColourShown
                                : b.mode == 8 ? argbOf({cc.red, cc.green, cc.blue})
                                              : argbOf(b.colour());
    setColour(shown, false);
    setSelected(main_, "kb_Deng_7color_check", !single && b.sevenColour != 0);
    setSelected(main_, "kb_Deng_FXL_check", b.direction == 1);
    setSelected(main_, "kb_Deng_FXR_check", b.direction != 1);
    selectItem(main_, "kb_deng_combo_curtom_count", store_.selectedSet());
    if (main_.hooks().refreshKeyboardKeys) {
        main_.hooks().refreshKeyboardKeys();
    }
    setEnabled(main_, "kb_deng_Color_Pallet", !single);
}

}  // namespace quillon::lighting
