"""The mouse's five on-board profile options, labelled 1 to 5, in the mouse frame's tab bar."""

from ui import Widget, hand_cursor, option, role, text, tooltip

FIRST_X, STEP, Y, SIZE = 552, 30, 9, 26


def onboard_buttons():
    return [Widget("QPushButton", "ms_profile_%d" % i, (FIRST_X + i * STEP, Y, SIZE, SIZE),
                   option("ms_onboard_profile", checked=(i == 0)) +
                   [role("chip"), text(str(i + 1)), tooltip("@tip_onboard_profile"),
                    hand_cursor()])
            for i in range(5)]
