#pragma once
// The default cursor sequences as a readable table (tools/defaults/cursor.ini): one section per
// sequence ("name_1" .. "name_4"), keys "step1" .. "step30" = "delay, horizontal, vertical", with
// negative distances moving left and up. quillon-gen-cursor turns it into the default files.

#include <string>
#include <vector>

namespace quillon::keys {

struct CursorDefaultFile {
    std::string name;  // "name_1.cur" ..
    std::string text;  // the file's INI text
};

struct CursorDefaultBuild {
    std::vector<CursorDefaultFile> files;
    std::vector<std::string> errors;  // "section/key: problem"
    bool ok() const { return errors.empty(); }
};

CursorDefaultBuild buildCursorDefaults(const std::string& tableText);

}  // namespace quillon::keys
