// The harness's commands for the program, time, controls, answers and files.

#include <filesystem>
#include <fstream>

#include "app/MainWindow.h"
#include "app/scenario/ScenarioRun.h"
#include "platform/IniFile.h"
#include "toolkit/Window.h"
#include "ui/Program.h"

namespace quillon::scenario {

namespace fs = std::filesystem;
using toolkit::headless::ActionResult;
using toolkit::headless::HeadlessWindow;

namespace {

bool argCount(const std::vector<std::string>& args, std::size_t min, std::size_t max) {
    return args.size() >= min && args.size() <= max;
}

std::string usage(const std::string& form) {
    return "usage: " + form;
}

}  // namespace

void ScenarioRun::registerCommands() {
    registerProgramCommands();
    registerControlCommands();
    registerAnswerCommands();
    registerDeviceCommands();
    registerExpectCommands();
    registerFileCommands();
}

void ScenarioRun::registerProgramCommands() {
    commands_["start"] = [this](const Args& a) {
        if (a.size() != 1) {
            return Step::invalid(usage("start"));
        }
        return started() ? Step::ok() : start();
    };
    commands_["wait"] = [this](const Args& a) {
        const auto ms = a.size() == 2 ? parseNumber(a[1]) : std::nullopt;
        if (!ms || *ms < 0) {
            return Step::invalid(usage("wait MS"));
        }
        advance(*ms);
        return Step::ok();
    };
    commands_["second-instance"] = [this](const Args& a) {
        if (a.size() != 1) {
            return Step::invalid(usage("second-instance"));
        }
        headless_->program().showRequest();
        settle();
        return Step::ok();
    };
    // A window message as a worker thread or another program would post it to the main window.
    commands_["message"] = [this](const Args& a) {
        const auto id = a.size() >= 2 && a.size() <= 4 ? parseNumber(a[1]) : std::nullopt;
        const auto wParam = a.size() >= 3 ? parseNumber(a[2]) : std::optional<std::int64_t>(0);
        const auto lParam = a.size() == 4 ? parseNumber(a[3]) : std::optional<std::int64_t>(0);
        if (!id || !wParam || !lParam || *id < 0 || *id > 0xFFFFFFFFLL || *wParam < 0) {
            return Step::invalid(usage("message ID [WPARAM [LPARAM]]"));
        }
        mainWindow()->post(toolkit::messageOf(static_cast<std::uint32_t>(*id),
                                              static_cast<std::uintptr_t>(*wParam),
                                              static_cast<std::intptr_t>(*lParam)));
        settle();
        return Step::ok();
    };
    commands_["quit"] = [this](const Args& a) {
        if (a.size() != 1) {
            return Step::invalid(usage("quit"));
        }
        headless_->requestExit();
        // The shutdown waits up to 10 s for the workers; give it that long and a little more.
        headless_->toolkit().runFor(12000);
        quit_ = true;
        if (!headless_->program().main().destroyed()) {
            return Step::fail("expected the program to end, got it still running");
        }
        return Step::ok();
    };
}

void ScenarioRun::registerControlCommands() {
    auto simple = [this](const char* form, auto action) {
        return [this, form, action](const Args& a) {
            if (a.size() != 2) {
                return Step::invalid(usage(form));
            }
            return userAction(a[1], [&](HeadlessWindow& w) { return action(w, a[1]); });
        };
    };
    commands_["click"] =
        simple("click NAME", [](HeadlessWindow& w, const std::string& n) { return w.click(n); });
    commands_["select"] =
        simple("select NAME", [](HeadlessWindow& w, const std::string& n) { return w.select(n); });
    commands_["unselect"] = simple(
        "unselect NAME", [](HeadlessWindow& w, const std::string& n) { return w.unselect(n); });
    commands_["leave"] =
        simple("leave NAME", [](HeadlessWindow& w, const std::string& n) { return w.leave(n); });
    commands_["focus"] =
        simple("focus NAME", [](HeadlessWindow& w, const std::string& n) { return w.focus(n); });
    commands_["hover"] =
        simple("hover NAME", [](HeadlessWindow& w, const std::string& n) { return w.hover(n); });
    commands_["unhover"] = simple(
        "unhover NAME", [](HeadlessWindow& w, const std::string& n) { return w.unhover(n); });

    auto numbered = [this](const char* form, auto action) {
        return [this, form, action](const Args& a) {
            const auto number = a.size() == 3 ? parseNumber(a[2]) : std::nullopt;
            if (!number) {
                return Step::invalid(usage(form));
            }
            const int value = static_cast<int>(*number);
            return userAction(a[1], [&](HeadlessWindow& w) { return action(w, a[1], value); });
        };
    };
    commands_["choose"] = numbered("choose NAME INDEX", [](HeadlessWindow& w, const std::string& n,
                                                           int v) { return w.choose(n, v); });
    commands_["itemclick"] =
        numbered("itemclick NAME INDEX",
                 [](HeadlessWindow& w, const std::string& n, int v) { return w.itemClick(n, v); });
    commands_["slide"] = numbered("slide NAME VALUE", [](HeadlessWindow& w, const std::string& n,
                                                         int v) { return w.slide(n, v); });
    commands_["drag"] = numbered("drag NAME VALUE", [](HeadlessWindow& w, const std::string& n,
                                                       int v) { return w.drag(n, v); });
    commands_["color"] = [this](const Args& a) {
        const auto colour = a.size() == 3 ? parseNumber(a[2]) : std::nullopt;
        if (!colour || *colour < 0 || *colour > 0xFFFFFFFFLL) {
            return Step::invalid(usage("color NAME 0xAARRGGBB"));
        }
        return userAction(a[1], [&](HeadlessWindow& w) {
            return w.chooseColour(a[1], static_cast<toolkit::Argb>(*colour));
        });
    };
    commands_["type"] = [this](const Args& a) {
        if (a.size() != 3) {
            return Step::invalid(usage("type NAME TEXT"));
        }
        return userAction(a[1], [&](HeadlessWindow& w) { return w.type(a[1], a[2]); });
    };
    commands_["tray"] = [this](const Args& a) {
        if (a.size() != 2 || (a[1] != "left" && a[1] != "right")) {
            return Step::invalid(usage("tray left|right"));
        }
        const ActionResult result = headless_->toolkit().clickTray(a[1] == "left");
        if (!result) {
            return Step::fail("tray: " + result.error);
        }
        settle();
        return Step::ok();
    };
    commands_["menu"] = [this](const Args& a) {
        if (a.size() != 2) {
            return Step::invalid(usage("menu ITEM"));
        }
        const ActionResult result = headless_->toolkit().chooseMenuItem(a[1]);
        if (!result) {
            return Step::fail("menu " + a[1] + ": " + result.error);
        }
        settle();
        return Step::ok();
    };
    commands_["key"] = [this](const Args& a) { return captureKey(a); };
    commands_["button"] = [this](const Args& a) { return captureButton(a); };
}

// Key and mouse events reach the program only while a key assignment or a macro recording has
// taken the input.
ScenarioRun::Step ScenarioRun::captureKey(const Args& a) {
    const auto vk = argCount(a, 3, 4) ? parseNumber(a[2]) : std::nullopt;
    const auto flags = a.size() == 4 ? parseNumber(a[3]) : std::optional<std::int64_t>(0);
    if (!vk || !flags || (a[1] != "down" && a[1] != "up") || *vk < 1 || *vk > 0xFFFF ||
        *flags < 0 || *flags > 0xFF) {
        return Step::invalid(usage("key down|up VK [FLAGS]"));
    }
    const ActionResult result = headless_->toolkit().inputCapture().key(
        static_cast<std::uint32_t>(*vk), static_cast<std::uint32_t>(*flags), a[1] == "down");
    if (!result) {
        return Step::fail("expected the keyboard to be captured, got " + hooksText());
    }
    settle();
    return Step::ok();
}

ScenarioRun::Step ScenarioRun::captureButton(const Args& a) {
    using toolkit::MouseButton;
    const bool direction = a.size() == 3 && (a[1] == "down" || a[1] == "up");
    std::optional<MouseButton> button;
    if (direction && a[2] == "left") {
        button = MouseButton::Left;
    } else if (direction && a[2] == "right") {
        button = MouseButton::Right;
    } else if (direction && a[2] == "middle") {
        button = MouseButton::Middle;
    }
    if (!button) {
        return Step::invalid(usage("button down|up left|right|middle"));
    }
    const ActionResult result = headless_->toolkit().inputCapture().button(*button, a[1] == "down");
    if (!result) {
        return Step::fail("expected the mouse to be captured, got " + hooksText());
    }
    settle();
    return Step::ok();
}

// Which captures are armed, as expect-hooks writes it.
std::string ScenarioRun::hooksText() const {
    const toolkit::InputCapture& capture = headless_->toolkit().inputCapture();
    if (capture.keyboardArmed()) {
        return capture.mouseArmed() ? "both" : "keyboard";
    }
    return capture.mouseArmed() ? "mouse" : "none";
}

void ScenarioRun::registerAnswerCommands() {
    commands_["answer"] = [this](const Args& a) {
        if (a.size() != 2 || (a[1] != "confirm" && a[1] != "cancel")) {
            return Step::invalid(usage("answer confirm|cancel"));
        }
        boxAnswers_.push_back(a[1] == "confirm");
        return Step::ok();
    };
    commands_["file"] = [this](const Args& a) {
        if (a.size() != 2) {
            return Step::invalid(usage("file PATH|cancel"));
        }
        if (a[1] == "cancel") {
            fileAnswers_.emplace_back(std::nullopt);
        } else {
            fileAnswers_.emplace_back(a[1]);
        }
        return Step::ok();
    };
    commands_["palette"] = [this](const Args& a) {
        if (a.size() != 2) {
            return Step::invalid(usage("palette 0xAARRGGBB|cancel"));
        }
        if (a[1] == "cancel") {
            paletteAnswers_.emplace_back(std::nullopt);
            return Step::ok();
        }
        const auto colour = parseNumber(a[1]);
        if (!colour || *colour < 0 || *colour > 0xFFFFFFFFLL) {
            return Step::invalid(usage("palette 0xAARRGGBB|cancel"));
        }
        paletteAnswers_.emplace_back(static_cast<std::uint32_t>(*colour));
        return Step::ok();
    };
}

void ScenarioRun::registerFileCommands() {
    commands_["put-file"] = [this](const Args& a) {
        const auto bytes = a.size() == 3 ? parseHex(a[2]) : std::nullopt;
        const auto path = a.size() == 3 ? dataPath(a[1]) : std::nullopt;
        if (!bytes || !path) {
            return Step::invalid(usage("put-file PATH HEX (PATH inside the data folder)"));
        }
        std::error_code ignored;
        fs::create_directories(fs::path(*path).parent_path(), ignored);
        std::ofstream out(*path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes->data()),
                  static_cast<std::streamsize>(bytes->size()));
        return out ? Step::ok() : Step::fail("could not write " + a[1]);
    };
    commands_["put-ini"] = [this](const Args& a) {
        const auto path = a.size() == 5 ? dataPath(a[1]) : std::nullopt;
        if (!path) {
            return Step::invalid(usage("put-ini PATH SECTION KEY VALUE"));
        }
        std::error_code ignored;
        fs::create_directories(fs::path(*path).parent_path(), ignored);
        return IniFile(*path).write(a[2], a[3], a[4]) ? Step::ok()
                                                      : Step::fail("could not write " + a[1]);
    };
}

}  // namespace quillon::scenario
