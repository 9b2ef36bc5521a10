// The macro editor's action list: selection, editing, ordering, inserts, recording; and deleting
// a macro, which renumbers the macro functions of every key table of the device kind.

#include <algorithm>

#include "app/ControlName.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "keys/MacroEditor.h"
#include "keys/MacroRows.h"
#include "toolkit/InputCapture.h"

namespace quillon::keys {

using toolkit::Control;

namespace {

constexpr std::uint8_t kMacroPlayback = 0x70;
constexpr std::uint8_t kMacroRepeat = 0x71;
constexpr std::size_t kKeysPerTable = kKeyTableSize / 3;  // 170

bool isMacroFunction(std::uint8_t type) {
    return type == kMacroPlayback || type == kMacroRepeat;
}

int numberIn(const std::string& text, int limit) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min<long>(value * 10 + (c - '0'), limit + 1L);
    }
    return static_cast<int>(value);
}

}  // namespace

bool MacroEditor::keysUse(int macro) const {
    const DeviceMemory& memory = main_.model().memory(kind_);
    for (const KeyTableBytes& table : memory.keyTables) {
        for (std::size_t k = 0; k < kKeysPerTable; ++k) {
            if (isMacroFunction(table[3 * k]) && table[3 * k + 1] == macro) {
                return true;
            }
        }
    }
    return false;
}

void MacroEditor::renumberKeys(int removed) {
    DeviceMemory& memory = main_.model().memory(kind_);
    for (KeyTableBytes& table : memory.keyTables) {
        for (std::size_t k = 0; k < kKeysPerTable; ++k) {
            if (!isMacroFunction(table[3 * k])) {
                continue;
            }
            if (table[3 * k + 1] == removed) {
                std::copy_n(memory.factoryKeyTable.begin() + static_cast<long>(3 * k), 3,
                            table.begin() + static_cast<long>(3 * k));
            } else if (table[3 * k + 1] > removed) {
                --table[3 * k + 1];
            }
        }
    }
}

void MacroEditor::refreshLabels() {
    const app::PageHooks& hooks = main_.hooks();
    if (kind_ == DeviceKind::Mouse && hooks.refreshMouseButtonLabels) {
        hooks.refreshMouseButtonLabels(main_.model().memory(kind_).current.get(0));
    } else if (kind_ == DeviceKind::Keyboard && hooks.refreshKeyboardKeys) {
        hooks.refreshKeyboardKeys();
    }
}

void MacroEditor::deleteMacro() {
    const int s = macro_;
    if (s < 0 || s >= store_.count()) {
        return;
    }
    if (keysUse(s) && main_.dialogs().showMessage("message_text_2") != 1) {
        return;
    }
    if (pending()) {
        main_.dialogs().showMessage("message_text_3");
        return;
    }
    if (main_.dialogs().showMessage("message_text_4") != 1) {
        return;
    }
    renumberKeys(s);
    show(store_.deleteMacro(s));
    fillNameControls();
    macro_ = store_.count() > 0 ? 0 : -1;
    if (Control* list = find("MacroName_list"); list && macro_ >= 0) {
        list->selectItem(0);
    }
    if (Control* combo = find("key_fct_combo_23"); combo && macro_ >= 0) {
        combo->selectItem(0);
    }
    loadSelected();
    enableMacroTools(store_.count() > 0);
    refreshLabels();
}

void MacroEditor::editingStarted() {
    // The name list stops taking input, so the save and cancel panel must show for the edit to be
    // ended, also when the list has just been emptied.
    setEnabled("MacroName_list", false);
    if (store_.count() > 0) {
        setPending(true);
    }
}

void MacroEditor::selectAction(int a) {
    if (a < 0 || a >= static_cast<int>(actions_.size())) {
        return;
    }
    action_ = a;
    setEnabled("MacroName_list", false);
    if (store_.count() > 0) {
        setPending(true);
    }
    showActionEditor();
}

