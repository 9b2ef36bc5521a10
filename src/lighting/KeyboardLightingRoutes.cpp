// Where the keyboard lighting page's notifications enter the main window's routing.

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "lighting/KeyboardLightingPage.h"
#include "lighting/LightingControls.h"
#include "lighting/PresetColours.h"
#include "lighting/SameModeCopy.h"

namespace quillon::lighting {
namespace {

using app::Notification;

// A click on key button "kb_key_" N or "kb_dkey_" N while the lighting tab is selected; the
// key-assignment page has the clicks on the other tabs.
std::optional<int> paintedKey(app::CMainWnd& main, const Notification& n) {
    const auto split = app::splitControlName(n.sender);
    if (!split || (!app::equalsNoCase(split->prefix, "kb_key_") &&
                   !app::equalsNoCase(split->prefix, "kb_dkey_"))) {
        return std::nullopt;
    }
    if (split->number < 0 || split->number >= 126 || !isSelected(main, "kb_deng_Op_tab")) {
        return std::nullopt;
    }
    return split->number;
}

}  // namespace

void KeyboardLightingPage::installRoutes(SameModeCopy& sameMode) {
    app::Dispatch& d = main_.dispatch();
    namespace route = app::route;
    d.addNamed("itemselect", route::kDefault, {"kb_deng_combo_modeSelect"},
               [this](const Notification& n) { fullColourModeSelected(n.index); });
    d.addNamed("itemselect", route::kDefault, {"kb_deng_onecolor_combo_modeSelect"},
               [this](const Notification& n) { singleColourModeSelected(n.index); });
    d.addNamed("itemselect", route::kDefault, {"kb_deng_combo_curtom_count"},
               [this](const Notification& n) { customSetChosen(n.index); });
    d.addNamed("valuechanged", route::kDefault, {"kb_deng_light_slider"},
               [this](const Notification& n) { brightnessReleased(n.value); });
    d.addNamed("valuechanged", route::kDefault, {"kb_deng_speed_slider"},
               [this](const Notification& n) { speedReleased(n.value); });
    d.addNamed("colorchanged", route::kColourLightingPages, {"kb_deng_Color_Pallet"},
               [this](const Notification& n) { setColour(n.colour, true); });
    d.addNumbered(
        "click", route::kClickPresetColours, "kb_Deng_color_btn_",
        [this](const Notification&, int n) {
            if (const auto colour = presetColour(n)) {
                setColour(*colour, true);
            }
        },
        [](int n) { return n >= 0 && n < kPresetColourCount; });
    const char* components[] = {"R", "G", "B"};
    for (int c = 0; c < 3; ++c) {
        d.addNamed("textchanged", route::kDefault, {std::string("kb_Deng_edit_") + components[c]},
                   [this, c](const Notification& n) { componentTyped(c, n.text); });
    }
    d.addNamed("selectchanged", route::kSelectLighting, {"kb_Deng_7color_check"},
               [this](const Notification& n) { sevenColourChanged(n.selected); });
    d.addNamed("selectchanged", route::kSelectLighting, {"kb_Deng_FXL_check"},
               [this](const Notification&) { directionChosen(1); });
    d.addNamed("selectchanged", route::kSelectLighting, {"kb_Deng_FXR_check"},
               [this](const Notification&) { directionChosen(0); });
    d.addNamed("selectchanged", route::kSelectLighting, {"kb_Deng_all_bright_check"},
               [this](const Notification&) { fillSet(); });
    d.addNamed("selectchanged", route::kSelectLighting, {"kb_Deng_all_kill_check"},
               [this](const Notification&) { clearSet(); });
    d.addNamed("click", route::kClickSameMode, {"kb_deng_same_mode"},
               [&sameMode](const Notification&) { sameMode.copyFrom(1); });
    d.addWhen(
        "click", route::kClickKeyboardPaint,
        [this](const Notification& n) { return paintedKey(main_, n).has_value(); },
        [this](const Notification& n) {
            if (const auto key = paintedKey(main_, n)) {
                paintKey(*key);
            }
        });
}

}  // namespace quillon::lighting
