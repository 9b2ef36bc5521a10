#pragma once
// The place of each group of rows in the routing tables. Lower runs first; within a table the
// first matching row wins.

namespace quillon::app::route {

// "click"
inline constexpr int kWindowButtons = 10;             // caption buttons, before everything else
inline constexpr int kClickKeyboardPaint = 95;        // "kb_key_"/"kb_dkey_" N, lighting tab
inline constexpr int kClickKeyboardKeys = 100;        // "kb_key_" N
inline constexpr int kClickKeyboardColourKeys = 110;  // "kb_dkey_" N
inline constexpr int kClickDpiColour = 120;           // "ms_DPIcolor_btn_" 1..5
inline constexpr int kClickPresetColours = 130;       // "ms/mp/kb_Deng_color_btn_" N
inline constexpr int kClickMouseProfiles = 140;       // "ms_profile_" N
inline constexpr int kClickBulletOptions = 150;       // "ms_bullet_op_" N
inline constexpr int kClickCursor = 200;
inline constexpr int kClickShell = 300;  // "menubtn", "dpi_btn"
inline constexpr int kClickMouseButtons = 400;
inline constexpr int kClickKeyboardAssign = 410;
inline constexpr int kClickLinks = 500;
inline constexpr int kClickMacroEditor = 600;
inline constexpr int kClickTransfer = 700;
inline constexpr int kClickMouseSettings = 800;
inline constexpr int kClickMousepad = 810;
inline constexpr int kClickMouseLighting = 820;
inline constexpr int kClickSameMode = 900;
inline constexpr int kClickProfiles = 1000;
inline constexpr int kClickDebug = 1100;

// "selectchanged"
inline constexpr int kSelectOptions = 100;   // cursor sequences and macro options
inline constexpr int kSelectLighting = 200;  // lighting check boxes
inline constexpr int kSelectGuard = 300;     // the macro editors' editing guard
inline constexpr int kSelectPrelude = 400;   // every other selection removes the input hooks
inline constexpr int kSelectTabs = 410;
inline constexpr int kSelectLinks = 420;
inline constexpr int kSelectKeyboardSwitches = 430;
inline constexpr int kSelectMouseButtons = 440;     // "ms_key_" 0..6

// Other tables have no inner order; one value is enough.
inline constexpr int kDefault = 100;

// "colorchanged": the lighting pages' palettes, before the plain colour store.
inline constexpr int kColourLightingPages = 90;

}  // namespace quillon::app::route
