// What a user can do to a headless control. Each action checks that a user could do it (the control
// is shown and enabled, and of a class that takes the action), changes the state as the user's
// action would and delivers the notifications in the order the interface sends them: a click on an
// option or check box is "click" first, then "selectchanged" with the new state.
#include "toolkit/headless/HeadlessControl.h"
#include "toolkit/headless/HeadlessWindow.h"

namespace quillon::toolkit::headless {

ActionResult HeadlessControl::usable(const char* action) const {
    if (!shownInWindow()) {
        return ActionResult::failure("cannot " + std::string(action) + " \"" + name_ +
                                     "\": it is hidden");
    }
    if (!enabledInWindow()) {
        return ActionResult::failure("cannot " + std::string(action) + " \"" + name_ +
                                     "\": it is disabled");
    }
    return ActionResult::success();
}

ActionResult HeadlessControl::needsKind(bool fits, const char* action) const {
    if (fits) {
        return ActionResult::success();
    }
    return ActionResult::failure("cannot " + std::string(action) + " \"" + name_ + "\": a " +
                                 className_ + " does not take that");
}

ActionResult HeadlessControl::needsItem(int index) const {
    if (index >= 0 && index < itemCount()) {
        return ActionResult::success();
    }
    return ActionResult::failure("\"" + name_ + "\" has no item " + std::to_string(index) + " (" +
                                 std::to_string(itemCount()) + " items)");
}

ActionResult HeadlessControl::click() {
    if (ActionResult r = usable("click"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kindIsButton(kind_), "click"); !r) {
        return r;
    }
    const auto alive = window_.aliveToken();
    deliver("click");
    if (alive.expired()) {
        return ActionResult::success();
    }
    if (toggle_ == Toggle::Option && !group_.empty()) {
        applySelected(true, Notify::Yes);
    } else if (toggle_ != Toggle::None) {
        applySelected(!state_.selected, Notify::Yes);
    }
    return ActionResult::success();
}

ActionResult HeadlessControl::select() {
    if (ActionResult r = usable("select"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(toggle_ != Toggle::None, "select"); !r) {
        return r;
    }
    const bool grouped = toggle_ == Toggle::Option && !group_.empty();
    if (state_.selected && !grouped) {
        return ActionResult::failure("cannot select \"" + name_ + "\": it is already selected");
    }
    return click();
}

ActionResult HeadlessControl::unselect() {
    if (ActionResult r = usable("unselect"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(toggle_ != Toggle::None, "unselect"); !r) {
        return r;
    }
    if (toggle_ == Toggle::Option && !group_.empty()) {
        return ActionResult::failure("cannot unselect \"" + name_ + "\": an option of group \"" +
                                     group_ + "\" is deselected only by selecting another");
    }
    if (!state_.selected) {
        return ActionResult::failure("cannot unselect \"" + name_ + "\": it is not selected");
    }
    return click();
}

ActionResult HeadlessControl::choose(int index) {
    if (ActionResult r = usable("choose in"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kindHasItems(kind_), "choose in"); !r) {
        return r;
    }
    if (ActionResult r = needsItem(index); !r) {
        return r;
    }
    applyIndex(index, Notify::Yes);
    return ActionResult::success();
}

ActionResult HeadlessControl::itemClick(int index) {
    if (ActionResult r = usable("click an item of"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kind_ == ControlKind::List, "click an item of"); !r) {
        return r;
    }
    if (ActionResult r = needsItem(index); !r) {
        return r;
    }
    const auto alive = window_.aliveToken();
    Notification clicked = notification("itemclick");
    clicked.index = index;
    window_.deliver(clicked);
    if (!alive.expired() && index < itemCount()) {
        applyIndex(index, Notify::Yes);
    }
    return ActionResult::success();
}

ActionResult HeadlessControl::drag(int value) {
    if (ActionResult r = usable("drag"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kind_ == ControlKind::Slider, "drag"); !r) {
        return r;
    }
    if (value < state_.min || value > state_.max) {
        return ActionResult::failure("cannot drag \"" + name_ + "\" to " + std::to_string(value) +
                                     ": its range is " + std::to_string(state_.min) + ".." +
                                     std::to_string(state_.max));
    }
    state_.value = value;
    deliver("movevaluechanged");
    return ActionResult::success();
}

ActionResult HeadlessControl::slide(int value) {
    const auto alive = window_.aliveToken();
    ActionResult dragged = drag(value);
    if (dragged && !alive.expired()) {
        deliver("valuechanged");
    }
    return dragged;
}

ActionResult HeadlessControl::type(const std::string& text) {
    if (ActionResult r = usable("type into"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kind_ == ControlKind::Edit, "type into"); !r) {
        return r;
    }
    state_.text = SkinText{text, false};
    deliver("textchanged");
    return ActionResult::success();
}

ActionResult HeadlessControl::leave() {
    if (ActionResult r = usable("leave"); !r) {
        return r;
    }
    window_.dropFocus(this);
    deliver("killfocus");
    return ActionResult::success();
}

ActionResult HeadlessControl::focus() {
    if (ActionResult r = usable("focus"); !r) {
        return r;
    }
    window_.moveFocus(this);
    return ActionResult::success();
}

ActionResult HeadlessControl::hover() {
    if (ActionResult r = usable("hover over"); !r) {
        return r;
    }
    deliver("msenter");
    return ActionResult::success();
}

ActionResult HeadlessControl::unhover() {
    if (ActionResult r = usable("leave the pointer from"); !r) {
        return r;
    }
    deliver("msleave");
    return ActionResult::success();
}

ActionResult HeadlessControl::chooseColour(Argb colour) {
    if (ActionResult r = usable("choose a colour in"); !r) {
        return r;
    }
    if (ActionResult r = needsKind(kind_ == ControlKind::Palette, "choose a colour in"); !r) {
        return r;
    }
    state_.paletteColour = colour;
    deliver("colorchanged");
    return ActionResult::success();
}

}  // namespace quillon::toolkit::headless
