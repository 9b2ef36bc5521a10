#include "toolkit/headless/HeadlessControl.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "toolkit/PropText.h"
#include "toolkit/headless/HeadlessToolkit.h"
#include "toolkit/headless/HeadlessWindow.h"

namespace quillon::toolkit::headless {

HeadlessControl::HeadlessControl(HeadlessWindow& window, HeadlessControl* parent, std::string name,
                                 std::string className, ControlKind kind)
    : window_(window),
      parent_(parent),
      name_(std::move(name)),
      className_(std::move(className)),
      kind_(kind) {
    if (kind_ == ControlKind::Option) {
        toggle_ = Toggle::Option;
    } else if (kind_ == ControlKind::CheckBox) {
        toggle_ = Toggle::Check;
    }
    if (kind_ == ControlKind::Progress) {
        state_.max = 100;
    }
}

void HeadlessControl::setToggle(Toggle toggle, std::string group) {
    toggle_ = toggle;
    group_ = std::move(group);
}

void HeadlessControl::setImages(std::string lightImage, std::string keySetImage) {
    lightImage_ = std::move(lightImage);
    keySetImage_ = std::move(keySetImage);
}

void HeadlessControl::set(Prop prop, const PropValue& value, Notify notify) {
    if (!propApplies(kind_, prop)) {
        return;
    }
    // A change repaints the control (counted as an invalidation); setting what it already
    // shows repaints nothing. A notification may destroy the window, so look again only when
    // it is still there.
    const PropValue before = get(prop);
    const std::weak_ptr<const bool> alive = window_.aliveToken();
    apply(prop, value, notify);
    if (!alive.expired() && get(prop) != before) {
        ++invalidations_;
    }
}

void HeadlessControl::apply(Prop prop, const PropValue& value, Notify notify) {
    switch (propType(prop)) {
        case PropType::Bool:
        case PropType::Int:
        case PropType::Colour:
            setInt(prop, propValueAsInt(value), notify);
            return;
        case PropType::String: {
            const std::string* text = std::get_if<std::string>(&value);
            setString(prop, text != nullptr ? *text : formatPropValue(prop, value));
            return;
        }
    }
}

void HeadlessControl::setString(Prop prop, const std::string& value) {
    switch (prop) {
        case Prop::Text:
            if (kindShowsText(kind_)) {
                state_.text = SkinText{value, false};
            }
            break;
        case Prop::TextId:
            state_.text = SkinText{value, !value.empty()};
            break;
        case Prop::Tooltip:
            state_.tooltip = SkinText{value, false};
            break;
        case Prop::TooltipId:
            state_.tooltip = SkinText{value, !value.empty()};
            break;
        case Prop::UserData:
            state_.userData = value;
            break;
        case Prop::BkImage:
            state_.bkImage = value;
            break;
        default:
            break;
    }
}

void HeadlessControl::setInt(Prop prop, std::int64_t value, Notify notify) {
    const int number = static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    switch (prop) {
        case Prop::Selected:
            applySelected(value != 0, notify);
            return;
        case Prop::Index:
            applyIndex(number, notify);
            return;
        case Prop::Value:
        case Prop::Min:
        case Prop::Max:
            setRange(prop, number);
            return;
        default:
            setLook(prop, value, number);
    }
}

// Properties that only change how the control looks or what it carries.
void HeadlessControl::setLook(Prop prop, std::int64_t value, int number) {
    const Field target = field(prop);
    if (target.flag != nullptr) {
        *target.flag = value != 0;
    } else if (target.colour != nullptr) {
        *target.colour = static_cast<Argb>(value);
    } else if (target.number != nullptr) {
        const bool alpha = prop == Prop::TintAlpha || prop == Prop::LightAlpha;
        *target.number = alpha ? std::clamp(number, 0, 255) : number;
    }
}

// Where the state of a boolean, colour or number property is kept.
HeadlessControl::Field HeadlessControl::field(Prop prop) const {
    auto& s = const_cast<ControlState&>(state_);
    switch (prop) {
        case Prop::Visible:
            return {&s.visible, nullptr, nullptr};
        case Prop::Enabled:
            return {&s.enabled, nullptr, nullptr};
        case Prop::Selected:
            return {&s.selected, nullptr, nullptr};
        case Prop::TintEnabled:
            return {&s.tintEnabled, nullptr, nullptr};
        case Prop::Remapped:
            return {&s.remapped, nullptr, nullptr};
        case Prop::Light:
            return {&s.light, nullptr, nullptr};
        case Prop::BkColor:
            return {nullptr, &s.bkColor, nullptr};
        case Prop::BorderColor:
            return {nullptr, &s.borderColor, nullptr};
        case Prop::TextColor:
            return {nullptr, &s.textColor, nullptr};
        case Prop::Tint:
            return {nullptr, &s.tint, nullptr};
        case Prop::PaletteColor:
            return {nullptr, &s.paletteColour, nullptr};
        case Prop::LightColor:
            return {nullptr, &s.lightColour, nullptr};
        case Prop::TooltipWidth:
            return {nullptr, nullptr, &s.tooltipWidth};
        case Prop::BorderSize:
            return {nullptr, nullptr, &s.borderSize};
        case Prop::Value:
            return {nullptr, nullptr, &s.value};
        case Prop::Min:
            return {nullptr, nullptr, &s.min};
        case Prop::Max:
            return {nullptr, nullptr, &s.max};
        case Prop::Index:
            return {nullptr, nullptr, &s.index};
        case Prop::TintAlpha:
            return {nullptr, nullptr, &s.tintAlpha};
        case Prop::LightAlpha:
            return {nullptr, nullptr, &s.lightAlpha};
        default:
            return {};
    }
}

// As a slider keeps them: a minimum above the maximum raises the maximum, a maximum below the
// minimum lowers the minimum, and the value always lies in the range.
void HeadlessControl::setRange(Prop prop, int value) {
    if (prop == Prop::Min) {
        state_.min = value;
        state_.max = std::max(state_.max, value);
    } else if (prop == Prop::Max) {
        state_.max = value;
        state_.min = std::min(state_.min, value);
    } else {
        state_.value = value;
    }
    state_.value = std::clamp(state_.value, state_.min, state_.max);
}

void HeadlessControl::applySelected(bool selected, Notify notify) {
    if (toggle_ == Toggle::None || state_.selected == selected) {
        return;
    }
    state_.selected = selected;
    if (selected && toggle_ == Toggle::Option && !group_.empty()) {
        window_.deselectGroup(group_, this);
    }
    if (notify == Notify::Yes) {
        deliver("selectchanged");
    }
}

void HeadlessControl::applyIndex(int index, Notify notify) {
    if (kind_ == ControlKind::Stacked) {
        if (index >= 0 && index < static_cast<int>(children_.size())) {
            state_.index = index;
        }
        return;
    }
    if (index < -1 || index >= itemCount() || index == state_.index) {
        return;
    }
    state_.index = index;
    if (notify == Notify::Yes) {
        deliver("itemselect");
    }
}

PropValue HeadlessControl::get(Prop prop) const {
    if (prop == Prop::Visible) {
        return shownInWindow();
    }
    if (prop == Prop::Enabled) {
        return enabledInWindow();
    }
    if (propType(prop) == PropType::String) {
        return getText(prop);
    }
    const Field stored = field(prop);
    const bool applies =
        propApplies(kind_, prop) && (prop != Prop::Selected || toggle_ != Toggle::None);
    if (stored.flag != nullptr) {
        return applies && *stored.flag;
    }
    if (stored.colour != nullptr) {
        return std::int64_t{applies ? *stored.colour : 0};
    }
    if (stored.number != nullptr && applies) {
        return std::int64_t{*stored.number};
    }
    return std::int64_t{prop == Prop::Index ? -1 : 0};
}

std::string HeadlessControl::getText(Prop prop) const {
    switch (prop) {
        case Prop::Text:
            if (kind_ == ControlKind::Combo) {
                return state_.index >= 0 ? shownText({state_.items[state_.index].text,
                                                      state_.items[state_.index].textIsId})
                                         : std::string();
            }
            return kindShowsText(kind_) ? shownText(state_.text) : std::string();
        case Prop::TextId:
            return kindShowsText(kind_) && state_.text.isId ? state_.text.value : std::string();
        case Prop::Tooltip:
            return shownText(state_.tooltip);
        case Prop::TooltipId:
            return state_.tooltip.isId ? state_.tooltip.value : std::string();
        case Prop::UserData:
            return state_.userData;
        case Prop::BkImage:
            return state_.bkImage;
        default:
            return std::string();
    }
}

std::string HeadlessControl::shownText(const SkinText& text) const {
    return text.isId ? window_.toolkit().translate(text.value) : text.value;
}

const HeadlessControl* HeadlessControl::currentPage() const {
    if (state_.index < 0 || state_.index >= static_cast<int>(children_.size())) {
        return nullptr;
    }
    return children_[state_.index];
}

bool HeadlessControl::shownInWindow() const {
    for (const HeadlessControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->state_.visible) {
            return false;
        }
        if (c->parent_ != nullptr && c->parent_->kind_ == ControlKind::Stacked &&
            c->parent_->currentPage() != c) {
            return false;
        }
    }
    return true;
}

bool HeadlessControl::enabledInWindow() const {
    for (const HeadlessControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->state_.enabled) {
            return false;
        }
    }
    return true;
}

void HeadlessControl::setFocus() {
    window_.moveFocus(this);
}

Notification HeadlessControl::notification(const char* type) const {
    Notification n;
    n.type = type;
    n.sender = name_;
    n.control = const_cast<HeadlessControl*>(this);
    n.selected = toggle_ != Toggle::None && state_.selected;
    n.index = state_.index;
    n.value = state_.value;
    n.colour = state_.paletteColour;
    n.text = kindShowsText(kind_) ? shownText(state_.text) : std::string();
    return n;
}

void HeadlessControl::deliver(const char* type) const {
    window_.deliver(notification(type));
}

}  // namespace quillon::toolkit::headless
