"""The controls the program looks up in each window, with what it expects of them.

Each window maps a control name to (class, expectations). Class None accepts any class. The
expectations are checked against the skin: "visible" (the starting state), "items" (number of
combo entries), "pages" (pages of a tab layout), "min"/"max" (slider range), "group" (the option
group, or True for any), "userdata".
"""

PROFILE_LISTS = [("kb", "device"), ("kb", "key"), ("kb", "deng"), ("ms", "device"),
                 ("ms", "key"), ("ms", "deng"), ("mp", "deng")]
CANCEL_LINK_LISTS = [("ms", "device"), ("kb", "deng"), ("kb", "device")]
PROFILE_TOOLS = ["add", "sub", "copy", "import", "export", "reset"]

BUTTON = "QPushButton"
HIDDEN = {"visible": False}
OPTION = {"group": True}


def _main_window():
    c = {
        "root": ("QWidget", {}),
        "tab_switch": ("QStackedWidget", {"pages": 5}),
        "setting_progress": ("CircleProgress", HIDDEN),
        "dpi_btn": (BUTTON, {"visible": False, "userdata": "100"}),
        "ani_flash": (None, {}),
    }
    for name in ("menubtn", "skinbtn", "minbtn", "closebtn"):
        c[name] = (BUTTON, {})
    for name in ("maxbtn", "restorebtn"):
        c[name] = (BUTTON, HIDDEN)
    for name in ("kb_tab", "ms_tab", "mp_tab", "ani_tab", "split_tab"):
        c[name] = (BUTTON, {"visible": False, "group": "main_tab"})
    # Keyboard frame.
    c.update({
        "kb_tab_panel": (None, {}),
        "kb_tab_switch": ("QStackedWidget", {"pages": 4}),
        "kb_deng_layout": ("kb_Deng_UI", {}),
        "kb_tab_key_seting": ("kb_Key_UI", HIDDEN),
        "kb_tab_function": (None, HIDDEN),
        "kb_profile_select_tab": (None, {}),
    })
    for tab in ("deng", "key", "macro", "cursor"):
        c["kb_%s_Op_tab" % tab] = (BUTTON, OPTION)
    # Mouse frame.
    c.update({
        "ms_tab_panel": (None, {}),
        "ms_tab_switch": ("QStackedWidget", {"pages": 5}),
        "ms_tab_function": (None, HIDDEN),
    })
    for tab in ("deng", "macro", "key", "rich", "cursor"):
        c["ms_%s_Op_tab" % tab] = (BUTTON, OPTION)
    for n in range(5):
        c["ms_profile_%d" % n] = (BUTTON, {"group": "ms_onboard_profile"})
    # Mousepad frame.
    c.update({
        "mp_tab_panel": (None, {}),
        "mp_deng_combo_profile": ("QComboBox", {"items": 5}),
    })
    for dev in ("kb", "ms", "mp"):
        c["%s_profile_fun_spread_btn" % dev] = (BUTTON, {})
        c["%s_profile_fun_spead_tab" % dev] = (None, HIDDEN)
    c.update(_profile_controls())
    c.update(_performance_page())
    c.update(_lighting_pages())
    c.update(_key_pages())
    return c


