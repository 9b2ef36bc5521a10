#include "toolkit/headless/ControlBuilder.h"

#include <algorithm>

#include "toolkit/Colour.h"

namespace quillon::toolkit::headless {
namespace {

void readColour(const SkinNode& node, const char* name, Argb& out) {
    Argb colour = 0;
    if (const SkinProperty* p = node.property(name);
        p != nullptr && parseColour(p->value, colour)) {
        out = colour;
    }
}

void readToggle(HeadlessControl& control, const SkinNode& node) {
    Toggle toggle = control.toggle();
    const bool button =
        control.kind() == ControlKind::Button || control.kind() == ControlKind::KeyButton;
    if (button && node.flag("option", false)) {
        toggle = Toggle::Option;
    } else if (button && node.flag("checkable", false)) {
        toggle = Toggle::Check;
    }
    control.setToggle(toggle, node.text("group"));
}

void readLooks(ControlState& s, const SkinNode& node) {
    if (const SkinProperty* p = node.property("text"); p != nullptr) {
        s.text = parseSkinText(p->value);
    }
    if (const SkinProperty* p = node.property("toolTip"); p != nullptr) {
        s.tooltip = parseSkinText(p->value);
    }
    s.enabled = node.flag("enabled", true);
    s.visible = node.flag("visible", true);
    s.userData = node.text("userdata");
    s.bkImage = node.text("bkimage");
    readColour(node, "bkcolor", s.bkColor);
    readColour(node, "textcolor", s.textColor);
    readColour(node, "bordercolor", s.borderColor);
    s.borderSize = static_cast<int>(node.number("bordersize", 0));
    s.tintEnabled = node.flag("tint", false);
}

void readRangeAndItems(HeadlessControl& control, const SkinNode& node) {
    if (kindHasRange(control.kind())) {
        control.set(Prop::Min, std::int64_t{node.number("minimum", control.state().min)});
        control.set(Prop::Max, std::int64_t{node.number("maximum", control.state().max)});
        control.set(Prop::Value, std::int64_t{node.number("value", 0)});
    }
    if (!kindHasItems(control.kind())) {
        return;
    }
    for (const SkinItem& written : node.items) {
        const SkinText text = parseSkinText(written.text);
        Item entry;
        entry.text = text.value;
        entry.textIsId = text.isId;
        control.insertItem(-1, entry);
    }
    // A combo with entries shows the first unless the skin chooses another; a list starts with
    // no selection.
    if (control.kind() == ControlKind::Combo) {
        control.applyIndex(0, Notify::No);
    }
    const long long index = node.number("currentIndex", node.number("currentRow", -2));
    control.applyIndex(static_cast<int>(std::clamp<long long>(index, -2, 1 << 20)), Notify::No);
}

void buildNode(HeadlessWindow& window, const SkinDocument& doc, const SkinNode& node,
               HeadlessControl* parent, std::vector<std::unique_ptr<HeadlessControl>>& out,
               std::vector<std::pair<HeadlessControl*, const SkinNode*>>& built) {
    if (node.className == "QAction") {
        return;
    }
    auto control = std::make_unique<HeadlessControl>(
        window, parent, node.name, node.className, kindOfClasses(classChain(doc, node.className)));
    HeadlessControl* self = control.get();
    out.push_back(std::move(control));
    if (parent != nullptr) {
        parent->addChild(self);
    }
    built.emplace_back(self, &node);
    for (const SkinNode& child : node.children) {
        buildNode(window, doc, child, self, out, built);
    }
}

// Settings that need the control's children (the pages of a tab layout) or the whole window (an
// option's group) are applied once every control exists.
void applyProperties(HeadlessControl& control, const SkinNode& node) {
    readToggle(control, node);
    readLooks(control.mutableState(), node);
    control.setImages(node.text("lightimage"), node.text("keysetimage"));
    readRangeAndItems(control, node);
    if (control.kind() == ControlKind::Stacked) {
        control.applyIndex(0, Notify::No);
        control.applyIndex(static_cast<int>(node.number("currentIndex", 0)), Notify::No);
    }
    if (node.flag("checked", false)) {
        control.applySelected(true, Notify::No);
    }
}

}  // namespace

void buildControls(HeadlessWindow& window, const SkinDocument& doc,
                   std::vector<std::unique_ptr<HeadlessControl>>& out) {
    std::vector<std::pair<HeadlessControl*, const SkinNode*>> built;
    buildNode(window, doc, doc.root, nullptr, out, built);
    for (const auto& [control, node] : built) {
        applyProperties(*control, *node);
    }
}

}  // namespace quillon::toolkit::headless
