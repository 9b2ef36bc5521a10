// Where the macro editor's notifications enter: its rows in the main window's routing tables.

#include "app/ControlName.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/MacroEditor.h"

namespace quillon::keys {

using app::Notification;

void MacroEditor::installRoutes() {
    app::Dispatch& d = main_.dispatch();
    namespace route = app::route;
    const auto click = [&](std::string_view suffix, std::function<void()> run) {
        d.addNamed("click", route::kClickMacroEditor, {name(suffix)},
                   [run](const Notification&) { run(); });
    };
    click("macro_btn_name_add", [this] { newMacro(); });
    click("macro_btn_name_sub", [this] { deleteMacro(); });
    click("macro_btn_savemacroname", [this] { renameMacro(); });
    click("macro_btn_import", [this] { importMacro(); });
    click("macro_btn_export", [this] { exportMacro(); });
    click("macro_btn_save", [this] { save(); });
    click("macro_btn_cancel", [this] { cancel(); });
    click("macro_btn_up", [this] { moveAction(-1); });
    click("macro_btn_down", [this] { moveAction(1); });
    click("macro_btn_uptop", [this] { moveAction(-2); });
    click("macro_btn_downbottom", [this] { moveAction(2); });
    click("macro_btn_delete", [this] { deleteAction(); });
    click("macro_btn_deleteall", [this] { deleteAllActions(); });
    click("macro_btn_redio", [this] { startStopRecording(); });
    // Rows carry translated labels: opening the macro tab shows them in the current language.
    d.addPrelude("selectchanged", route::kSelectOptions, [this](const Notification& n) {
        if (n.selected && app::equalsNoCase(n.sender, name("macro_Op_tab"))) {
            rebuildRows();
        }
    });
    d.addNamed("killfocus", route::kDefault, {name("macro_edit_macroname")},
               [this](const Notification&) { renameMacro(); });

    // Inserting mouse actions.
    struct Insert {
        const char* button;
        std::uint8_t code;
        const char* label;
    };
    for (const Insert& b :
         {Insert{"leftkey", 0x01, "mouse_key_left"}, Insert{"moudlekey", 0x04, "mouse_key_middle"},
          Insert{"rightkey", 0x02, "mouse_key_right"},
          Insert{"forwardkey", 0x10, "mouse_key_forward"},
          Insert{"backkey", 0x08, "mouse_key_back"}}) {
        const std::string base = name("macro_inset_") + b.button;
        d.addNamed("click", route::kClickMacroEditor, {base + "_btn"},
                   [this, base](const Notification&) { toggleInsertPanel(base + "_btn"); });
        d.addNamed("click", route::kClickMacroEditor, {base + "down_btn"},
                   [this, b](const Notification&) { insertMouseAction(0x81, b.code, b.label); });
        d.addNamed("click", route::kClickMacroEditor, {base + "up_btn"},
                   [this, b](const Notification&) { insertMouseAction(0x01, b.code, b.label); });
    }
    struct Move {
        const char* button;
        const char* edit;
        std::uint8_t kind;
        const char* label;
    };
    for (const Move& m :
         {Move{"moveleftkey", "mouse_x_left_edit", 0x84, "mouse_move_to_left_text"},
          Move{"moverightkey", "mouse_x_right_edit", 0x04, "mouse_move_to_right_text"},
          Move{"moveupkey", "mouse_y_up_edit", 0x85, "mouse_move_to_up_text"},
          Move{"movedownkey", "mouse_y_down_edit", 0x05, "mouse_move_to_down_text"}}) {
        const std::string edit = name(m.edit);
        d.addNamed("click", route::kClickMacroEditor, {name("macro_inset_") + m.button + "_btn"},
                   [this, m, edit](const Notification&) { insertMove(m.kind, edit, m.label); });
        d.addNamed("textchanged", route::kDefault, {edit}, [this, edit](const Notification& n) {
            if (!n.text.empty() && std::stol("0" + n.text.substr(0, 9)) > 255) {
                if (toolkit::Control* c = main_.find(edit)) {
                    c->setText("255");
                }
            }
        });
    }
    d.addNamed("selectchanged", route::kSelectOptions, {name("macro_btn_shubiao")},
               [this](const Notification& n) { showInsertPanel(n.selected); });

    d.addNamed("itemselect", route::kDefault, {name("MacroName_list")},
               [this](const Notification& n) { selectMacro(n.index); });
    d.addNamed("itemclick", route::kDefault, {name("Macro_list")},
               [this](const Notification& n) { selectAction(n.index); });
    d.addNamed("itemselect", route::kDefault, {name("macro_combo_keyselect")},
               [this](const Notification& n) { chooseKey(n.index); });
    d.addNamed("itemselect", route::kDefault, {name("macro_combo_upordown")},
               [this](const Notification& n) { chooseDirection(n.index); });
    d.addNamed("itemselect", route::kDefault, {name("macro_combo_mouselect")},
               [this](const Notification& n) { chooseMouseAction(n.index); });
    for (const char* delay : {"_macro_edit_ActionDelay", "_macro_edit_mou_action_delay"}) {
        const std::string edit = name(delay);
        d.addNamed("textchanged", route::kDefault, {edit},
                   [this, edit](const Notification& n) { delayTyped(edit, n.text); });
    }
    d.addNamed("textchanged", route::kDefault, {name("macro_edit_mou_pointer_skewing")},
               [this](const Notification& n) { distanceTyped(n.text); });
}

}  // namespace quillon::keys
