"""The macro editor of the mouse's and the keyboard's macro pages.

Both pages carry the same editor, its controls named with the page's prefix ("ms_" or "kb_"):
the macro list with its name tools (or, while "insert mouse actions" is on, the panel that inserts
button presses and moves), the action list with its ordering and recording tools, and the editor
of the selected action with the save and cancel buttons of a pending edit.
"""

from ui import Prop, Widget, hidden, option, render, role, text, tooltip

# The mouse actions of the mouse action combo, in the order the program maps them.
MOUSE_ITEMS = ["left_down", "left_up", "right_down", "right_up", "middle_down", "middle_up",
               "forward_down", "forward_up", "back_down", "back_up", "move_left", "move_right",
               "move_up", "move_down"]
INSERT_BUTTONS = ["leftkey", "moudlekey", "rightkey", "forwardkey", "backkey"]
INSERT_LABELS = ["macro_insert_left", "macro_insert_middle", "macro_insert_right",
                 "macro_insert_forward", "macro_insert_back"]
MOVES = [("moveleftkey", "x_left", "mouse_move_to_left_text"),
         ("moverightkey", "x_right", "mouse_move_to_right_text"),
         ("moveupkey", "y_up", "mouse_move_to_up_text"),
         ("movedownkey", "y_down", "mouse_move_to_down_text")]


def _label(geometry, text_id, kind="fieldlabel"):
    return Widget("QLabel", "", geometry, [role(kind), text(text_id)])


def _button(name, geometry, text_id, kind="secondary", tip=None):
    props = [role(kind), text(text_id)]
    if tip:
        props.append(tooltip(tip))
    return Widget("QPushButton", name, geometry, props)


def _check(name, geometry, text_id):
    return Widget("QCheckBox", name, geometry, [text(text_id)])


def _name_panel(p):
    return Widget("QFrame", p + "MacroName", (16, 16, 232, 448), [role("card")], [
        _label((16, 12, 200, 24), "@macro_list_title", "sectiontitle"),
        Widget("QListWidget", p + "MacroName_list", (16, 44, 200, 248), []),
        Widget("QLineEdit", p + "macro_edit_macroname", (16, 302, 112, 30),
               [tooltip("@tip_macro_name")]),
        _button(p + "macro_btn_savemacroname", (132, 302, 84, 30), "@macro_rename"),
        _button(p + "macro_btn_name_add", (16, 342, 96, 30), "@macro_new"),
        _button(p + "macro_btn_name_sub", (120, 342, 96, 30), "@macro_delete"),
        _button(p + "macro_btn_import", (16, 382, 96, 30), "@macro_import"),
        _button(p + "macro_btn_export", (120, 382, 96, 30), "@macro_export"),
    ])


def _insert_panel(p):
    children = [_label((16, 12, 200, 24), "@macro_insert_title", "sectiontitle")]
    for i, (name, label) in enumerate(zip(INSERT_BUTTONS, INSERT_LABELS)):
        children.append(_button("%smacro_inset_%s_btn" % (p, name), (16, 44 + 34 * i, 200, 30),
                                "@" + label))
    for name in INSERT_BUTTONS:
        children.append(Widget("QWidget", "%smacro_inset_%s_tab" % (p, name), (16, 216, 200, 30),
                               [hidden()], [
            _button("%smacro_inset_%sdown_btn" % (p, name), (0, 0, 96, 30), "@macro_press"),
            _button("%smacro_inset_%sup_btn" % (p, name), (104, 0, 96, 30), "@macro_release"),
        ]))
    for i, (name, edit, label) in enumerate(MOVES):
        y = 260 + 38 * i
        children.append(_button("%smacro_inset_%s_btn" % (p, name), (16, y, 128, 30),
                                "@" + label))
        children.append(Widget("QLineEdit", "%smouse_%s_edit" % (p, edit), (152, y, 64, 30),
                               [tooltip("@tip_cursor_distance"), text("0")]))
    return Widget("QFrame", p + "MacroMouseEvent", (16, 16, 232, 448), [role("card"), hidden()],
                  children)


