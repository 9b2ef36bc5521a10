// Where the mouse and mousepad lighting pages' notifications enter the main window's routing.

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "lighting/MouseLightingPage.h"
#include "lighting/MousepadLightingPage.h"
#include "lighting/PresetColours.h"
#include "lighting/SameModeCopy.h"

namespace quillon::lighting {
namespace {

using app::Notification;

// The controls both pages share, with the device prefix ("ms", "mp").
template <typename Page>
void installCommonRoutes(app::Dispatch& d, const std::string& dev, Page& page) {
    namespace route = app::route;
    d.addNamed("valuechanged", route::kDefault, {dev + "_deng_light_slider"},
               [&page](const Notification& n) { page.brightnessReleased(n.value); });
    d.addNamed("valuechanged", route::kDefault, {dev + "_deng_speed_slider"},
               [&page](const Notification& n) { page.speedReleased(n.value); });
    d.addNamed("colorchanged", route::kColourLightingPages, {dev + "_deng_Color_Pallet"},
               [&page](const Notification& n) { page.setColour(n.colour, true); });
    d.addNumbered(
        "click", route::kClickPresetColours, dev + "_Deng_color_btn_",
        [&page](const Notification&, int n) {
            if (const auto colour = presetColour(n)) {
                page.setColour(*colour, true);
            }
        },
        [](int n) { return n >= 0 && n < kPresetColourCount; });
    const char* components[] = {"R", "G", "B"};
    for (int c = 0; c < 3; ++c) {
        d.addNamed("textchanged", route::kDefault, {dev + "_Deng_edit_" + components[c]},
                   [&page, c](const Notification& n) { page.componentTyped(c, n.text); });
    }
    d.addNamed("selectchanged", route::kSelectLighting, {dev + "_Deng_7color_check"},
               [&page](const Notification& n) { page.sevenColourChanged(n.selected); });
    d.addNamed("selectchanged", route::kSelectLighting, {dev + "_Deng_FXL_check"},
               [&page](const Notification&) { page.directionChosen(1); });
    d.addNamed("selectchanged", route::kSelectLighting, {dev + "_Deng_FXR_check"},
               [&page](const Notification&) { page.directionChosen(0); });
}

}  // namespace

void MouseLightingPage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    for (int combo = 0; combo < 3; ++combo) {
        d.addNamed("itemselect", app::route::kDefault,
                   {"ms_deng_combo_modeSelect" + std::to_string(combo)},
                   [this, combo](const Notification& n) { modeSelected(combo, n.index); });
    }
    installCommonRoutes(d, "ms", *this);
    d.addNamed("click", app::route::kClickSameMode, {"ms_deng_same_mode"},
               [this](const Notification&) { sameMode_.copyFrom(2); });
}

void MousepadLightingPage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    d.addNamed("itemselect", app::route::kDefault, {"mp_deng_combo_modeSelect"},
               [this](const Notification& n) { modeSelected(n.index); });
    installCommonRoutes(d, "mp", *this);
    d.addNamed("click", app::route::kClickMousepad, {"mp_one_profile_default"},
               [this](const Notification&) { factoryReset(); });
}

}  // namespace quillon::lighting
