// The two views of ChartView: a pie with an optional legend, and a histogram of pictures.
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "toolkit/qt/ChartView.h"
#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/SkinImages.h"

namespace quillon::toolkit::qt {

namespace {

constexpr int kQtDegree = 16;
constexpr int kLegendWidth = 100;
constexpr int kLegendRow = 22;
constexpr int kSwatch = 18;
constexpr int kTextBand = 25;

}  // namespace

void ChartView::drawName(QPainter& painter, const QRect& box, const QString& name, int alignment) {
    const QColor colour =
        textColour_ != 0 ? toQColor(textColour_) : palette().color(QPalette::Text);
    if (!showHtml_) {
        painter.setPen(colour);
        painter.drawText(box, alignment | Qt::TextSingleLine, name);
        return;
    }
    QTextDocument document;
    document.setDefaultFont(font());
    document.setHtml(name);
    document.setTextWidth(box.width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, colour);
    const double top = box.top() + std::max(0.0, (box.height() - document.size().height()) / 2);
    painter.save();
    painter.translate(box.left(), top);
    painter.setClipRect(QRectF(0, 0, box.width(), box.height()));
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

bool ChartView::drawPicture(QPainter& painter, const QRect& target, const QString& description) {
    const QPixmap picture = images_ != nullptr ? images_->pixmap(description) : QPixmap();
    if (picture.isNull()) {
        return false;
    }
    if (!target.isEmpty()) {
        painter.drawPixmap(target, picture);
    }
    return true;
}

void ChartView::paintPie(QPainter& painter, const QRect& dirty) {
    double sum = 0;
    for (const ChartItem& item : items_) {
        sum += item.value;
    }
    if (items_.empty() || !(sum > 0)) {
        return;
    }
    const int legend = showText_ ? kLegendWidth : 0;
    const int fieldWidth = width() - (legend + 10);
    const int fieldHeight = height() - 10;
    const int diameter = std::min(fieldWidth, fieldHeight);
    if (diameter <= 0) {
        return;
    }
    const int x0 = 5 + (fieldWidth - diameter) / 2;
    const int y0 = 5 + (fieldHeight - diameter) / 2;
    const long long rows =
        static_cast<long long>(kLegendRow) * static_cast<long long>(items_.size());
    int legendTop = static_cast<int>(std::max<long long>((fieldHeight - rows) / 2, 5));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(0x1E1E1E1E));
    painter.drawEllipse(QRect(x0 - 4, y0 - 4, diameter + 8, diameter + 8));
    painter.setBrush(QColor::fromRgba(0x64646464));
    painter.drawEllipse(QRect(x0 - 1, y0 - 1, diameter + 2, diameter + 2));

    double start = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const QColor colour = itemColour(i);
        const double sweep = items_[i].value / sum * 360.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPie(QRect(x0, y0, diameter, diameter), static_cast<int>(-start * kQtDegree),
                        static_cast<int>(-sweep * kQtDegree));
        start += sweep;
        if (showText_) {
            const QRect row(x0 + diameter + 10, legendTop, legend + 18, kSwatch);
            if (row.intersects(dirty)) {
                painter.fillRect(QRect(row.topLeft(), QSize(kSwatch, kSwatch)), colour);
                drawName(painter, row.adjusted(23, 0, 0, 0), items_[i].name,
                         Qt::AlignLeft | Qt::AlignVCenter);
            }
            legendTop += kLegendRow;
        }
    }
}

void ChartView::paintHistogram(QPainter& painter) {
    const int band = showText_ ? kTextBand : 0;
    const int bottom = height() - band;
    if (!shadowImage_.isEmpty() &&
        !drawPicture(painter, QRect(0, bottom - shadowHeight_, width(), shadowHeight_),
                     shadowImage_)) {
        shadowImage_.clear();
    }
    if (items_.empty() || pillarWidth_ <= 0) {
        return;
    }
    double largest = items_.front().value;
    for (const ChartItem& item : items_) {
        largest = std::max(largest, item.value);
    }
    if (!(largest > 0)) {
        return;
    }
    const int gap = 2 * (width() / pillarWidth_);
    int x = gap;
    for (const ChartItem& item : items_) {
        const int pillar = static_cast<int>(std::trunc(item.value / largest * bottom));
        if (!pillarImage_.isEmpty() && pillar > 0 &&
            !drawPicture(painter, QRect(x, bottom - pillar, pillarWidth_, pillar), pillarImage_)) {
            pillarImage_.clear();
        }
        if (showText_) {
            drawName(painter, QRect(x - gap, bottom, pillarWidth_ + 2 * gap, band), item.name,
                     Qt::AlignCenter);
        }
        x += pillarWidth_ + gap;
    }
}

}  // namespace quillon::toolkit::qt
