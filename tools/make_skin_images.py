#!/usr/bin/env python3
"""Draws the skin's pictures with ImageMagick (`convert`).

    python3 tools/make_skin_images.py [skin folder]

Writes the program icon (64 and 256 pixels), the caption logo, the window background, the
welcome picture, the backgrounds of the skin window with their thumbnails, the device outlines of the empty pages and the line glyphs of skin_glyphs.py.
Every picture is drawn four times larger and scaled down, which gives even edges for thin
strokes. The files carry no time stamps, so running the script again changes nothing unless a
drawing changed. The outputs are committed; the build never runs this script.
"""

import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import skin_glyphs  # noqa: E402

SCALE = 4
ACCENT = "#19B5E8"
PNG_OPTIONS = ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time"]

# The sword hilt of the emblem, in a 256-pixel square: blade with its groove, the curved guard
# (the quillons the program is named after), grip and pommel.
EMBLEM = (
    "polygon 128,30 144,56 144,150 112,150 112,56 "
    "path 'M 52,144 Q 128,182 204,144 L 208,160 Q 128,200 48,160 Z' "
    "circle 50,152 50,162 circle 206,152 206,162 "
    "roundrectangle 117,170 139,206 4,4 circle 128,220 128,232")
EMBLEM_GROOVE = "line 128,62 128,140"


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def big(size):
    w, h = size
    return "%dx%d" % (w * SCALE, h * SCALE)


def small(size):
    return "%dx%d!" % size


def draw_glyph(path, width, height, colour, stroke, commands):
    commands = commands.replace("COLOUR", colour)
    mvg = ("scale %d,%d fill none stroke '%s' stroke-width %s stroke-linecap round "
           "stroke-linejoin round %s" % (SCALE, SCALE, colour, stroke, commands))
    convert("-size", big((width, height)), "xc:none", "-draw", mvg,
            "-resize", small((width, height)), *PNG_OPTIONS, path)


def draw_icon(path, size, tmp):
    """The program icon: the emblem on a dark rounded tile."""
    px = "%dx%d" % (256 * SCALE, 256 * SCALE)
    tile = "scale %d,%d roundrectangle 4,4 252,252 56,56" % (SCALE, SCALE)
    emblem = "scale %d,%d fill white stroke none %s" % (SCALE, SCALE, EMBLEM)
    groove = ("scale %d,%d stroke 'rgba(12,14,18,0.55)' stroke-width 5 stroke-linecap round %s"
              % (SCALE, SCALE, EMBLEM_GROOVE))
    rim = ("scale %d,%d fill none stroke 'rgba(255,255,255,0.08)' stroke-width 2 "
           "roundrectangle 5,5 251,251 55,55" % (SCALE, SCALE))
    base = os.path.join(tmp, "tile.png")
    convert("-size", px, "gradient:#232934-#0F1116",
            "(", "-size", px, "xc:black", "-fill", "white", "-draw", tile, ")",
            "-alpha", "off", "-compose", "CopyOpacity", "-composite",
            "(", "-size", "%dx%d" % (200 * SCALE, 200 * SCALE),
            "radial-gradient:rgba(25,181,232,0.30)-rgba(25,181,232,0)", ")",
            "-geometry", "+%d+%d" % (28 * SCALE, 36 * SCALE), "-compose", "Over", "-composite",
            base)
    convert(base,
            "(", "-size", px, "gradient:#6BE0FF-#0A7FAB",
            "(", "-size", px, "xc:black", "-draw", emblem, ")",
            "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
            "-compose", "Over", "-composite", "-draw", groove, "-draw", rim,
            "-resize", small((size, size)), *PNG_OPTIONS, path)


def draw_background(path, tmp):
    """A dark vertical gradient with a faint accent glow and hatching in the top right."""
    w, h = 800, 572
    lines = " ".join("line %d,0 %d,%d" % (x, x - h, h) for x in range(0, w + h, 14))
    hatch = os.path.join(tmp, "hatch.png")
    convert("-size", "%dx%d" % (w, h), "xc:none", "-stroke", "rgba(255,255,255,0.035)",
            "-strokewidth", "1", "-draw", lines,
            "(", "-size", "900x900", "radial-gradient:black-none", ")",
            "-geometry", "+350-450", "-compose", "DstIn", "-composite", hatch)
    convert("-size", "%dx%d" % (w, h), "gradient:#15181D-#0E1013",
            "(", "-size", "840x840", "radial-gradient:rgba(25,181,232,0.11)-rgba(25,181,232,0)",
            ")", "-geometry", "+330-470", "-composite",
            "(", "-size", "760x760", "radial-gradient:rgba(96,86,255,0.06)-rgba(96,86,255,0)",
            ")", "-geometry", "-380+190", "-composite",
            hatch, "-composite", *PNG_OPTIONS, path)


