#include "toolkit/PropText.h"

#include <charconv>

#include "toolkit/Colour.h"

namespace quillon::toolkit {

bool parseInteger(std::string_view text, std::int64_t& out) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text[0] == '-' || text[0] == '+') {
        return false;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (magnitude > limit) {
        return false;
    }
    out =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

bool propValueAsBool(const PropValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) {
        return *b;
    }
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value)) {
        return *i != 0;
    }
    const std::string& s = std::get<std::string>(value);
    return s == "true" || s == "1";
}

std::int64_t propValueAsInt(const PropValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) {
        return *b ? 1 : 0;
    }
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value)) {
        return *i;
    }
    const std::string& s = std::get<std::string>(value);
    std::int64_t parsed = 0;
    if (parseInteger(s, parsed)) {
        return parsed;
    }
    Argb colour = 0;
    return parseColour(s, colour) ? std::int64_t{colour} : 0;
}

std::string formatPropValue(Prop prop, const PropValue& value) {
    switch (propType(prop)) {
        case PropType::Bool:
            return propValueAsBool(value) ? "true" : "false";
        case PropType::Int:
            return std::to_string(propValueAsInt(value));
        case PropType::Colour:
            return formatColour(static_cast<Argb>(propValueAsInt(value)));
        case PropType::String:
            break;
    }
    if (const std::string* s = std::get_if<std::string>(&value)) {
        return *s;
    }
    if (const bool* b = std::get_if<bool>(&value)) {
        return *b ? "true" : "false";
    }
    return std::to_string(std::get<std::int64_t>(value));
}

bool parsePropValue(Prop prop, std::string_view text, PropValue& out) {
    switch (propType(prop)) {
        case PropType::Bool:
            if (text == "true" || text == "1") {
                out = true;
                return true;
            }
            if (text == "false" || text == "0") {
                out = false;
                return true;
            }
            return false;
        case PropType::Int: {
            std::int64_t n = 0;
            if (!parseInteger(text, n)) {
                return false;
            }
            out = n;
            return true;
        }
        case PropType::Colour: {
            Argb colour = 0;
            if (!parseColour(text, colour)) {
                return false;
            }
            out = std::int64_t{colour};
            return true;
        }
        case PropType::String:
            out = std::string(text);
            return true;
    }
    return false;
}

}  // namespace quillon::toolkit
