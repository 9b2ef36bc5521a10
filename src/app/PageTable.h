#pragma once
// The main window's page classes: an element of one of these classes in the main skin is built
// from the named page file.

#include <string>
#include <string_view>

namespace quillon::app {

// The page file for a page class (compared without regard to case), or "" when the class is not
// a page.
std::string pageFileFor(std::string_view className);

}  // namespace quillon::app
