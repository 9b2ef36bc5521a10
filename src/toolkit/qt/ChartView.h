#pragma once
// "ChartView": a pie chart or a histogram of named values, painted over the control's own
// background. The skin chooses the view and the pictures; the items are set by code.

#include <QString>
#include <QWidget>
#include <vector>

#include "toolkit/Control.h"

namespace quillon::toolkit::qt {

class SkinImages;

struct ChartItem {
    QString name;
    double value = 0;
};

class ChartView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString view READ viewName WRITE setView)
    Q_PROPERTY(QString shadowimage READ shadowImage WRITE setShadowImage)
    Q_PROPERTY(int shadowimageheight READ shadowHeight WRITE setShadowHeight)
    Q_PROPERTY(QString pillarimage READ pillarImage WRITE setPillarImage)
    Q_PROPERTY(int pillarimagewidth READ pillarWidth WRITE setPillarWidth)
    Q_PROPERTY(QString showhtml READ showHtmlText WRITE setShowHtml)
    Q_PROPERTY(QString showtext READ showTextText WRITE setShowText)

  public:
    enum class View { Pie, Histogram };

    ChartView(SkinImages* images, QWidget* parent = nullptr);

    View view() const { return view_; }
    QString viewName() const;
    // "pie" or "histpgram", exactly so written; any other word keeps the view.
    void setView(const QString& name);

    QString shadowImage() const { return shadowImage_; }
    int shadowHeight() const { return shadowHeight_; }
    QString pillarImage() const { return pillarImage_; }
    int pillarWidth() const { return pillarWidth_; }
    bool showHtml() const { return showHtml_; }
    bool showText() const { return showText_; }
    QString showHtmlText() const { return showHtml_ ? "true" : "false"; }
    QString showTextText() const { return showText_ ? "true" : "false"; }
    void setShadowImage(const QString& description);
    void setShadowHeight(int height);
    void setPillarImage(const QString& description);
    void setPillarWidth(int width);
    void setShowHtml(const QString& flag);
    void setShowText(const QString& flag);
    void setTextColour(Argb colour);

    const std::vector<ChartItem>& items() const { return items_; }
    void addItem(const QString& name, double value);
    void clearItems();

    // The colour of the item at `index` in the pie.
    static QColor itemColour(std::size_t index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintPie(QPainter& painter, const QRect& dirty);
    void paintHistogram(QPainter& painter);
    void drawName(QPainter& painter, const QRect& box, const QString& name, int alignment);
    bool drawPicture(QPainter& painter, const QRect& target, const QString& description);

    SkinImages* images_;
    View view_ = View::Pie;
    QString shadowImage_;
    int shadowHeight_ = 0;
    QString pillarImage_;
    int pillarWidth_ = 0;
    bool showHtml_ = false;
    bool showText_ = false;
    Argb textColour_ = 0;
    std::vector<ChartItem> items_;
};

}  // namespace quillon::toolkit::qt
