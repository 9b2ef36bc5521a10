// The harness's commands for the desktop around the program: the application in front, and a
// restart of the program on the same data folder.

#include "app/scenario/ScenarioRun.h"

namespace quillon::scenario {

void ScenarioRun::registerDesktopCommands() {
    // "foreground PATH": the window of the program at PATH comes to the front; "foreground none":
    // no application's window is in front; "foreground unreadable": the desktop cannot say now;
    // "foreground unsupported" (before "start"): the desktop can never say.
    commands_["foreground"] = [this](const Args& a) {
        if (a.size() != 2 || a[1].empty()) {
            return Step::invalid("usage: foreground PATH|none|unreadable|unsupported");
        }
        if (a[1] == "unsupported") {
            if (started()) {
                return Step::invalid("\"foreground unsupported\" before \"start\"");
            }
            headless_->foreground().setSupported(false);
            return Step::ok();
        }
        std::optional<std::string> path = a[1];
        if (a[1] == "none") {
            path = std::string();
        } else if (a[1] == "unreadable") {
            path = std::nullopt;
        }
        headless_->foreground().setPath(std::move(path));
        settle();
        return Step::ok();
    };
    // "restart": the program ends in order (unless it already has) and starts again on the same
    // data folder, with no devices attached and nothing in front.
    commands_["restart"] = [this](const Args& a) {
        if (a.size() != 1) {
            return Step::invalid("usage: restart");
        }
        if (started() && !quit_) {
            headless_->requestExit();
            headless_->toolkit().runFor(12000);
        }
        makeProgram();
        return start();
    };
}

}  // namespace quillon::scenario
