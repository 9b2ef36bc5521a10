#pragma once
// "Wnd": the host of a native child window. Quillon attaches none, so it is a plain control that
// keeps its place in the layout.

#include <QWidget>

namespace quillon::toolkit::qt {

class WndHost : public QWidget {
    Q_OBJECT

  public:
    explicit WndHost(QWidget* parent = nullptr);
};

}  // namespace quillon::toolkit::qt
