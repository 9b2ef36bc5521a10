"""Generated regions: what is replaced, what is kept, and how bad markers are refused."""

import unittest

from markers import BEGIN, END, MarkerError, replace_region

HAND_WRITTEN = ('<ui>\n <widget name="a">\n  <!-- hand -->\n'
                '  ' + BEGIN % "rows" + '\n  <old/>\n  <older/>\n'
                '  ' + END % "rows" + '\n </widget>\n</ui>\n')


class ReplaceRegion(unittest.TestCase):
    def test_replaces_only_the_lines_between_the_markers(self):
        text = replace_region(HAND_WRITTEN, "rows", ["<new/>", "<newer/>"])
        self.assertNotIn("<old/>", text)
        before, after = HAND_WRITTEN.split("  <old/>\n  <older/>\n")
        self.assertTrue(text.startswith(before))
        self.assertTrue(text.endswith(after))
        self.assertIn("\n  <new/>\n  <newer/>\n", text)

    def test_new_lines_take_the_markers_indentation_and_nested_lines_keep_theirs(self):
        text = replace_region(HAND_WRITTEN, "rows", ["<w>", " <p/>", "</w>", ""])
        self.assertIn("\n  <w>\n   <p/>\n  </w>\n\n  " + END % "rows", text)

    def test_running_twice_changes_nothing(self):
        once = replace_region(HAND_WRITTEN, "rows", ["<new/>"])
        self.assertEqual(replace_region(once, "rows", ["<new/>"]), once)

    def test_an_empty_region_can_be_filled_and_emptied(self):
        empty = replace_region(HAND_WRITTEN, "rows", [])
        self.assertIn(BEGIN % "rows" + "\n  " + END % "rows", empty)
        self.assertEqual(replace_region(empty, "rows", ["<x/>"]).count("<x/>"), 1)

    def test_windows_line_ends_are_kept(self):
        crlf = HAND_WRITTEN.replace("\n", "\r\n")
        text = replace_region(crlf, "rows", ["<new/>"])
        self.assertNotIn("\n", text.replace("\r\n", ""))
        self.assertIn("\r\n  <new/>\r\n", text)

    def test_other_regions_are_left_alone(self):
        two = HAND_WRITTEN + BEGIN % "other" + "\n<keep/>\n" + END % "other" + "\n"
        self.assertIn("<keep/>", replace_region(two, "rows", []))


class BadMarkers(unittest.TestCase):
    def test_missing_region(self):
        with self.assertRaisesRegex(MarkerError, "0 begin and 0 end"):
            replace_region(HAND_WRITTEN, "columns", [])

    def test_missing_end(self):
        text = HAND_WRITTEN.replace(END % "rows", "")
        with self.assertRaisesRegex(MarkerError, "1 begin and 0 end"):
            replace_region(text, "rows", [])

    def test_region_given_twice(self):
        with self.assertRaisesRegex(MarkerError, "2 begin and 2 end"):
            replace_region(HAND_WRITTEN + HAND_WRITTEN, "rows", [])

    def test_end_before_begin(self):
        text = END % "rows" + "\n" + BEGIN % "rows" + "\n"
        with self.assertRaisesRegex(MarkerError, "before the begin"):
            replace_region(text, "rows", [])

    def test_a_marker_inside_other_text_does_not_count(self):
        text = HAND_WRITTEN.replace("  " + END % "rows", "  <x/>" + END % "rows")
        with self.assertRaises(MarkerError):
            replace_region(text, "rows", [])


if __name__ == "__main__":
    unittest.main()
