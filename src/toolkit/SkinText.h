#pragma once
// The skins' text convention: a text that begins with "@" is a language text id ("@ms_dpi_title"),
// "@@" stands for a literal "@", any other text is shown as written.

#include <string>
#include <string_view>

namespace quillon::toolkit {

struct SkinText {
    std::string value;  // the id when isId, else the text to show
    bool isId = false;
};

SkinText parseSkinText(std::string_view written);

}  // namespace quillon::toolkit
