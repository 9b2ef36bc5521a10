#include "keys/MacroEditor.h"

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "keys/MacroImage.h"
#include "keys/MacroKeyRows.h"
#include "keys/MacroRows.h"

namespace quillon::keys {

using toolkit::Control;
using toolkit::Notify;

namespace {

// The buttons an empty macro list disables, and the recording options.
constexpr const char* kMacroTools[] = {
    "macro_btn_save",       "macro_btn_up",         "macro_btn_down",      "macro_btn_uptop",
    "macro_btn_downbottom", "macro_btn_delete",     "macro_btn_deleteall", "macro_btn_cancel",
    "macro_btn_redio",      "macro_keyboard_event", "macro_mouse_click",   "macro_mouse_roller",
    "macro_mouse_move",     "macro_check_time"};

toolkit::Item item(const std::string& text, bool isId) {
    toolkit::Item entry;
    entry.text = text;
    entry.textIsId = isId;
    entry.id = text;
    return entry;
}

}  // namespace

MacroEditor::MacroEditor(app::CMainWnd& main, DeviceKind kind)
    : main_(main),
      kind_(kind),
      prefix_(std::string(kindPrefix(kind)) + "_"),
      store_(main.paths().dataDir + std::string(kindPrefix(kind)) + "/", kind) {}

Control* MacroEditor::find(std::string_view suffix) const {
    return main_.find(name(suffix));
}

void MacroEditor::setEnabled(std::string_view suffix, bool enabled) const {
    if (Control* c = find(suffix)) {
        c->setEnabled(enabled);
    }
}

void MacroEditor::setVisible(std::string_view suffix, bool visible) const {
    if (Control* c = find(suffix)) {
        c->setVisible(visible);
    }
}

void MacroEditor::show(const MacroResult& result) {
    if (!result.message) {
        return;
    }
    if (result.argument < 0) {
        main_.dialogs().showMessage(result.message);
        return;
    }
    const std::string format = main_.toolkit().translate(result.message);
    main_.dialogs().showMessageBox(formatWithNumber(format, result.argument), false);
}

bool MacroEditor::pending() const {
    const Control* panel = find("macro_tab_saveorcancel");
    return panel && panel->getBool(toolkit::Prop::Visible);
}

void MacroEditor::setPending(bool pending) {
    setVisible("macro_tab_saveorcancel", pending);
    if (!pending) {
        setEnabled("macro_btn_name_sub", true);
        setEnabled("MacroName_list", true);
    }
}

void MacroEditor::enableMacroTools(bool enabled) {
    for (const char* tool : kMacroTools) {
        setEnabled(tool, enabled);
    }
}

void MacroEditor::setUp() {
    store_.loadIndex();
    actions_.clear();
    fillNameControls();
    if (Control* keys = find("macro_combo_keyselect")) {
        keys->clearItems();
        for (const MacroKeyRow& row : macroKeyRows()) {
            keys->addItem(item(std::string(row.textId), true));
        }
    }
    macro_ = store_.count() - 1;
    if (Control* list = find("MacroName_list"); list && macro_ >= 0) {
        list->selectItem(macro_);
    }
    // The selected macro's actions are shown, so that what a save writes is what the list shows.
    loadSelected();
    enableMacroTools(store_.count() > 0);
}

void MacroEditor::fillNameControls() {
    if (Control* list = find("MacroName_list")) {
        list->clearItems();
        for (const std::string& n : store_.names()) {
            list->addItem(item(n, false));
        }
    }
    keyFunctionComboChanged();
}

void MacroEditor::keyFunctionComboChanged() {
    Control* combo = find("key_fct_combo_23");
    if (!combo) {
        return;
    }
    const int selected = combo->selectedIndex();
    combo->clearItems();
    for (const std::string& n : store_.names()) {
        combo->addItem(item(n, false));
    }
    if (selected >= 0 && selected < store_.count()) {
        combo->selectItem(selected);
    }
}

void MacroEditor::loadSelected() {
    actions_ = macro_ >= 0 ? store_.loadMacro(macro_) : std::vector<MacroAction>{};
    action_ = -1;
    if (Control* edit = find("macro_edit_macroname")) {
        edit->setText(macro_ >= 0 ? store_.names()[static_cast<std::size_t>(macro_)] : "");
    }
    if (Control* tab = find("tab_macro_edit")) {
        tab->selectPage(0);
    }
    rebuildRows();
}

void MacroEditor::rebuildRows() {
    Control* list = find("Macro_list");
    if (!list) {
        return;
    }
    list->clearItems();
    const auto translate = [this](std::string_view id) { return main_.toolkit().translate(id); };
    for (const MacroAction& action : actions_) {
        list->addItem(actionRow(action, translate));
    }
    list->selectItem(action_);
    if (action_ >= 0) {
        list->scrollToItem(action_);
    }
}

void MacroEditor::selectMacro(int i) {
    if (i < 0 || i >= store_.count()) {
        return;
    }
    if (pending()) {
        main_.dialogs().showMessage("message_text_4");
        if (Control* list = find("MacroName_list")) {
            list->selectItem(macro_);
        }
        return;
    }
    macro_ = i;
    loadSelected();
}

void MacroEditor::newMacro() {
    if (pending()) {
        main_.dialogs().showMessage("message_text_3");
        return;
    }
    const MacroResult created = store_.createMacro();
    if (created.result != 1) {
        show(created);
        return;
    }
    fillNameControls();
    macro_ = store_.count() - 1;
    if (Control* list = find("MacroName_list")) {
        list->selectItem(macro_);
    }
    loadSelected();
    enableMacroTools(true);
}

void MacroEditor::renameMacro() {
    if (renaming_ || macro_ < 0) {
        return;
    }
    renaming_ = true;
    Control* edit = find("macro_edit_macroname");
    const std::string typed = edit ? edit->text() : std::string{};
    const MacroResult result = store_.renameMacro(macro_, typed, actions_);
    if (result.result == 1) {
        fillNameControls();
        if (Control* list = find("MacroName_list")) {
            list->selectItem(macro_);
        }
        refreshLabels();
    } else if (result.message) {
        show(result);
        if (edit) {
            edit->setText(store_.names()[static_cast<std::size_t>(macro_)]);
        }
    }
    renaming_ = false;
}

void MacroEditor::save() {
    setPending(false);
    if (Control* tab = find("tab_macro_edit")) {
        tab->selectPage(0);
    }
    show(store_.saveMacro(macro_, actions_));
    showInsertPanel(false);
    if (Control* check = find("macro_btn_shubiao")) {
        check->setSelected(false);
    }
}

void MacroEditor::cancel() {
    setPending(false);
    if (Control* tab = find("tab_macro_edit")) {
        tab->selectPage(0);
    }
    loadSelected();
}

void MacroEditor::exportMacro() {
    if (macro_ < 0) {
        return;
    }
    toolkit::FileDialogSpec spec;
    spec.mode = toolkit::FileDialogSpec::Mode::Save;
    spec.title = main_.toolkit().translate("macro_export");
    spec.filters = {{"(*.mac)", "*.mac"}};
    spec.initialName = "*.mac";
    spec.defaultExtension = "mac";
    if (const auto path = main_.toolkit().fileDialog(spec); path && !path->empty()) {
        show(store_.exportMacro(macro_, *path));
    }
}

void MacroEditor::importMacro() {
    if (store_.count() > 0 && macro_ < 0) {
        return;
    }
    if (pending()) {
        main_.dialogs().showMessage("message_text_3");
        return;
    }
    toolkit::FileDialogSpec spec;
    spec.mode = toolkit::FileDialogSpec::Mode::Open;
    spec.title = main_.toolkit().translate("macro_import");
    spec.filters = {{"(*.mac)", "*.mac"}};
    spec.initialName = "*.mac";
    spec.defaultExtension = "mac";
    const auto path = main_.toolkit().fileDialog(spec);
    if (!path || path->empty()) {
        return;
    }
    const int before = store_.count();
    const MacroResult imported = store_.importMacro(*path);
    show(imported);
    if (store_.count() == before) {
        return;
    }
    fillNameControls();
    macro_ = store_.count() - 1;
    if (Control* list = find("MacroName_list")) {
        list->selectItem(macro_);
    }
    loadSelected();
    enableMacroTools(true);
}

}  // namespace quillon::keys
