#include "lighting/PalletDialog.h"

#include "app/ControlName.h"
#include "lighting/PresetColours.h"
#include "platform/DebugLog.h"

namespace quillon::lighting {
namespace {

constexpr const char* kCaption = "Solmar调色板";
constexpr const char* kPresetPrefix = "ms_dpi_color_png_";
constexpr int kPointerOffset = 20;

}  // namespace

CPalletDialog::CPalletDialog(toolkit::Toolkit& toolkit, toolkit::Argb startColour)
    : toolkit_(toolkit), colour_(startColour) {}

int CPalletDialog::doModal(toolkit::Window* owner) {
    toolkit::WindowSpec spec;
    spec.skin = kPalletSkin;
    spec.title = kCaption;
    spec.owner = owner;
    spec.toolWindow = true;
    auto window = toolkit_.createWindow(spec);
    if (!window) {
        debugLog("palette window layout missing");
        return kPalletClosed;
    }
    window_ = window.get();
    window->setHandler(this);
    palette_ = window->find("Pallet");
    sample_ = window->find("color_show_btn");
    showColour(colour_);
    placeBesidePointer();
    const int result = window->runModal();
    window->setHandler(nullptr);
    window_ = nullptr;
    palette_ = nullptr;
    sample_ = nullptr;
    return result == kPalletOk ? kPalletOk : kPalletClosed;
}

void CPalletDialog::placeBesidePointer() {
    const toolkit::Point pointer = toolkit_.cursorPosition();
    window_->move(pointer.x - kPointerOffset, pointer.y + kPointerOffset);
}

void CPalletDialog::notify(const toolkit::Notification& n) {
    if (window_ == nullptr) {
        return;
    }
    if (n.type == "colorchanged" && app::equalsNoCase(n.sender, "Pallet")) {
        showColour(n.colour);
        return;
    }
    if (n.type != "click") {
        return;
    }
    if (app::equalsNoCase(n.sender, "closebtn")) {
        window_->close(kPalletClosed);
    } else if (app::equalsNoCase(n.sender, "okbtn")) {
        confirm();
    } else if (const auto split = app::splitControlName(n.sender);
               split && app::equalsNoCase(split->prefix, kPresetPrefix)) {
        // A button numbered beyond the table is not one of the presets.
        if (const auto preset = presetColour(split->number)) {
            debugLog("hongse");
            showColour(*preset);
        }
    }
}

// Without a palette there was nothing to choose, and OK closes like the close button.
void CPalletDialog::confirm() {
    if (palette_ == nullptr) {
        window_->close(kPalletClosed);
        return;
    }
    colour_ = sample_ != nullptr ? sample_->bkColor() : 0;
    window_->close(kPalletOk);
}

void CPalletDialog::showColour(toolkit::Argb colour) {
    if (sample_ != nullptr) {
        sample_->set(toolkit::Prop::BkImage, std::string());
        sample_->setBkColor(colour);
        sample_->invalidate();
    }
    if (palette_ != nullptr) {
        palette_->set(toolkit::Prop::PaletteColor, std::int64_t{colour});
    }
}

std::optional<toolkit::Argb> pickColour(toolkit::Toolkit& toolkit, toolkit::Window* owner,
                                        toolkit::Argb start) {
    CPalletDialog dialog(toolkit, start);
    if (dialog.doModal(owner) != kPalletOk) {
        return std::nullopt;
    }
    return dialog.colour();
}

}  // namespace quillon::lighting
