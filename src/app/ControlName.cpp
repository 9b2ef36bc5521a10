#include "app/ControlName.h"

#include <cctype>

namespace quillon::app {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string toLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = lower(c);
    }
    return out;
}

std::optional<SplitName> splitControlName(std::string_view name) {
    const auto cut = name.rfind('_');
    if (cut == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(cut + 1);
    if (digits.empty() || digits.size() > 9) {
        return std::nullopt;
    }
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return SplitName{std::string(name.substr(0, cut + 1)), number};
}

}  // namespace quillon::app
