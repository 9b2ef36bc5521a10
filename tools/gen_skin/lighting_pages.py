"""The controls of the mouse and mousepad lighting pages.

Each page has the device's body with its light zones on the left ("ms_dkey_0".."19" on the
mouse, "mp_dkey_0".."14" on the mousepad: pictures the previews tint) and the lighting controls on
the right: the mode combo, brightness, and the panels the modes show and hide (speed, direction,
seven colours, colour with 30 presets and the RGB fields), the colour palette and the same-mode
button.
"""

import keyboard_keys as kk
from presets import PRESETS
from ui import Prop, Widget, bkcolor, bkimage, hand_cursor, hidden, role, text

PANEL_X, PANEL_W = 400, 380
ZONE_COLOUR = 0xFF39404C


def _label(x, y, w, text_id, h=24):
    return Widget("QLabel", "", (x, y, w, h), [role("fieldlabel"), text(text_id)])


def _slider(name, x, y, w):
    return Widget("QSlider", name, (x, y, w, 24), [
        Prop("orientation", "enum", "Qt::Horizontal"), Prop("maximum", "number", 4),
        Prop("pageStep", "number", 1)])


def _combo(name, items, x, y, w, visible=True):
    return Widget("QComboBox", name, (x, y, w, 30), [] if visible else [hidden()], items=items)


def _check(name, x, y, w, text_id):
    return Widget("QCheckBox", name, (x, y, w, 24), [text(text_id)])


def _zone(name, x, y, w, h):
    """A light zone: a small picture the preview tints."""
    return Widget("QLabel", name, (x, y, w, h), [bkcolor(ZONE_COLOUR),
                                                 Prop("tint", "bool", True, dynamic=True)])


