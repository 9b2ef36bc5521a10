#include "toolkit/qt/SkinComboBox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>

#include "toolkit/qt/SkinStyle.h"

namespace quillon::toolkit::qt {

// QComboBox keeps its list in a frame of its own, a direct child made on demand.
bool SkinComboBox::hasPopup() const {
    return findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

void SkinComboBox::showPopup() {
    if (!listStyled_) {
        // Drawn with a model while closed; the list and how it opens come from the sheet engine.
        if (SkinStyle* style = SkinStyle::current()) {
            style->drawUnderOwnSheet(*this);
        }
        view();  // makes the list
        // What the box would have passed on to a list made at once.
        for (QEvent::Type type : {QEvent::StyleChange, QEvent::FontChange}) {
            QEvent change(type);
            QComboBox::changeEvent(&change);
        }
        listStyled_ = true;
    }
    QComboBox::showPopup();
}

void SkinComboBox::changeEvent(QEvent* event) {
    const bool restyled =
        event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange;
    if (restyled && !hasPopup()) {
        QWidget::changeEvent(event);
        update();
        return;
    }
    if (restyled) {
        listStyled_ = true;
    }
    QComboBox::changeEvent(event);
}

}  // namespace quillon::toolkit::qt
