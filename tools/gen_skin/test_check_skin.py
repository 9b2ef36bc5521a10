"""The skin checker: the committed skin passes, and each kind of fault in a copy of it is reported."""

import os
import shutil
import tempfile
import unittest

from check_skin import check

SKIN = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                     "skin"))


class CommittedSkin(unittest.TestCase):
    def test_the_skin_has_every_control_the_program_needs_and_no_fault(self):
        self.assertEqual(check(SKIN), [])


class BrokenSkin(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.skin = os.path.join(self.tmp, "skin")
        shutil.copytree(SKIN, self.skin)

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def edit(self, file_name, old, new, count=1):
        path = os.path.join(self.skin, file_name)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.assertIn(old, text, "the fixture no longer matches the skin")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text.replace(old, new, count))

    def assertReported(self, fragment):
        errors = check(self.skin)
        self.assertTrue(any(fragment in e for e in errors),
                        "%r not among:\n%s" % (fragment, "\n".join(errors)))

    def test_a_missing_control(self):
        self.edit("Mouse_DPI.xml", 'name="ms_DPI3_slider"', 'name="ms_DPI3_sliders"')
        self.assertReported("ms_DPI3_slider is missing")

    def test_two_controls_of_one_name(self):
        self.edit("main.xml", 'name="minbtn"', 'name="menubtn"')
        self.assertReported("menubtn appears 2 times")
        self.assertReported("minbtn is missing")

    def test_a_page_placed_twice_may_repeat_its_names_but_others_may_not(self):
        named = ('<widget class="QLabel" name="ms_cursor_x_eidt">'
                 '<property name="geometry"><rect><x>0</x><y>0</y><width>1</width>'
                 '<height>1</height></rect></property></widget>\n </widget>\n</ui>')
        # A second placement of the keyboard's cursor page, hidden at the window's end.
        marker = "  <!-- Shown over everything while settings are written to a device. -->"
        self.edit("main.xml", marker,
                  '  <widget class="kb_CURSOR_UI"><property name="geometry"><rect><x>0</x>'
                  '<y>0</y><width>800</width><height>480</height></rect></property>'
                  '<property name="visible" stdset="0"><bool>false</bool></property>'
                  '</widget>\n' + marker)
        self.edit("keyboard_cursor.xml", " </widget>\n</ui>", named)
        self.assertEqual(check(self.skin), [])
        self.edit("Mouse_key.xml", " </widget>\n</ui>", named.replace("ms_cursor_x_eidt",
                                                                        "closebtn"))
        self.assertReported("closebtn appears 2 times")

    def test_a_control_of_another_class(self):
        self.edit("Mouse_DPI.xml", 'class="QComboBox" name="ms_report_fct_combo"',
                  'class="QListWidget" name="ms_report_fct_combo"')
        self.assertReported("ms_report_fct_combo is a QListWidget, expected QComboBox")

    def test_a_device_tab_that_starts_shown(self):
        self.edit("main.xml", '<property name="text"><string>@tab_keyboard</string></property>\n'
                  '    <property name="visible" stdset="0"><bool>false</bool></property>',
                  '<property name="text"><string>@tab_keyboard</string></property>')
        self.assertReported("kb_tab: visible is True, expected False")

    def test_a_wrong_slider_range_and_item_count(self):
        self.edit("Mouse_DPI.xml", "<number>9</number>", "<number>10</number>")
        self.assertReported("ms_point_speed_slider: max is 10, expected 9")
        self.edit("main.xml", "<item><property name=\"text\"><string>@onboard_profile_5</string>"
                  "</property></item>", "")
        self.assertReported("mp_deng_combo_profile: items is 4, expected 5")

    def test_two_selected_options_in_a_group(self):
        self.edit("main.xml", '<property name="checkable"><bool>true</bool></property>\n'
                  '      <property name="option" stdset="0"><bool>true</bool></property>\n'
                  '      <property name="group" stdset="0"><string>kb_page_tab</string>',
                  '<property name="checkable"><bool>true</bool></property>\n'
                  '      <property name="checked"><bool>true</bool></property>\n'
                  '      <property name="option" stdset="0"><bool>true</bool></property>\n'
                  '      <property name="group" stdset="0"><string>kb_page_tab</string>')
        self.assertReported("group kb_page_tab starts with kb_deng_Op_tab, kb_key_Op_tab all "
                            "selected")

    def test_a_tab_layout_showing_a_page_it_does_not_have(self):
        self.edit("main.xml", '<property name="currentIndex"><number>3</number></property>',
                  '<property name="currentIndex"><number>5</number></property>')
        self.assertReported("tab_switch: shows page 5 of 5")

    def test_a_plain_word_instead_of_a_text_id(self):
        self.edit("Mouse_DPI.xml", "<string>@ms_dpi_title</string>", "<string>DPI</string>")
        self.assertReported("shows 'DPI', which is not a language text id")

    def test_a_malformed_colour(self):
        self.edit("GmPalletDialog.xml", "<string>0xFF0199CB</string>", "<string>#0199CB</string>")
        self.assertReported("color_show_btn: bkcolor '#0199CB' is not 0xAARRGGBB")

    def test_a_picture_of_the_wrong_size_or_outside_the_folder(self):
        shutil.copy(os.path.join(self.skin, "common", "icon.png"),
                    os.path.join(self.skin, "common", "btn_close.png"))
        self.assertReported("picture common/btn_close.png is 64x64, the control 40x32")
        self.edit("main.xml", "<string>common/btn_min.png</string>", "<string>../x.png</string>")
        self.assertReported("minbtn: file name '../x.png' leaves the skin folder")
        os.remove(os.path.join(self.skin, "common", "logo.png"))
        self.assertReported("picture common/logo.png is missing")

    def test_a_picture_on_a_control_without_a_name(self):
        self.edit("main.xml", 'class="QLabel" name="caption_logo"', 'class="QLabel"')
        self.assertReported("a QLabel without a name has bkimage, which no toolkit applies to it")

    def test_a_page_of_another_size_than_its_place(self):
        self.edit("Mouse_DPI.xml", "<width>800</width><height>480</height>",
                  "<width>800</width><height>500</height>")
        self.assertReported("page Mouse_DPI.xml is 800x500, its place 800x480")

    def test_a_control_outside_its_parent(self):
        self.edit("Mouse_DPI.xml", "<x>512</x><y>420</y>", "<x>512</x><y>460</y>")
        self.assertReported("ms_one_profile_default at 512,460 272x36 lies outside")

    def test_an_id_a_language_file_lacks(self):
        self.edit("lan_sn.xml", 'id="palette_title"', 'id="palette_titles"')
        self.assertReported("lan_sn.xml: text id palette_title is used by the skin but not "
                            "defined")

    def test_a_broken_file_and_a_resource_leaving_the_folder(self):
        self.edit("msg.xml", "</ui>", "")
        self.assertReported("msg.xml:")
        self.edit("res.xml", 'file="main.xml"', 'file="../main.xml"')
        self.assertReported("'../main.xml' leaves the skin folder")

    def test_a_menu_without_an_item(self):
        self.edit("menu1.xml", 'name="About_setting"', 'name="About"')
        self.assertReported("menu1.xml: item About_setting is missing")


if __name__ == "__main__":
    unittest.main()
