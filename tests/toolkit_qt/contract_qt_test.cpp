// The toolkit contract on the Qt toolkit (offscreen platform, real time).
#include "toolkit_contract/contract.h"
#include "toolkit_qt/qt_driver.h"

QUILLON_TOOLKIT_CONTRACT(Qt, ::quillon::toolkit::qt::makeQtDriver)
