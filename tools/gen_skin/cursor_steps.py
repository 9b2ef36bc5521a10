"""The step buttons of the cursor-sequence page.

Thirty option buttons "ms_bullet_op_0" .. "ms_bullet_op_29" in one group, six to a row, numbered
1 to 30 as the user counts the steps of a sequence.
"""

from ui import Widget, hand_cursor, option, role, text

STEPS = 30
COLUMNS = 6
LEFT, TOP, SIZE, GAP = 16, 48, 44, 8


def cursor_steps():
    buttons = []
    for s in range(STEPS):
        row, column = divmod(s, COLUMNS)
        x = LEFT + column * (SIZE + GAP)
        y = TOP + row * (SIZE + GAP)
        buttons.append(Widget("QPushButton", "ms_bullet_op_%d" % s, (x, y, SIZE, SIZE),
                              option("ms_bullet") + [role("chip"), text(str(s + 1)),
                                                     hand_cursor()]))
    return buttons
