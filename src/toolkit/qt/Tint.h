#pragma once
// Colour overlay of a picture: the colour laid over the picture's own pixels (transparent parts
// stay transparent) with a strength of 0 (the picture unchanged) to 255 (the colour only).

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace quillon::toolkit::qt {

QImage tintedPicture(const QImage& picture, QColor colour, int alpha);

// Draws `picture` stretched over `target`, tinted; a null picture draws nothing.
void drawTinted(QPainter& painter, const QRect& target, const QPixmap& picture, QColor colour,
                int alpha);

int clampAlpha(long long alpha);

}  // namespace quillon::toolkit::qt