def _colour_panel(dev):
    kids = [Widget("QPushButton", "%s_Deng_colordp_btn" % dev, (0, 0, 44, 44),
                   [role("colourshow"), bkcolor(0xFFFF0000)])]
    for i, (c, text_id) in enumerate((("R", "deng_red"), ("G", "deng_green"), ("B", "deng_blue"))):
        x = 56 + i * 68
        kids.append(_label(x, 10, 18, "@" + text_id))
        kids.append(Widget("QLineEdit", "%s_Deng_edit_%s" % (dev, c), (x + 20, 8, 44, 28),
                           [Prop("maxLength", "number", 3), text("0")]))
    for n, colour in enumerate(PRESETS):
        kids.append(Widget("QPushButton", "%s_Deng_color_btn_%d" % (dev, n),
                           (n % 10 * 26, 56 + n // 10 * 26, 20, 20),
                           [role("preset"), bkcolor(colour), hand_cursor()]))
    return Widget("QWidget", "%s_deng_color_layout" % dev, (PANEL_X, 272, 262, 136), children=kids)


def _controls(dev, modes, combos):
    c = [_label(PANEL_X, 88, 110, "@deng_mode_label")]
    c += combos
    c += [_label(PANEL_X, 128, 110, "@deng_brightness"), _slider("%s_deng_light_slider" % dev,
                                                                 PANEL_X + 120, 128, 240)]
    c.append(Widget("QWidget", "%s_deng_speed_layout" % dev, (PANEL_X, 162, PANEL_W, 28), children=[
        _label(0, 2, 110, "@deng_speed"), _slider("%s_deng_speed_slider" % dev, 120, 2, 240)]))
    c.append(Widget("QWidget", "%s_deng_fx_layout" % dev, (PANEL_X, 196, PANEL_W, 28), children=[
        _label(0, 2, 110, "@deng_direction"),
        _check("%s_Deng_FXL_check" % dev, 120, 2, 120, "@Deng_FXL_text"),
        _check("%s_Deng_FXR_check" % dev, 250, 2, 120, "@Deng_FXR_text")]))
    c.append(Widget("QWidget", "%s_deng_7colorselect_layout" % dev, (PANEL_X, 230, PANEL_W, 28), children=[
        _check("%s_Deng_7color_check" % dev, 0, 2, 300, "@deng_seven_colour")]))
    c.append(_colour_panel(dev))
    c.append(Widget("ColorPalette", "%s_deng_Color_Pallet" % dev, (PANEL_X + 272, 272, 108, 136)))
    c.append(Widget("QPushButton", "%s_deng_same_mode" % dev, (PANEL_X, 420, 170, 32),
                    [role("primary"), text("@deng_same_mode"), hand_cursor()]))
    return c


def _mode_items(prefix, count):
    return ["@%s_%d" % (prefix, n) for n in range(count)]


# Mouse zones: groups g = 0..6 hold zones g (left strip), 7 + g (right strip) and one zone of the
# middle strip (19, 18, none, 14, 15, 16, 17).
MOUSE_MIDDLE = {0: 19, 1: 18, 3: 14, 4: 15, 5: 16, 6: 17}


def mouse_lighting():
    widgets = [Widget("QLabel", "ms_deng_body", (100, 110, 200, 300),
                      [bkimage("common/ms_lighting_body.png")])]
    for g in range(7):
        y = 166 + g * 32
        widgets.append(_zone("ms_dkey_%d" % g, 126, y, 12, 24))
        widgets.append(_zone("ms_dkey_%d" % (7 + g), 262, y, 12, 24))
        if g in MOUSE_MIDDLE:
            widgets.append(_zone("ms_dkey_%d" % MOUSE_MIDDLE[g], 192, y + 6, 16, 12))
    combos = [
        _combo("ms_deng_combo_modeSelect1", _mode_items("ms_deng_mode", 7), PANEL_X + 120, 86, 240),
        _combo("ms_deng_combo_modeSelect0", _mode_items("ms_deng_mode", 6), PANEL_X + 120, 86, 240,
               False),
        _combo("ms_deng_combo_modeSelect2", _mode_items("ms_deng_mode", 7), PANEL_X + 120, 86, 240,
               False),
    ]
    return widgets + _controls("ms", 7, combos)


def mousepad_lighting():
    widgets = [Widget("QLabel", "mp_deng_body", (30, 130, 340, 220),
                      [bkimage("common/mp_lighting_body.png")])]
    # Zones 0..4 up the left edge, 5..9 along the top, 10..14 down the right edge.
    for i in range(5):
        widgets.append(_zone("mp_dkey_%d" % i, 40, 316 - i * 40, 14, 28))
        widgets.append(_zone("mp_dkey_%d" % (5 + i), 80 + i * 56, 140, 40, 14))
        widgets.append(_zone("mp_dkey_%d" % (10 + i), 346, 156 + i * 40, 14, 28))
    combos = [_combo("mp_deng_combo_modeSelect", _mode_items("mp_deng_mode", 10), PANEL_X + 120,
                     86, 240)]
    controls = _controls("mp", 10, combos)
    controls.append(Widget("QPushButton", "mp_one_profile_default", (PANEL_X + 190, 420, 170, 32),
                           [text("@mp_reset_default"), hand_cursor()]))
    return widgets + controls


def _kb_colour_panel():
    edits = []
    for i, (c, text_id) in enumerate((("R", "deng_red"), ("G", "deng_green"), ("B", "deng_blue"))):
        x = i * 68
        edits.append(_label(x, 2, 18, "@" + text_id))
        edits.append(Widget("QLineEdit", "kb_Deng_edit_%s" % c, (x + 20, 0, 44, 28),
                            [Prop("maxLength", "number", 3), text("0")]))
    lump = [Widget("QPushButton", "kb_Deng_color_btn_%d" % n, (n % 10 * 26, n // 10 * 26, 20, 20),
                   [role("preset"), bkcolor(colour), hand_cursor()])
            for n, colour in enumerate(PRESETS)]
    return Widget("QWidget", "kb_deng_color_layout", (300, 300, 262, 120), children=[
        Widget("QWidget", "kb_deng_rgb_layout", (0, 0, 262, 30), children=edits),
        Widget("QWidget", "kb_deng_color_lump", (0, 40, 262, 78), children=lump)])


def keyboard_light_keys():
    """The keyboard preview: "kb_dkey_0".."125" at the places of the key page's buttons, over
    the area "kb_deng_keys" that the preview repaints."""
    widgets = [Widget("QFrame", "kb_deng_keys", (kk.LEFT, kk.TOP, kk.COLUMNS * kk.STEP,
                                                  kk.ROWS * kk.STEP))]
    for r in range(kk.ROWS):
        for c in range(kk.COLUMNS):
            cap = kk.ROW_CAPS[r][c]
            props = [role("keycap"), Prop("focusPolicy", "enum", "Qt::NoFocus"),
                     Prop("lightimage", "string", "kb/key_light.png", dynamic=True)]
            props += [text("@kc_" + cap), hand_cursor()] if cap else [hidden()]
            widgets.append(Widget("DeviceKeyButton", "kb_dkey_%d" % (r * kk.COLUMNS + c),
                                  (kk.LEFT + c * kk.STEP, kk.TOP + r * kk.STEP, kk.KEY, kk.KEY),
                                  props))
    return widgets


# The controls lie below the keys.
KEYBOARD_CONTROLS_DY = 12


def keyboard_lighting():
    controls = _keyboard_controls()
    for w in controls:
        x, y, width, height = w.geometry
        w.geometry = (x, y + KEYBOARD_CONTROLS_DY, width, height)
    return keyboard_light_keys() + controls


def _keyboard_controls():
    x, w = 24, 260
    c = [_label(x, 264, 90, "@deng_mode_label"),
         _combo("kb_deng_combo_modeSelect", _mode_items("kb_deng_mode", 17), x + 96, 262, 170),
         _combo("kb_deng_onecolor_combo_modeSelect", _mode_items("kb_deng_onecolor_mode", 17),
                x + 96, 262, 170, False),
         _label(x, 302, 90, "@deng_brightness"),
         _slider("kb_deng_light_slider", x + 96, 302, 170)]
    c.append(Widget("QWidget", "kb_deng_speed_layout", (x, 334, w + 10, 28), children=[
        _label(0, 2, 90, "@deng_speed"), _slider("kb_deng_speed_slider", 96, 2, 170)]))
    c.append(Widget("QWidget", "kb_deng_fx_layout", (x, 366, w + 10, 28), children=[
        _label(0, 2, 90, "@deng_direction"),
        Widget("QCheckBox", "kb_Deng_FXL_check", (96, 2, 20, 24)),
        Widget("QLabel", "kb_Deng_label_FXL", (118, 2, 60, 24), [role("fieldlabel"),
                                                                 text("@Deng_FXL_text")]),
        Widget("QCheckBox", "kb_Deng_FXR_check", (184, 2, 20, 24)),
        Widget("QLabel", "kb_Deng_label_FXR", (206, 2, 60, 24), [role("fieldlabel"),
                                                                 text("@Deng_FXR_text")])]))
    c.append(Widget("QWidget", "kb_deng_7colorselect_layout", (x, 398, w + 10, 28), children=[
        _check("kb_Deng_7color_check", 0, 2, 260, "@deng_seven_colour")]))
    c.append(Widget("QPushButton", "kb_deng_same_mode", (x, 436, 200, 32),
                    [role("primary"), text("@deng_same_mode"), hand_cursor()]))
    # Colour column: the display (or, in the custom modes, the paint colour with the set and the
    # fill and clear tools), the RGB fields and the presets.
    c.append(Widget("QWidget", "kb_deng_color_display_layout", (300, 258, 262, 36), children=[
        Widget("QPushButton", "kb_Deng_colordp_btn", (0, 0, 36, 36),
               [role("colourshow"), bkcolor(0xFFFF0000)])]))
    c.append(Widget("QWidget", "kb_deng_custom_color_layout", (300, 258, 120, 36),
                    [hidden()], children=[
        Widget("QPushButton", "kb_Deng_custom_colordp_btn", (0, 0, 36, 36),
               [role("colourshow"), bkcolor(0xFFFF0000)]),
        _label(44, 6, 76, "@kb_deng_paint_colour")]))
    c.append(Widget("QWidget", "kb_deng_custom_select_layout", (430, 258, 132, 36),
                    [hidden()], children=[
        Widget("QComboBox", "kb_deng_combo_curtom_count", (0, 3, 132, 30), [],
               items=["@kb_deng_custom_set_%d" % n for n in range(5)])]))
    c.append(_kb_colour_panel())
    c.append(Widget("QWidget", "kb_deng_custom_tool_layout", (300, 424, 262, 36),
                    [hidden()], children=[
        Widget("QCheckBox", "kb_Deng_all_bright_check", (0, 6, 120, 24),
               [text("@kb_deng_fill_all")]),
        Widget("QCheckBox", "kb_Deng_all_kill_check", (130, 6, 120, 24),
               [text("@kb_deng_clear_all")])]))
    c.append(Widget("ColorPalette", "kb_deng_Color_Pallet", (590, 258, 186, 200)))
    return c
