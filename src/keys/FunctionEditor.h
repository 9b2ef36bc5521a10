#pragma once
// The function editor both assignment pages share: the category combo, one sub-panel per
// category and their combos and number edits ("ms_key_fct_..." on the mouse page, "kb_key_fct_..."
// on the keyboard page). It shows a function in the controls and builds a function from them; the
// pages decide which key the function belongs to and where it is stored.

#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceKind.h"
#include "keys/KeyEncoding.h"
#include "keys/KeyFunction.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

class FunctionEditor {
  public:
    FunctionEditor(app::CMainWnd& main, DeviceKind page);

    DeviceKind page() const { return page_; }
    // "ms_key_fct_" or "kb_key_fct_" + suffix.
    std::string name(std::string_view suffix) const;
    toolkit::Control* control(std::string_view suffix) const;

    // Shows `f` (the function of a key whose factory function is `factory`): the sub-controls of
    // its category first, then the category combo and its panel. The item shown, or nothing when
    // the function has no category (the controls then stay as they were).
    std::optional<int> show(KeyFunction f, KeyFunction factory);
    // Hides every category panel and shows the one of `item`.
    void showPanel(int item);
    // The category combo's item, -1 for none.
    int categoryShown() const;

    // The function the controls of the shown category give; nothing when they give none (no
    // selection, no captured key). `captured` is the function of the last captured key.
    std::optional<KeyFunction> build(KeyFunction factory, KeyFunction captured) const;

    // A number edit's text changed: a value outside the edit's limits is written back within
    // them. False for a control that is not one of the number edits.
    bool clampEdit(std::string_view editName);
    // "itemselect" of the macro mode combo: the repeat count shows only for the repeat item.
    void showRepeatPanel();

    // The captured key's name, shown as a text id; "" clears it.
    void setCapturedName(std::string_view textId);
    bool hasCapturedName() const;

    // The limits of a number edit by its suffix number (11, 12, 15..20, 25).
    std::optional<EditLimit> limitOf(int editNumber) const;

  private:
    int numberIn(std::string_view editSuffix, EditLimit limit) const;
    int selectedIn(std::string_view comboSuffix) const;
    void setNumber(std::string_view editSuffix, int value);
    void select(std::string_view comboSuffix, int index);
    void showSwing(KeyFunction f, const char* amount, const char* a, const char* b,
                   const char* direction);
    void showMacro(KeyFunction f);
    std::optional<KeyFunction> buildMacro() const;
    int panelCount() const;

    app::CMainWnd& main_;
    DeviceKind page_;
    std::string prefix_;  // "ms" or "kb"
};

}  // namespace quillon::keys
