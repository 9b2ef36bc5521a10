#pragma once
// The mouse lighting page: the three mode combos and the panels each mode shows, brightness,
// speed, direction, seven colours, the chosen colour (palette, presets, RGB fields) and the
// same-mode button. Edits change the mouse's current record, mark the mouse write-pending and
// save the mouse's lighting and device profiles. Everything here runs on the interface thread.

#include <string>

#include "lighting/LightingPreviews.h"
#include "lighting/effects/LightingBlock.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

class SameModeCopy;

class MouseLightingPage {
  public:
    MouseLightingPage(app::CMainWnd& main, LightingPreviews& previews, SameModeCopy& sameMode);

    void installRoutes();
    // Shows the current record (after a read, a profile operation, a same-mode copy).
    void refresh();

    // The user's actions. `combo` is the number at the end of "ms_deng_combo_modeSelect".
    void modeSelected(int combo, int mode);
    void brightnessReleased(int value);
    void speedReleased(int value);
    void setColour(toolkit::Argb colour, bool store);
    void componentTyped(int component, const std::string& text);
    void sevenColourChanged(bool on);
    void directionChosen(std::uint8_t direction);

  private:
    void applyLayout(int combo, int mode);
    void applyEnableOnly(int mode);
    LightingBlock block() const;
    void edited();

    app::CMainWnd& main_;
    LightingPreviews& previews_;
    SameModeCopy& sameMode_;
};

}  // namespace quillon::lighting
