#pragma once
// Pictures named by the skin files and by the program: "ms/key.png" or "file='ms/key.png' ...".
// Relative names are taken in the skin folder and may not leave it; an absolute name (a picture
// the user chose with the file dialog) is used as it stands. Loaded pictures are kept for reuse.

#include <QHash>
#include <QPixmap>
#include <QString>

namespace quillon::toolkit::qt {

class SkinImages {
  public:
    explicit SkinImages(QString skinDir);

    const QString& skinDir() const { return skinDir_; }

    // The file a picture description names, or "" when it names none or leaves the skin folder.
    QString resolve(const QString& description) const;

    // The picture, or a null pixmap when the description names nothing loadable.
    QPixmap pixmap(const QString& description);
    // Whether the description names a picture that can be read, looking at its header only: for
    // pictures that something else (the style sheet's url()) loads when it first draws them.
    bool isReadable(const QString& description) const;

    // Pictures larger than this on either side are refused.
    static constexpr int kMaxSide = 8192;

  private:
    QString skinDir_;
    QHash<QString, QPixmap> cache_;
};

// The path inside "file='...'" of a picture description, or the whole description without it.
QString pictureFileOf(const QString& description);

}  // namespace quillon::toolkit::qt
