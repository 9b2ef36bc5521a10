#include "toolkit/qt/ChartView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>
#include <array>

#include "toolkit/qt/Repaint.h"

namespace quillon::toolkit::qt {

namespace {

constexpr std::array<QRgb, 18> kPiePalette = {
    0x3F96F5, 0xFF5A01, 0x6AF4C0, 0xF5EA6A, 0xFC7B97, 0xA2F53F, 0x9D90FC, 0xD290FC, 0x7FB0CB,
    0xF4C471, 0xA2C285, 0xBD1717, 0xBD17B3, 0x6117BD, 0x172BBD, 0x12884C, 0x887912, 0x882612,
};

}  // namespace

ChartView::ChartView(SkinImages* images, QWidget* parent) : QWidget(parent), images_(images) {
    setAttribute(Qt::WA_StyledBackground);
}

QColor ChartView::itemColour(std::size_t index) {
    return QColor::fromRgb(kPiePalette[index % kPiePalette.size()]);
}

QString ChartView::viewName() const {
    return view_ == View::Pie ? QStringLiteral("pie") : QStringLiteral("histpgram");
}

void ChartView::setView(const QString& name) {
    if (name == QLatin1String("pie")) {
        updateIfChanged(*this, view_, View::Pie);
    } else if (name == QLatin1String("histpgram")) {
        updateIfChanged(*this, view_, View::Histogram);
    }
}

void ChartView::setShadowImage(const QString& description) {
    updateIfChanged(*this, shadowImage_, description);
}

void ChartView::setShadowHeight(int height) {
    updateIfChanged(*this, shadowHeight_, height);
}

void ChartView::setPillarImage(const QString& description) {
    updateIfChanged(*this, pillarImage_, description);
}

void ChartView::setPillarWidth(int width) {
    updateIfChanged(*this, pillarWidth_, width);
}

void ChartView::setShowHtml(const QString& flag) {
    updateIfChanged(*this, showHtml_, flag == QLatin1String("true"));
}

void ChartView::setShowText(const QString& flag) {
    updateIfChanged(*this, showText_, flag == QLatin1String("true"));
}

void ChartView::setTextColour(Argb colour) {
    updateIfChanged(*this, textColour_, colour);
}

void ChartView::addItem(const QString& name, double value) {
    items_.push_back({name, value});
    update();
}

void ChartView::clearItems() {
    items_.clear();
    update();
}

void ChartView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (view_ == View::Pie) {
        paintPie(painter, event->rect());
    } else {
        paintHistogram(painter);
    }
}

}  // namespace quillon::toolkit::qt