# The backgrounds the skin window offers: name, gradient top and bottom, glow colour (r, g, b).
SKIN_BACKGROUNDS = [
    ("ember", "#1D1513", "#120D0C", (232, 92, 25)),
    ("forest", "#131D17", "#0C120E", (46, 204, 113)),
    ("violet", "#18131F", "#0F0C14", (150, 96, 255)),
    ("steel", "#1A1E24", "#101317", (160, 180, 200)),
    ("dune", "#1F1B13", "#14110B", (230, 180, 80)),
]
SKIN_THUMB = (80, 57)


def draw_skin_background(path, thumb, top, bottom, glow):
    """One offered background: a gradient with a glow of its colour in the top right and a
    fainter one in the bottom left, and its thumbnail for the skin window's button."""
    w, h = 800, 572
    r, g, b = glow
    strong = "radial-gradient:rgba(%d,%d,%d,0.16)-rgba(%d,%d,%d,0)" % (r, g, b, r, g, b)
    faint = "radial-gradient:rgba(%d,%d,%d,0.07)-rgba(%d,%d,%d,0)" % (r, g, b, r, g, b)
    convert("-size", "%dx%d" % (w, h), "gradient:%s-%s" % (top, bottom),
            "(", "-size", "840x840", strong, ")", "-geometry", "+330-470", "-composite",
            "(", "-size", "760x760", faint, ")", "-geometry", "-380+190", "-composite",
            *PNG_OPTIONS, path)
    convert(path, "-resize", small(thumb), *PNG_OPTIONS, thumb_path(path))


def thumb_path(path):
    return path[:-len(".png")] + "_thumb.png"


def draw_welcome(path):
    """A mouse with its cable inside two faint rings: the page shown while nothing is connected."""
    size = (260, 190)
    art = ("scale %d,%d fill none stroke 'rgba(25,181,232,0.35)' stroke-width 1 "
           "circle 130,100 130,42 stroke 'rgba(25,181,232,0.15)' circle 130,100 130,28 "
           "stroke '%s' stroke-width 2.5 stroke-linecap round stroke-linejoin round "
           "fill 'rgba(16,18,22,0.92)' roundrectangle 112,66 148,140 18,18 "
           "fill none line 130,66 130,90 line 113,92 147,92 "
           "roundrectangle 127.5,74 132.5,84 2.5,2.5 "
           "path 'M 130,66 C 130,50 156,54 168,44 S 186,32 200,34' "
           "fill '%s' roundrectangle 200,30 214,38 2,2"
           % (SCALE, SCALE, ACCENT, ACCENT))
    # The glow fades out before the picture's edges, so no border of it shows.
    convert("-size", big(size), "xc:none",
            "(", "-size", "%dx%d" % (180 * SCALE, 180 * SCALE),
            "radial-gradient:rgba(25,181,232,0.20)-rgba(25,181,232,0)", ")",
            "-geometry", "+%d+%d" % (40 * SCALE, 10 * SCALE), "-composite",
            "-draw", art, "-resize", small(size), *PNG_OPTIONS, path)


def draw_device(path, commands):
    size = (160, 120)
    mvg = ("scale %d,%d fill none stroke '%s' stroke-width 2.5 stroke-linejoin round %s"
           % (SCALE, SCALE, skin_glyphs.DEVICE_STROKE, commands))
    convert("-size", big(size), "xc:none", "-draw", mvg, "-resize", small(size),
            *PNG_OPTIONS, path)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    skin = argv[1] if len(argv) > 1 else os.path.join(here, "..", "skin")
    os.makedirs(os.path.join(skin, "common"), exist_ok=True)
    out = lambda name: os.path.join(skin, name)  # noqa: E731
    with tempfile.TemporaryDirectory() as tmp:
        draw_icon(out("common/icon_256.png"), 256, tmp)
        draw_icon(out("common/icon.png"), 64, tmp)
        draw_icon(out("common/logo.png"), 28, tmp)
        draw_background(out("common/background.png"), tmp)
    convert(out("common/background.png"), "-resize", small(SKIN_THUMB), *PNG_OPTIONS,
            out("common/background_thumb.png"))
    os.makedirs(os.path.join(skin, "skins"), exist_ok=True)
    for name, top, bottom, glow in SKIN_BACKGROUNDS:
        draw_skin_background(out("skins/%s.png" % name), SKIN_THUMB, top, bottom, glow)
    draw_welcome(out("common/welcome.png"))
    for name, commands in skin_glyphs.DEVICES.items():
        draw_device(out(name), commands)
    for name, (width, height, colour, stroke, commands) in skin_glyphs.GLYPHS.items():
        draw_glyph(out(name), width, height, colour, stroke, commands)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
