#include "keys/MouseButtonPage.h"

#include "app/ControlName.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/KeyCatalogs.h"
#include "keys/KeyCategories.h"
#include "keys/KeyLabel.h"
#include "keys/KeyPages.h"

namespace quillon::keys {
namespace {

constexpr DeviceKind kMouse = DeviceKind::Mouse;

}  // namespace

MouseButtonPage::MouseButtonPage(app::CMainWnd& main) : main_(main), editor_(main, kMouse) {}

KeyFunction MouseButtonPage::factory() const {
    return keyAt(factoryKeyTable(main_, kMouse), key_);
}

bool MouseButtonPage::lastLeftButton(int key) const {
    const auto table = activeKeyTable(main_, kMouse);
    if (keyAt(table, key) != kLeftButton) {
        return false;
    }
    for (int other = 0; other < kLeftButtonRuleKeys; ++other) {
        if (other != key && keyAt(table, other) == kLeftButton) {
            return false;
        }
    }
    return true;
}

void MouseButtonPage::showButton(int key) {
    // A capture armed for the button shown before must not change this one.
    removeCapture(main_);
    key_ = key;
    pending_ = keyAt(activeKeyTable(main_, kMouse), key);
    toolkit::Control* panel = main_.find("ms_tab_function");
    if (lastLeftButton(key)) {
        main_.dialogs().showMessage("message_text_6");
        if (panel) {
            panel->setEnabled(false);
        }
        return;
    }
    if (panel) {
        panel->setEnabled(true);
        panel->setVisible(true);
    }
    const auto item = editor_.show(pending_, factory());
    if (item == singleKeyItem(kMouse)) {
        captured_ = pending_;
        armKeyCapture(main_, kCaptureMousePage);
    }
}

void MouseButtonPage::chooseCategory(int item) {
    removeCapture(main_);
    editor_.showPanel(item);
    if (item == singleKeyItem(kMouse)) {
        armKeyCapture(main_, kCaptureMousePage);
    }
    commitButton();
}

void MouseButtonPage::commitButton() {
    if (key_ < 0) {
        return;
    }
    const auto built = editor_.build(factory(), captured_);
    if (!built) {
        return;
    }
    pending_ = *built;
    setKeyAt(activeKeyTable(main_, kMouse), key_, pending_);
    refreshLabels(activeProfile(main_, kMouse));
    saveKeyProfile(main_, kMouse);
}

void MouseButtonPage::clampAndCommit(std::string_view editName) {
    editor_.clampEdit(editName);
    commitButton();
}

void MouseButtonPage::captureSingleKey(std::uint16_t vk, std::uint32_t flags) {
    const auto row = capturedKeyRow(vk, flags);
    if (!row) {
        return;
    }
    const CatalogEntry& entry = keyCodeTable()[static_cast<std::size_t>(*row)];
    editor_.setCapturedName(entry.textId);
    captured_ = entry.function;
    commitButton();
}

void MouseButtonPage::restoreButton() {
    if (key_ < 0) {
        return;
    }
    pending_ = factory();
    setKeyAt(activeKeyTable(main_, kMouse), key_, pending_);
    showButton(key_);
    refreshLabels(activeProfile(main_, kMouse));
    saveKeyProfile(main_, kMouse);
}

void MouseButtonPage::refreshLabels(int profile) {
    if (profile < 0 || profile >= kProfileCount) {
        profile = 0;
    }
    const KeyTableBytes& table =
        main_.model().memory(kMouse).keyTables[static_cast<std::size_t>(profile)];
    const MacroNames macros = macroNamesOf(main_, kMouse);
    for (int n = 0; n < kMouseButtons; ++n) {
        toolkit::Control* button = main_.find("ms_key_" + std::to_string(n));
        const auto label = labelFor(kMouse, keyAt(table, n), macros);
        if (!button || !label) {
            continue;
        }
        if (label->literal) {
            button->setText(label->text);
            button->set(toolkit::Prop::Tooltip, label->text);
        } else {
            button->setTextId(label->text);
            button->set(toolkit::Prop::TooltipId, label->text);
        }
    }
}

}  // namespace quillon::keys
