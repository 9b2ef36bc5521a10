#include "toolkit/headless/ControlKind.h"

#include <string_view>
#include <utility>

namespace quillon::toolkit::headless {
namespace {

constexpr std::pair<std::string_view, ControlKind> kClasses[] = {
    {"QWidget", ControlKind::Container},
    {"QFrame", ControlKind::Container},
    {"QGroupBox", ControlKind::Container},
    {"QScrollArea", ControlKind::Container},
    {"QLabel", ControlKind::Label},
    {"QPushButton", ControlKind::Button},
    {"QToolButton", ControlKind::Button},
    {"QRadioButton", ControlKind::Option},
    {"QCheckBox", ControlKind::CheckBox},
    {"QComboBox", ControlKind::Combo},
    {"QListWidget", ControlKind::List},
    {"QSlider", ControlKind::Slider},
    {"QScrollBar", ControlKind::Slider},
    {"QLineEdit", ControlKind::Edit},
    {"QTextEdit", ControlKind::Edit},
    {"QPlainTextEdit", ControlKind::Edit},
    {"QStackedWidget", ControlKind::Stacked},
    {"QTabWidget", ControlKind::Stacked},
    {"DeviceKeyButton", ControlKind::KeyButton},
    {"CircleProgress", ControlKind::Progress},
    {"QProgressBar", ControlKind::Progress},
    {"ColorPalette", ControlKind::Palette},
    {"ChartView", ControlKind::Chart},
    {"Wnd", ControlKind::Host},
    // The custom controls also go by their full class names.
    {"CDeviceKeyButtonUI", ControlKind::KeyButton},
    {"CCircleProgressUI", ControlKind::Progress},
    {"CChartViewUI", ControlKind::Chart},
    {"CWndUI", ControlKind::Host},
};

}  // namespace

ControlKind kindOfClasses(const std::vector<std::string>& chain) {
    for (const std::string& name : chain) {
        for (const auto& [known, kind] : kClasses) {
            if (name == known) {
                return kind;
            }
        }
    }
    return ControlKind::Container;
}

bool kindShowsText(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::Option:
        case ControlKind::CheckBox:
        case ControlKind::Edit:
        case ControlKind::KeyButton:
            return true;
        default:
            return false;
    }
}

bool kindHasItems(ControlKind kind) {
    return kind == ControlKind::Combo || kind == ControlKind::List;
}

bool kindHasRange(ControlKind kind) {
    return kind == ControlKind::Slider || kind == ControlKind::Progress;
}

bool kindIsButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::Option ||
           kind == ControlKind::CheckBox || kind == ControlKind::KeyButton ||
           kind == ControlKind::Label;
}

bool propApplies(ControlKind kind, Prop prop) {
    switch (prop) {
        case Prop::Text:
            return kindShowsText(kind) || kind == ControlKind::Combo;
        case Prop::TextId:
            return kindShowsText(kind);
        case Prop::Selected:
            return kind == ControlKind::Button || kind == ControlKind::Option ||
                   kind == ControlKind::CheckBox || kind == ControlKind::KeyButton;
        case Prop::Value:
        case Prop::Min:
        case Prop::Max:
            return kindHasRange(kind);
        case Prop::Index:
            return kindHasItems(kind) || kind == ControlKind::Stacked;
        case Prop::PaletteColor:
            return kind == ControlKind::Palette;
        case Prop::Remapped:
        case Prop::Light:
        case Prop::LightColor:
        case Prop::LightAlpha:
            return kind == ControlKind::KeyButton;
        default:
            return true;
    }
}

}  // namespace quillon::toolkit::headless
