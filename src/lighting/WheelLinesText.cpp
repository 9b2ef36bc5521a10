#include "lighting/WheelLinesText.h"

#include <climits>

#include "lighting/HostSettings.h"

namespace quillon::lighting {

int leadingNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) {
        return 0;
    }
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<std::string> correctedWheelLinesText(std::string_view text) {
    const int lines = leadingNumber(text);
    if (lines > kWheelLinesMax) {
        return std::to_string(kWheelLinesMax);
    }
    if (lines < kWheelLinesMin) {
        return std::to_string(kWheelLinesMin);
    }
    return std::nullopt;
}

}  // namespace quillon::lighting
