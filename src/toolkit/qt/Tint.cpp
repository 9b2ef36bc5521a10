#include "toolkit/qt/Tint.h"

#include <QPainter>
#include <algorithm>

namespace quillon::toolkit::qt {

int clampAlpha(long long alpha) {
    return static_cast<int>(std::clamp<long long>(alpha, 0, 255));
}

QImage tintedPicture(const QImage& picture, QColor colour, int alpha) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (result.isNull()) {
        return result;
    }
    colour.setAlpha(clampAlpha(alpha));
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(result.rect(), colour);
    return result;
}

void drawTinted(QPainter& painter, const QRect& target, const QPixmap& picture, QColor colour,
                int alpha) {
    if (picture.isNull() || target.isEmpty()) {
        return;
    }
    const QImage scaled =
        picture.toImage().scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(target.topLeft(), tintedPicture(scaled, colour, alpha));
}

}  // namespace quillon::toolkit::qt
