#!/usr/bin/env python3
"""Draws the device bodies of the lighting pages with ImageMagick (`convert`).

    python3 tools/make_lighting_images.py [skin folder]

The mouse and the mousepad are drawn as dark shapes with a light outline; the light zones of the
previews lie over them as separate controls. Drawn four times larger and scaled down for even
edges; no time stamps, so running it again changes nothing. The outputs are committed.
"""

import os
import subprocess
import sys

SCALE = 4
PNG_OPTIONS = ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time"]
FILL = "#20252E"
STROKE = "#5A6578"

BODIES = {
    # Mouse seen from above: rounded body, the two buttons and the wheel.
    "common/ms_lighting_body.png": ((200, 300),
        "roundrectangle 20,6 180,294 78,90 "
        "line 100,8 100,120 line 22,120 178,120 "
        "roundrectangle 92,40 108,84 7,7"),
    # Mousepad: a wide mat with a rounded edge.
    "common/mp_lighting_body.png": ((340, 220), "roundrectangle 4,4 336,216 18,18"),
}

# The light of a key button of the keyboard preview: a rim and a faint glow inside, so the cap's
# text stays readable. The preview tints it with a strength from 0 (the picture as drawn here, an
# unlit grey) to 255 (the light's colour).
LIGHTS = {"kb/key_light.png": ((33, 33),
                               "fill '#3A404A40' roundrectangle 2,2 31,31 5,5 "
                               "fill none stroke '#3A404A' stroke-width 3 "
                               "roundrectangle 2,2 31,31 5,5")}


def draw(path, size, commands):
    w, h = size
    mvg = ("scale %d,%d fill '%s' stroke '%s' stroke-width 2.5 stroke-linejoin round %s"
           % (SCALE, SCALE, FILL, STROKE, commands))
    subprocess.run(["convert", "-size", "%dx%d" % (w * SCALE, h * SCALE), "xc:none",
                    "-draw", mvg, "-resize", "%dx%d!" % size, *PNG_OPTIONS, path], check=True)


def draw_light(path, size, commands):
    w, h = size
    mvg = "scale %d,%d stroke none %s" % (SCALE, SCALE, commands)
    subprocess.run(["convert", "-size", "%dx%d" % (w * SCALE, h * SCALE), "xc:none",
                    "-draw", mvg, "-resize", "%dx%d!" % size, *PNG_OPTIONS, path], check=True)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    skin = argv[1] if len(argv) > 1 else os.path.join(here, "..", "skin")
    for name, (size, commands) in BODIES.items():
        draw(os.path.join(skin, name), size, commands)
    for name, (size, commands) in LIGHTS.items():
        draw_light(os.path.join(skin, name), size, commands)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
