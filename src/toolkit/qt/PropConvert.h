#pragma once
// Reading a property value as the type a property needs.

#include <QString>
#include <climits>
#include <cstdint>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/PropText.h"

namespace quillon::toolkit::qt {

inline std::string propString(const PropValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "true" : "false";
    }
    return std::to_string(std::get<std::int64_t>(value));
}

inline QString propQString(const PropValue& value) {
    return QString::fromStdString(propString(value));
}

inline bool propBool(const PropValue& value) {
    return propValueAsBool(value);
}

inline std::int64_t propInt(const PropValue& value) {
    return propValueAsInt(value);
}

// An int property clamped into int's range.
inline int propIntClamped(const PropValue& value) {
    const std::int64_t number = propValueAsInt(value);
    if (number > INT_MAX) {
        return INT_MAX;
    }
    if (number < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(number);
}

inline Argb propColour(const PropValue& value) {
    return static_cast<Argb>(propValueAsInt(value));
}

}  // namespace quillon::toolkit::qt
