#pragma once
// The contract driver of the Qt toolkit: real widgets on the offscreen platform, real time, and
// QTest mouse, key and focus events standing in for the user.

#include <memory>

#include "toolkit_contract/ToolkitDriver.h"

namespace quillon::toolkit::qt {

class QtToolkit;

// The process's QApplication, made on first use and kept until the process ends.
void ensureQtApplication();

std::unique_ptr<contract::ToolkitDriver> makeQtDriver();

}  // namespace quillon::toolkit::qt
