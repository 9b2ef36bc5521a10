#include "toolkit/qt/Tint.h"

#include <QCache>
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

namespace {

// A picture stretched to a size stays the same from frame to frame while only the colour changes
// (the keys of a lighting preview), so the smooth scaling is done once per picture and size.
constexpr qsizetype kScaledCacheBytes = 4 * 1024 * 1024;

QImage scaledPicture(const QPixmap& picture, QSize size) {
    static QCache<QString, QImage> cache(kScaledCacheBytes);
    const QString key =
        QStringLiteral("%1/%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
    if (const QImage* found = cache.object(key)) {
        return *found;
    }
    QImage scaled = picture.toImage()
                        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto cost = std::max<qsizetype>(1, scaled.sizeInBytes());
    if (cost <= kScaledCacheBytes) {
        cache.insert(key, new QImage(scaled), cost);
    }
    return scaled;
}

}  // namespace

void drawTinted(QPainter& painter, const QRect& target, const QPixmap& picture, QColor colour,
                int alpha) {
    if (picture.isNull() || target.isEmpty()) {
        return;
    }
    painter.drawImage(target.topLeft(),
                      tintedPicture(scaledPicture(picture, target.size()), colour, alpha));
}

}  // namespace quillon::toolkit::qt
