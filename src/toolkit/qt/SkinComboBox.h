#pragma once
// The skins' combo box. QComboBox makes its drop-down list (a frame, a list view, two scrollers
// and the view's scroll bars, all styled) as soon as its style or font changes, which the style
// sheets do to every combo at start-up: some forty lists nobody has opened. This combo makes its
// list when it is first opened and hands it the box's style and font then; until then a style or
// font change only repaints the box.
// Skins place their controls by geometry, so the box's own size hints are not used.

#include <QComboBox>

namespace quillon::toolkit::qt {

class SkinComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit SkinComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

    // Whether the drop-down list has been made.
    bool hasPopup() const;

    void showPopup() override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    bool listStyled_ = false;  // the list has had the box's style and font
};

}  // namespace quillon::toolkit::qt
