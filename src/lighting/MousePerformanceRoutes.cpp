// Where the page's notifications enter: its rows in the main window's routing tables.

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "lighting/MousePerformancePage.h"

namespace quillon::lighting {
namespace {

using app::Notification;

bool isStage(int n) {
    return n >= 1 && n <= kDpiStageCount;
}

bool isRow(int n) {
    return n >= 1 && n <= kDpiRowCount;
}

}  // namespace

void MousePerformancePage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    namespace route = app::route;

    d.addNumbered(
        "click", route::kClickDpiColour, "ms_DPIcolor_btn_",
        [this](const Notification&, int n) { pickDpiColour(n); }, isStage);
    d.addNumbered(
        "msenter", route::kDefault, "ms_DPIcolor_btn_",
        [this](const Notification&, int n) { hoverDpiColour(n, true); }, isRow);
    d.addNumbered(
        "msleave", route::kDefault, "ms_DPIcolor_btn_",
        [this](const Notification&, int n) { hoverDpiColour(n, false); }, isRow);

    for (int row = 1; row <= kDpiRowCount; ++row) {
        const std::string slider = dpiRowControl(row, "_slider");
        d.addNamed("movevaluechanged", route::kDefault, {slider},
                   [this, row](const Notification& n) { dpiLevelDragged(row, n.value); });
        if (isStage(row)) {
            d.addNamed("valuechanged", route::kDefault, {slider},
                       [this, row](const Notification& n) { dpiLevelReleased(row, n.value); });
        }
    }
    d.addNamed("valuechanged", route::kDefault, {"ms_point_speed_slider"},
               [this](const Notification& n) { pointerSpeedReleased(n.value); });
    d.addNamed("itemselect", route::kDefault, {"ms_report_fct_combo"},
               [this](const Notification& n) { reportRateChosen(n.index); });

    d.addNamed("click", route::kClickMouseSettings, {"ms_gunlun_speed_up_btn"},
               [this](const Notification&) { stepWheelLines(true); });
    d.addNamed("click", route::kClickMouseSettings, {"ms_gunlun_speed_down_btn"},
               [this](const Notification&) { stepWheelLines(false); });
    d.addNamed("click", route::kClickMouseSettings, {"ms_one_profile_default"},
               [this](const Notification&) { restoreDefaults(); });
    d.addNamed("textchanged", route::kDefault, {"ms_gunlun_speed_edit"},
               [this](const Notification& n) { wheelLinesTyped(n.text); });
    d.addNamed("killfocus", route::kDefault, {"ms_gunlun_speed_edit"},
               [this](const Notification&) { wheelLinesEditLeft(); });
}

}  // namespace quillon::lighting
