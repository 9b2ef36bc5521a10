#include "toolkit/Control.h"

#include <array>
#include <cctype>

#include "toolkit/PropText.h"

namespace quillon::toolkit {
namespace {

struct PropInfo {
    Prop prop;
    const char* name;
    PropType type;
};

// One row per Prop, in declaration order; the names are the ones scenario files use.
constexpr std::array<PropInfo, 26> kProps{{
    {Prop::Text, "text", PropType::String},
    {Prop::TextId, "textid", PropType::String},
    {Prop::Tooltip, "tooltip", PropType::String},
    {Prop::TooltipId, "tooltipid", PropType::String},
    {Prop::TooltipWidth, "tooltipwidth", PropType::Int},
    {Prop::Visible, "visible", PropType::Bool},
    {Prop::Enabled, "enabled", PropType::Bool},
    {Prop::UserData, "userdata", PropType::String},
    {Prop::BkColor, "bkcolor", PropType::Colour},
    {Prop::BkImage, "bkimage", PropType::String},
    {Prop::BorderSize, "bordersize", PropType::Int},
    {Prop::BorderColor, "bordercolor", PropType::Colour},
    {Prop::TextColor, "textcolor", PropType::Colour},
    {Prop::Selected, "selected", PropType::Bool},
    {Prop::Value, "value", PropType::Int},
    {Prop::Min, "min", PropType::Int},
    {Prop::Max, "max", PropType::Int},
    {Prop::Index, "index", PropType::Int},
    {Prop::TintEnabled, "tintenabled", PropType::Bool},
    {Prop::Tint, "tint", PropType::Colour},
    {Prop::TintAlpha, "tintalpha", PropType::Int},
    {Prop::PaletteColor, "palettecolor", PropType::Colour},
    {Prop::Remapped, "remapped", PropType::Bool},
    {Prop::Light, "light", PropType::Bool},
    {Prop::LightColor, "lightcolor", PropType::Colour},
    {Prop::LightAlpha, "lightalpha", PropType::Int},
}};

const PropInfo& info(Prop prop) {
    for (const PropInfo& row : kProps) {
        if (row.prop == prop) {
            return row;
        }
    }
    return kProps[0];
}

bool sameIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

const char* propName(Prop prop) {
    return info(prop).name;
}

bool propFromName(const std::string& name, Prop& out) {
    for (const PropInfo& row : kProps) {
        if (sameIgnoringCase(name, row.name)) {
            out = row.prop;
            return true;
        }
    }
    return false;
}

PropType propType(Prop prop) {
    return info(prop).type;
}

bool Control::getBool(Prop prop) const {
    return propValueAsBool(get(prop));
}

std::int64_t Control::getInt(Prop prop) const {
    return propValueAsInt(get(prop));
}

std::string Control::getString(Prop prop) const {
    return formatPropValue(prop, get(prop));
}

}  // namespace quillon::toolkit
