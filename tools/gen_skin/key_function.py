"""The function editor of the mouse's button page and the keyboard's key page.

Both editors have the category combo "<p>_key_fct_combo", one sub-panel "<p>_tab_function_<item>"
per category item and the same sub-panels (the keyboard has no cursor sequences and orders its
categories differently). The mouse's editor is a column beside the mouse picture; the keyboard's
lies under the keyboard, with the category on the left and the sub-panels on the right.
"""

from ui import Prop, Widget, align, hand_cursor, hidden, role, text

ROW = 38
LABEL_W = 96


def combo(name, width, entries):
    return Widget("QComboBox", name, (0, 0, width, 30), [], [], entries)


def edit(name, width, value, read_only=False):
    props = [text(value), align("Qt::AlignCenter")]
    if read_only:
        props.append(Prop("readOnly", "bool", True))
    return Widget("QLineEdit", name, (0, 0, width, 30), props)


class Rows:
    """Field labels and their controls: side by side in a wide sub-panel, the label above its
    control in a narrow one (the mouse's editor column), so that long entries stay readable."""

    def __init__(self, width):
        self.stacked = width < 300
        self.step = 56 if self.stacked else ROW
        self.control_width = width if self.stacked else min(width - LABEL_W - 8, 220)

    def y(self, index, top=0):
        return top + index * self.step

    def row(self, y, label_id, control):
        _, _, w, h = control.geometry
        if self.stacked:
            control.geometry = (0, y + 22, w, h)
            label = (0, y, self.control_width, 18)
        else:
            control.geometry = (LABEL_W + 8, y, w, h)
            label = (0, y + 5, LABEL_W, 20)
        return [Widget("QLabel", "", label, [role("fieldlabel"), text(label_id)]), control]


def hint(y, width, text_id, height=40):
    return Widget("QLabel", "", (0, y, width, height),
                  [role("hint"), text(text_id), Prop("wordWrap", "bool", True)])


MOUSE_BUTTONS = ["@mouse_key_left", "@mouse_key_middle", "@mouse_key_right",
                 "@mouse_key_forward", "@mouse_key_back"]
DPI = ["@mouse_key_DPI_add", "@mouse_key_DPI_sub", "@mouse_key_DPI_loop"]
CONSUMER = ["@media_text", "@media_play", "@media_stop", "@media_prev", "@media_next",
            "@media_vol_sub", "@media_vol_add", "@media_mute", "@web_text", "@web_refresh",
            "@wed_stop", "@wed_back", "@wed_forward", "@wed_favorite", "@web_search",
            "@media_mypc", "@media_calc", "@media_mail"]
SYSTEM = ["@system_power", "@system_sleep", "@system_wake_up"]
SHORTCUTS = ["@combo_open", "@combo_new", "@combo_revocation", "@combo_save", "@combo_copy",
             "@combo_cut", "@combo_paste", "@combo_finde", "@combo_all", "@combo_narrow",
             "@combo_magnify"]
MODES = ["@macro_mode_0", "@macro_mode_1", "@macro_mode_2", "@macro_mode_3",
         "@macro_mode_repeat"]
SEQUENCES = ["@GUN_1", "@GUN_2", "@GUN_3", "@GUN_4"]

# Category items in combo order, by the content they show.
MOUSE_CATEGORIES = ["factory", "mouse", "hswing", "vswing", "dpi", "fire", "single", "media",
                    "system", "macro", "cursor", "combination"]
KEYBOARD_CATEGORIES = ["factory", "single", "mouse", "hswing", "vswing", "dpi", "fire", "media",
                       "system", "macro", "combination"]


