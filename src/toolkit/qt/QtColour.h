#pragma once
// Conversions between the toolkit's 0xAARRGGBB colours and Qt's colour types. QRgb has the same
// layout, so the conversions are exact both ways.

#include <QColor>
#include <QString>

#include "toolkit/Control.h"

namespace quillon::toolkit::qt {

inline QColor toQColor(Argb colour) {
    return QColor::fromRgba(colour);
}

inline Argb toArgb(const QColor& colour) {
    return static_cast<Argb>(colour.rgba());
}

// The colour as a style sheet value: "rgba(r, g, b, a)".
inline QString cssColour(Argb colour) {
    const QColor c = toQColor(colour);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

}  // namespace quillon::toolkit::qt
