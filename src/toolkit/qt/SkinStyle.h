#pragma once
// The skin's look, drawn by the style sheet engine but without putting every widget under it.
//
// Qt keeps a style sheet's rules and results for each widget it styles, several kilobytes each,
// and a window of this program has over a thousand widgets. SkinStyle keeps one hidden "model"
// widget per kind of control (class, "role" property, orientation and the control's own look) under
// the sheet, and draws, measures and sets up every plain control with its model: the sheet engine
// paints the same pixels, and its memory grows with the kinds of controls, not their number.
//
// Controls whose sheet engine code needs the control itself (item views, menus, tooltips, links
// that change colour under the pointer, and a combo box once its list is opened) get a sheet of
// their own holding only the rules that can select them or their parts.

#include <QHash>
#include <QProxyStyle>
#include <memory>
#include <vector>

#include "toolkit/SheetRules.h"

namespace quillon::toolkit::qt {

class SkinStyle final : public QProxyStyle {
    Q_OBJECT
  public:
    explicit SkinStyle(const QString& sheet);
    ~SkinStyle() override;

    // The style of the running application, or nullptr when the skin's style is not installed.
    static SkinStyle* current();
    const QString& sheet() const { return sheet_; }

    // A control's own look: declarations such as "background-color: #112233", empty for none.
    // Applies at once to a control already set up.
    void setLook(QWidget& widget, const QString& declarations);
    // Puts a control drawn with a model under a sheet of its own from now on: a combo box does so
    // when its list is first opened, since the list is set up by the sheet engine.
    void drawUnderOwnSheet(QWidget& widget);
    // How many model widgets the style holds (for tests and measuring).
    int modelCount() const { return int(models_.size()); }
    // The model a control is drawn with, nullptr when it is drawn on its own.
    QWidget* modelOf(const QWidget* widget) const { return drawnWith_.value(widget); }

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& pos, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                      Qt::Orientation orientation, const QStyleOption* option,
                      const QWidget* widget) const override;

  private:
    bool drawsOwnSheet(const QWidget& widget) const;
    void setUp(QWidget& widget);
    void giveOwnSheet(QWidget& widget);
    void setSheet(QWidget& widget, const QString& sheet);
    void drawWithModel(QWidget& widget);
    QWidget* modelFor(const QWidget& widget);
    void forget(const QObject* widget);
    void widgetDestroyed(QObject* widget) { forget(widget); }

    QString sheet_;
    std::vector<SheetRule> rules_;
    std::unique_ptr<QWidget> modelRoot_;         // holds the sheet; never shown
    QHash<QString, QWidget*> models_;            // by kind of control
    QHash<const QWidget*, QWidget*> drawnWith_;  // control -> its model
    QHash<QWidget*, int> uses_;                  // model -> controls drawn with it
    bool settingSheet_ = false;
};

}  // namespace quillon::toolkit::qt
