// The harness's expectations: control properties, messages, settings files, files and the window.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/MainWindow.h"
#include "app/scenario/ScenarioRun.h"
#include "platform/IniFile.h"
#include "ui/Program.h"

namespace quillon::scenario {

namespace fs = std::filesystem;
using toolkit::Prop;
using toolkit::PropType;

namespace {

std::string colourText(std::int64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string boolText(bool value) {
    return value ? "true" : "false";
}

std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

ScenarioRun::Step ScenarioRun::expectItem(toolkit::Control& control, const Args& a) {
    const auto index = parseNumber(a[3]);
    if (!index || a.size() != 5) {
        return Step::invalid("usage: expect NAME item I VALUE");
    }
    if (*index < 0 || *index >= control.itemCount()) {
        return Step::expected("item " + a[3] + " \"" + a[4] + "\"",
                              std::to_string(control.itemCount()) + " items");
    }
    const toolkit::Item item = control.item(static_cast<int>(*index));
    const std::string shown = item.textIsId ? headless_->toolkit().translate(item.text) : item.text;
    return shown == a[4] ? Step::ok() : Step::expected("\"" + a[4] + "\"", "\"" + shown + "\"");
}

ScenarioRun::Step ScenarioRun::expectProperty(const Args& a) {
    if (a.size() < 4) {
        return Step::invalid("usage: expect NAME PROPERTY VALUE");
    }
    toolkit::headless::HeadlessWindow* window = windowWith(a[1]);
    toolkit::Control* control = window != nullptr ? window->find(a[1]) : nullptr;
    if (control == nullptr) {
        return Step::fail("expected a control \"" + a[1] + "\", got none");
    }
    const std::string& property = a[2];
    if (property == "item") {
        return expectItem(*control, a);
    }
    if (a.size() != 4) {
        return Step::invalid("usage: expect NAME PROPERTY VALUE");
    }
    const std::string& want = a[3];
    if (property == "count") {
        const std::string got = std::to_string(control->itemCount());
        return got == want ? Step::ok() : Step::expected(property + " " + want, got);
    }
    Prop prop;
    if (!toolkit::propFromName(property, prop)) {
        return Step::invalid("unknown property \"" + property + "\"");
    }
    std::string got;
    bool same = false;
    switch (toolkit::propType(prop)) {
        case PropType::Bool:
            got = boolText(control->getBool(prop));
            if (want != "true" && want != "false") {
                return Step::invalid("a true or false value is expected");
            }
            same = got == want;
            break;
        case PropType::Int: {
            got = std::to_string(control->getInt(prop));
            const auto number = parseNumber(want);
            if (!number) {
                return Step::invalid("a number is expected");
            }
            same = *number == control->getInt(prop);
            break;
        }
        case PropType::Colour: {
            got = colourText(control->getInt(prop));
            const auto number = parseNumber(want);
            if (!number) {
                return Step::invalid("a colour 0xAARRGGBB is expected");
            }
            same = static_cast<std::uint32_t>(*number) ==
                   static_cast<std::uint32_t>(control->getInt(prop));
            break;
        }
        case PropType::String:
            got = "\"" + control->getString(prop) + "\"";
            same = control->getString(prop) == want;
            break;
    }
    return same ? Step::ok() : Step::expected(property + " " + want, got);
}

void ScenarioRun::registerExpectCommands() {
    commands_["expect"] = [this](const Args& a) { return expectProperty(a); };
    commands_["expect-message"] = [this](const Args& a) {
        if (a.size() != 2) {
            return Step::invalid("usage: expect-message ID");
        }
        if (messages_.empty()) {
            return Step::expected("message " + a[1], "no message");
        }
        const std::string shown = messages_.front();
        messages_.pop_front();
        return shown == a[1] ? Step::ok() : Step::expected("message " + a[1], "message " + shown);
    };
    commands_["expect-no-message"] = [this](const Args& a) {
        if (a.size() != 1) {
            return Step::invalid("usage: expect-no-message");
        }
        return messages_.empty() ? Step::ok()
                                 : Step::expected("no message", "message " + messages_.front());
    };
    commands_["expect-ini"] = [this](const Args& a) {
        const auto path = a.size() == 5 ? dataPath(a[1]) : std::nullopt;
        if (!path) {
            return Step::invalid("usage: expect-ini PATH SECTION KEY VALUE");
        }
        const std::string got = IniFile(*path).read(a[2], a[3]);
        return got == a[4] ? Step::ok() : Step::expected("\"" + a[4] + "\"", "\"" + got + "\"");
    };
    commands_["expect-file"] = [this](const Args& a) {
        if (a.size() != 4) {
            return Step::invalid("usage: expect-file PATH OFFSET HEX");
        }
        const std::optional<std::string> path = dataPath(a[1]);
        const std::int64_t offset = parseNumber(a[2]).value_or(-1);
        const std::vector<std::uint8_t> bytes =
            parseHex(a[3]).value_or(std::vector<std::uint8_t>{});
        if (!path || offset < 0 || bytes.empty()) {
            return Step::invalid("usage: expect-file PATH OFFSET HEX");
        }
        const auto content = readFile(*path);
        if (!content) {
            return Step::expected("file " + a[1], "no file");
        }
        const auto at = static_cast<std::size_t>(offset);
        const std::string want = toHex(bytes.data(), bytes.size());
        if (at > content->size() || bytes.size() > content->size() - at) {
            return Step::expected(want + " at " + a[2],
                                  "a file of " + std::to_string(content->size()) + " bytes");
        }
        const std::string got = toHex(content->data() + at, bytes.size());
        return got == want ? Step::ok() : Step::expected(want, got);
    };
    commands_["expect-file-size"] = [this](const Args& a) {
        const auto path = a.size() == 3 ? dataPath(a[1]) : std::nullopt;
        const auto size = a.size() == 3 ? parseNumber(a[2]) : std::nullopt;
        if (!path || !size) {
            return Step::invalid("usage: expect-file-size PATH N");
        }
        std::error_code error;
        const auto got = fs::file_size(*path, error);
        if (error) {
            return Step::expected(a[2] + " bytes", "no file");
        }
        return static_cast<std::int64_t>(got) == *size
                   ? Step::ok()
                   : Step::expected(a[2] + " bytes", std::to_string(got) + " bytes");
    };
    commands_["expect-no-file"] = [this](const Args& a) {
        const auto path = a.size() == 2 ? dataPath(a[1]) : std::nullopt;
        if (!path) {
            return Step::invalid("usage: expect-no-file PATH");
        }
        return fs::exists(*path) ? Step::expected("no file " + a[1], "a file") : Step::ok();
    };
    commands_["expect-window"] = [this](const Args& a) {
        if (a.size() != 2 || (a[1] != "visible" && a[1] != "hidden" && a[1] != "minimized")) {
            return Step::invalid("usage: expect-window visible|hidden|minimized");
        }
        toolkit::headless::HeadlessWindow* w = mainWindow();
        const std::string got = !w->isVisible()    ? "hidden"
                                : w->isMinimized() ? "minimized"
                                                   : "visible";
        return got == a[1] ? Step::ok() : Step::expected("window " + a[1], "window " + got);
    };
    commands_["expect-hooks"] = [this](const Args& a) {
        if (a.size() != 2 ||
            (a[1] != "none" && a[1] != "keyboard" && a[1] != "mouse" && a[1] != "both")) {
            return Step::invalid("usage: expect-hooks none|keyboard|mouse|both");
        }
        const std::string got = hooksText();
        return got == a[1] ? Step::ok() : Step::expected("hooks " + a[1], "hooks " + got);
    };
}

}  // namespace quillon::scenario
