#include "toolkit/qt/WndHost.h"

namespace quillon::toolkit::qt {

WndHost::WndHost(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StyledBackground);
}

}  // namespace quillon::toolkit::qt