def _lighting_pages():
    c = {}
    slider = {"min": 0, "max": 4}
    for dev in ("ms", "mp", "kb"):
        c["%s_deng_light_slider" % dev] = ("QSlider", slider)
        c["%s_deng_speed_slider" % dev] = ("QSlider", slider)
        c["%s_deng_Color_Pallet" % dev] = ("ColorPalette", {})
        c["%s_deng_same_mode" % dev] = (BUTTON, {})
        c["%s_Deng_colordp_btn" % dev] = (BUTTON, {})
        for panel in ("fx", "7colorselect", "speed", "color"):
            c["%s_deng_%s_layout" % (dev, panel)] = (None, {})
        for check in ("7color", "FXL", "FXR"):
            c["%s_Deng_%s_check" % (dev, check)] = ("QCheckBox", {})
        for comp in "RGB":
            c["%s_Deng_edit_%s" % (dev, comp)] = ("QLineEdit", {})
        for n in range(30):
            c["%s_Deng_color_btn_%d" % (dev, n)] = (BUTTON, {})
    c["ms_deng_combo_modeSelect1"] = ("QComboBox", {"items": 7})
    c["ms_deng_combo_modeSelect0"] = ("QComboBox", {"items": 6, "visible": False})
    c["ms_deng_combo_modeSelect2"] = ("QComboBox", {"items": 7, "visible": False})
    c["mp_deng_combo_modeSelect"] = ("QComboBox", {"items": 10})
    c["kb_deng_combo_modeSelect"] = ("QComboBox", {"items": 17})
    c["kb_deng_onecolor_combo_modeSelect"] = ("QComboBox", {"items": 17, "visible": False})
    c["kb_deng_combo_curtom_count"] = ("QComboBox", {"items": 5})
    c["mp_one_profile_default"] = (BUTTON, {})
    for n in range(20):
        c["ms_dkey_%d" % n] = (None, {})
    for n in range(15):
        c["mp_dkey_%d" % n] = (None, {})
    for name in ("kb_deng_color_display_layout", "kb_deng_rgb_layout", "kb_deng_color_lump"):
        c[name] = (None, {})
    for name in ("kb_deng_custom_tool_layout", "kb_deng_custom_select_layout",
                 "kb_deng_custom_color_layout"):
        c[name] = (None, HIDDEN)
    c["kb_Deng_custom_colordp_btn"] = (BUTTON, {})
    c["kb_Deng_label_FXL"] = ("QLabel", {})
    c["kb_Deng_label_FXR"] = ("QLabel", {})
    c["kb_Deng_all_bright_check"] = ("QCheckBox", {})
    c["kb_Deng_all_kill_check"] = ("QCheckBox", {})
    for n in range(126):
        c["kb_dkey_%d" % n] = ("DeviceKeyButton", {})
    for name in ("ms_deng_body", "mp_deng_body", "kb_deng_keys"):
        c[name] = (None, {})
    return c


def _function_editor(p, categories, items):
    """The function editor of a key page: the controls the page reads and sets."""
    c = {"%s_key_fct_combo" % p: ("QComboBox", {"items": categories}),
         "%s_tab_function_0" % p: (None, {})}
    for i in range(1, categories):
        c["%s_tab_function_%d" % (p, i)] = (None, HIDDEN)
    c["%s_tab_function_26" % p] = (None, HIDDEN)
    for n, count in items.items():
        c["%s_key_fct_combo_%d" % (p, n)] = ("QComboBox", {"items": count})
    for n in (11, 12, 15, 16, 17, 18, 19, 20, 21, 25):
        c["%s_key_fct_edit_%d" % (p, n)] = ("QLineEdit", {})
    c["%s_key_butt_keydefalut" % p] = (BUTTON, {})
    return c


def _key_pages():
    combos = {11: 5, 12: 2, 13: 2, 14: 3, 21: 18, 22: 3, 23: 0, 24: 5, 26: 11}
    c = _function_editor("ms", 12, {**combos, 25: 4})
    c.update(_function_editor("kb", 11, combos))
    c["ms_key_butt_keysave"] = (BUTTON, {})
    for n in range(7):
        c["ms_key_%d" % n] = (BUTTON, {"group": "ms_key_button"})
        c["ms_key_%d_0" % n] = ("QLabel", {})
    for n in range(126):
        c["kb_key_%d" % n] = ("DeviceKeyButton", {})
    return c


