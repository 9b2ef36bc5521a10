#pragma once
// The label of a key function: a language text id, or a macro's name shown as written.

#include <functional>
#include <optional>
#include <string>

#include "device/DeviceKind.h"
#include "keys/KeyFunction.h"

namespace quillon::keys {

struct KeyLabel {
    std::string text;
    bool literal = false;  // a macro name: shown as it is, never translated
    friend bool operator==(const KeyLabel&, const KeyLabel&) = default;
};

// The device kind's macro index: how many macros it lists and the name of one. The count is read
// before any name, and a name only for a number below it.
struct MacroNames {
    std::function<int()> count;
    std::function<std::string(int)> name;
};

// The keyboard's label for types no rule covers (it has no text id).
inline constexpr const char* kKeyboardClosedText = "关闭";

// The label of `f` on a device of `kind`; nothing when the caller keeps the label it has.
std::optional<KeyLabel> labelFor(DeviceKind kind, KeyFunction f, const MacroNames& macros);

}  // namespace quillon::keys
