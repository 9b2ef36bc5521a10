// The keyboard key page's rows in the main window's routing.

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/KeyPages.h"
#include "keys/KeyboardKeyPage.h"

namespace quillon::keys {

void KeyboardKeyPage::install() {
    installRoutes();
    main_.dispatch().addMessage(kMsgKeyboardPageKey, [this](const toolkit::Message& m) {
        if (auto key = keyPressOf(m)) {
            captureKey(key->vk, key->flags);
        }
    });
}

void KeyboardKeyPage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    // Only while assigning: with the lighting option the same keys pick colours.
    d.addWhen(
        "click", app::route::kClickKeyboardKeys,
        [this](const toolkit::Notification& n) {
            const auto split = app::splitControlName(n.sender);
            const toolkit::Control* option = main_.find("kb_key_Op_tab");
            return split && app::equalsNoCase(split->prefix, "kb_key_") && split->number >= 0 &&
                   split->number < kLayoutPositions && option && option->selected();
        },
        [this](const toolkit::Notification& n) {
            clickKey(app::splitControlName(n.sender)->number);
        });
    d.addNamed("itemselect", app::route::kDefault, {"kb_key_fct_combo"},
               [this](const toolkit::Notification& n) { chooseKeyCategory(n.index); });
    d.addNamed("itemselect", app::route::kDefault,
               {"kb_key_fct_combo_11", "kb_key_fct_combo_12", "kb_key_fct_combo_13",
                "kb_key_fct_combo_14", "kb_key_fct_combo_21", "kb_key_fct_combo_22",
                "kb_key_fct_combo_23", "kb_key_fct_combo_26"},
               [this](const toolkit::Notification&) { commitKey(); });
    d.addNamed("itemselect", app::route::kDefault, {"kb_key_fct_combo_24"},
               [this](const toolkit::Notification&) {
                   editor_.showRepeatPanel();
                   commitKey();
               });
    d.addNamed("textchanged", app::route::kDefault,
               {"kb_key_fct_edit_11", "kb_key_fct_edit_12", "kb_key_fct_edit_15",
                "kb_key_fct_edit_16", "kb_key_fct_edit_17", "kb_key_fct_edit_18",
                "kb_key_fct_edit_19", "kb_key_fct_edit_20", "kb_key_fct_edit_25"},
               [this](const toolkit::Notification& n) { clampAndCommit(n.sender); });
    d.addNamed("click", app::route::kClickKeyboardAssign, {"kb_key_butt_keydefalut"},
               [this](const toolkit::Notification&) { restoreKey(); });
}

}  // namespace quillon::keys
