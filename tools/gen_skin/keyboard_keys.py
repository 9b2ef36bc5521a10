"""The keyboard's key page: 126 key buttons "kb_key_0".."kb_key_125", position u = 21 × row +
column, in the keyboard layout's six rows of 21. A position where the layout has no key keeps its
button, hidden, so that every position has its control.

Key caps are text ids "kc_<name>", defined in the three language files between the markers of
the region "key_caps" (the caps are the same in every language).
"""

from ui import Prop, Widget, hand_cursor, hidden, role, text

COLUMNS, ROWS = 21, 6
LEFT, TOP, STEP, KEY = 22, 46, 36, 33

# The caps of the layout, row by row; None where the layout has no key.
ROW_CAPS = [
    ["Esc", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
     "PrtSc", "ScrLk", "Pause", None, None, None, None, None],
    ["Grave", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Minus", "Equals", "Bksp",
     "Ins", "Home", "PgUp", "NumLk", "KpSlash", "KpStar", "KpMinus"],
    ["Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "LBracket", "RBracket",
     "Backslash", "Del", "End", "PgDn", "Kp7", "Kp8", "Kp9", None],
    ["Caps", "A", "S", "D", "F", "G", "H", "J", "K", "L", "Semicolon", "Quote", "Enter", "Kp4",
     "Kp5", "Kp6", None, None, None, None, None],
    ["LShift", "Z", "X", "C", "V", "B", "N", "M", "Comma", "Period", "Slash", "RShift", "Up",
     "Kp1", "Kp2", "Kp3", None, None, "NonUs", None, None],
    ["LCtrl", "LWin", "LAlt", "Space", "RAlt", "Fn", "Menu", "RCtrl", "Left", "Down", "Right",
     "Kp0", "KpDot", "KpEnter", "KpPlus", None, None, None, None, None, "RWin"],
]

# What each cap shows where its id is not the text itself.
CAP_TEXTS = {
    "Grave": "`", "Minus": "-", "Equals": "=", "LBracket": "[", "RBracket": "]",
    "Backslash": "\\", "Semicolon": ";", "Quote": "'", "Comma": ",", "Period": ".",
    "Slash": "/", "KpSlash": "/", "KpStar": "*", "KpMinus": "-", "KpPlus": "+",
    "KpDot": ".", "KpEnter": "Ent", "Kp0": "0", "Kp1": "1", "Kp2": "2", "Kp3": "3", "Kp4": "4",
    "Kp5": "5", "Kp6": "6", "Kp7": "7", "Kp8": "8", "Kp9": "9", "NonUs": "\\|",
    "LShift": "Shift", "RShift": "Shift", "LCtrl": "Ctrl", "RCtrl": "Ctrl", "LAlt": "Alt",
    "RAlt": "Alt", "LWin": "Win", "RWin": "Win", "Up": "↑", "Down": "↓", "Left": "←",
    "Right": "→", "Space": "Space", "Bksp": "⌫", "Caps": "Caps", "NumLk": "Num",
}


def cap_ids():
    seen = []
    for caps in ROW_CAPS:
        for cap in caps:
            if cap and cap not in seen:
                seen.append(cap)
    return seen


def key_caps_language_lines():
    from xml.sax.saxutils import escape
    return ['<text id="kc_%s">%s</text>' % (cap, escape(CAP_TEXTS.get(cap, cap)))
            for cap in sorted(cap_ids(), key=str.lower)]


def keyboard_keys():
    widgets = []
    for r in range(ROWS):
        for c in range(COLUMNS):
            cap = ROW_CAPS[r][c]
            props = [role("keycap"), Prop("focusPolicy", "enum", "Qt::NoFocus")]
            props.append(Prop("keysetimage", "string", "kb/key_set.png", dynamic=True))
            props += [text("@kc_" + cap), hand_cursor()] if cap else [hidden()]
            widgets.append(Widget("DeviceKeyButton", "kb_key_%d" % (r * COLUMNS + c),
                                  (LEFT + c * STEP, TOP + r * STEP, KEY, KEY), props))
    return widgets
