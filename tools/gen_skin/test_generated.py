"""The generated parts of the committed skin: up to date, and laid out as the user should see them."""

import os
import unittest

import gen_skin
from presets import PRESETS
from skin_tree import load_window

SKIN = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                     "skin"))


def by_name(root):
    return {node.name: node for node in root.walk() if node.name}


def inside(rect, outer_size):
    x, y, w, h = rect
    return x >= 0 and y >= 0 and x + w <= outer_size[0] and y + h <= outer_size[1]


def overlap(a, b):
    return (a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and
            a[1] < b[1] + b[3] and b[1] < a[1] + a[3])


class CommittedFiles(unittest.TestCase):
    def test_the_committed_regions_are_what_the_generator_writes(self):
        self.assertEqual(gen_skin.run(SKIN, check=True), 0,
                         "run tools/gen_skin/gen_skin.py and commit the result")


class ProfileColumns(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.main = by_name(load_window(SKIN, "main.xml"))

    def test_cards_fit_the_column_without_overlapping(self):
        for dev in ("kb", "ms", "mp"):
            column = self.main["%s_profile_fun_spead_tab" % dev]
            area = self.main["%s_profile_select_tab" % dev]
            self.assertEqual(area.geometry[2:], column.geometry[2:])
            cards = area.children
            for card in cards:
                self.assertTrue(inside(card.geometry, area.geometry[2:]), dev)
                for child in card.children:
                    self.assertTrue(inside(child.geometry, card.geometry[2:]), child.name)
            for a, b in zip(cards, cards[1:]):
                self.assertFalse(overlap(a.geometry, b.geometry), dev)

    def test_name_panels_open_exactly_over_their_combo_beside_the_pencil(self):
        for dev, lst in (("kb", "key"), ("kb", "deng"), ("ms", "key"), ("ms", "deng"),
                         ("mp", "deng")):
            panel = self.main["%s_%s_profile_edit" % (dev, lst)]
            combo = self.main["%s_%s_profile_combo" % (dev, lst)]
            pencil = self.main["%s_pro_%s_edit_btn" % (dev, lst)]
            self.assertEqual(panel.geometry, combo.geometry)
            self.assertFalse(overlap(pencil.geometry, combo.geometry))
            self.assertEqual(pencil.geometry[1], combo.geometry[1])

    def test_the_shown_controls_of_a_card_do_not_cover_each_other(self):
        for dev in ("kb", "ms", "mp"):
            for card in self.main["%s_profile_select_tab" % dev].children:
                shown = [c for c in card.children if c.prop("visible") is not False]
                for i, a in enumerate(shown):
                    for b in shown[i + 1:]:
                        self.assertFalse(overlap(a.geometry, b.geometry),
                                         "%s and %s" % (a.name or a.cls, b.name or b.cls))

    def test_the_onboard_options_sit_side_by_side_in_the_tab_bar(self):
        buttons = [self.main["ms_profile_%d" % n] for n in range(5)]
        self.assertEqual([b.prop("text") for b in buttons], ["1", "2", "3", "4", "5"])
        for a, b in zip(buttons, buttons[1:]):
            self.assertFalse(overlap(a.geometry, b.geometry))
        spread = self.main["ms_profile_fun_spread_btn"]
        self.assertFalse(overlap(buttons[-1].geometry, spread.geometry))


class PerformancePage(unittest.TestCase):
    def test_five_stage_rows_fill_the_card_and_the_sixth_is_hidden(self):
        page = load_window(SKIN, "Mouse_DPI.xml")
        card = next(n for n in page.children if any(c.name == "ms_DPI1_slider"
                                                    for c in n.children))
        names = by_name(card)
        for n in range(1, 6):
            for part in ("ms_DPI%d_slider", "ms_DPI%d_label_value", "ms_DPI%d_max"):
                node = names[part % n]
                self.assertTrue(inside(node.geometry, card.geometry[2:]), node.name)
                self.assertNotEqual(node.prop("visible"), False)
        for part in ("ms_DPI6_slider", "ms_DPI6_label_rank", "ms_DPIcolor_btn_6"):
            self.assertIs(names[part].prop("visible"), False)

    def test_rows_do_not_overlap(self):
        names = by_name(load_window(SKIN, "Mouse_DPI.xml"))
        for n in range(1, 5):
            self.assertLess(names["ms_DPI%d_slider" % n].geometry[1] + 24,
                            names["ms_DPI%d_label_rank" % (n + 1)].geometry[1])


class PaletteWindow(unittest.TestCase):
    def test_each_preset_button_shows_its_preset_in_its_own_cell(self):
        names = by_name(load_window(SKIN, "GmPalletDialog.xml"))
        buttons = [names["ms_dpi_color_png_%d" % n] for n in range(30)]
        self.assertEqual(buttons[0].prop("bkcolor"), "0xFFFF0000")
        self.assertEqual([int(b.prop("bkcolor"), 16) for b in buttons], PRESETS)
        for i, a in enumerate(buttons):
            for b in buttons[i + 1:]:
                self.assertFalse(overlap(a.geometry, b.geometry), (a.name, b.name))
        self.assertFalse(any(overlap(b.geometry, names["Pallet"].geometry) for b in buttons))


if __name__ == "__main__":
    unittest.main()
