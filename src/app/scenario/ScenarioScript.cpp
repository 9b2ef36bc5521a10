#include "app/scenario/ScenarioScript.h"

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

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
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
        const int d = base == 16 ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
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
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '.') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return std::nullopt;
        }
        const int hi = hexDigit(text[i]);
        const int lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        i += 2;
    }
    return bytes;
}

std::string toHex(const std::uint8_t* data, std::size_t size) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0x0F];
    }
    return out;
}

}  // namespace quillon::scenario
