#pragma once
// The wheel lines edit's text. It is read the way the page has always read it: leading spaces, an
// optional sign and the digits that follow; anything else (and text that is no number) reads as
// 0, and a number too large for an int reads as the largest one.

#include <optional>
#include <string>
#include <string_view>

namespace quillon::lighting {

int leadingNumber(std::string_view text);

// The text the edit must show instead of `text` while the user types: "100" for a number above
// 100, "1" for a number of 0 or less (so also for text that is no number); nothing when the text
// may stay.
std::optional<std::string> correctedWheelLinesText(std::string_view text);

}  // namespace quillon::lighting
