#!/usr/bin/env python3
"""Writes the repetitive parts of the skin files between their marker comments.

    python3 tools/gen_skin/gen_skin.py [--check] [skin folder]

Without --check the regions are rewritten where they differ. With --check nothing is written;
the exit status is 1 when a committed file differs from what the generator writes (a region was
edited by hand, or the generator changed and was not run). The generated files are committed:
the build never runs this script.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cursor_steps import cursor_steps  # noqa: E402
from dpi_rows import dpi_rows  # noqa: E402
from lighting_pages import keyboard_lighting, mouse_lighting, mousepad_lighting  # noqa: E402
from macro_editor import macro_editor_lines  # noqa: E402
from key_function import keyboard_function, mouse_function  # noqa: E402
from keyboard_keys import key_caps_language_lines, keyboard_keys  # noqa: E402
from markers import MarkerError, replace_region  # noqa: E402
from mouse_buttons import mouse_buttons  # noqa: E402
from onboard import onboard_buttons  # noqa: E402
from presets import preset_buttons  # noqa: E402
from profile_area import profile_area  # noqa: E402
from ui import render  # noqa: E402

# file: [(region, function returning the region's widgets)]
REGIONS = {
    "main.xml": [
        ("kb_profile_area", lambda: [profile_area("kb")]),
        ("ms_onboard_profiles", onboard_buttons),
        ("ms_profile_area", lambda: [profile_area("ms")]),
        ("mp_profile_area", lambda: [profile_area("mp")]),
    ],
    "Mouse_DPI.xml": [("dpi_rows", dpi_rows)],
    "GmPalletDialog.xml": [("palette_presets", preset_buttons)],
    "Mouse_deng.xml": [("ms_lighting", mouse_lighting)],
    "MousePad_deng.xml": [("mp_lighting", mousepad_lighting)],
    "keyboard_deng.xml": [("kb_lighting", keyboard_lighting)],
    "Mouse_cursor.xml": [("cursor_steps", cursor_steps)],
    "Mouse_macro.xml": [("macro_editor", lambda: macro_editor_lines("ms_"))],
    "keyboard_macro.xml": [("macro_editor", lambda: macro_editor_lines("kb_"))],
    "Mouse_key.xml": [("ms_key_buttons", mouse_buttons)],
    "keyboard_key.xml": [("kb_key_buttons", keyboard_keys)],
    "lan_en.xml": [("key_caps", key_caps_language_lines)],
    "lan_cn.xml": [("key_caps", key_caps_language_lines)],
    "lan_sn.xml": [("key_caps", key_caps_language_lines)],
}
REGIONS["main.xml"] += [("ms_key_function", mouse_function),
                        ("kb_key_function", keyboard_function)]


def generate(text, regions):
    for name, widgets in regions:
        # A region is widgets, or plain lines (language texts).
        lines = [line for widget in widgets()
                 for line in ([widget] if isinstance(widget, str) else render(widget))]
        text = replace_region(text, name, lines)
    return text


def run(skin, check):
    stale = []
    for file_name, regions in REGIONS.items():
        path = os.path.join(skin, file_name)
        with open(path, encoding="utf-8", newline="") as f:
            old = f.read()
        try:
            new = generate(old, regions)
        except MarkerError as e:
            print("%s: %s" % (file_name, e), file=sys.stderr)
            return 2
        if new == old:
            continue
        stale.append(file_name)
        if not check:
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(new)
    for file_name in stale:
        print("%s %s" % ("out of date:" if check else "wrote", file_name))
    return 1 if check and stale else 0


def main(argv):
    args = argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    here = os.path.dirname(os.path.abspath(__file__))
    skin = args[0] if args else os.path.normpath(os.path.join(here, "..", "..", "skin"))
    return run(skin, check)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