void MacroEditor::showActionEditor() {
    const MacroAction& action = actions_[static_cast<std::size_t>(action_)];
    const auto setText = [this](std::string_view edit, int value) {
        if (Control* c = find(edit)) {
            c->setText(std::to_string(value));
        }
    };
    Control* tab = find("tab_macro_edit");
    if (action.isMouse()) {
        if (tab) {
            tab->selectPage(2);
        }
        if (Control* combo = find("macro_combo_mouselect")) {
            combo->selectItem(mouseComboItem(action).value_or(-1));
        }
        setVisible("macro_tab_mou_pointer_skewing", action.isMove());
        if (action.isMove()) {
            setText("macro_edit_mou_pointer_skewing", action.code);
        }
        setText("_macro_edit_mou_action_delay", action.delay);
        return;
    }
    if (tab) {
        tab->selectPage(1);
    }
    if (Control* combo = find("macro_combo_keyselect")) {
        combo->selectItem(keyComboRow(action).value_or(-1));
    }
    if (Control* combo = find("macro_combo_upordown")) {
        combo->selectItem(action.pressed ? 1 : 0);
    }
    setText("_macro_edit_ActionDelay", action.delay);
}

void MacroEditor::replaceSelected(const MacroAction& action) {
    if (action_ < 0 || action_ >= static_cast<int>(actions_.size())) {
        return;
    }
    actions_[static_cast<std::size_t>(action_)] = action;
    rebuildRows();
}

void MacroEditor::moveAction(int to) {
    const int n = static_cast<int>(actions_.size());
    const int a = action_;
    int target = -1;
    if (a >= 0 && a < n) {
        target = to == -1 ? a - 1 : to == 1 ? a + 1 : to == -2 ? 0 : n - 1;
    }
    if (target >= 0 && target < n && target != a) {
        const MacroAction moved = actions_[static_cast<std::size_t>(a)];
        actions_.erase(actions_.begin() + a);
        actions_.insert(actions_.begin() + target, moved);
        action_ = target;
        rebuildRows();
    }
    editingStarted();
}

void MacroEditor::deleteAction() {
    if (action_ >= 0 && action_ < static_cast<int>(actions_.size())) {
        actions_.erase(actions_.begin() + action_);
        action_ = -1;
        rebuildRows();
    }
    editingStarted();
}

void MacroEditor::deleteAllActions() {
    actions_.clear();
    action_ = -1;
    rebuildRows();
    editingStarted();
}

void MacroEditor::chooseKey(int r) {
    if (action_ >= 0) {
        replaceSelected(withKeyRow(actions_[static_cast<std::size_t>(action_)], r));
    }
}

void MacroEditor::chooseDirection(int p) {
    if (action_ >= 0) {
        replaceSelected(withDirection(actions_[static_cast<std::size_t>(action_)], p));
    }
}

void MacroEditor::chooseMouseAction(int c) {
    if (action_ < 0 || c < 0 || c >= kMouseComboItems) {
        return;
    }
    const MacroAction& old = actions_[static_cast<std::size_t>(action_)];
    const std::uint8_t distance = old.isMove() ? old.code : 0;
    const MacroAction changed = mouseComboAction(c, old.delay, distance);
    setVisible("macro_tab_mou_pointer_skewing", changed.isMove());
    if (Control* edit = find("macro_edit_mou_pointer_skewing"); edit && changed.isMove()) {
        edit->setText(std::to_string(distance));
    }
    replaceSelected(changed);
}

void MacroEditor::delayTyped(const std::string& edit, const std::string& text) {
    const int value = numberIn(text, 65535);
    if (value > 65535) {
        if (Control* c = main_.find(edit)) {
            c->setText("65535");
        }
    }
    if (action_ >= 0) {
        MacroAction changed = actions_[static_cast<std::size_t>(action_)];
        changed.delay = static_cast<std::uint16_t>(std::min(value, 65535));
        replaceSelected(changed);
    }
}

void MacroEditor::distanceTyped(const std::string& text) {
    const int value = numberIn(text, 255);
    if (value > 255) {
        if (Control* c = find("macro_edit_mou_pointer_skewing")) {
            c->setText("255");
        }
    }
    if (action_ >= 0 && actions_[static_cast<std::size_t>(action_)].isMove()) {
        MacroAction changed = actions_[static_cast<std::size_t>(action_)];
        changed.code = static_cast<std::uint8_t>(std::min(value, 255));
        replaceSelected(changed);
    }
}

