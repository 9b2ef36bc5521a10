"""The DPI stage rows of the mouse performance page.

Each stage n is a row inside the "DPI stages" card: the colour swatch "ms_DPIcolor_btn_n", the rank
label, the value label with its unit, and under them the range labels around the slider. Stages
1 to 5 are shown and fill the card; the sixth row exists with the same names and starts hidden
below them, and so does the line that would separate it from the fifth. A mouse with six stages
needs a card with room for six rows.
"""

from ui import Prop, Widget, align, bkcolor, hand_cursor, hidden, role, text, tooltip

STAGES = 6
SHOWN_STAGES = 5
FIRST_Y, ROW_HEIGHT, LEFT, WIDTH = 64, 72, 20, 440

# What the page shows before the mouse has been read: the stages' colours and slider positions
# (with the common base of 100 DPI and steps of 100 the positions give the values below).
COLOURS = [0xFFFF3B30, 0xFF1E90FF, 0xFF34C759, 0xFFFFCC00, 0xFFAF52DE, 0xFF19B5E8]
POSITIONS = [3, 7, 15, 31, 63, 119]
SLIDER_MAX = 119


def _value_text(position):
    return str(100 + 100 * position)


def stage_row(n):
    y = FIRST_Y + (n - 1) * ROW_HEIGHT
    extra = [hidden()] if n > SHOWN_STAGES else []
    right = LEFT + WIDTH
    row = [
        Widget("QPushButton", "ms_DPIcolor_btn_%d" % n, (LEFT, y + 9, 18, 18),
               [role("swatch"), bkcolor(COLOURS[n - 1]), tooltip("@tip_dpi_colour"),
                hand_cursor()] + extra),
        Widget("QLabel", "ms_DPI%d_label_rank" % n, (LEFT + 30, y + 4, 200, 28),
               [role("rank"), text("@dpi_stage_%d" % n)] + extra),
        Widget("QLabel", "ms_DPI%d_label_value" % n, (right - 156, y + 4, 120, 28),
               [role("dpivalue"), text(_value_text(POSITIONS[n - 1])),
                align("Qt::AlignRight|Qt::AlignVCenter")] + extra),
        Widget("QLabel", "", (right - 32, y + 10, 32, 20),
               [role("unit"), text("@dpi_unit"), align("Qt::AlignRight|Qt::AlignVCenter")] +
               extra),
        Widget("QLabel", "ms_DPI%d_min" % n, (LEFT + 30, y + 38, 44, 20),
               [role("range"), text("@dpi_range_min")] + extra),
        Widget("QSlider", "ms_DPI%d_slider" % n, (LEFT + 78, y + 36, WIDTH - 78 - 94, 24),
               [Prop("orientation", "enum", "Qt::Horizontal"), Prop("maximum", "number",
                                                                    SLIDER_MAX),
                Prop("value", "number", POSITIONS[n - 1])] + extra),
        Widget("QLabel", "ms_DPI%d_max" % n, (right - 90, y + 38, 90, 20),
               [role("range"), text("@dpi_range_max"),
                align("Qt::AlignRight|Qt::AlignVCenter")] + extra),
    ]
    if n < STAGES:
        line_hidden = [hidden()] if n + 1 > SHOWN_STAGES else []
        row.append(Widget("QFrame", "", (LEFT, y + ROW_HEIGHT - 3, WIDTH, 1),
                          [role("separator")] + line_hidden))
    return row


def dpi_rows():
    return [w for n in range(1, STAGES + 1) for w in stage_row(n)]
