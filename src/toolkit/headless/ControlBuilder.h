#pragma once
// Builds a headless window's controls from its skin tree: one control per widget (actions are not
// controls), in skin order, with the state the skin's properties give them.

#include <memory>
#include <vector>

#include "toolkit/SkinFile.h"
#include "toolkit/headless/HeadlessControl.h"

namespace quillon::toolkit::headless {

void buildControls(HeadlessWindow& window, const SkinDocument& doc,
                   std::vector<std::unique_ptr<HeadlessControl>>& out);

}  // namespace quillon::toolkit::headless