def _profile_controls():
    c = {}
    for dev, lst in PROFILE_LISTS:
        c["%s_%s_profile_combo" % (dev, lst)] = ("QComboBox", {})
        c["%s_%s_profile_name_edit" % (dev, lst)] = ("QLineEdit", {})
        c["%s_%s_profile_edit_save_btn" % (dev, lst)] = (BUTTON, {})
        c["%s_%s_profile_link_check" % (dev, lst)] = ("QCheckBox", {})
        c["%s_%s_profile_link_btn" % (dev, lst)] = (BUTTON, {})
        c["%s_%s_profile_link_edit" % (dev, lst)] = ("QLineEdit", {})
        c["%s_%s_profile_link_name_hor" % (dev, lst)] = (None, HIDDEN)
        for tool in PROFILE_TOOLS:
            c["%s_pro_%s_%s_btn" % (dev, lst, tool)] = (BUTTON, {})
        if lst != "device":
            c["%s_pro_%s_edit_btn" % (dev, lst)] = (BUTTON, {})
            c["%s_%s_profile_edit" % (dev, lst)] = (None, HIDDEN)
    for dev, lst in CANCEL_LINK_LISTS:
        c["%s_%s_cancle_link_btn" % (dev, lst)] = (BUTTON, {})
    c["kb_device_profile_edit"] = (None, {})
    return c


def _performance_page():
    c = {}
    for n in range(1, 7):
        row = HIDDEN if n == 6 else {}
        c["ms_DPI%d_label_rank" % n] = ("QLabel", row)
        c["ms_DPI%d_label_value" % n] = ("QLabel", row)
        c["ms_DPI%d_min" % n] = ("QLabel", row)
        c["ms_DPI%d_max" % n] = ("QLabel", row)
        c["ms_DPI%d_slider" % n] = ("QSlider", row)
        c["ms_DPIcolor_btn_%d" % n] = (BUTTON, row)
    c.update({
        "ms_report_fct_combo": ("QComboBox", {"items": 4}),
        "ms_point_speed_slider": ("QSlider", {"min": 0, "max": 9}),
        "ms_sensor_height_slider": ("QSlider", {"min": 0, "max": 2}),
        "ms_gunlun_speed_down_btn": (BUTTON, {}),
        "ms_gunlun_speed_up_btn": (BUTTON, {}),
        "ms_gunlun_speed_edit": ("QLineEdit", {}),
        "ms_one_profile_default": (BUTTON, {}),
    })
    return c


def _palette_window():
    c = {
        "Pallet": ("ColorPalette", {}),
        "color_show_btn": (BUTTON, {}),
        "okbtn": (BUTTON, {}),
        "closebtn": (BUTTON, {}),
        "Pallet_BTN_OK": (None, HIDDEN),
        "Pallet_BTN_CANCEL": (None, HIDDEN),
    }
    for n in range(30):
        c["ms_dpi_color_png_%d" % n] = (BUTTON, {})
    return c


def _skin_window():
    c = {
        "skin_image": (BUTTON, OPTION),
        "skin_color": (BUTTON, OPTION),
        "skin_tab": ("QStackedWidget", {"pages": 2}),
        "skin_reset": (BUTTON, {}),
        "skin_Custom": (BUTTON, {}),
        "skin_image_btn_1": (BUTTON, {"userdata": "common/background.png"}),
        "skin_color_btn_1": (BUTTON, {}),
    }
    return c


# Window skins, by the file name or resource id the program asks for.
WINDOWS = {
    "XML_MAIN": _main_window(),
    "XML_MSG": {
        "MessageTitle": ("QLabel", {}),
        "MessageText": ("QLabel", {}),
        "confirm_btn": (BUTTON, {}),
        "cancel_btn": (BUTTON, {}),
        "closebtn": (BUTTON, {}),
    },
    "CopyRight.xml": {
        "closebtn": (BUTTON, {}),
        "NetText": ("QLabel", {}),
        "about_version_label": ("QLabel", {}),
    },
    "GmPalletDialog.xml": _palette_window(),
    "skin.xml": _skin_window(),
}


