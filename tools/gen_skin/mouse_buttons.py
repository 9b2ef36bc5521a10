"""The mouse's button page: the mouse seen from above, a picture over each button that lights
while the pointer is over that button's option, and the seven options "ms_key_0".."ms_key_6"
around the mouse, each under the name of the button it stands for. The options' texts are the
buttons' functions; the page sets them from the key table.
"""

from ui import Widget, bkimage, hand_cursor, hidden, option, role, text

PICTURE = (168, 96, 200, 340)
BUTTON_W, BUTTON_H = 136, 32

# Where each button's picture lies on the body's picture, (x, y, width, height): the pictures hold
# only that part, so that seven of them do not each take the memory of the whole mouse.
# tools/make_key_images.py crops the pictures to these boxes and checks that nothing is cut off.
PICTURE_BOXES = {
    "key_left": (20, 9, 80, 125),
    "key_right": (100, 9, 80, 125),
    "key_wheel": (86, 28, 28, 60),
    "key_dpi": (85, 142, 30, 28),
    "key_dpi1": (85, 170, 30, 28),
    "key_back": (4, 142, 20, 48),
    "key_forward": (4, 190, 20, 48),
}


def picture_geometry(picture):
    x, y, w, h = PICTURE_BOXES[picture]
    return (PICTURE[0] + x, PICTURE[1] + y, w, h)

# key: (companion picture control, picture, column, y of the caption)
BUTTONS = [
    (0, "ms_key_0_0", "key_left", "left", 104),
    (1, "ms_key_1_0", "key_wheel", "right", 104),
    (2, "ms_key_2_0", "key_right", "right", 176),
    (3, "ms_key_3_0", "key_forward", "left", 248),
    (4, "ms_key_4_0", "key_back", "left", 320),
    (5, "ms_key_5_0", "key_dpi", "right", 248),
    (6, "ms_key_6_0", "key_dpi1", "right", 320),
]
DEFAULT_TEXTS = ["@mouse_key_left", "@mouse_key_middle", "@mouse_key_right",
                 "@mouse_key_forward", "@mouse_key_back", "@mouse_key_DPI_loop", "@close_text"]


def mouse_buttons():
    widgets = [Widget("QLabel", "ms_key_page_picture", PICTURE, [bkimage("ms/mouse_body.png")])]
    for _, companion, picture, _, _ in BUTTONS:
        widgets.append(Widget("QLabel", companion, picture_geometry(picture),
                              [bkimage("file='ms/%s_normal.png'" % picture)]))
    for key, _, _, column, y in BUTTONS:
        x = 20 if column == "left" else 376
        widgets.append(Widget("QLabel", "", (x, y, BUTTON_W, 18),
                              [role("fieldlabel"), text("@ms_button_name_%d" % key)]))
        widgets.append(Widget("QPushButton", "ms_key_%d" % key, (x, y + 20, BUTTON_W, BUTTON_H),
                              option("ms_key_button") +
                              [role("mousebutton"), text(DEFAULT_TEXTS[key]), hand_cursor()]))
    return widgets
