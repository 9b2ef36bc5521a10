#pragma once
// The mouse performance page: five DPI stages (a slider each, its value in DPI and a colour), the
// stage the mouse is using, the report rate, and the two settings that belong to the desktop, the
// pointer speed and the wheel lines. Edits change the mouse's current record (the 100 ms flush
// sends it) and save the selected profile files; the desktop's settings are applied off the
// interface thread. Everything here runs on the interface thread.

#include <string>

#include "lighting/HostSettings.h"
#include "lighting/HostSettingsApplier.h"
#include "lighting/MouseRecord.h"
#include "platform/PointerSettings.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

// The rows of the page: stages 1..5 are stored, row 6 only follows its slider.
inline constexpr int kDpiRowCount = 6;
inline constexpr toolkit::Argb kActiveStageColour = 0xFFFF0000;
inline constexpr toolkit::Argb kIdleStageColour = 0xFFFFFFFF;
inline constexpr toolkit::Argb kHoverBorderColour = 0xFFFFFFFF;
inline constexpr int kHoverBorderSize = 2;

class MousePerformancePage {
  public:
    MousePerformancePage(app::CMainWnd& main, HostSettings& host, HostSettingsApplier& applier);

    // Registers the page's rows in the main window's routing.
    void installRoutes();

    // Shows the current record and the mouse's device information.
    void refresh();
    // The page's first values of the desktop settings: what the desktop reports, where it says.
    void takeDesktopValues(const PointerSettings& desktop);
    // The host settings changed elsewhere (a profile): show them and hand them to the desktop.
    void showAndApplyHostSettings();

    // The user's actions.
    void dpiLevelReleased(int stage, int position);
    void dpiLevelDragged(int row, int position);
    void pickDpiColour(int stage);
    void hoverDpiColour(int row, bool over);
    void reportRateChosen(int index);
    void pointerSpeedReleased(int position);
    void stepWheelLines(bool up);
    void wheelLinesTyped(const std::string& text);
    void wheelLinesEditLeft();
    void restoreDefaults();

  private:
    toolkit::Control* control(const std::string& name) const;
    void setText(const std::string& name, const std::string& text) const;
    MouseDeviceInfo deviceInfo() const;

    void showReportRate() const;
    void showSensorRange(const MouseDeviceInfo& info) const;
    void showDpiStages(const MouseDeviceInfo& info) const;
    void showDpiColours() const;
    void showActiveStage() const;
    void showOnboardProfile() const;
    void showDpiValue(int row, int position) const;
    void showPointerSpeed(int speed) const;
    void showWheelLines(int lines) const;
    int wheelLinesInEdit() const;
    void keepWheelLines(int lines);

    app::CMainWnd& main_;
    HostSettings& host_;
    HostSettingsApplier& applier_;
};

// "ms_DPI" n followed by `suffix` ("_slider", "_label_value", ...).
std::string dpiRowControl(int row, const char* suffix);

}  // namespace quillon::lighting
