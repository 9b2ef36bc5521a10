#include "toolkit/SheetRules.h"

#include <algorithm>
#include <cctype>

namespace quillon::toolkit {

namespace {

std::string withoutComments(std::string_view sheet) {
    std::string out;
    out.reserve(sheet.size());
    char quote = 0;
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const char c = sheet[i];
        if (quote != 0) {
            out += c;
            if (c == quote) {
                quote = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            out += c;
        } else if (c == '/' && i + 1 < sheet.size() && sheet[i + 1] == '*') {
            const std::size_t end = sheet.find("*/", i + 2);
            if (end == std::string_view::npos) {
                break;
            }
            i = end + 1;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

// The class a selector selects: the type of its last compound ("QComboBox QAbstractItemView"
// selects QAbstractItemView); a compound without a type ("[role=x]", ":hover") selects any.
std::string subjectOf(std::string_view selector) {
    std::string compound = trimmed(selector);
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < compound.size(); ++i) {
        const char c = compound[i];
        if (c == '[' || c == '(') {
            ++depth;
        } else if (c == ']' || c == ')') {
            --depth;
        } else if (depth == 0 && (std::isspace(static_cast<unsigned char>(c)) || c == '>')) {
            start = i + 1;
        }
    }
    compound = trimmed(std::string_view(compound).substr(start));
    std::size_t length = 0;
    while (length < compound.size() &&
           (std::isalnum(static_cast<unsigned char>(compound[length])) || compound[length] == '_' ||
            compound[length] == '-')) {
        ++length;
    }
    return length == 0 ? std::string("*") : compound.substr(0, length);
}

std::vector<std::string> subjectsOf(std::string_view selectors) {
    std::vector<std::string> subjects;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= selectors.size(); ++i) {
        const char c = i < selectors.size() ? selectors[i] : ',';
        if (c == '[' || c == '(') {
            ++depth;
        } else if (c == ']' || c == ')') {
            --depth;
        } else if (c == ',' && depth <= 0) {
            subjects.push_back(subjectOf(selectors.substr(start, i - start)));
            start = i + 1;
        }
    }
    return subjects;
}

}  // namespace

std::vector<SheetRule> splitSheet(std::string_view sheet) {
    const std::string text = withoutComments(sheet);
    std::vector<SheetRule> rules;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t open = text.find('{', start);
        if (open == std::string::npos) {
            break;
        }
        int depth = 0;
        std::size_t close = open;
        char quote = 0;
        for (; close < text.size(); ++close) {
            const char c = text[close];
            if (quote != 0) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '{') {
                ++depth;
            } else if (c == '}' && --depth == 0) {
                break;
            }
        }
        if (close >= text.size()) {
            break;  // an unterminated block
        }
        const std::string selectors = trimmed(std::string_view(text).substr(start, open - start));
        if (!selectors.empty() && selectors[0] != '@') {
            rules.push_back(
                {selectors + " " + text.substr(open, close - open + 1), subjectsOf(selectors)});
        }
        start = close + 1;
    }
    return rules;
}

std::string rulesSelecting(const std::vector<SheetRule>& rules,
                           const std::vector<std::string>& classes) {
    std::string out;
    for (const SheetRule& rule : rules) {
        const bool selects = std::any_of(
            rule.subjects.begin(), rule.subjects.end(), [&classes](const std::string& subject) {
                return subject == "*" ||
                       std::find(classes.begin(), classes.end(), subject) != classes.end();
            });
        if (selects) {
            out += rule.text;
            out += '\n';
        }
    }
    return out;
}

}  // namespace quillon::toolkit
