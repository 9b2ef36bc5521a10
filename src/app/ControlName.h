#pragma once
// Control names: compared without regard to case, and split into a family prefix and a number
// ("ms_profile_3" is the prefix "ms_profile_" with 3).

#include <optional>
#include <string>
#include <string_view>

namespace quillon::app {

bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
std::string toLower(std::string_view text);

struct SplitName {
    std::string prefix;  // up to and including the last "_"
    int number = 0;
};

// Splits at the last "_". The part after it must be a decimal number (at most 9 digits);
// otherwise the name is not a numbered name and nothing is returned, so that a name such as
// "ms_profile_fun" can never be taken for profile 0.
std::optional<SplitName> splitControlName(std::string_view name);

}  // namespace quillon::app
