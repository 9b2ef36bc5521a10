"""The generated key pages: the keyboard in its six rows of 21 as the layout has it, the mouse's
options beside its picture, and function editors that fit their panels."""

import os
import struct
import unittest

from keyboard_keys import COLUMNS, ROW_CAPS, cap_ids
from skin_tree import load_window

SKIN = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                     "skin"))


def by_name(root):
    return {node.name: node for node in root.walk() if node.name}


def picture_size(node):
    """The width and height in the header of the PNG picture a control's bkimage names."""
    name = node.prop("bkimage").replace("file='", "").rstrip("'")
    with open(os.path.join(SKIN, name), "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24])


def overlap(a, b):
    return (a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and
            a[1] < b[1] + b[3] and b[1] < a[1] + a[3])


class KeyboardPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.keys = by_name(load_window(SKIN, "keyboard_key.xml"))
        cls.main = by_name(load_window(SKIN, "main.xml"))

    def test_positions_are_row_major_in_21_columns(self):
        for u in range(126):
            node = self.keys["kb_key_%d" % u]
            x, y, _, _ = node.geometry
            first = self.keys["kb_key_0"].geometry
            self.assertEqual((x - first[0]) // 36, u % COLUMNS, u)
            self.assertEqual((y - first[1]) // 36, u // COLUMNS, u)

    def test_positions_without_a_key_are_hidden(self):
        hidden = [u for u in range(126) if self.keys["kb_key_%d" % u].prop("visible") is False]
        empty = [u for u in range(126) if ROW_CAPS[u // COLUMNS][u % COLUMNS] is None]
        self.assertEqual(hidden, empty)
        self.assertEqual(126 - len(empty), 106)
        self.assertEqual(len(cap_ids()), 106)

    def test_the_editor_lies_below_the_keys(self):
        panel = self.main["kb_tab_function"].geometry
        for u in range(126):
            self.assertFalse(overlap(self.keys["kb_key_%d" % u].geometry, panel), u)


class MousePage(unittest.TestCase):
    def test_options_lie_beside_the_picture_and_left_of_the_editor(self):
        page = by_name(load_window(SKIN, "Mouse_key.xml"))
        main = by_name(load_window(SKIN, "main.xml"))
        picture = page["ms_key_page_picture"].geometry
        editor = main["ms_tab_function"].geometry
        for n in range(7):
            button = page["ms_key_%d" % n].geometry
            self.assertFalse(overlap(button, picture), n)
            self.assertFalse(overlap(button, editor), n)
            # Each button's picture lies on the body's picture.
            x, y, w, h = page["ms_key_%d_0" % n].geometry
            px, py, pw, ph = picture
            self.assertTrue(px <= x and py <= y and x + w <= px + pw and y + h <= py + ph, n)
            self.assertEqual(picture_size(page["ms_key_%d_0" % n]), (w, h), n)


class FunctionEditors(unittest.TestCase):
    def test_sub_panels_fit_their_editor(self):
        main = by_name(load_window(SKIN, "main.xml"))
        for p, count in (("ms", 12), ("kb", 11)):
            _, _, w, h = main["%s_tab_function" % p].geometry
            for i in range(count):
                x, y, pw, ph = main["%s_tab_function_%d" % (p, i)].geometry
                self.assertTrue(x >= 0 and y >= 0 and x + pw <= w and y + ph <= h, (p, i))


if __name__ == "__main__":
    unittest.main()
