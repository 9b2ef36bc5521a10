#include "platform/IniText.h"

#include <climits>
#include <cstdint>

namespace quillon::ini {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool isWritableName(std::string_view name) {
    return !name.empty() && !hasLineBreakOrNul(name) && trim(name).size() == name.size();
}

}  // namespace

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

bool isBlank(std::string_view text) {
    return trim(text).empty();
}

std::string_view unquote(std::string_view trimmed) {
    if (trimmed.size() >= 2 && isQuote(trimmed.front()) && trimmed.back() == trimmed.front()) {
        return trimmed.substr(1, trimmed.size() - 2);
    }
    return trimmed;
}

std::string quoteIfNeeded(std::string_view value) {
    if (trim(value).size() != value.size() || unquote(value).size() != value.size()) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

std::string_view cutToCharacters(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && ++characters > limit) {
            return text.substr(0, i);
        }
    }
    return text;
}

int leadingInt(std::string_view text) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{INT_MAX} + 1) {
            magnitude = std::int64_t{INT_MAX} + 1;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

LineView classify(std::string_view line) {
    LineView view;
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return view;
    }
    if (trimmed.front() == '[') {
        const auto close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            view.kind = LineView::Kind::Section;
            view.name = trim(trimmed.substr(1, close - 1));
        }
        return view;
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return view;
    }
    view.name = trim(trimmed.substr(0, equals));
    if (!view.name.empty()) {
        view.kind = LineView::Kind::Key;
        view.value = unquote(trim(trimmed.substr(equals + 1)));
    }
    return view;
}

bool equalsFolded(std::string_view text, std::string_view folded) {
    if (text.size() != folded.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != folded[i]) {
            return false;
        }
    }
    return true;
}

std::optional<std::string_view> scanValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    const std::string wantedSection = fold(section);
    const std::string wantedKey = fold(key);
    bool inSection = wantedSection.empty();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    while (!text.empty()) {
        const auto end = text.find('\n');
        const LineView line = classify(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.kind == LineView::Kind::Section) {
            inSection = equalsFolded(line.name, wantedSection);
        } else if (inSection && line.kind == LineView::Kind::Key &&
                   equalsFolded(line.name, wantedKey)) {
            return line.value;
        }
    }
    return std::nullopt;
}

bool isWritableValue(std::string_view value) {
    return !hasLineBreakOrNul(value);
}

bool isWritableSection(std::string_view section) {
    return isWritableName(section);
}

bool isWritableKey(std::string_view key) {
    return isWritableName(key) && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

}  // namespace quillon::ini
