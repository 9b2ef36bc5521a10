#include "lighting/LightingControls.h"

#include <algorithm>
#include <array>

#include "app/MainWindow.h"
#include "lighting/LightingRecords.h"

namespace quillon::lighting {

int componentValue(const std::string& text, bool& clamped) {
    clamped = false;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            break;
        }
        value = value * 10 + (ch - '0');
        if (value > 255) {
            clamped = true;
            return 255;
        }
    }
    return value;
}

std::uint8_t typedComponent(app::CMainWnd& main, const std::string& page, int component,
                            const std::string& text) {
    static constexpr std::array<const char*, 3> kLetters = {"R", "G", "B"};
    bool clamped = false;
    const int value = componentValue(text, clamped);
    if (clamped && component >= 0 && component < 3) {
        setText(main, page + "_Deng_edit_" + kLetters[static_cast<std::size_t>(component)], "255");
    }
    return static_cast<std::uint8_t>(value);
}

std::uint8_t brightnessOfSlider(int position) {
    return static_cast<std::uint8_t>(std::clamp(position, 0, 255));
}

std::uint8_t speedOfSlider(int position) {
    return static_cast<std::uint8_t>(std::clamp(4 - position, 0, 4));
}

void storeSolidColour(app::CMainWnd& main, DeviceKind kind, const std::string& page, Rgb colour) {
    setSelected(main, page + "_Deng_7color_check", false);
    CurrentRecord& current = main.model().memory(kind).current;
    LightingBlock block = currentLighting(current);
    block.setSolidColour(colour);
    setCurrentLighting(current, block);
}

Rgb withComponent(Rgb colour, int component, std::uint8_t value) {
    switch (component) {
        case 0:
            colour.red = value;
            break;
        case 1:
            colour.green = value;
            break;
        default:
            colour.blue = value;
            break;
    }
    return colour;
}

void applyPanel(app::CMainWnd& main, const std::string& name, Panel state) {
    toolkit::Control* c = main.find(name);
    if (c == nullptr) {
        return;
    }
    switch (state) {
        case Panel::On:
        case Panel::Off:
            c->setVisible(state == Panel::On);
            c->setEnabled(state == Panel::On);
            break;
        case Panel::Enable:
        case Panel::Disable:
            c->setEnabled(state == Panel::Enable);
            break;
        case Panel::Keep:
            break;
    }
}

void setEnabled(app::CMainWnd& main, const std::string& name, bool enabled) {
    if (toolkit::Control* c = main.find(name)) {
        c->setEnabled(enabled);
    }
}

void setShown(app::CMainWnd& main, const std::string& name, bool shown) {
    if (toolkit::Control* c = main.find(name)) {
        c->setVisible(shown);
    }
}

void setSelected(app::CMainWnd& main, const std::string& name, bool selected) {
    if (toolkit::Control* c = main.find(name)) {
        c->setSelected(selected);
    }
}

bool isSelected(app::CMainWnd& main, const std::string& name) {
    toolkit::Control* c = main.find(name);
    return c != nullptr && c->selected();
}

void setText(app::CMainWnd& main, const std::string& name, const std::string& text) {
    if (toolkit::Control* c = main.find(name)) {
        c->setText(text);
    }
}

void setSliderValue(app::CMainWnd& main, const std::string& name, int value) {
    if (toolkit::Control* c = main.find(name)) {
        c->setValue(value);
    }
}

void selectItem(app::CMainWnd& main, const std::string& name, int index) {
    if (toolkit::Control* c = main.find(name)) {
        c->selectItem(index);
    }
}

int selectedItem(app::CMainWnd& main, const std::string& name) {
    toolkit::Control* c = main.find(name);
    return c != nullptr ? c->selectedIndex() : -1;
}

void showColour(app::CMainWnd& main, const std::string& display, toolkit::Argb colour) {
    if (toolkit::Control* c = main.find(display)) {
        c->setBkColor(colour);
        c->set(toolkit::Prop::BkImage, std::string());
    }
}

void showComponents(app::CMainWnd& main, const std::string& prefix, Rgb colour) {
    setText(main, prefix + "R", std::to_string(colour.red));
    setText(main, prefix + "G", std::to_string(colour.green));
    setText(main, prefix + "B", std::to_string(colour.blue));
}

void selectPaletteColour(app::CMainWnd& main, const std::string& palette, toolkit::Argb colour) {
    if (toolkit::Control* c = main.find(palette)) {
        c->set(toolkit::Prop::PaletteColor, std::int64_t{colour});
    }
}

}  // namespace quillon::lighting