def _action_panel(p):
    tools = [("up", "\u2191", "@tip_macro_up"), ("down", "\u2193", "@tip_macro_down"),
             ("uptop", "\u21d1", "@tip_macro_top"), ("downbottom", "\u21d3", "@tip_macro_bottom"),
             ("delete", "\u2715", "@tip_macro_delete_action")]
    children = [
        _label((16, 12, 268, 24), "@macro_actions_title", "sectiontitle"),
        Widget("QListWidget", p + "Macro_list", (16, 44, 268, 252), []),
    ]
    for i, (name, sign, tip) in enumerate(tools):
        children.append(_button("%smacro_btn_%s" % (p, name), (16 + 38 * i, 304, 34, 30), sign,
                                "tool", tip))
    children += [
        _button(p + "macro_btn_deleteall", (206, 304, 78, 30), "@macro_clear_all"),
        _button(p + "macro_btn_redio", (16, 344, 128, 32), "@macro_btn_star_redio_text",
                "primary"),
        _check(p + "macro_check_time", (152, 344, 132, 32), "@macro_fixed_delay"),
        _check(p + "macro_keyboard_event", (16, 384, 132, 24), "@macro_rec_keyboard"),
        _check(p + "macro_mouse_click", (152, 384, 132, 24), "@macro_rec_click"),
        _check(p + "macro_mouse_roller", (16, 412, 132, 24), "@macro_rec_wheel"),
        _check(p + "macro_mouse_move", (152, 412, 132, 24), "@macro_rec_move"),
    ]
    return Widget("QFrame", "", (260, 16, 300, 448), [role("card")], children)


def _combo(name, geometry, items):
    return (Widget("QComboBox", name, geometry, []), items)


def _editor_panel(p):
    key_combo = _combo(p + "macro_combo_keyselect", (16, 24, 180, 30), [])
    direction = _combo(p + "macro_combo_upordown", (16, 84, 180, 30),
                       ["@macro_release", "@macro_press"])
    mouse = _combo(p + "macro_combo_mouselect", (16, 24, 180, 30),
                   ["@macro_item_" + i for i in MOUSE_ITEMS])
    pages = [
        Widget("QWidget", "", (0, 0, 212, 240), [], [
            Widget("QLabel", "", (16, 0, 180, 80),
                   [role("hint"), text("@macro_select_action_hint"),
                    Prop("wordWrap", "bool", True)]),
        ]),
        Widget("QWidget", "", (0, 0, 212, 240), [], [
            _label((16, 2, 180, 20), "@macro_key"), key_combo,
            _label((16, 62, 180, 20), "@macro_direction"), direction,
            _label((16, 122, 180, 20), "@macro_delay"),
            Widget("QLineEdit", p + "_macro_edit_ActionDelay", (16, 144, 180, 30),
                   [tooltip("@tip_cursor_delay")]),
        ]),
        Widget("QWidget", "", (0, 0, 212, 240), [], [
            _label((16, 2, 180, 20), "@macro_mouse_action"), mouse,
            Widget("QWidget", p + "macro_tab_mou_pointer_skewing", (0, 60, 212, 60), [hidden()], [
                _label((16, 2, 180, 20), "@macro_distance"),
                Widget("QLineEdit", p + "macro_edit_mou_pointer_skewing", (16, 24, 180, 30),
                       [tooltip("@tip_cursor_distance")]),
            ]),
            _label((16, 122, 180, 20), "@macro_delay"),
            Widget("QLineEdit", p + "_macro_edit_mou_action_delay", (16, 144, 180, 30),
                   [tooltip("@tip_cursor_delay")]),
        ]),
    ]
    return Widget("QFrame", "", (572, 16, 212, 448), [role("card")], [
        _label((16, 12, 180, 24), "@macro_action_title", "sectiontitle"),
        Widget("QCheckBox", p + "macro_btn_shubiao", (16, 44, 180, 30),
               [text("@macro_insert_mouse")]),
        Widget("QStackedWidget", p + "tab_macro_edit", (0, 84, 212, 240),
               [Prop("currentIndex", "number", 0)], pages),
        Widget("QWidget", p + "macro_tab_saveorcancel", (0, 380, 212, 60), [hidden()], [
            _button(p + "macro_btn_save", (16, 12, 86, 32), "@macro_save", "primary"),
            _button(p + "macro_btn_cancel", (110, 12, 86, 32), "@macro_cancel"),
        ]),
    ])


def _render(node, indent=0):
    """Renders a widget tree whose children may be (combo, items) pairs."""
    if isinstance(node, tuple):
        widget, items = node
        lines = render(widget, indent)
        pad = " " * (indent + 1)
        item_lines = [pad + "<item><property name=\"text\"><string>%s</string></property></item>"
                      % i for i in items]
        return lines[:-1] + item_lines + lines[-1:]
    plain = Widget(node.cls, node.name, node.geometry, node.props, [])
    lines = render(plain, indent)
    body = []
    for child in node.children:
        body += _render(child, indent + 1)
    return lines[:-1] + body + lines[-1:]


class _Lines:
    """A region entry that is already rendered (gen_skin renders Widgets)."""


def macro_editor_lines(prefix):
    lines = []
    for panel in (_name_panel(prefix), _insert_panel(prefix), _action_panel(prefix),
                  _editor_panel(prefix)):
        lines += _render(panel)
    return lines