def _cursor_page():
    """The mouse's cursor-sequence page (MS_CURSOR_UI)."""
    c = {
        "bullet_select_index": ("QLabel", {}),
        "bullet_selected_prev": (BUTTON, {}),
        "bullet_selected_next": (BUTTON, {}),
        "cursor_edit_layout": (None, {}),
        "ms_cursor_delay_eidt": ("QLineEdit", {}),
        "ms_cursor_x_eidt": ("QLineEdit", {}),
        "ms_cursor_y_eidt": ("QLineEdit", {}),
        "ms_cursor_x_check": ("QCheckBox", {}),
        "ms_cursor_y_check": ("QCheckBox", {}),
    }
    for n in range(4):
        c["ms_gun_op_%d" % n] = (BUTTON, {"group": "ms_gun"})
    for n in range(30):
        c["ms_bullet_op_%d" % n] = (BUTTON, {"group": "ms_bullet"})
    for tool in ("save", "reset", "import", "export"):
        c["ms_bulletdate_%s_btn" % tool] = (BUTTON, {})
    return c


WINDOWS["XML_MAIN"].update(_cursor_page())


def _macro_editor(p):
    """The macro editor of the mouse's and the keyboard's macro pages."""
    c = {
        p + "MacroName": (None, {}),
        p + "MacroMouseEvent": (None, HIDDEN),
        p + "MacroName_list": ("QListWidget", {}),
        p + "Macro_list": ("QListWidget", {}),
        p + "macro_edit_macroname": ("QLineEdit", {}),
        p + "macro_tab_saveorcancel": (None, HIDDEN),
        p + "tab_macro_edit": ("QStackedWidget", {"pages": 3}),
        p + "macro_combo_keyselect": ("QComboBox", {}),
        p + "macro_combo_upordown": ("QComboBox", {"items": 2}),
        p + "macro_combo_mouselect": ("QComboBox", {"items": 14}),
        p + "macro_tab_mou_pointer_skewing": (None, HIDDEN),
        p + "macro_edit_mou_pointer_skewing": ("QLineEdit", {}),
        p + "_macro_edit_ActionDelay": ("QLineEdit", {}),
        p + "_macro_edit_mou_action_delay": ("QLineEdit", {}),
        p + "macro_btn_shubiao": ("QCheckBox", {}),
        p + "key_butt_prosave": (BUTTON, {}),
    }
    for b in ("name_add", "name_sub", "savemacroname", "import", "export", "redio", "save",
              "cancel", "up", "down", "uptop", "downbottom", "delete", "deleteall"):
        c[p + "macro_btn_" + b] = (BUTTON, {})
    for o in ("keyboard_event", "mouse_click", "mouse_roller", "mouse_move", "check_time"):
        c[p + "macro_" + o] = ("QCheckBox", {})
    for k in ("leftkey", "moudlekey", "rightkey", "forwardkey", "backkey"):
        c["%smacro_inset_%s_btn" % (p, k)] = (BUTTON, {})
        c["%smacro_inset_%s_tab" % (p, k)] = (None, HIDDEN)
        c["%smacro_inset_%sdown_btn" % (p, k)] = (BUTTON, {})
        c["%smacro_inset_%sup_btn" % (p, k)] = (BUTTON, {})
    for k, e in (("moveleftkey", "x_left"), ("moverightkey", "x_right"), ("moveupkey", "y_up"),
                 ("movedownkey", "y_down")):
        c["%smacro_inset_%s_btn" % (p, k)] = (BUTTON, {})
        c["%smouse_%s_edit" % (p, e)] = ("QLineEdit", {})
    return c


WINDOWS["XML_MAIN"].update(_macro_editor("ms_"))
WINDOWS["XML_MAIN"].update(_macro_editor("kb_"))

MENUS = {
    "menu.xml": ["lan_en", "lan_cn", "About_setting"],
    "menu1.xml": ["lan_en", "lan_cn", "About_setting"],
}

LANGUAGE_FILES = ["lan_en.xml", "lan_cn.xml", "lan_sn.xml"]
