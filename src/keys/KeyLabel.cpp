#include "keys/KeyLabel.h"

#include "keys/KeyCatalogs.h"

namespace quillon::keys {
namespace {

using Label = std::optional<KeyLabel>;

Label textId(std::string_view id) {
    if (id.empty()) {
        return std::nullopt;
    }
    return KeyLabel{std::string(id), false};
}

// A keyboard key: the key table's name, with a shortcut's name taking its place.
Label keyLabel(KeyFunction f) {
    Label label;
    if (auto row = catalogPosition(keyCodeTable(), f)) {
        label = textId(keyCodeTable()[*row].textId);
    }
    if (auto pos = catalogPosition(shortcutCatalog(), f)) {
        label = textId(shortcutCatalog()[*pos].textId);
    }
    return label;
}

// Entries compared on param1 only (mouse buttons, DPI functions).
Label byFirstParameter(Catalog catalog, KeyFunction f) {
    for (const CatalogEntry& e : catalog) {
        if (e.function.param1 == f.param1) {
            return textId(e.textId);
        }
    }
    return std::nullopt;
}

Label byParameters(Catalog catalog, KeyFunction f) {
    const auto pos = catalogPosition(catalog, f);
    return pos ? textId(catalog[*pos].textId) : std::nullopt;
}

Label macroLabel(KeyFunction f, const MacroNames& macros) {
    if (!macros.count || !macros.name) {
        return std::nullopt;
    }
    const int count = macros.count();
    if (f.param1 >= count) {
        return std::nullopt;
    }
    return KeyLabel{macros.name(f.param1), true};
}

Label cursorLabel(DeviceKind kind, KeyFunction f) {
    if (kind != DeviceKind::Mouse) {
        return KeyLabel{kKeyboardClosedText, true};
    }
    // Sequence numbers above 3 name no sequence: the label stays.
    if (f.param1 > 3) {
        return std::nullopt;
    }
    return KeyLabel{"GUN_" + std::to_string(f.param1 + 1), false};
}

Label otherLabel(DeviceKind kind) {
    if (kind == DeviceKind::Mouse) {
        return KeyLabel{"close_text", false};
    }
    return KeyLabel{kKeyboardClosedText, true};
}

}  // namespace

std::optional<KeyLabel> labelFor(DeviceKind kind, KeyFunction f, const MacroNames& macros) {
    switch (f.type) {
        case fn::kNone:
        case fn::kKey:
            return keyLabel(f);
        case fn::kMouseButton:
            return byFirstParameter(mouseButtonCatalog(), f);
        case fn::kHorizontalSwing:
            return KeyLabel{(f.param2 & 0x80) ? "mouse_key_right_Swing" : "mouse_key_left_Swing",
                            false};
        case fn::kVerticalSwing:
            return KeyLabel{(f.param2 & 0x80) ? "mouse_key_down_Swing" : "mouse_key_up_Swing",
                            false};
        case fn::kDpi:
            return byFirstParameter(dpiCatalog(), f);
        case fn::kFire:
            return KeyLabel{"mouse_key_fire_key", false};
        case fn::kConsumerOld:
        case fn::kConsumer:
            return byParameters(consumerCatalog(), f);
        case fn::kSystem:
            return byParameters(systemCatalog(), f);
        case fn::kMacroMode:
        case fn::kMacroRepeat:
            return macroLabel(f, macros);
        case fn::kCursorSequence:
            return cursorLabel(kind, f);
        case fn::kDeviceOnly:
        case 0x50:
        case 0x60:
        case 0xA0:
        case 0xB0:
        case 0xC0:
            return std::nullopt;
        default:
            return otherLabel(kind);
    }
}

}  // namespace quillon::keys
