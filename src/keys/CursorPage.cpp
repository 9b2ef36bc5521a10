#include "keys/CursorPage.h"

#include <algorithm>
#include <string>

#include "app/MainWindow.h"
#include "keys/MacroTransfer.h"
#include "keys/TransferRunner.h"

namespace quillon::keys {
namespace {

using toolkit::Control;
using toolkit::Notify;

constexpr const char* kDelayEdit = "ms_cursor_delay_eidt";
constexpr const char* kXEdit = "ms_cursor_x_eidt";
constexpr const char* kYEdit = "ms_cursor_y_eidt";
constexpr const char* kXCheck = "ms_cursor_x_check";
constexpr const char* kYCheck = "ms_cursor_y_check";

std::string gunOption(int g) {
    return "ms_gun_op_" + std::to_string(g);
}
std::string stepOption(int s) {
    return "ms_bullet_op_" + std::to_string(s);
}

// The edit's leading decimal number, 0 for none; large numbers stop growing past `limit`.
long editNumber(const std::string& text, long limit) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min(value * 10 + (c - '0'), limit + 1);
    }
    return value;
}

}  // namespace

const char* xCheckText(bool left) {
    return left ? "mouse_move_to_left_text" : "mouse_move_to_right_text";
}

const char* yCheckText(bool up) {
    return up ? "mouse_move_to_up_text" : "mouse_move_to_down_text";
}

CursorPage::CursorPage(app::CMainWnd& main, TransferRunner& transfers)
    : main_(main), transfers_(transfers) {}

CursorFiles CursorPage::files() const {
    return CursorFiles(main_.paths().dataDir + "ms/", main_.paths().programDir);
}

void CursorPage::setUpSequences() {
    files().setUp();
    if (Control* gun = main_.find(gunOption(0))) {
        gun->setSelected(false);
        gun->setSelected(true, Notify::Yes);
    }
}

void CursorPage::selectSequence(int g) {
    g_ = g;
    if (Control* first = main_.find(stepOption(0))) {
        first->setSelected(false);
        first->setSelected(true, Notify::Yes);
    }
}

void CursorPage::selectStep(int s) {
    s_ = s;
    showStep(s);
    if (Control* editor = main_.find("cursor_edit_layout")) {
        editor->setEnabled(true);
    }
    if (Control* index = main_.find("bullet_select_index")) {
        index->setText(std::to_string(s + 1));
    }
}

void CursorPage::showStep(int s) {
    const CursorStepRead read = files().readStep(g_, s);
    if (read.delay) {
        if (Control* delay = main_.find(kDelayEdit)) {
            delay->setText(std::to_string(*read.delay));
        }
    }
    const auto show = [this](const char* edit, const char* check, const char* text,
                             const std::pair<std::uint8_t, bool>& move) {
        if (Control* e = main_.find(edit)) {
            e->setText(std::to_string(move.first));
        }
        if (Control* c = main_.find(check)) {
            c->setSelected(move.second);
            c->setTextId(text);
        }
    };
    if (read.x) {
        show(kXEdit, kXCheck, xCheckText(read.x->second), *read.x);
    }
    if (read.y) {
        show(kYEdit, kYCheck, yCheckText(read.y->second), *read.y);
    }
}

void CursorPage::saveStep(int s) {
    const auto text = [this](const char* name) {
        const Control* c = main_.find(name);
        return c ? c->text() : std::string{};
    };
    const auto selected = [this](const char* name) {
        const Control* c = main_.find(name);
        return c && c->selected();
    };
    CursorStep step;
    step.delay = static_cast<std::uint16_t>(editNumber(text(kDelayEdit), 65535));
    step.dx = static_cast<std::uint8_t>(editNumber(text(kXEdit), 255));
    step.left = selected(kXCheck);
    step.dy = static_cast<std::uint8_t>(editNumber(text(kYEdit), 255));
    step.up = selected(kYCheck);
    files().writeStep(g_, s, step);
}

void CursorPage::distanceTyped(const char* edit, const std::string& text, int limit) {
    if (editNumber(text, limit) > limit) {
        if (Control* e = main_.find(edit)) {
            e->setText(std::to_string(limit));
        }
    }
    saveStep(s_);
}

void CursorPage::checkChanged(const char* check, bool selected) {
    if (Control* c = main_.find(check)) {
        c->setTextId(check == kXCheck ? xCheckText(selected) : yCheckText(selected));
    }
    saveStep(s_);
}

void CursorPage::stepBy(int delta) {
    const int next = s_ + delta;
    if (next < 0 || next >= kCursorStepCount) {
        return;
    }
    if (Control* option = main_.find(stepOption(next))) {
        option->setSelected(true, Notify::Yes);
    }
}

bool CursorPage::sequenceChosen() const {
    for (int g = 0; g < kCursorSequenceCount; ++g) {
        const Control* c = const_cast<app::CMainWnd&>(main_).find(gunOption(g));
        if (c && c->selected()) {
            return true;
        }
    }
    return false;
}

void CursorPage::storeCursorImage(std::span<const std::uint8_t> image) {
    files().storeImage(image);
    if (Control* gun = main_.find(gunOption(0))) {
        gun->setSelected(false);
        gun->setSelected(true, Notify::Yes);
    }
}

}  // namespace quillon::keys
