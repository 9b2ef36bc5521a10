#pragma once
// The mousepad lighting page: the mode combo with the panels each mode enables, brightness,
// speed, direction, seven colours, the chosen colour, the same-mode button and the factory reset.
// Edits change the mousepad's current record, mark it write-pending and save its lighting
// profile. Everything here runs on the interface thread.

#include <string>

#include "lighting/LightingPreviews.h"
#include "lighting/effects/LightingBlock.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

class MousepadLightingPage {
  public:
    MousepadLightingPage(app::CMainWnd& main, LightingPreviews& previews);

    void installRoutes();
    // Shows the current record; saves nothing and marks nothing.
    void refresh();

    void modeSelected(int mode);
    void brightnessReleased(int value);
    void speedReleased(int value);
    void setColour(toolkit::Argb colour, bool store);
    void componentTyped(int component, const std::string& text);
    void sevenColourChanged(bool on);
    void directionChosen(std::uint8_t direction);
    // Factory settings: the mousepad resets itself and is read again a second later.
    void factoryReset();

  private:
    void applyTable(int mode, bool fromRefresh);
    LightingBlock block() const;
    void edited();

    app::CMainWnd& main_;
    LightingPreviews& previews_;
};

}  // namespace quillon::lighting
