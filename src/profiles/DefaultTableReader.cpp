#include "profiles/DefaultTableReader.h"

#include <cctype>
#include <charconv>

namespace quillon {
namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool parseNumber(std::string_view text, int& out) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

DefaultTableReader::DefaultTableReader(const IniDocument& table, std::string fileName,
                                       std::string section, std::vector<std::string>& errors)
    : table_(table),
      fileName_(std::move(fileName)),
      section_(std::move(section)),
      errors_(errors) {}

bool DefaultTableReader::has(std::string_view key) const {
    return table_.find(section_, key).has_value();
}

void DefaultTableReader::error(std::string_view key, std::string_view problem) {
    errors_.push_back(fileName_ + " [" + section_ + "] " + std::string(key) + ": " +
                      std::string(problem));
}

std::string DefaultTableReader::text(std::string_view key) {
    asked_.insert(lowered(key));
    return table_.read(section_, key, "");
}

int DefaultTableReader::number(std::string_view key, int min, int max, bool required,
                               int fallback) {
    if (!has(key)) {
        asked_.insert(lowered(key));
        if (required) {
            error(key, "missing");
        }
        return fallback;
    }
    const std::string value = text(key);
    int out = 0;
    if (!parseNumber(value, out) || out < min || out > max) {
        error(key, "expected a number " + std::to_string(min) + ".." + std::to_string(max) +
                       ", found \"" + value + "\"");
        return fallback;
    }
    return out;
}

std::uint32_t DefaultTableReader::colour(std::string_view key) {
    const std::string value = text(key);
    if (value.empty() && !has(key)) {
        return 0;
    }
    std::uint32_t out = 0;
    const char* begin = value.data() + 1;
    const char* end = value.data() + value.size();
    if (value.size() != 7 || value[0] != '#' || std::from_chars(begin, end, out, 16).ptr != end) {
        error(key, "expected a colour #RRGGBB, found \"" + value + "\"");
        return 0;
    }
    return out;
}

void DefaultTableReader::rejectUnknownKeys() {
    for (const std::string& key : table_.keys(section_)) {
        if (asked_.count(lowered(key)) == 0) {
            error(key, "not a known value");
        }
    }
}

}  // namespace quillon
