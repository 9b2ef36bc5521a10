#include "device/DeviceKind.h"

#include <cctype>

namespace quillon {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view kindName(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Keyboard: return "keyboard";
        case DeviceKind::Mouse: return "mouse";
        case DeviceKind::Mousepad: return "mousepad";
    }
    return "";
}

std::string_view kindPrefix(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Keyboard: return "kb";
        case DeviceKind::Mouse: return "ms";
        case DeviceKind::Mousepad: return "mp";
    }
    return "";
}

bool kindFromName(std::string_view text, DeviceKind& out) {
    for (DeviceKind kind : kAllDeviceKinds) {
        if (equalsNoCase(text, kindName(kind)) || equalsNoCase(text, kindPrefix(kind))) {
            out = kind;
            return true;
        }
    }
    return false;
}

}  // namespace quillon
