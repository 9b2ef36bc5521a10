#pragma once
// How the program's pointer speed (1..20, 10 the usual speed) meets the desktops' pointer
// acceleration (-1..1, 0 the usual speed, as GNOME and KDE store it), and how the desktops' helper
// programs print the values.

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Speed 1 is -1, 10 is 0 and 20 is 1, in even steps on each side of 10.
double accelerationForSpeed(int speed);
// The nearest speed; an acceleration outside -1..1 counts as its end of the range.
int speedForAcceleration(double acceleration);

// Fixed notation with a dot, whatever the locale ("-0.333").
std::string formatAcceleration(double acceleration);
// One number in the helper's output (spaces and line ends around it allowed); nothing for any
// other text, an empty answer or a number that is not finite.
std::optional<double> parseAcceleration(std::string_view output);
// One whole decimal number in the helper's output; nothing otherwise.
std::optional<int> parseWholeNumber(std::string_view output);

}  // namespace quillon
