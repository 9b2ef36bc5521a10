"""The 30 preset colour buttons of the palette window, "ms_dpi_color_png_0" to "_29".

Button n shows preset colour n of the program's preset table (the same colours the lighting
pages offer), in a grid of six columns beside the palette.
"""

from ui import Widget, bkcolor, hand_cursor, role

PRESETS = [
    0xFFFF0000, 0xFF00F6FF, 0xFF6CFF00, 0xFF7E00FF, 0xFF008AFF, 0xFF2400FF,
    0xFFADFE00, 0xFFFE5400, 0xFFFE8300, 0xFF8300E7, 0xFFB700AC, 0xFFFEB300,
    0xFFFEF500, 0xFFFF0000, 0xFFFF00F6, 0xFF21B309, 0xFF48B1FA, 0xFFFA48A4,
    0xFFFDFDFC, 0xFF4900E7, 0xFFFFC480, 0xFF000000, 0xFF1B48A3, 0xFF1B1A77,
    0xFF4877A3, 0xFF76A348, 0xFFACD55B, 0xFF7576D2, 0xFF7675FF, 0xFF4776A4,
]

COLUMNS, LEFT, TOP, SIZE, STEP = 6, 266, 150, 24, 30


def preset_buttons():
    return [Widget("QPushButton", "ms_dpi_color_png_%d" % n,
                   (LEFT + (n % COLUMNS) * STEP, TOP + (n // COLUMNS) * STEP, SIZE, SIZE),
                   [role("preset"), bkcolor(colour), hand_cursor()])
            for n, colour in enumerate(PRESETS)]
