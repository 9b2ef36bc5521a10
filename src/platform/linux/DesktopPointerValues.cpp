#include "platform/linux/DesktopPointerValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/PointerSettings.h"

namespace quillon {
namespace {

constexpr double kStepsBelowUsual = kPointerSettingsSpeedDefault - kPointerSettingsSpeedMin;
constexpr double kStepsAboveUsual = kPointerSettingsSpeedMax - kPointerSettingsSpeedDefault;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

double accelerationForSpeed(int speed) {
    const int steps = pointerSpeedInRange(speed) - kPointerSettingsSpeedDefault;
    return steps < 0 ? steps / kStepsBelowUsual : steps / kStepsAboveUsual;
}

int speedForAcceleration(double acceleration) {
    const double a = std::clamp(acceleration, -1.0, 1.0);
    const double steps = a < 0 ? a * kStepsBelowUsual : a * kStepsAboveUsual;
    return pointerSpeedInRange(kPointerSettingsSpeedDefault + static_cast<int>(std::lround(steps)));
}

std::string formatAcceleration(double acceleration) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, acceleration, std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(buffer, end) : std::string("0.000");
}

std::optional<double> parseAcceleration(std::string_view output) {
    const std::string_view text = trimmed(output);
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseWholeNumber(std::string_view output) {
    const std::string_view text = trimmed(output);
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quillon
