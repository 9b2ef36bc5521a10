#pragma once
// What a headless control behaves as, decided by its skin class (or the class it extends), and
// which properties apply to each kind. A property that does not apply is ignored when set and
// reads back as its default.

#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace quillon::toolkit::headless {

enum class ControlKind {
    Container,  // QWidget, QFrame, page placeholders, unknown classes
    Label,
    Button,
    Option,    // QRadioButton
    CheckBox,  // QCheckBox
    Combo,
    List,
    Slider,
    Edit,
    Stacked,  // QStackedWidget: its child widgets are its pages
    KeyButton,
    Progress,  // CircleProgress
    Palette,   // ColorPalette
    Chart,     // ChartView
    Host,      // Wnd
};

// The kind of the first class of `chain` (a class and the classes it extends) that is known.
ControlKind kindOfClasses(const std::vector<std::string>& chain);

bool kindShowsText(ControlKind kind);  // Text and TextId can be set
bool kindHasItems(ControlKind kind);   // combo and list
bool kindHasRange(ControlKind kind);   // Value, Min, Max
bool kindIsButton(ControlKind kind);   // can be clicked
// Whether `prop` applies to a control of `kind` (Selected also needs a selectable control).
bool propApplies(ControlKind kind, Prop prop);

}  // namespace quillon::toolkit::headless
