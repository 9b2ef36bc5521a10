#pragma once
// The keyboard lighting page: the mode combos of the two keyboard variants with the panels each
// mode enables, brightness, speed, direction, seven colours, the chosen colour, the five custom
// colour sets painted on the on-screen keys (paint, fill, clear) and the same-mode button.
// Everything here runs on the interface thread.

#include <string>

#include "lighting/KeyboardLightingStore.h"
#include "lighting/LightingPreviews.h"
#include "lighting/effects/LightingBlock.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

class SameModeCopy;

// The fixed colour of the single-colour keyboard as the page shows it.
inline constexpr toolkit::Argb kSingleColourShown = 0xFF00F6FF;

class KeyboardLightingPage {
  public:
    KeyboardLightingPage(app::CMainWnd& main, LightingPreviews& previews,
                         KeyboardLightingStore& store);

    void installRoutes(SameModeCopy& sameMode);
    // Shows the current record and the custom colours; saves nothing, marks nothing.
    void refresh();

    void fullColourModeSelected(int mode);
    void singleColourModeSelected(int mode);
    void brightnessReleased(int value);
    void speedReleased(int value);
    void sevenColourChanged(bool on);
    void directionChosen(std::uint8_t direction);
    void setColour(toolkit::Argb colour, bool store);
    void componentTyped(int component, const std::string& text);
    void customSetChosen(int index);
    // Paints key button n with the custom colour (custom modes only).
    void paintKey(int button);
    void fillSet();
    void clearSet();

  private:
    bool singleColour() const;
    bool customShown() const;
    LightingBlock block() const;
    void edited();
    void saveBoth();
    void showPanels(bool custom);
    void applyFullRow(int mode, bool keepSpeedFrom9);
    void applySingleRow(int mode);
    void setDirectionLabels(const char* left, const char* right);

    app::CMainWnd& main_;
    LightingPreviews& previews_;
    KeyboardLightingStore& store_;
};

}  // namespace quillon::lighting
