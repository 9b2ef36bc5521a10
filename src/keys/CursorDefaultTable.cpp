#include "keys/CursorDefaultTable.h"

#include <charconv>
#include <string_view>

#include "keys/CursorSequences.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool readNumber(std::string_view text, long& out) {
    text = trim(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

// "delay, horizontal, vertical" with the limits of the fields.
bool readStep(std::string_view value, CursorStep& step) {
    long numbers[3];
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = i < 2 ? value.find(',') : value.size();
        if (comma == std::string_view::npos || !readNumber(value.substr(0, comma), numbers[i])) {
            return false;
        }
        value = i < 2 ? value.substr(comma + 1) : std::string_view{};
    }
    if (numbers[0] < 0 || numbers[0] > 65535 || numbers[1] < -255 || numbers[1] > 255 ||
        numbers[2] < -255 || numbers[2] > 255) {
        return false;
    }
    step.delay = static_cast<std::uint16_t>(numbers[0]);
    step.left = numbers[1] < 0;
    step.dx = static_cast<std::uint8_t>(step.left ? -numbers[1] : numbers[1]);
    step.up = numbers[2] < 0;
    step.dy = static_cast<std::uint8_t>(step.up ? -numbers[2] : numbers[2]);
    return true;
}

std::string fileText(const std::vector<MacroAction>& actions) {
    IniDocument doc;
    doc.write("MACROACTIONCOUNT", "count", std::to_string(actions.size()));
    for (std::size_t j = 0; j < actions.size(); ++j) {
        doc.write("MACROACTION", std::to_string(j), formatActionLine(actions[j]));
    }
    return doc.text();
}

}  // namespace

CursorDefaultBuild buildCursorDefaults(const std::string& tableText) {
    const IniDocument table = IniDocument::parse(tableText);
    CursorDefaultBuild build;
    for (int k = 0; k < kCursorSequenceCount; ++k) {
        const std::string section = "name_" + std::to_string(k + 1);
        std::vector<CursorStep> steps(kCursorStepCount);
        for (int s = 0; s < kCursorStepCount; ++s) {
            const std::string key = "step" + std::to_string(s + 1);
            const auto value = table.find(section, key);
            if (value && !readStep(*value, steps[s])) {
                build.errors.push_back(section + "/" + key + ": expected delay 0..65535 and " +
                                       "distances -255..255, got \"" + *value + "\"");
            }
        }
        build.files.push_back({section + ".cur", fileText(defaultSequenceActions(steps))});
    }
    return build;
}

}  // namespace quillon::keys
