// The key button's own state: remapped marker and light.
#include "toolkit/qt/DeviceKeyButton.h"
#include "toolkit/qt/PropConvert.h"
#include "toolkit/qt/QtControl.h"

namespace quillon::toolkit::qt {

bool QtControl::setKeyButton(Prop prop, const PropValue& value) {
    auto* key = qobject_cast<DeviceKeyButton*>(widget_.data());
    if (key == nullptr) {
        return false;
    }
    switch (prop) {
        case Prop::Remapped:
            key->setRemapped(propBool(value));
            return true;
        case Prop::Light:
            key->setLightOn(propBool(value));
            return true;
        case Prop::LightColor:
            key->setLightColour(propColour(value));
            return true;
        case Prop::LightAlpha:
            key->setLightAlpha(propIntClamped(value));
            return true;
        default:
            return false;
    }
}

bool QtControl::getKeyButton(Prop prop, PropValue& out) const {
    const auto* key = qobject_cast<const DeviceKeyButton*>(widget_.data());
    if (key == nullptr) {
        return false;
    }
    switch (prop) {
        case Prop::Remapped:
            out = key->remapped();
            return true;
        case Prop::Light:
            out = key->lightOn();
            return true;
        case Prop::LightColor:
            out = std::int64_t{key->lightColour()};
            return true;
        case Prop::LightAlpha:
            out = std::int64_t{key->lightAlpha()};
            return true;
        default:
            return false;
    }
}

}  // namespace quillon::toolkit::qt