def sub_panel_content(p, kind, width):
    """The controls of one category's sub-panel."""
    n = "%s_key_fct_" % p
    r = Rows(width)
    cw = r.control_width
    small = min(cw, 72)
    if kind == "factory":
        return [hint(0, width, "@key_fct_factory_hint", 60)]
    if kind == "mouse":
        return r.row(0, "@key_fct_button", combo(n + "combo_11", cw, MOUSE_BUTTONS))
    if kind in ("hswing", "vswing"):
        h = kind == "hswing"
        directions = ["@key_dir_left", "@key_dir_right"] if h else ["@key_dir_up", "@key_dir_down"]
        c, amount, a, b = (("combo_12", "edit_15", "edit_17", "edit_20") if h else
                           ("combo_13", "edit_16", "edit_18", "edit_19"))
        return (r.row(r.y(0), "@key_fct_direction", combo(n + c, cw, directions)) +
                r.row(r.y(1), "@key_fct_amount", edit(n + amount, small, "0")) +
                r.row(r.y(2), "@key_fct_nibble_a", edit(n + a, small, "0")) +
                r.row(r.y(3), "@key_fct_nibble_b", edit(n + b, small, "0")))
    if kind == "dpi":
        return r.row(0, "@key_fct_dpi", combo(n + "combo_14", cw, DPI))
    if kind == "fire":
        return (r.row(r.y(0), "@key_fct_fire_first", edit(n + "edit_11", small, "0")) +
                r.row(r.y(1), "@key_fct_fire_second", edit(n + "edit_12", small, "0")))
    if kind == "single":
        return ([hint(0, width, "@key_fct_capture_hint", 44)] +
                r.row(52, "@key_fct_captured", edit(n + "edit_21", cw, "", read_only=True)))
    if kind == "media":
        return r.row(0, "@key_fct_media", combo(n + "combo_21", cw, CONSUMER))
    if kind == "system":
        return r.row(0, "@key_fct_system", combo(n + "combo_22", cw, SYSTEM))
    if kind == "macro":
        repeat = Widget("QWidget", "%s_tab_function_26" % p, (0, r.y(2), width, r.step),
                        [hidden()], r.row(0, "@key_fct_repeat", edit(n + "edit_25", small, "1")))
        return (r.row(r.y(0), "@key_fct_macro", combo(n + "combo_23", cw, [])) +
                r.row(r.y(1), "@key_fct_mode", combo(n + "combo_24", cw, MODES)) + [repeat] +
                [hint(r.y(3), width, "@key_fct_macro_hint", 40)])
    if kind == "cursor":
        return r.row(0, "@key_fct_cursor", combo(n + "combo_25", cw, SEQUENCES))
    if kind == "combination":
        return r.row(0, "@key_fct_combination", combo(n + "combo_26", cw, SHORTCUTS))
    raise ValueError(kind)


def sub_panels(p, categories, x, y, width, height):
    return [Widget("QWidget", "%s_tab_function_%d" % (p, i), (x, y, width, height),
                   [] if i == 0 else [hidden()],
                   sub_panel_content(p, kind, width))
            for i, kind in enumerate(categories)]


def category(p, categories, x, y, width):
    return [
        Widget("QLabel", "", (x, y, width, 20), [role("cardtitle"), text("@key_fct_title")]),
        Widget("QLabel", "", (x, y + 28, width, 18), [role("fieldlabel"),
                                                      text("@key_fct_category")]),
        Widget("QComboBox", "%s_key_fct_combo" % p, (x, y + 48, width, 30), [], [],
               ["@key_cat_" + c for c in categories]),
    ]


def mouse_function():
    """Inside "ms_tab_function" (264 x 448)."""
    return (category("ms", MOUSE_CATEGORIES, 16, 14, 232) +
            sub_panels("ms", MOUSE_CATEGORIES, 16, 108, 232, 270) +
            [Widget("QPushButton", "ms_key_butt_keydefalut", (16, 398, 136, 34),
                    [role("secondary"), text("@key_fct_default"), hand_cursor()]),
             Widget("QPushButton", "ms_key_butt_keysave", (160, 398, 88, 34),
                    [role("primary"), text("@key_fct_save"), hand_cursor()])])


def keyboard_function():
    """Inside "kb_tab_function" (768 x 196), under the keyboard."""
    return (category("kb", KEYBOARD_CATEGORIES, 16, 12, 220) +
            [Widget("QPushButton", "kb_key_butt_keydefalut", (16, 148, 150, 34),
                    [role("secondary"), text("@key_fct_default"), hand_cursor()]),
             Widget("QFrame", "", (256, 12, 1, 172), [role("separator")])] +
            sub_panels("kb", KEYBOARD_CATEGORIES, 276, 12, 476, 172))
