// A control's look: colours, border and background picture through a style sheet of its own,
// and the colour overlay.
#include <QStringList>

#include "toolkit/qt/ChartView.h"
#include "toolkit/qt/CircleProgress.h"
#include "toolkit/qt/PropConvert.h"
#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/SkinStyle.h"
#include "toolkit/qt/Tint.h"
#include "toolkit/qt/TintOverlay.h"

namespace quillon::toolkit::qt {

namespace {

constexpr int kMaxBorder = 64;

QString pictureRule(const QString& path, bool bordered) {
    QString quoted = path;
    quoted.remove(QLatin1Char('"'));
    if (bordered) {
        return QStringLiteral(
                   "background-image: url(\"%1\"); background-position: center; "
                   "background-repeat: no-repeat")
            .arg(quoted);
    }
    return QStringLiteral("border-image: url(\"%1\") 0 0 0 0 stretch stretch").arg(quoted);
}

}  // namespace

bool QtControl::setLook(Prop prop, const PropValue& value) {
    switch (prop) {
        case Prop::BkColor:
            bkColour_ = propColour(value);
            break;
        case Prop::BkImage:
            bkImage_ = propString(value);
            applyTint();
            break;
        case Prop::BorderSize:
            borderSize_ = std::clamp(propIntClamped(value), 0, kMaxBorder);
            break;
        case Prop::BorderColor:
            borderColour_ = propColour(value);
            break;
        case Prop::TextColor:
            textColour_ = propColour(value);
            break;
        case Prop::TintEnabled:
            tintEnabled_ = propBool(value);
            applyTint();
            return true;
        case Prop::Tint:
            tint_ = propColour(value);
            applyTint();
            return true;
        case Prop::TintAlpha:
            tintAlpha_ = clampAlpha(propInt(value));
            applyTint();
            return true;
        default:
            return false;
    }
    applyStyle();
    return true;
}

bool QtControl::getLook(Prop prop, PropValue& out) const {
    switch (prop) {
        case Prop::BkColor:
            out = std::int64_t{bkColour_};
            return true;
        case Prop::BkImage:
            out = bkImage_;
            return true;
        case Prop::BorderSize:
            out = std::int64_t{borderSize_};
            return true;
        case Prop::BorderColor:
            out = std::int64_t{borderColour_};
            return true;
        case Prop::TextColor:
            out = std::int64_t{textColour_};
            return true;
        case Prop::TintEnabled:
            out = tintEnabled_;
            return true;
        case Prop::Tint:
            out = std::int64_t{tint_};
            return true;
        case Prop::TintAlpha:
            out = std::int64_t{tintAlpha_};
            return true;
        default:
            return false;
    }
}

void QtControl::applyStyle() {
    QWidget& widget = *widget_;
    auto* circle = qobject_cast<CircleProgress*>(&widget);
    if (circle != nullptr) {
        circle->setDiscColour(toQColor(bkColour_));  // the disc is the circle's background
    }
    if (auto* chart = qobject_cast<ChartView*>(&widget)) {
        chart->setTextColour(textColour_);
    }
    QStringList rules;
    if (bkColour_ != 0 && circle == nullptr) {
        rules << QStringLiteral("background-color: ") + cssColour(bkColour_);
    }
    if (!bkImage_.empty() && circle == nullptr) {
        // A picture that cannot be loaded shows nothing, as no picture would.
        SkinImages& images = window_.toolkit().images();
        const QString description = QString::fromStdString(bkImage_);
        if (images.isReadable(description)) {
            rules << pictureRule(images.resolve(description), borderSize_ > 0);
        }
    }
    if (borderSize_ > 0) {
        rules << QStringLiteral("border: %1px solid %2")
                     .arg(borderSize_)
                     .arg(cssColour(borderColour_));
    }
    if (textColour_ != 0) {
        rules << QStringLiteral("color: ") + cssColour(textColour_);
    }
    widget.setAttribute(Qt::WA_StyledBackground);
    const QString look = rules.join(QStringLiteral("; "));
    if (SkinStyle* style = SkinStyle::current()) {
        style->setLook(widget, look);
    } else {
        widget.setStyleSheet(
            look.isEmpty()
                ? QString()
                : QStringLiteral("*[qlnStyle=\"%1\"] { %2 }").arg(styleSerial_).arg(look));
    }
}

void QtControl::applyTint() {
    if (!tintEnabled_) {
        if (overlay_) {
            overlay_->hide();
        }
        return;
    }
    if (!overlay_) {
        overlay_ = new TintOverlay(*widget_, window_.toolkit().images());
    }
    overlay_->setTint(toQColor(tint_), tintAlpha_, QString::fromStdString(bkImage_));
    overlay_->show();
    overlay_->raise();
}

}  // namespace quillon::toolkit::qt
