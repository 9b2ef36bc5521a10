#pragma once
// Colours as the skins and the scenario files write them: "0xAARRGGBB" (one to eight hexadecimal
// digits after "0x", taken as they stand), "#RRGGBB" (opaque) and "#AARRGGBB".

#include <string>
#include <string_view>

#include "toolkit/Control.h"

namespace quillon::toolkit {

// False (and `out` untouched) when `text` is not a colour; spaces around it are allowed.
bool parseColour(std::string_view text, Argb& out);
// "0xAARRGGBB" with upper-case digits.
std::string formatColour(Argb colour);

}  // namespace quillon::toolkit
