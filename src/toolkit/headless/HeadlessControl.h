#pragma once
// A control of the headless toolkit: a plain object holding the state its properties describe.
// User actions (click, select, choose, slide, type, ...) change the state as a user's action would
// and deliver the notifications synchronously to the window's handler; they are refused, with a
// reason, when the control is hidden or disabled, or the action does not fit the control.

#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/SkinText.h"
#include "toolkit/Window.h"
#include "toolkit/headless/ActionResult.h"
#include "toolkit/headless/ControlKind.h"

namespace quillon::toolkit::headless {

class HeadlessWindow;

// How a button keeps a selected state: an option (exclusive within its group, when it has one)
// or a check box (toggled by each click).
enum class Toggle { None, Option, Check };

struct ControlState {
    SkinText text;
    SkinText tooltip;
    int tooltipWidth = 0;
    bool visible = true;
    bool enabled = true;
    std::string userData;
    Argb bkColor = 0;
    std::string bkImage;
    int borderSize = 0;
    Argb borderColor = 0;
    Argb textColor = 0;
    bool selected = false;
    int value = 0;
    int min = 0;
    int max = 99;
    int index = -1;
    bool tintEnabled = false;
    Argb tint = 0;
    int tintAlpha = 255;
    Argb paletteColour = 0;
    bool remapped = false;
    bool light = false;
    Argb lightColour = 0xFFFF0000;
    int lightAlpha = 200;
    std::vector<Item> items;
};

class HeadlessControl final : public Control {
  public:
    HeadlessControl(HeadlessWindow& window, HeadlessControl* parent, std::string name,
                    std::string className, ControlKind kind);

    // Control
    const std::string& name() const override { return name_; }
    const std::string& className() const override { return className_; }
    void set(Prop prop, const PropValue& value, Notify notify = Notify::No) override;
    PropValue get(Prop prop) const override;
    void setFocus() override;
    void invalidate() override { ++invalidations_; }
    int itemCount() const override;
    Item item(int index) const override;
    void insertItem(int index, const Item& item) override;
    void setItem(int index, const Item& item) override;
    void removeItem(int index) override;
    void clearItems() override;
    void moveItem(int from, int to) override;
    void scrollToItem(int index) override;

    // User actions.
    ActionResult click();
    ActionResult select();
    ActionResult unselect();
    ActionResult choose(int index);
    ActionResult itemClick(int index);
    ActionResult slide(int value);
    ActionResult drag(int value);
    ActionResult type(const std::string& text);
    ActionResult leave();
    ActionResult focus();
    ActionResult hover();
    ActionResult unhover();
    ActionResult chooseColour(Argb colour);

    // Shape and inspection.
    HeadlessWindow& window() const { return window_; }
    HeadlessControl* parent() const { return parent_; }
    const std::vector<HeadlessControl*>& children() const { return children_; }
    ControlKind kind() const { return kind_; }
    Toggle toggle() const { return toggle_; }
    const std::string& group() const { return group_; }
    const ControlState& state() const { return state_; }
    bool shownInWindow() const;    // own flag, every ancestor's, and the pages shown
    bool enabledInWindow() const;  // own flag and every ancestor's
    int invalidations() const { return invalidations_; }
    int scrolledTo() const { return scrolledTo_; }
    const std::string& lightImage() const { return lightImage_; }
    const std::string& keySetImage() const { return keySetImage_; }

    // Building (ControlBuilder) and the window's bookkeeping.
    ControlState& mutableState() { return state_; }
    void setToggle(Toggle toggle, std::string group);
    void setImages(std::string lightImage, std::string keySetImage);
    void addChild(HeadlessControl* child) { children_.push_back(child); }
    void applySelected(bool selected, Notify notify);
    void applyIndex(int index, Notify notify);
    Notification notification(const char* type) const;

  private:
    struct Field {
        bool* flag = nullptr;
        Argb* colour = nullptr;
        int* number = nullptr;
    };
    Field field(Prop prop) const;
    void apply(Prop prop, const PropValue& value, Notify notify);
    void setInt(Prop prop, std::int64_t value, Notify notify);
    void setLook(Prop prop, std::int64_t value, int number);
    std::string getText(Prop prop) const;
    void setString(Prop prop, const std::string& value);
    void setRange(Prop prop, int value);
    const HeadlessControl* currentPage() const;
    std::string shownText(const SkinText& text) const;
    ActionResult usable(const char* action) const;
    ActionResult needsKind(bool fits, const char* action) const;
    ActionResult needsItem(int index) const;
    void deliver(const char* type) const;

    HeadlessWindow& window_;
    HeadlessControl* parent_;
    std::string name_;
    std::string className_;
    ControlKind kind_;
    Toggle toggle_ = Toggle::None;
    std::string group_;
    ControlState state_;
    std::vector<HeadlessControl*> children_;
    std::string lightImage_;
    std::string keySetImage_;
    int invalidations_ = 0;
    int scrolledTo_ = -1;
};

}  // namespace quillon::toolkit::headless
