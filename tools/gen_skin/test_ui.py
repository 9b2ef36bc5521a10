"""Rendering of generated widgets: the output must be a Designer element that reads back as given."""

import unittest
import xml.etree.ElementTree as ElementTree

from ui import Prop, Widget, bkcolor, hidden, option, render, text


def parse(widget):
    return ElementTree.fromstring("\n".join(render(widget)))


class Render(unittest.TestCase):
    def test_texts_with_markup_characters_read_back_unchanged(self):
        element = parse(Widget("QLabel", "l", (0, 0, 1, 1), [text('<b> & "x"')]))
        self.assertEqual(element.findtext("property[@name='text']/string"), '<b> & "x"')

    def test_a_name_with_quotes_reads_back_unchanged(self):
        self.assertEqual(parse(Widget("QLabel", 'a"b', (0, 0, 1, 1))).get("name"), 'a"b')

    def test_decorative_widgets_have_no_name_attribute(self):
        self.assertIsNone(parse(Widget("QFrame", "", (0, 0, 1, 1))).get("name"))

    def test_geometry_comes_first(self):
        element = parse(Widget("QLabel", "l", (1, 2, 3, 4), [text("@x")]))
        first = element.find("property")
        self.assertEqual(first.get("name"), "geometry")
        self.assertEqual([first.findtext("rect/" + k) for k in ("x", "y", "width", "height")],
                         ["1", "2", "3", "4"])

    def test_dynamic_properties_are_marked_and_plain_ones_are_not(self):
        element = parse(Widget("QPushButton", "b", (0, 0, 1, 1), option("g", checked=True)))
        marks = {p.get("name"): p.get("stdset") for p in element.findall("property")}
        self.assertEqual(marks["option"], "0")
        self.assertEqual(marks["group"], "0")
        self.assertIsNone(marks["checkable"])
        self.assertEqual(element.findtext("property[@name='checked']/bool"), "true")

    def test_colours_are_written_as_eight_hex_digits(self):
        element = parse(Widget("QPushButton", "b", (0, 0, 1, 1), [bkcolor(0xFF00F6FF)]))
        self.assertEqual(element.findtext("property[@name='bkcolor']/string"), "0xFF00F6FF")

    def test_children_are_nested_one_level_deeper(self):
        child = Widget("QLabel", "c", (0, 0, 1, 1), [hidden()])
        lines = render(Widget("QWidget", "p", (0, 0, 2, 2), [], [child]), indent=2)
        self.assertTrue(lines[0].startswith('  <widget class="QWidget"'))
        self.assertIn('   <widget class="QLabel" name="c">', lines)
        self.assertEqual(parse(Widget("QWidget", "p", (0, 0, 2, 2), [], [child]))
                         .find("widget").get("name"), "c")

    def test_an_unknown_property_kind_is_refused(self):
        with self.assertRaises(ValueError):
            render(Widget("QLabel", "l", (0, 0, 1, 1), [Prop("x", "colour", 1)]))


if __name__ == "__main__":
    unittest.main()
