// The custom controls' painting, checked on their pixels, and the palette's choice of colour.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "toolkit/qt/ChartView.h"
#include "toolkit/qt/CircleProgress.h"
#include "toolkit/qt/ColorPalette.h"
#include "toolkit/qt/DeviceKeyButton.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit_qt/qt_driver.h"
#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {
namespace {

const QColor kDisc(0x40, 0x40, 0x40);
const QColor kArc(0xFF, 0x00, 0x00);

bool near(QColor got, QColor want, int tolerance = 12) {
    return std::abs(got.red() - want.red()) <= tolerance &&
           std::abs(got.green() - want.green()) <= tolerance &&
           std::abs(got.blue() - want.blue()) <= tolerance;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

class CustomWidgets : public ::testing::Test {
  protected:
    void SetUp() override { ensureQtApplication(); }
};

// A 100 x 100 ring: disc radius 50, white centre radius 40, so the ring is 40..50 from the middle.
QImage circleAt(int minimum, int maximum, int value) {
    CircleProgress circle;
    circle.resize(100, 100);
    circle.setDiscColour(kDisc);
    circle.setArcColour(kArc);
    circle.setMinimum(minimum);
    circle.setMaximum(maximum);
    circle.setValue(value);
    return circle.grab().toImage();
}

TEST_F(CustomWidgets, CircleProgressAtZeroShowsTheDiscAndWhiteCentreWithoutArc) {
    const QImage image = circleAt(0, 100, 0);
    for (const QPoint ring : {QPoint(50, 95), QPoint(5, 50), QPoint(50, 5), QPoint(95, 50)}) {
        EXPECT_TRUE(near(at(image, ring.x(), ring.y()), kDisc)) << ring.x() << "," << ring.y();
    }
    EXPECT_TRUE(near(at(image, 50, 50), Qt::white));
}

TEST_F(CustomWidgets, CircleProgressAtItsMaximumIsAFullRing) {
    const QImage image = circleAt(0, 100, 100);
    for (const QPoint ring : {QPoint(50, 95), QPoint(5, 50), QPoint(50, 5), QPoint(95, 50)}) {
        EXPECT_TRUE(near(at(image, ring.x(), ring.y()), kArc)) << ring.x() << "," << ring.y();
    }
    EXPECT_TRUE(near(at(image, 50, 50), Qt::white));
}

TEST_F(CustomWidgets, CircleProgressFillsClockwiseFromTheBottom) {
    const QImage quarter = circleAt(0, 100, 25);
    EXPECT_TRUE(near(at(quarter, 18, 82), kArc));   // between the bottom and the left
    EXPECT_TRUE(near(at(quarter, 82, 82), kDisc));  // between the bottom and the right
    EXPECT_TRUE(near(at(quarter, 50, 5), kDisc));   // the top
    const QImage half = circleAt(0, 100, 50);
    EXPECT_TRUE(near(at(half, 5, 50), kArc));
    EXPECT_TRUE(near(at(half, 95, 50), kDisc));
}

TEST_F(CustomWidgets, CircleProgressMeasuresTheValueWithinItsRange) {
    CircleProgress circle;
    circle.setMinimum(10);
    circle.setMaximum(20);
    circle.setValue(15);
    EXPECT_EQ(circle.sweepDegrees(), 180);
    circle.setValue(10);
    EXPECT_EQ(circle.sweepDegrees(), 0);
    circle.setValue(500);
    EXPECT_EQ(circle.sweepDegrees(), 360);
    circle.setValue(-500);
    EXPECT_EQ(circle.sweepDegrees(), 0);
    circle.setMaximum(10);  // an empty range draws no arc
    circle.setValue(10);
    EXPECT_EQ(circle.sweepDegrees(), 0);
    const QImage image = circleAt(10, 20, 15);
    EXPECT_TRUE(near(at(image, 5, 50), kArc));
    EXPECT_TRUE(near(at(image, 95, 50), kDisc));
}

class KeyButtonPainting : public CustomWidgets {
  protected:
    void SetUp() override {
        CustomWidgets::SetUp();
        skin_.writePicture("kb/light.png", Qt::white);
        skin_.writePicture("kb/set.png", Qt::blue);
        images_ = std::make_unique<SkinImages>(QString::fromStdString(skin_.dir()));
    }

    QImage paint(bool light, bool remapped, const QString& lightImage = "kb/light.png") {
        DeviceKeyButton key(images_.get());
        key.resize(40, 40);
        key.setLightImage(lightImage);
        key.setKeySetImage("file='kb/set.png'");
        key.setLightOn(light);
        key.setLightColour(0xFF00FF00);
        key.setLightAlpha(255);
        key.setRemapped(remapped);
        return key.grab().toImage();
    }

    TempSkin skin_;
    std::unique_ptr<SkinImages> images_;
};

TEST_F(KeyButtonPainting, ARemappedKeyShowsTheKeySetPictureAboveTheLight) {
    EXPECT_TRUE(near(at(paint(false, true), 20, 20), Qt::blue));
    EXPECT_TRUE(near(at(paint(true, true), 20, 20), Qt::blue));
}

TEST_F(KeyButtonPainting, ALitKeyShowsItsLightPictureTintedWithItsColour) {
    EXPECT_TRUE(near(at(paint(true, false), 20, 20), Qt::green));
    DeviceKeyButton key(images_.get());
    key.resize(40, 40);
    key.setLightImage("kb/light.png");
    key.setLightOn(true);
    key.setLightColour(0xFF00FF00);
    key.setLightAlpha(0);  // no tint: the picture as it is
    EXPECT_TRUE(near(at(key.grab().toImage(), 20, 20), Qt::white));
}

TEST_F(KeyButtonPainting, EachRepaintShowsTheNewColourAndSize) {
    DeviceKeyButton key(images_.get());
    key.resize(40, 40);
    key.setLightImage("kb/light.png");
    key.setLightOn(true);
    key.setLightAlpha(255);
    key.setLightColour(0xFF00FF00);
    EXPECT_TRUE(near(at(key.grab().toImage(), 20, 20), Qt::green));
    key.setLightColour(0xFFFF0000);
    EXPECT_TRUE(near(at(key.grab().toImage(), 20, 20), Qt::red));
    key.resize(80, 30);
    const QImage wide = key.grab().toImage();
    EXPECT_TRUE(near(at(wide, 70, 15), Qt::red));
    EXPECT_TRUE(near(at(wide, 5, 25), Qt::red));
}

// The largest difference of any colour channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) {
        return 256;
    }
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

TEST_F(KeyButtonPainting, TheKeyLooksLikeAPlainButtonAndFollowsItsTextAndStyle) {
    const QString look =
        "background-color: #203040; color: #E0E0E0; border: 2px solid #50A0F0; "
        "border-radius: 6px;";
    QWidget parent;
    parent.setStyleSheet("QWidget { background-color: #101418; }");
    QPushButton plain("F5", &parent);
    DeviceKeyButton key(images_.get(), &parent);
    for (QPushButton* button :
         {static_cast<QPushButton*>(&plain), static_cast<QPushButton*>(&key)}) {
        button->setText("F5");
        button->setStyleSheet(look);
        button->setGeometry(0, 0, 44, 36);
    }
    // Equal but for the rounding of edges drawn over a picture first.
    EXPECT_LE(largestDifference(key.grab().toImage(), plain.grab().toImage()), 2);

    // A light that changes and comes back leaves the key exactly as it was.
    const QImage unlit = key.grab().toImage();
    key.setLightImage("kb/light.png");
    key.setLightAlpha(128);
    key.setLightColour(0xFF00FF00);
    key.setLightOn(true);
    const QImage green = key.grab().toImage();
    EXPECT_NE(green, unlit);
    key.setLightColour(0xFF0000FF);
    EXPECT_NE(key.grab().toImage(), green);
    key.setLightColour(0xFF00FF00);
    EXPECT_EQ(key.grab().toImage(), green);
    key.setLightOn(false);
    EXPECT_EQ(key.grab().toImage(), unlit);

    key.setText("F6");
    plain.setText("F6");
    EXPECT_NE(key.grab().toImage(), unlit);
    EXPECT_LE(largestDifference(key.grab().toImage(), plain.grab().toImage()), 2);

    const QString other = "background-color: #A02020; color: #FFFFFF; border: none;";
    key.setStyleSheet(other);
    plain.setStyleSheet(other);
    EXPECT_TRUE(near(at(key.grab().toImage(), 22, 4), QColor(0xA0, 0x20, 0x20)));
    EXPECT_LE(largestDifference(key.grab().toImage(), plain.grab().toImage()), 2);

    key.setEnabled(false);
    plain.setEnabled(false);
    EXPECT_LE(largestDifference(key.grab().toImage(), plain.grab().toImage()), 2);
}

TEST_F(KeyButtonPainting, ALitKeyWithoutALightPictureDrawsOnlyTheButton) {
    const QImage plain = paint(false, false);
    EXPECT_EQ(paint(true, false, QString()), plain);
    EXPECT_EQ(paint(true, false, "kb/missing.png"), plain);
    EXPECT_EQ(paint(true, false, "../outside.png"), plain);
}

class ChartPainting : public CustomWidgets {
  protected:
    TempSkin skin_;
    SkinImages images_{QString::fromStdString(skin_.dir())};
};

TEST_F(ChartPainting, APieGivesEachItemItsShareInThePaletteColours) {
    ChartView chart(&images_);
    chart.resize(200, 200);
    chart.addItem("a", 1);
    chart.addItem("b", 1);
    const QImage image = chart.grab().toImage();
    // The first item sweeps clockwise from three o'clock: the lower half.
    EXPECT_TRUE(near(at(image, 100, 150), ChartView::itemColour(0)));
    EXPECT_TRUE(near(at(image, 100, 50), ChartView::itemColour(1)));
    EXPECT_EQ(ChartView::itemColour(18), ChartView::itemColour(0));
}

TEST_F(ChartPainting, AChartWithoutItemsPaintsOnlyItsBase) {
    ChartView empty(&images_);
    empty.resize(120, 120);
    ChartView zero(&images_);
    zero.resize(120, 120);
    zero.addItem("nothing", 0);
    EXPECT_EQ(zero.grab().toImage(), empty.grab().toImage());
}

TEST_F(ChartPainting, TheViewChangesOnlyForItsTwoExactWords) {
    ChartView chart(&images_);
    chart.setView("histpgram");
    EXPECT_EQ(chart.view(), ChartView::View::Histogram);
    chart.setView("Pie");
    EXPECT_EQ(chart.view(), ChartView::View::Histogram);
    chart.setView("bars");
    EXPECT_EQ(chart.view(), ChartView::View::Histogram);
    chart.setView("pie");
    EXPECT_EQ(chart.view(), ChartView::View::Pie);
    chart.setView("Histpgram");
    EXPECT_EQ(chart.view(), ChartView::View::Pie);
    chart.setShowText("True");
    EXPECT_FALSE(chart.showText());
    chart.setShowText("true");
    EXPECT_TRUE(chart.showText());
}

TEST_F(ChartPainting, AHistogramDrawsPillarsInProportionToTheLargestValue) {
    skin_.writePicture("pillar.png", Qt::green);
    ChartView chart(&images_);
    chart.resize(100, 100);
    chart.setView("histpgram");
    chart.setPillarImage("pillar.png");
    chart.setPillarWidth(10);
    chart.addItem("a", 2);
    chart.addItem("b", 1);
    const QImage image = chart.grab().toImage();
    // gap = 2 * (100 / 10) = 20: pillars at x 20..29 (full height) and 50..59 (half height).
    EXPECT_TRUE(near(at(image, 25, 5), Qt::green));
    EXPECT_TRUE(near(at(image, 55, 75), Qt::green));
    EXPECT_FALSE(near(at(image, 55, 25), Qt::green));
    EXPECT_FALSE(near(at(image, 40, 75), Qt::green));
}

TEST_F(ChartPainting, APictureThatCannotBeDrawnIsForgotten) {
    ChartView chart(&images_);
    chart.resize(100, 100);
    chart.setView("histpgram");
    chart.setPillarImage("no_such.png");
    chart.setShadowImage("../outside.png");
    chart.setPillarWidth(10);
    chart.addItem("a", 1);
    chart.grab();
    EXPECT_EQ(chart.pillarImage(), QString());
    EXPECT_EQ(chart.shadowImage(), QString());
}

TEST_F(CustomWidgets, APaletteChoosesTheColourUnderThePointerWhenReleased) {
    ColorPalette palette;
    palette.resize(200, 100);
    palette.setColour(Qt::white);  // full brightness
    QSignalSpy chosen(&palette, &ColorPalette::colourChosen);
    palette.setColour(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(chosen.count(), 0);
    palette.setColour(Qt::white);
    // The top left corner of the field: the first hue (red) at full saturation.
    QTest::mousePress(&palette, Qt::LeftButton, {}, QPoint(120, 60));
    QTest::mouseMove(&palette, QPoint(60, 30));
    EXPECT_EQ(chosen.count(), 0);
    QTest::mouseRelease(&palette, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_TRUE(near(chosen.at(0).at(0).value<QColor>(), Qt::red));
    EXPECT_EQ(chosen.at(0).at(0).value<QColor>(), palette.colour());
    // The brightness strip keeps hue and saturation.
    const QRect strip = palette.stripRect();
    QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(strip.center().x(), strip.bottom()));
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(palette.colour().rgba(), QColor(Qt::black).rgba());
}

}  // namespace
}  // namespace quillon::toolkit::qt
