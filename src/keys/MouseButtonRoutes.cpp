// The mouse button page's rows in the main window's routing.

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/KeyPages.h"
#include "keys/MouseButtonPage.h"

namespace quillon::keys {

void MouseButtonPage::install() {
    installRoutes();
    main_.dispatch().addMessage(kMsgMousePageKey, [this](const toolkit::Message& m) {
        if (auto key = keyPressOf(m)) {
            captureSingleKey(key->vk, key->flags);
        }
    });
}

void MouseButtonPage::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    d.addNumbered(
        "selectchanged", app::route::kSelectMouseButtons, "ms_key_",
        [this](const toolkit::Notification& n, int key) {
            if (n.selected) {
                showButton(key);
            }
        },
        [](int key) { return key >= 0 && key < kMouseButtons; });
    d.addNamed("itemselect", app::route::kDefault, {"ms_key_fct_combo"},
               [this](const toolkit::Notification& n) { chooseCategory(n.index); });
    d.addNamed("itemselect", app::route::kDefault,
               {"ms_key_fct_combo_11", "ms_key_fct_combo_12", "ms_key_fct_combo_13",
                "ms_key_fct_combo_14", "ms_key_fct_combo_21", "ms_key_fct_combo_22",
                "ms_key_fct_combo_23", "ms_key_fct_combo_25", "ms_key_fct_combo_26"},
               [this](const toolkit::Notification&) { commitButton(); });
    d.addNamed("itemselect", app::route::kDefault, {"ms_key_fct_combo_24"},
               [this](const toolkit::Notification&) {
                   editor_.showRepeatPanel();
                   commitButton();
               });
    d.addNamed("textchanged", app::route::kDefault,
               {"ms_key_fct_edit_11", "ms_key_fct_edit_12", "ms_key_fct_edit_15",
                "ms_key_fct_edit_16", "ms_key_fct_edit_17", "ms_key_fct_edit_18",
                "ms_key_fct_edit_19", "ms_key_fct_edit_20", "ms_key_fct_edit_25"},
               [this](const toolkit::Notification& n) { clampAndCommit(n.sender); });
    d.addNamed("click", app::route::kClickMouseButtons, {"ms_key_butt_keysave"},
               [this](const toolkit::Notification&) { commitButton(); });
    d.addNamed("click", app::route::kClickMouseButtons, {"ms_key_butt_keydefalut"},
               [this](const toolkit::Notification&) { restoreButton(); });
}

}  // namespace quillon::keys
