#pragma once
// The outcome of a user action that the scenario harness or a test performs on the headless
// toolkit: success, or the reason it was refused (no such control, hidden, disabled, ...).

#include <string>

namespace quillon::toolkit::headless {

struct ActionResult {
    bool ok = true;
    std::string error;

    static ActionResult success() { return {}; }
    static ActionResult failure(std::string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace quillon::toolkit::headless
