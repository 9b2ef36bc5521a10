#include "app/scenario/ScenarioScript.h"

#include "platform/HexText.h"

#include <cctype>

namespace quillon::scenario {
namespace {

// Splits one line; false with a reason when a quote is not closed or an escape is unknown.
bool splitLine(std::string_view line, std::vector<std::string>& args, std::string& reason) {
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') {
            break;
        }
        std::string arg;
        if (c != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '#') {
                arg += line[i++];
            }
            args.push_back(std::move(arg));
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char q = line[i++];
            if (q == '"') {
                closed = true;
                break;
            }
            if (q == '\\') {
                if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
                    reason = "unknown escape in a quoted argument";
                    return false;
                }
                arg += line[i++];
                continue;
            }
            arg += q;
        }
        if (!closed) {
            reason = "unclosed quote";
            return false;
        }
        args.push_back(std::move(arg));
    }
    return true;
}

}  // namespace

bool parseScript(std::string_view text, std::vector<ScriptLine>& out, ScriptError& error) {
    int number = 0;
    std::size_t start = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        start = 3;
    }
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        ++number;
        ScriptLine parsed{number, {}};
        std::string reason;
        if (!splitLine(line, parsed.args, reason)) {
            error = {number, reason};
            return false;
        }
        if (!parsed.args.empty()) {
            out.push_back(std::move(parsed));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

std::optional<std::int64_t> parseNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 16) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        const int d = base == 16 ? hexDigitValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    const auto signedValue = static_cast<std::int64_t>(value);
    return negative ? -signedValue : signedValue;
}

std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    if (text.empty()) {
        return bytes;  // an empty file
    }
    if (text.find_first_of(": ") != std::string_view::npos || !parseHexBytes(text, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

std::string toHex(const std::uint8_t* data, std::size_t size) {
    return hexString(std::span(data, size));
}

}  // namespace quillon::scenario
