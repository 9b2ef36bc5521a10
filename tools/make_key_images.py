#!/usr/bin/env python3
"""Draws the pictures of the mouse's button page with ImageMagick (`convert`).

    python3 tools/make_key_images.py [skin folder]

Writes "ms/mouse_body.png", the mouse seen from above, and for each of its seven buttons a
picture that holds only that button: "<name>_normal.png" outlined, and "<name>_down.png" lit in
the accent colour, which the page shows while the pointer is over the button's option. Each
button is drawn in the body's coordinates and cut to its box in PICTURE_BOXES
(gen_skin/mouse_buttons.py), where the page places it over the body. "kb/key_set.png" marks a
remapped key of the keyboard page. Like make_skin_images.py, everything is drawn four times
larger and scaled down; the outputs are committed.
"""

import os
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "gen_skin"))
from mouse_buttons import PICTURE_BOXES  # noqa: E402

SCALE = 4
SIZE = (200, 340)
KEY_SIZE = (33, 33)
PNG_OPTIONS = ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time"]

BODY = ("path 'M 100,8 C 42,8 20,62 20,132 L 20,236 C 20,298 56,332 100,332 "
        "C 144,332 180,298 180,236 L 180,132 C 180,62 158,8 100,8 Z'")
SEAMS = ("path 'M 100,10 L 100,124' "
         "path 'M 21,128 C 60,134 140,134 179,128'")
# Each button as a drawing in the body's coordinates.
BUTTONS = {
    "key_left": "path 'M 96,12 C 46,14 24,64 23,124 C 50,129 74,130 96,130 Z'",
    "key_right": "path 'M 104,12 C 154,14 176,64 177,124 C 150,129 126,130 104,130 Z'",
    "key_wheel": "roundrectangle 90,32 110,84 9,9",
    "key_dpi": "roundrectangle 89,146 111,166 5,5",
    "key_dpi1": "roundrectangle 89,174 111,194 5,5",
    # The page lights "key_back" for button 3 and "key_forward" for button 4 (the pictures'
    # names are swapped against the buttons' factory functions), so the front side button is
    # drawn in "key_back" and the rear one in "key_forward".
    "key_back": "roundrectangle 8,146 20,186 5,5",
    "key_forward": "roundrectangle 8,194 20,234 5,5",
}


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def rendered(commands):
    """The convert arguments that draw `commands` at four times the body's size and scale down."""
    w, h = SIZE
    return ["-size", "%dx%d" % (w * SCALE, h * SCALE), "xc:none",
            "-draw", "scale %d,%d %s" % (SCALE, SCALE, commands), "-resize", "%dx%d!" % SIZE]


def draw(path, commands, box=None):
    """Draws at the body's size; with a box (x, y, width, height), keeps only that part."""
    cut = []
    if box is not None:
        check_inside(commands, box)
        cut = ["-crop", "%dx%d+%d+%d" % (box[2], box[3], box[0], box[1]), "+repage"]
    convert(*rendered(commands), *cut, *PNG_OPTIONS, path)


def check_inside(commands, box):
    """Fails when the drawing reaches outside the box it is cut to."""
    found = subprocess.run(["convert", *rendered(commands), "-format", "%@", "info:"],
                           check=True, capture_output=True, text=True).stdout.strip()
    size, x, y = found.split("+")
    fw, fh = (int(v) for v in size.split("x"))
    left, top = int(x), int(y)
    bx, by, bw, bh = box
    if left < bx or top < by or left + fw > bx + bw or top + fh > by + bh:
        raise SystemExit("the drawing %s lies outside its box %s" % (found, box))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    skin = argv[1] if len(argv) > 1 else os.path.normpath(os.path.join(here, "..", "skin"))
    folder = os.path.join(skin, "ms")
    os.makedirs(folder, exist_ok=True)
    draw(os.path.join(folder, "mouse_body.png"),
         "fill '#1C2027' stroke '#3A414B' stroke-width 2 %s "
         "fill none stroke '#2C323B' stroke-width 1.5 %s" % (BODY, SEAMS))
    for name, shape in BUTTONS.items():
        box = PICTURE_BOXES[name]
        draw(os.path.join(folder, name + "_normal.png"),
             "fill '#262B33' stroke '#4A525E' stroke-width 1.5 %s" % shape, box)
        draw(os.path.join(folder, name + "_down.png"),
             "fill '#19B5E8B0' stroke '#45C6F0' stroke-width 2 %s" % shape, box)
    draw_key_set(os.path.join(skin, "kb"))
    return 0


def draw_key_set(folder):
    """The keyboard page's marker of a key that carries another function: a corner tab."""
    os.makedirs(folder, exist_ok=True)
    w, h = KEY_SIZE
    mvg = ("scale %d,%d fill '#19B5E8' stroke none polygon %d,0 %d,0 %d,%d "
           "fill none stroke '#19B5E8' stroke-width 1.5 roundrectangle 1,1 %d,%d 5,5"
           % (SCALE, SCALE, w - 12, w, w, 12, w - 1, h - 1))
    convert("-size", "%dx%d" % (w * SCALE, h * SCALE), "xc:none", "-draw", mvg,
            "-resize", "%dx%d!" % KEY_SIZE, *PNG_OPTIONS, os.path.join(folder, "key_set.png"))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