void MacroEditor::insertMouseAction(std::uint8_t kind, std::uint8_t code, const char* label) {
    if (macro_ < 0) {
        return;
    }
    const MacroAction action = makeAction(50, kind, code, label);
    const int at = action_ >= 0 && action_ < static_cast<int>(actions_.size()) ? action_ : 0;
    actions_.insert(actions_.begin() + at, action);
    // The row after the new one stays (or becomes) the selected one, when there is one.
    action_ = at + 1 < static_cast<int>(actions_.size()) ? at + 1 : -1;
    setPending(true);
    setEnabled("MacroName_list", false);
    rebuildRows();
}

void MacroEditor::insertMove(std::uint8_t kind, const std::string& edit, const char* label) {
    const Control* c = main_.find(edit);
    const int distance = c ? std::min(numberIn(c->text(), 255), 255) : 0;
    insertMouseAction(kind, static_cast<std::uint8_t>(distance), label);
}

void MacroEditor::showInsertPanel(bool shown) {
    setVisible("MacroMouseEvent", shown);
    setVisible("MacroName", !shown);
}

void MacroEditor::toggleInsertPanel(const std::string& button) {
    // "<p>macro_inset_leftkey_btn" opens "<p>macro_inset_leftkey_tab"; the others close.
    const std::string tab = button.substr(0, button.size() - 4) + "_tab";
    for (const char* key : {"leftkey", "moudlekey", "rightkey", "forwardkey", "backkey"}) {
        const std::string other = name("macro_inset_") + key + "_tab";
        if (Control* c = main_.find(other)) {
            const bool open = app::equalsNoCase(other, tab) && !c->getBool(toolkit::Prop::Visible);
            c->setVisible(open);
        }
    }
}

void MacroEditor::startStopRecording() {
    if (store_.count() == 0) {
        return;
    }
    setPending(true);
    if (Control* tab = find("tab_macro_edit")) {
        tab->selectPage(0);
    }
    const bool start = !recorder_.recording();
    toolkit::InputCapture& capture = main_.toolkit().inputCapture();
    if (start) {
        const auto mode = kind_ == DeviceKind::Mouse ? toolkit::CaptureMode::MouseMacro
                                                     : toolkit::CaptureMode::KeyboardMacro;
        // Nothing is recorded when the input cannot be taken; the page still shows recording.
        capture.arm(main_.window(), mode, wantsKeyboard(), wantsMouse());
        recorder_.start(main_.clock().now());
    } else {
        capture.remove();
        recorder_.stop();
    }
    for (const char* option :
         {"macro_keyboard_event", "macro_mouse_click", "macro_mouse_roller", "macro_mouse_move",
          "macro_check_time", "macro_btn_save", "macro_btn_down", "macro_btn_up", "macro_btn_uptop",
          "macro_btn_downbottom", "macro_btn_delete", "macro_btn_deleteall", "macro_btn_cancel"}) {
        setEnabled(option, !start);
    }
    setEnabled("MacroName_list", false);
    setEnabled("Macro_list", !start);
    if (Control* button = find("macro_btn_redio")) {
        button->setTextId(start ? "macro_btn_stop_redio_text" : "macro_btn_star_redio_text");
    }
}

bool MacroEditor::checked(std::string_view suffix) const {
    const Control* c = find(suffix);
    return c && c->selected();
}

bool MacroEditor::wantsKeyboard() const {
    return checked("macro_keyboard_event");
}

bool MacroEditor::wantsMouse() const {
    return checked("macro_mouse_click") || checked("macro_mouse_roller") ||
           checked("macro_mouse_move");
}

RecordingOptions MacroEditor::recordingOptions() const {
    return RecordingOptions{checked("macro_mouse_click"), checked("macro_check_time")};
}

void MacroEditor::recorded() {
    action_ = -1;
    rebuildRows();
    if (Control* list = find("Macro_list"); list && !actions_.empty()) {
        list->scrollToItem(static_cast<int>(actions_.size()) - 1);
    }
}

void MacroEditor::recordKey(std::uint16_t vk, std::uint32_t flags, bool down) {
    if (recorder_.recordKey(actions_, vk, flags, down, main_.clock().now(), recordingOptions())) {
        recorded();
    }
}

void MacroEditor::recordMouse(std::uint32_t message) {
    if (recorder_.recordMouse(actions_, message, main_.clock().now(), recordingOptions())) {
        recorded();
    }
}

}  // namespace quillon::keys
