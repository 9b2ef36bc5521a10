#include "lighting/KeyboardLightingPage.h"

#include <algorithm>
#include <array>

#include "app/MainWindow.h"
#include "lighting/LightingControls.h"
#include "lighting/LightingRecords.h"
#include "lighting/SettingsEdit.h"
#include "lighting/effects/KeyboardTables.h"

namespace quillon::lighting {
namespace {

constexpr DeviceKind kKeyboard = DeviceKind::Keyboard;
constexpr std::uint8_t kFullColourCustomMode = 8;
constexpr std::uint8_t kSingleColourCustomMode = 6;

Rgb rgbOfCustom(const KeyboardLightingStore::Colour& c) {
    return {c.red, c.green, c.blue};
}

}  // namespace

KeyboardLightingPage::KeyboardLightingPage(app::CMainWnd& main, LightingPreviews& previews,
                                           KeyboardLightingStore& store)
    : main_(main), previews_(previews), store_(store) {}

bool KeyboardLightingPage::singleColour() const {
    return main_.model().keyboardVariant.load() == 1;
}

// The colour controls act on the custom colour while a custom mode is selected.
bool KeyboardLightingPage::customShown() const {
    if (singleColour()) {
        return selectedItem(main_, "kb_deng_onecolor_combo_modeSelect") == kSingleColourCustomMode;
    }
    return selectedItem(main_, "kb_deng_combo_modeSelect") == kFullColourCustomMode;
}

LightingBlock KeyboardLightingPage::block() const {
    return currentLighting(main_.model().memory(kKeyboard).current);
}

void KeyboardLightingPage::edited() {
    settingsEdited(main_, kKeyboard, {ProfileList::Lighting, ProfileList::Device});
}

void KeyboardLightingPage::saveBoth() {
    saveProfiles(main_, kKeyboard, {ProfileList::Lighting, ProfileList::Device});
}

void KeyboardLightingPage::brightnessReleased(int value) {
    main_.model().memory(kKeyboard).current.set(record_field::kBrightness,
                                                brightnessOfSlider(value));
    edited();
}

void KeyboardLightingPage::speedReleased(int value) {
    main_.model().memory(kKeyboard).current.set(record_field::kSpeed, speedOfSlider(value));
    edited();
}

void KeyboardLightingPage::sevenColourChanged(bool on) {
    main_.model().memory(kKeyboard).current.set(record_field::kSevenColour, on ? 1 : 0);
    edited();
}

void KeyboardLightingPage::directionChosen(std::uint8_t direction) {
    setSelected(main_, "kb_Deng_FXL_check", direction == 1);
    setSelected(main_, "kb_Deng_FXR_check", direction == 0);
    main_.model().memory(kKeyboard).current.set(record_field::kDirection, direction);
    edited();
}

void KeyboardLightingPage::setColour(toolkit::Argb colour, bool store) {
    showComponents(main_, "kb_Deng_edit_", rgbOf(colour));
    selectPaletteColour(main_, "kb_deng_Color_Pallet", colour);
    if (customShown()) {
        showColour(main_, "kb_Deng_custom_colordp_btn", colour);
        if (store) {
            const Rgb c = rgbOf(colour);
            store_.customColour = {c.red, c.green, c.blue};
            saveBoth();
        }
        return;
    }
    showColour(main_, "kb_Deng_colordp_btn", colour);
    // The single-colour keyboard's light is fixed: its colour controls store nothing.
    if (!store || singleColour()) {
        return;
    }
    storeSolidColour(main_, kKeyboard, "kb", rgbOf(colour));
    edited();
}

void KeyboardLightingPage::componentTyped(int component, const std::string& text) {
    const std::uint8_t v = typedComponent(main_, "kb", component, text);
    if (customShown()) {
        const Rgb c = withComponent(rgbOfCustom(store_.customColour), component, v);
        showColour(main_, "kb_Deng_custom_colordp_btn", argbOf(c));
        selectPaletteColour(main_, "kb_deng_Color_Pallet", argbOf(c));
        store_.customColour = {c.red, c.green, c.blue};
        saveBoth();
        return;
    }
    if (singleColour()) {
        return;
    }
    const Rgb c = withComponent(block().colour(), component, v);
    showColour(main_, "kb_Deng_colordp_btn", argbOf(c));
    selectPaletteColour(main_, "kb_deng_Color_Pallet", argbOf(c));
    storeSolidColour(main_, kKeyboard, "kb", c);
    // Saved as every other colour edit is, so the profile keeps what the keyboard shows.
    edited();
}

void KeyboardLightingPage::customSetChosen(int index) {
    if (index < 0 || index >= kCustomSetCount) {
        return;
    }
    store_.customSetIndex = static_cast<std::uint32_t>(index);
    saveBoth();
}

void KeyboardLightingPage::paintKey(int button) {
    const bool single = singleColour();
    const std::uint8_t entry = customEntry(single, button);
    if (entry == kNoKey) {
        return;
    }
    const std::uint8_t mode = block().mode;
    CustomColourSet& set = store_.currentSet();
    if (single && mode == kSingleColourCustomMode) {
        set[entry] = 255;
    } else if (!single && mode == kFullColourCustomMode) {
        const std::size_t at = 3u * entry;
        set[at] = store_.customColour.red;
        set[at + 1] = store_.customColour.green;
        set[at + 2] = store_.customColour.blue;
    } else {
        return;
    }
    saveBoth();
}

// Every dark key of the set takes the custom colour (lights, on the single-colour keyboard);
// keys that already have a colour keep it.
void KeyboardLightingPage::fillSet() {
    setSelected(main_, "kb_Deng_all_bright_check", true);
    setSelected(main_, "kb_Deng_all_kill_check", false);
    CustomColourSet& set = store_.currentSet();
    if (singleColour()) {
        for (std::size_t k = 0; k < kCustomKeyCount; ++k) {
            set[k] = set[k] == 0 ? 255 : set[k];
        }
    } else {
        for (std::size_t k = 0; k < kCustomKeyCount; ++k) {
            const std::size_t at = 3 * k;
            if (set[at] == 0 && set[at + 1] == 0 && set[at + 2] == 0) {
                set[at] = store_.customColour.red;
                set[at + 1] = store_.customColour.green;
                set[at + 2] = store_.customColour.blue;
            }
        }
    }
    saveBoth();
}

void KeyboardLightingPage::clearSet() {
    setSelected(main_, "kb_Deng_all_kill_check", true);
    setSelected(main_, "kb_Deng_all_bright_check", false);
    CustomColourSet& set = store_.currentSet();
    const std::size_t bytes = singleColour() ? kCustomKeyCount : 3 * kCustomKeyCount;
    std::fill_n(set.begin(), bytes, std::uint8_t{0});
    saveBoth();
}

}  // namespace quillon::lighting
