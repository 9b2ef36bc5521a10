#pragma once
// Contract drivers of the headless toolkit: on a virtual clock (as the tests and the harness run
// it), and on real time (which checks that the contract's timing holds where time really passes).

#include <memory>

#include "toolkit_contract/ToolkitDriver.h"

namespace quillon::toolkit::headless {

std::unique_ptr<contract::ToolkitDriver> makeHeadlessDriver();
std::unique_ptr<contract::ToolkitDriver> makeRealTimeHeadlessDriver();

}  // namespace quillon::toolkit::headless
