"""Line glyphs of the skin: caption buttons, profile tools, combo arrow, check mark.

Each glyph is a picture of the exact size of the control that shows it (the toolkits stretch a
background picture over the whole control), drawn with ImageMagick drawing commands in the
picture's own pixel coordinates; COLOUR stands for the glyph's colour where a shape is filled.
make_skin_images.py draws them four times larger and scales them down.
"""

# Stroke colours.
ICON = "#AEB5C1"  # light grey, readable on the dark controls and on their hover colour
ON_ACCENT = "#0B0D10"  # dark, for marks drawn on the accent colour

# name: (width, height, colour, stroke width, drawing commands)
GLYPHS = {
    # Caption buttons, 40 x 32.
    "common/btn_close.png": (40, 32, ICON, 1.5, "line 15,11 25,21 line 25,11 15,21"),
    "common/btn_min.png": (40, 32, ICON, 1.5, "line 15,16.5 25,16.5"),
    "common/btn_max.png": (40, 32, ICON, 1.4, "roundrectangle 15,11 25,21 1.5,1.5"),
    "common/btn_restore.png": (
        40, 32, ICON, 1.4,
        "roundrectangle 14,13 23,22 1,1 path 'M 17,13 L 17,10 L 26,10 L 26,19 L 23,19'"),
    "common/btn_menu.png": (40, 32, ICON, 1.5,
                            "line 14,11 26,11 line 14,16 26,16 line 14,21 26,21"),
    "common/btn_skin.png": (
        40, 32, ICON, 1.4,
        "path 'M 16.5,10 L 13,11.8 L 11.5,15.2 L 14.5,16.4 L 14.5,22 L 25.5,22 L 25.5,16.4 "
        "L 28.5,15.2 L 27,11.8 L 23.5,10 Q 20,13 16.5,10 Z'"),
    # Profile list tools, 40 x 28.
    "common/pro_add.png": (40, 28, ICON, 1.5, "line 20,8.5 20,19.5 line 14.5,14 25.5,14"),
    "common/pro_sub.png": (
        40, 28, ICON, 1.3,
        "line 14,10 26,10 path 'M 18,10 L 18,8 L 22,8 L 22,10' "
        "path 'M 15.5,10 L 16.5,20.5 L 23.5,20.5 L 24.5,10' "
        "line 18.6,13 18.6,17.8 line 21.4,13 21.4,17.8"),
    "common/pro_copy.png": (
        40, 28, ICON, 1.3,
        "roundrectangle 17.5,10.5 25.5,20.5 1.5,1.5 "
        "path 'M 14.5,17.5 L 14.5,8.5 Q 14.5,7.5 15.5,7.5 L 22,7.5'"),
    "common/pro_import.png": (
        40, 28, ICON, 1.4,
        "line 20,7 20,16 path 'M 16.5,12.5 L 20,16 L 23.5,12.5' "
        "path 'M 14,16.5 L 14,20.5 L 26,20.5 L 26,16.5'"),
    "common/pro_export.png": (
        40, 28, ICON, 1.4,
        "line 20,16 20,7 path 'M 16.5,10.5 L 20,7 L 23.5,10.5' "
        "path 'M 14,16.5 L 14,20.5 L 26,20.5 L 26,16.5'"),
    "common/pro_reset.png": (
        40, 28, ICON, 1.4,
        "path 'M 25,14 A 5,5 0 1,1 23.54,10.46' path 'M 20.2,10.46 L 23.54,10.46 L 23.54,7.1'"),
    # Rename, 30 x 30.
    "common/pro_edit.png": (
        30, 30, ICON, 1.3,
        "path 'M 9.5,20.5 L 10.2,17.2 L 18.2,9.2 L 20.8,11.8 L 12.8,19.8 Z' "
        "line 16.6,10.8 19.2,13.4 line 15,21 21,21"),
    "common/pro_save.png": (30, 30, ICON, 1.8, "path 'M 9.5,15.5 L 13.2,19.2 L 20.5,11'"),
    # Application link, 24 x 24.
    "common/link_choose.png": (
        24, 24, ICON, 0,
        "fill COLOUR circle 7.5,12 8.9,12 circle 12,12 13.4,12 circle 16.5,12 17.9,12"),
    "common/link_cancel.png": (24, 24, ICON, 1.4, "line 8.5,8.5 15.5,15.5 line 15.5,8.5 8.5,15.5"),
    # Style sheet parts.
    "common/combo_arrow.png": (12, 8, ICON, 1.5, "path 'M 2.5,2 L 6,5.5 L 9.5,2'"),
    "common/check_mark.png": (12, 10, ON_ACCENT, 1.8, "path 'M 2,5 L 4.8,7.8 L 10,2.2'"),
}

# Outline pictures of the three devices for the empty pages, 160 x 120.
DEVICE_STROKE = "#3A414C"


def _keyboard_keys():
    keys = []
    for row, y in enumerate((44, 56, 68)):
        for col in range(9 - (row == 2)):
            x = 26 + col * 13 + row * 4
            keys.append("roundrectangle %d,%d %d,%d 2,2" % (x, y, x + 9, y + 8))
    keys.append("roundrectangle 50,80 110,86 2,2")
    return " ".join(keys)


DEVICES = {
    "common/glyph_mouse.png": (
        "roundrectangle 58,14 102,106 22,22 line 80,14 80,44 line 58,46 102,46 "
        "roundrectangle 77,22 83,34 3,3"),
    "common/glyph_keyboard.png": "roundrectangle 14,34 146,96 8,8 " + _keyboard_keys(),
    "common/glyph_mousepad.png": (
        "roundrectangle 18,30 142,98 10,10 roundrectangle 23,35 137,93 7,7 "
        "path 'M 122,30 Q 126,16 146,14'"),
}
