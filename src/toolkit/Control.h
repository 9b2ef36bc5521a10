#pragma once
// A control of a window, found by name. The feature code sees controls only through this
// interface; toolkit/headless keeps their state in memory, toolkit/qt maps it onto widgets.
//
// Every property is read and written through get()/set() with a Prop, so that the two
// implementations, the contract tests and the scenario harness all speak one vocabulary; the
// typed helpers below are shorthands. Operations that do not apply to a control's class (a slider
// value on a label) are ignored by set() and read back as the default.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quillon::toolkit {

using Argb = std::uint32_t;  // 0xAARRGGBB

enum class Prop {
    Text,          // string: the text as shown; set() makes it plain text
    TextId,        // string: set() shows the language text of this id; get() is "" for plain text
    Tooltip,       // string: the tooltip as shown (plain)
    TooltipId,     // string: set() shows the language text of this id as tooltip
    TooltipWidth,  // int
    Visible,       // bool: get() is true when the control and everything above it in the window
                   // is shown (tab layouts showing the page that holds it); set() is its own flag
    Enabled,       // bool: get() is the control's own flag and every ancestor's
    UserData,      // string
    BkColor,       // Argb, 0 for none
    BkImage,       // string, "" for none
    BorderSize,    // int
    BorderColor,   // Argb
    TextColor,     // Argb
    Selected,      // bool: option, check box, checkable button
    Value,         // int: slider value
    Min,           // int: slider minimum
    Max,           // int: slider maximum
    Index,         // int: selected item of a combo or list, page of a tab layout; -1 for none
    TintEnabled,   // bool: the colour overlay of a picture control
    Tint,          // Argb: overlay colour
    TintAlpha,     // int 0..255
    PaletteColor,  // Argb: the selected colour of a colour palette control
    Remapped,      // bool: key button's remapped marker
    Light,         // bool: key button's light on
    LightColor,    // Argb: key button's light colour
    LightAlpha,    // int 0..255
};

using PropValue = std::variant<bool, std::int64_t, std::string>;

// Whether set() of Selected or Index sends the notification a user's action would send.
enum class Notify { No, Yes };

// One entry of a combo or list.
struct Item {
    std::string text;  // shown text, or a text id when textIsId
    bool textIsId = false;
    std::string id;  // identity carried by the entry (a profile name)
    int height = 25;
    std::string style;  // the "style" attribute, for example "listex_item_style"
};

class Control {
public:
    virtual ~Control() = default;

    virtual const std::string& name() const = 0;
    // The class as the skin names it ("QPushButton", "DeviceKeyButton", ...).
    virtual const std::string& className() const = 0;

    virtual void set(Prop prop, const PropValue& value, Notify notify = Notify::No) = 0;
    virtual PropValue get(Prop prop) const = 0;

    virtual void setFocus() = 0;
    virtual void invalidate() = 0;

    // Combo and list entries. index -1 in insertItem appends.
    virtual int itemCount() const = 0;
    virtual Item item(int index) const = 0;
    virtual void insertItem(int index, const Item& item) = 0;
    virtual void setItem(int index, const Item& item) = 0;
    virtual void removeItem(int index) = 0;
    virtual void clearItems() = 0;
    virtual void moveItem(int from, int to) = 0;
    virtual void scrollToItem(int index) = 0;

    // Shorthands.
    void setText(const std::string& text) { set(Prop::Text, text); }
    void setTextId(const std::string& id) { set(Prop::TextId, id); }
    std::string text() const { return getString(Prop::Text); }
    void setVisible(bool visible) { set(Prop::Visible, visible); }
    bool visible() const { return getBool(Prop::Visible); }
    void setEnabled(bool enabled) { set(Prop::Enabled, enabled); }
    bool enabled() const { return getBool(Prop::Enabled); }
    void setSelected(bool selected, Notify notify = Notify::No) {
        set(Prop::Selected, selected, notify);
    }
    bool selected() const { return getBool(Prop::Selected); }
    void selectItem(int index, Notify notify = Notify::No) {
        set(Prop::Index, std::int64_t{index}, notify);
    }
    int selectedIndex() const { return static_cast<int>(getInt(Prop::Index)); }
    void selectPage(int page) { set(Prop::Index, std::int64_t{page}); }
    void setValue(int value) { set(Prop::Value, std::int64_t{value}); }
    int value() const { return static_cast<int>(getInt(Prop::Value)); }
    void setRange(int min, int max) {
        set(Prop::Min, std::int64_t{min});
        set(Prop::Max, std::int64_t{max});
    }
    void setBkColor(Argb colour) { set(Prop::BkColor, std::int64_t{colour}); }
    Argb bkColor() const { return static_cast<Argb>(getInt(Prop::BkColor)); }
    void setTextColor(Argb colour) { set(Prop::TextColor, std::int64_t{colour}); }
    void addItem(const Item& item) { insertItem(-1, item); }

    bool getBool(Prop prop) const;
    std::int64_t getInt(Prop prop) const;
    std::string getString(Prop prop) const;
};

// Property names as the scenario files and the skins write them ("bkcolor", "tintalpha", ...).
const char* propName(Prop prop);
bool propFromName(const std::string& name, Prop& out);
// The type a property holds.
enum class PropType { Bool, Int, Colour, String };
PropType propType(Prop prop);

}  // namespace quillon::toolkit
