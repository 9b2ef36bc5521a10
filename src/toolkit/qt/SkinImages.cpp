#include "toolkit/qt/SkinImages.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace quillon::toolkit::qt {

namespace {

constexpr int kMaxCachedPictures = 512;

bool isTooLarge(const QSize& size) {
    return size.width() > SkinImages::kMaxSide || size.height() > SkinImages::kMaxSide;
}

QPixmap readPicture(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && isTooLarge(size)) {
        return {};
    }
    // QPixmap::load keeps the picture in QPixmapCache under the file's name, where the style
    // sheet's url() pictures are looked up too: a picture both use is held in memory once.
    QPixmap picture;
    if (!picture.load(path) || picture.width() > SkinImages::kMaxSide ||
        picture.height() > SkinImages::kMaxSide) {
        return {};
    }
    return picture;
}

}  // namespace

QString pictureFileOf(const QString& description) {
    const QString key = QStringLiteral("file='");
    const qsizetype start = description.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0) {
        return description.trimmed();
    }
    const qsizetype from = start + key.size();
    const qsizetype end = description.indexOf(QLatin1Char('\''), from);
    if (end < 0) {
        return {};
    }
    return description.mid(from, end - from).trimmed();
}

SkinImages::SkinImages(QString skinDir) : skinDir_(QDir::cleanPath(std::move(skinDir))) {}

QString SkinImages::resolve(const QString& description) const {
    QString file = pictureFileOf(description);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (file.isEmpty() || file.contains(QChar(0))) {
        return {};
    }
    if (QFileInfo(file).isAbsolute()) {
        return QDir::cleanPath(file);
    }
    const QString inside = QDir::cleanPath(skinDir_ + QLatin1Char('/') + file);
    if (!inside.startsWith(skinDir_ + QLatin1Char('/'))) {
        return {};
    }
    return inside;
}

bool SkinImages::isReadable(const QString& description) const {
    const QString path = resolve(description);
    if (path.isEmpty()) {
        return false;
    }
    const auto found = cache_.constFind(path);
    if (found != cache_.constEnd()) {
        return !found->isNull();
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    return reader.canRead() && size.isValid() && !isTooLarge(size);
}

QPixmap SkinImages::pixmap(const QString& description) {
    const QString path = resolve(description);
    if (path.isEmpty()) {
        return {};
    }
    const auto found = cache_.constFind(path);
    if (found != cache_.constEnd()) {
        return *found;
    }
    if (cache_.size() >= kMaxCachedPictures) {
        cache_.clear();
    }
    QPixmap picture = readPicture(path);
    cache_.insert(path, picture);
    return picture;
}

}  // namespace quillon::toolkit::qt
