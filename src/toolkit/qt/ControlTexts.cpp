// A control's texts: shown text or language text id, tooltip, and user data.
#include <QComboBox>
#include <QVariant>
#include <algorithm>

#include "toolkit/qt/PropConvert.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/TextBinding.h"

namespace quillon::toolkit::qt {

namespace {

constexpr int kMaxTooltipWidth = 4096;

}  // namespace

bool QtControl::setText(Prop prop, const PropValue& value) {
    QWidget& widget = *widget_;
    const Translator translate = [this](std::string_view id) {
        return window_.toolkit().translate(id);
    };
    switch (prop) {
        case Prop::Text:
            if (const char* property = textPropertyOf(widget)) {
                showPlainText(widget, property, propQString(value));
            }
            return true;
        case Prop::TextId:
            if (const char* property = textPropertyOf(widget)) {
                showTextId(widget, property, propString(value), translate);
            }
            return true;
        case Prop::Tooltip:
            showPlainText(widget, "toolTip", propQString(value));
            return true;
        case Prop::TooltipId:
            showTextId(widget, "toolTip", propString(value), translate);
            return true;
        case Prop::TooltipWidth:
            showTooltip(widget, plainTooltip(widget),
                        std::clamp(propIntClamped(value), 0, kMaxTooltipWidth));
            return true;
        case Prop::UserData:
            userData_ = propString(value);
            return true;
        default:
            return false;
    }
}

bool QtControl::getText(Prop prop, PropValue& out) const {
    const QWidget& widget = *widget_;
    const char* property = textPropertyOf(widget);
    switch (prop) {
        case Prop::Text:
            if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
                out = combo->currentText().toStdString();
            } else if (property != nullptr) {
                out = widget.property(property).toString().toStdString();
            }
            return true;
        case Prop::TextId:
            if (property != nullptr) {
                out = boundTextId(widget, property);
            }
            return true;
        case Prop::Tooltip:
            out = plainTooltip(widget).toStdString();
            return true;
        case Prop::TooltipId:
            out = boundTextId(widget, "toolTip");
            return true;
        case Prop::TooltipWidth:
            out = std::int64_t{tooltipWidth(widget)};
            return true;
        case Prop::UserData:
            out = userData_;
            return true;
        default:
            return false;
    }
}

}  // namespace quillon::toolkit::qt
