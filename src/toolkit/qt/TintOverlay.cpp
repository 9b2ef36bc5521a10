#include "toolkit/qt/TintOverlay.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/Tint.h"

namespace quillon::toolkit::qt {

TintOverlay::TintOverlay(QWidget& host, SkinImages& images) : QWidget(&host), images_(images) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(host.rect());
    host.installEventFilter(this);
}

void TintOverlay::setTint(QColor colour, int alpha, const QString& picture) {
    colour_ = colour;
    alpha_ = clampAlpha(alpha);
    picture_ = picture;
    update();
}

QPixmap TintOverlay::hostPicture() const {
    if (!picture_.isEmpty()) {
        return images_.pixmap(picture_);
    }
    if (const auto* label = qobject_cast<const QLabel*>(parentWidget())) {
        return label->pixmap();
    }
    return {};
}

void TintOverlay::paintEvent(QPaintEvent*) {
    if (alpha_ == 0) {
        return;
    }
    QPainter painter(this);
    const QPixmap picture = hostPicture();
    if (picture.isNull()) {
        QColor fill = colour_;
        fill.setAlpha(alpha_);
        painter.fillRect(rect(), fill);
        return;
    }
    drawTinted(painter, rect(), picture, colour_, alpha_);
}

bool TintOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

}  // namespace quillon::toolkit::qt
