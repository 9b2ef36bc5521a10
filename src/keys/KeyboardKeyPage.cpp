#include "keys/KeyboardKeyPage.h"

#include <algorithm>

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "keys/KeyCatalogs.h"
#include "keys/KeyCategories.h"
#include "keys/KeyLabel.h"
#include "keys/KeyPages.h"

namespace quillon::keys {
namespace {

constexpr DeviceKind kKeyboard = DeviceKind::Keyboard;
constexpr std::size_t kKeyCountByte = 5;  // of the keyboard's device information

std::string keyButtonName(int position) {
    return "kb_key_" + std::to_string(position);
}

}  // namespace

KeyboardKeyPage::KeyboardKeyPage(app::CMainWnd& main) : main_(main), editor_(main, kKeyboard) {}

int KeyboardKeyPage::keyCount() const {
    const int n = main_.model().memory(kKeyboard).info[kKeyCountByte];
    return std::min(n, keyCapacity(kKeyTableSize));
}

KeyFunction KeyboardKeyPage::factory() const {
    return keyAt(factoryKeyTable(main_, kKeyboard), key_);
}

void KeyboardKeyPage::rebuildPositionMap() {
    map_.rebuild(factoryKeyTable(main_, kKeyboard), keyCount());
}

void KeyboardKeyPage::clickKey(int position) {
    const toolkit::Control* option = main_.find("kb_key_Op_tab");
    if (!option || !option->selected()) {
        return;
    }
    if (toolkit::Control* panel = main_.find("kb_tab_function"); panel && !panel->visible()) {
        panel->setVisible(true);
        panel->setEnabled(true);
    }
    showKey(position);
}

void KeyboardKeyPage::showKey(int position) {
    const auto key = map_.keyAt(position);
    if (!key) {
        return;
    }
    showDeviceKey(*key);
}

void KeyboardKeyPage::showDeviceKey(int key) {
    // A capture armed for the key shown before must not change this one.
    removeCapture(main_);
    key_ = key;
    pending_ = keyAt(activeKeyTable(main_, kKeyboard), key);
    const auto item = editor_.show(pending_, factory());
    if (item == singleKeyItem(kKeyboard)) {
        captured_ = pending_;
        armKeyCapture(main_, kCaptureKeyboardPage);
    }
}

void KeyboardKeyPage::chooseKeyCategory(int item) {
    removeCapture(main_);
    editor_.showPanel(item);
    if (item == singleKeyItem(kKeyboard)) {
        armKeyCapture(main_, kCaptureKeyboardPage);
    }
    commitKey();
}

void KeyboardKeyPage::commitKey() {
    if (key_ < 0) {
        return;
    }
    const auto built = editor_.build(factory(), captured_);
    if (!built) {
        return;
    }
    pending_ = *built;
    setKeyAt(activeKeyTable(main_, kKeyboard), key_, pending_);
    refreshKeyLabels(activeProfile(main_, kKeyboard));
    saveKeyProfile(main_, kKeyboard);
}

void KeyboardKeyPage::clampAndCommit(std::string_view editName) {
    editor_.clampEdit(editName);
    commitKey();
}

void KeyboardKeyPage::captureKey(std::uint16_t vk, std::uint32_t flags) {
    const auto row = capturedKeyRow(vk, flags);
    if (!row) {
        return;
    }
    const CatalogEntry& entry = keyCodeTable()[static_cast<std::size_t>(*row)];
    editor_.setCapturedName(entry.textId);
    captured_ = entry.function;
    commitKey();
}

void KeyboardKeyPage::restoreKey() {
    if (key_ < 0) {
        return;
    }
    pending_ = factory();
    setKeyAt(activeKeyTable(main_, kKeyboard), key_, pending_);
    showDeviceKey(key_);
    refreshKeyLabels(activeProfile(main_, kKeyboard));
    saveKeyProfile(main_, kKeyboard);
}

void KeyboardKeyPage::refreshKeyLabels(int profile) {
    if (profile < 0 || profile >= kProfileCount) {
        profile = 0;
    }
    const DeviceMemory& memory = main_.model().memory(kKeyboard);
    const KeyTableBytes& table = memory.keyTables[static_cast<std::size_t>(profile)];
    const MacroNames macros = macroNamesOf(main_, kKeyboard);
    toolkit::Toolkit& tk = main_.toolkit();
    for (int d = 0; d < keyCount(); ++d) {
        const KeyFunction f = keyAt(table, d);
        const auto label = labelFor(kKeyboard, f, macros);
        const auto position = label ? map_.positionOf(d) : std::nullopt;
        toolkit::Control* button = position ? main_.find(keyButtonName(*position)) : nullptr;
        if (!button) {
            continue;
        }
        const std::string_view defaultName = keyNameOf(keyAt(memory.factoryKeyTable, d));
        const std::string shownDefault = tk.translate(defaultName);
        if (app::equalsNoCase(defaultName, label->text)) {
            button->set(toolkit::Prop::Tooltip, shownDefault);
            button->set(toolkit::Prop::Remapped, false);
            continue;
        }
        const std::string now = label->literal ? label->text : tk.translate(label->text);
        button->set(toolkit::Prop::Tooltip, shownDefault + tk.translate("Key_Set") + now);
        button->set(toolkit::Prop::Remapped, true);
    }
}

}  // namespace quillon::keys
