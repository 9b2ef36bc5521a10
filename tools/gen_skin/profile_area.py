"""The profile lists of a device frame: one card per list inside the slide-out profile column.

A card holds the list's combo, the tools (new, duplicate, import, export, reset, delete), the
name field with its rename button and the application link controls. Device lists show the name
field under the combo; key and lighting lists show it in a name panel that the pencil button
opens over the combo.
"""

from ui import Prop, Widget, bkimage, hand_cursor, hidden, role, text, tooltip

# The lists of each device in card order, with their title text ids.
LISTS = {
    "kb": [("device", "@profile_device_title"), ("key", "@profile_key_title"),
           ("deng", "@profile_deng_title")],
    "ms": [("device", "@profile_device_title"), ("key", "@profile_button_title"),
           ("deng", "@profile_deng_title")],
    "mp": [("deng", "@profile_deng_title")],
}

# Lists that have a button to remove an application link.
CANCEL_LINK = {("kb", "device"), ("kb", "deng"), ("ms", "device")}

# Tools in the order they appear: name part, tooltip, glyph.
TOOLS = [
    ("add", "@profile_new", "common/pro_add.png"),
    ("copy", "@profile_copy", "common/pro_copy.png"),
    ("import", "@profile_import", "common/pro_import.png"),
    ("export", "@profile_export", "common/pro_export.png"),
    ("reset", "@profile_reset", "common/pro_reset.png"),
    ("sub", "@profile_delete", "common/pro_sub.png"),
]

COLUMN_WIDTH, COLUMN_HEIGHT = 300, 480
CARD_X, CARD_WIDTH, INNER = 10, 280, 12
INNER_WIDTH = CARD_WIDTH - 2 * INNER
FIRST_CARD_Y, CARD_GAP = 8, 8
ROW_HEIGHT, TOOL_WIDTH, TOOL_HEIGHT, TOOL_STEP = 30, 40, 28, 43
LINK_HEIGHT, LINK_BUTTON = 24, 24


def _tool(name, tip, glyph, geometry):
    return Widget("QPushButton", name, geometry,
                  [role("tool"), tooltip(tip), bkimage(glyph), hand_cursor()])


def _name_field(dev, lst, width):
    """The name edit and its rename button, side by side in a strip `width` wide."""
    edit_width = width - ROW_HEIGHT - 4
    return [
        Widget("QLineEdit", "%s_%s_profile_name_edit" % (dev, lst), (0, 0, edit_width, ROW_HEIGHT)),
        _tool("%s_%s_profile_edit_save_btn" % (dev, lst), "@profile_rename_save",
              "common/pro_save.png", (edit_width + 4, 0, ROW_HEIGHT, ROW_HEIGHT)),
    ]


def _link_row(dev, lst, y):
    right = INNER + INNER_WIDTH
    has_cancel = (dev, lst) in CANCEL_LINK
    link_x = right - LINK_BUTTON - (LINK_BUTTON + 6 if has_cancel else 0)
    name_x = INNER + 104
    widgets = [
        Widget("QCheckBox", "%s_%s_profile_link_check" % (dev, lst), (INNER, y, 100, LINK_HEIGHT),
               [text("@profile_link"), tooltip("@profile_link_tip")]),
        Widget("QWidget", "%s_%s_profile_link_name_hor" % (dev, lst),
               (name_x, y, link_x - name_x - 4, LINK_HEIGHT), [hidden()],
               [Widget("QLineEdit", "%s_%s_profile_link_edit" % (dev, lst),
                       (0, 0, link_x - name_x - 4, LINK_HEIGHT),
                       [role("linkname"), Prop("readOnly", "bool", True)])]),
        _tool("%s_%s_profile_link_btn" % (dev, lst), "@profile_link_change",
              "common/link_choose.png", (link_x, y, LINK_BUTTON, LINK_BUTTON)),
    ]
    if has_cancel:
        widgets.append(_tool("%s_%s_cancle_link_btn" % (dev, lst), "@profile_link_cancel",
                             "common/link_cancel.png",
                             (right - LINK_BUTTON, y, LINK_BUTTON, LINK_BUTTON)))
    return widgets


def card_height(lst):
    return 170 if lst == "device" else 134


def card(dev, lst, title, y):
    combo_y = 30
    children = [Widget("QLabel", "", (INNER, 10, INNER_WIDTH, 16),
                       [role("cardtitle"), text(title)])]
    if lst == "device":
        children.append(Widget("QComboBox", "%s_%s_profile_combo" % (dev, lst),
                               (INNER, combo_y, INNER_WIDTH, ROW_HEIGHT)))
        children.append(Widget("QWidget", "%s_%s_profile_edit" % (dev, lst),
                               (INNER, combo_y + 36, INNER_WIDTH, ROW_HEIGHT), [],
                               _name_field(dev, lst, INNER_WIDTH)))
        tools_y = combo_y + 72
    else:
        combo_width = INNER_WIDTH - ROW_HEIGHT - 4
        children.append(Widget("QComboBox", "%s_%s_profile_combo" % (dev, lst),
                               (INNER, combo_y, combo_width, ROW_HEIGHT)))
        children.append(_tool("%s_pro_%s_edit_btn" % (dev, lst), "@profile_rename",
                              "common/pro_edit.png",
                              (INNER + combo_width + 4, combo_y, ROW_HEIGHT, ROW_HEIGHT)))
        # Opened over the combo, so renaming happens where the name is shown.
        children.append(Widget("QFrame", "%s_%s_profile_edit" % (dev, lst),
                               (INNER, combo_y, combo_width, ROW_HEIGHT),
                               [role("namepanel"), hidden()],
                               _name_field(dev, lst, combo_width)))
        tools_y = combo_y + 36
    for i, (part, tip, glyph) in enumerate(TOOLS):
        children.append(_tool("%s_pro_%s_%s_btn" % (dev, lst, part), tip, glyph,
                              (INNER + i * TOOL_STEP, tools_y, TOOL_WIDTH, TOOL_HEIGHT)))
    children += _link_row(dev, lst, tools_y + 34)
    return Widget("QFrame", "", (CARD_X, y, CARD_WIDTH, card_height(lst)), [role("card")],
                  children)


def profile_area(dev):
    """The contents of the device's profile column: its cards in one container."""
    cards, y = [], FIRST_CARD_Y
    for lst, title in LISTS[dev]:
        cards.append(card(dev, lst, title, y))
        y += card_height(lst) + CARD_GAP
    return Widget("QWidget", "%s_profile_select_tab" % dev, (0, 0, COLUMN_WIDTH, COLUMN_HEIGHT),
                  [], cards)

