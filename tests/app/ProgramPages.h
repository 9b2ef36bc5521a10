#pragma once
// A program folder for a test: the staged one with some skin pages replaced, and the pieces to
// write such pages.

#include <map>
#include <string>
#include <vector>

#include "common/TestFolders.h"

namespace quillon::apptest {

// The staged program folder with some pages replaced: every other file is linked to the original.
class ProgramWithPages {
  public:
    explicit ProgramWithPages(const std::map<std::string, std::string>& pages);
    const std::string& path() const { return folder_.path(); }

  private:
    test::TempFolder folder_;
};

// A page of the skin format with the named widgets of `widgetClass`, side by side.
std::string page(const std::string& widgetClass, const std::vector<std::string>& names);

// prefix + from, ..., prefix + to.
std::vector<std::string> numbered(const std::string& prefix, int from, int to);

}  // namespace quillon::apptest
