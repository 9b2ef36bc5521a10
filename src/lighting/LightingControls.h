#pragma once
// Small pieces the three lighting pages share: colours between the record and the screen, the
// number in an RGB edit, and the panel states the mode tables apply.

#include <cstdint>
#include <optional>
#include <string>

#include "device/DeviceKind.h"
#include "lighting/effects/LightingTables.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

inline toolkit::Argb argbOf(Rgb c) {
    return 0xFF000000u | static_cast<toolkit::Argb>(c.red) << 16 |
           static_cast<toolkit::Argb>(c.green) << 8 | c.blue;
}

inline Rgb rgbOf(toolkit::Argb c) {
    return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c)};
}

// The value of an RGB edit's text: its leading decimal digits, 0 without any, at most 255.
// `clamped` tells whether the text held more than 255 (the edit then shows "255").
int componentValue(const std::string& text, bool& clamped);

// The value typed into edit `component` (0 red, 1 green, 2 blue) of the page's RGB edits
// (`page` + "_Deng_edit_R", "G", "B"; `page` is "ms", "kb" or "mp"); a number above 255 is shown
// back in the edit as "255".
std::uint8_t typedComponent(app::CMainWnd& main, const std::string& page, int component,
                            const std::string& text);

// Record values of the brightness slider (0..255 as it stands) and of the speed slider, whose
// positions run the other way (position 4 is speed 0).
std::uint8_t brightnessOfSlider(int position);
std::uint8_t speedOfSlider(int position);

// Stores `colour` as the solid colour of `kind`'s current record and clears the page's
// seven-colour check (`page` + "_Deng_7color_check"; `page` is "ms", "kb" or "mp").
void storeSolidColour(app::CMainWnd& main, DeviceKind kind, const std::string& page, Rgb colour);

// Replaces component 0 (red), 1 (green) or 2 (blue) of a colour.
Rgb withComponent(Rgb colour, int component, std::uint8_t value);

// What a mode table does to a panel: show and enable, hide and disable, only enable, only
// disable, or leave it.
enum class Panel { On, Off, Enable, Disable, Keep };

void applyPanel(app::CMainWnd& main, const std::string& name, Panel state);
void setEnabled(app::CMainWnd& main, const std::string& name, bool enabled);
void setShown(app::CMainWnd& main, const std::string& name, bool shown);
void setSelected(app::CMainWnd& main, const std::string& name, bool selected);
bool isSelected(app::CMainWnd& main, const std::string& name);
void setText(app::CMainWnd& main, const std::string& name, const std::string& text);
void setSliderValue(app::CMainWnd& main, const std::string& name, int value);
void selectItem(app::CMainWnd& main, const std::string& name, int index);
int selectedItem(app::CMainWnd& main, const std::string& name);

// A colour display: background colour, no picture.
void showColour(app::CMainWnd& main, const std::string& display, toolkit::Argb colour);
// The three RGB edits `prefix` + "R", "G", "B" show a colour's components.
void showComponents(app::CMainWnd& main, const std::string& prefix, Rgb colour);
void selectPaletteColour(app::CMainWnd& main, const std::string& palette, toolkit::Argb colour);

}  // namespace quillon::lighting
