#include "keys/FunctionEditor.h"

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "keys/KeyCatalogs.h"
#include "keys/KeyCategories.h"

namespace quillon::keys {
namespace {

using toolkit::Control;

constexpr EditLimit kByte{0, 255};
constexpr EditLimit kAmount{0, 127};
constexpr EditLimit kNibble{0, 15};

std::optional<KeyFunction> entryAt(Catalog catalog, int index) {
    if (index < 0 || index >= static_cast<int>(catalog.size())) {
        return std::nullopt;
    }
    return catalog[static_cast<std::size_t>(index)].function;
}

}  // namespace

FunctionEditor::FunctionEditor(app::CMainWnd& main, DeviceKind page)
    : main_(main), page_(page), prefix_(kindPrefix(page)) {}

std::string FunctionEditor::name(std::string_view suffix) const {
    return prefix_ + "_key_fct_" + std::string(suffix);
}

Control* FunctionEditor::control(std::string_view suffix) const {
    return main_.find(name(suffix));
}

std::optional<EditLimit> FunctionEditor::limitOf(int editNumber) const {
    switch (editNumber) {
        case 11:
        case 12:
            return kByte;
        case 15:
        case 16:
            return kAmount;
        case 17:
        case 18:
        case 19:
        case 20:
            return kNibble;
        case 25:
            // The mouse plays a macro at least once; the keyboard stores what it is given.
            return EditLimit{page_ == DeviceKind::Mouse ? 1 : 0, 255};
        default:
            return std::nullopt;
    }
}

int FunctionEditor::numberIn(std::string_view editSuffix, EditLimit limit) const {
    const Control* edit = control(editSuffix);
    return clampNumber(edit ? edit->text() : std::string(), limit).value;
}

int FunctionEditor::selectedIn(std::string_view comboSuffix) const {
    const Control* combo = control(comboSuffix);
    if (!combo) {
        return -1;
    }
    const int index = combo->selectedIndex();
    return index < combo->itemCount() ? index : -1;
}

void FunctionEditor::setNumber(std::string_view editSuffix, int value) {
    if (Control* edit = control(editSuffix)) {
        edit->setText(std::to_string(value));
    }
}

void FunctionEditor::select(std::string_view comboSuffix, int index) {
    // A number read from a table that names no item leaves the combo as it was.
    Control* combo = control(comboSuffix);
    if (combo && index >= 0 && index < combo->itemCount()) {
        combo->selectItem(index);
    }
}

int FunctionEditor::panelCount() const {
    const Control* combo = control("combo");
    const int items = combo ? combo->itemCount() : 0;
    return items > 0 ? items
                     : (page_ == DeviceKind::Mouse ? kMouseCategoryItems : kKeyboardCategoryItems);
}

void FunctionEditor::showPanel(int item) {
    const std::string panel = prefix_ + "_tab_function_";
    for (int i = 0; i < panelCount(); ++i) {
        if (Control* p = main_.find(panel + std::to_string(i))) {
            p->setVisible(false);
        }
    }
    if (Control* p = main_.find(panel + std::to_string(item))) {
        p->setVisible(true);
    }
}

int FunctionEditor::categoryShown() const {
    const Control* combo = control("combo");
    return combo ? combo->selectedIndex() : -1;
}

void FunctionEditor::showRepeatPanel() {
    if (Control* panel = main_.find(prefix_ + "_tab_function_26")) {
        panel->setVisible(selectedIn("combo_24") == kRepeatModeItem);
    }
}

void FunctionEditor::setCapturedName(std::string_view textId) {
    if (Control* edit = control("edit_21")) {
        if (textId.empty()) {
            edit->setText("");
        } else {
            edit->setTextId(std::string(textId));
        }
    }
}

bool FunctionEditor::hasCapturedName() const {
    const Control* edit = control("edit_21");
    return edit && !edit->text().empty();
}

bool FunctionEditor::clampEdit(std::string_view editName) {
    const auto split = app::splitControlName(editName);
    if (!split || !app::equalsNoCase(split->prefix, name("edit_"))) {
        return false;
    }
    const auto limit = limitOf(split->number);
    Control* edit = main_.find(editName);
    if (!limit || !edit) {
        return false;
    }
    const Clamped c = clampNumber(edit->text(), *limit);
    if (c.corrected) {
        edit->setText(std::to_string(c.value));
    }
    return true;
}

void FunctionEditor::showSwing(KeyFunction f, const char* amount, const char* a, const char* b,
                               const char* direction) {
    const Swing s = decodeSwing(f);
    setNumber(a, s.a);
    setNumber(b, s.b);
    setNumber(amount, s.amount);
    select(direction, s.second ? 1 : 0);
}

void FunctionEditor::showMacro(KeyFunction f) {
    Control* macros = control("combo_23");
    if (!macros || f.param1 >= macros->itemCount()) {
        // A macro the list does not show: no selection, the mode stays as it was.
        if (macros) {
            macros->selectItem(-1);
        }
        return;
    }
    macros->selectItem(f.param1);
    if (f.type == fn::kMacroRepeat) {
        select("combo_24", kRepeatModeItem);
        setNumber("edit_25", f.param2);
    } else {
        select("combo_24", f.param2);
    }
    showRepeatPanel();
}

std::optional<int> FunctionEditor::show(KeyFunction f, KeyFunction factory) {
    const auto item = categoryItem(page_, f, factory);
    if (!item) {
        return std::nullopt;
    }
    // The captured-key field belongs to the function shown; another function starts it empty.
    setCapturedName(*item == singleKeyItem(page_) ? keyNameOf(f) : std::string_view{});
    auto position = [&f](Catalog catalog, const char* combo, FunctionEditor& editor) {
        if (auto pos = catalogPosition(catalog, f)) {
            editor.select(combo, *pos);
        }
    };
    if (*item != 0) {
        switch (f.type) {
            case fn::kMouseButton:
                position(mouseButtonCatalog(), "combo_11", *this);
                break;
            case fn::kHorizontalSwing:
                showSwing(f, "edit_15", "edit_17", "edit_20", "combo_12");
                break;
            case fn::kVerticalSwing:
                showSwing(f, "edit_16", "edit_18", "edit_19", "combo_13");
                break;
            case fn::kDpi:
                position(dpiCatalog(), "combo_14", *this);
                break;
            case fn::kFire:
                setNumber("edit_11", f.param1);
                setNumber("edit_12", f.param2);
                break;
            case fn::kKey:
                if (*item == combinationItem(page_)) {
                    position(shortcutCatalog(), "combo_26", *this);
                }
                break;
            case fn::kConsumer:
                position(consumerCatalog(), "combo_21", *this);
                break;
            case fn::kSystem:
                position(systemCatalog(), "combo_22", *this);
                break;
            case fn::kMacroMode:
            case fn::kMacroRepeat:
                showMacro(f);
                break;
            case fn::kCursorSequence:
                select("combo_25", f.param1);
                break;
            default:
                break;
        }
    }
    select("combo", *item);
    showPanel(*item);
    return item;
}

std::optional<KeyFunction> FunctionEditor::buildMacro() const {
    const int macro = selectedIn("combo_23");
    if (macro < 0) {
        return std::nullopt;
    }
    const int mode = std::max(selectedIn("combo_24"), 0);
    return encodeMacro(macro, mode, numberIn("edit_25", *limitOf(25)));
}

std::optional<KeyFunction> FunctionEditor::build(KeyFunction factory, KeyFunction captured) const {
    const int item = categoryShown();
    const auto type = categoryType(page_, item);
    if (!type) {
        return std::nullopt;
    }
    switch (*type) {
        case 0:
            return factory;
        case fn::kMouseButton:
            return entryAt(mouseButtonCatalog(), selectedIn("combo_11"));
        case fn::kDpi:
            return entryAt(dpiCatalog(), selectedIn("combo_14"));
        case fn::kConsumer:
            return entryAt(consumerCatalog(), selectedIn("combo_21"));
        case fn::kSystem:
            return entryAt(systemCatalog(), selectedIn("combo_22"));
        case fn::kHorizontalSwing:
            return encodeSwing(*type, {numberIn("edit_17", kNibble), numberIn("edit_20", kNibble),
                                       numberIn("edit_15", kAmount), selectedIn("combo_12") > 0});
        case fn::kVerticalSwing:
            return encodeSwing(*type, {numberIn("edit_18", kNibble), numberIn("edit_19", kNibble),
                                       numberIn("edit_16", kAmount), selectedIn("combo_13") > 0});
        case fn::kFire:
            return KeyFunction{fn::kFire, static_cast<std::uint8_t>(numberIn("edit_11", kByte)),
                               static_cast<std::uint8_t>(numberIn("edit_12", kByte))};
        case fn::kKey:
            if (item == singleKeyItem(page_)) {
                return hasCapturedName() ? std::optional<KeyFunction>(captured) : std::nullopt;
            }
            return entryAt(shortcutCatalog(), selectedIn("combo_26"));
        case fn::kMacroMode:
            return buildMacro();
        case fn::kCursorSequence: {
            const int sequence = selectedIn("combo_25");
            if (sequence < 0) {
                return std::nullopt;
            }
            return KeyFunction{fn::kCursorSequence, static_cast<std::uint8_t>(sequence), 0};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace quillon::keys
