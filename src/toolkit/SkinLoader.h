#pragma once
// Finding and building a window's skin: a resource id is looked up in the skin folder's index
// "res.xml" (<skin id="XML_MAIN" file="main.xml"/>), anything else is a file name in the folder;
// then page placeholders are filled with the pages the program names for their classes.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/SkinFile.h"

namespace quillon::toolkit {

// Given a class name, the page file to build in its place, or "" when the class is not a page.
using PageResolver = std::function<std::string(std::string_view className)>;

// Pages inside pages are built to this depth, and a window holds at most this many nodes with all
// its pages; a placeholder beyond either stays empty.
inline constexpr int kMaxPageDepth = 6;
inline constexpr std::size_t kMaxWindowNodes = 4 * kMaxSkinNodes;

class SkinFolder {
  public:
    explicit SkinFolder(std::string folder);

    const std::string& folder() const { return folder_; }

    // The file name of a resource id or file name (ids are compared without regard to case);
    // kSkinUnsafeName when the name would leave the folder.
    int resolve(std::string_view idOrFile, std::string& fileName, std::string& error) const;

    // Reads a skin by id or file name and fills its page placeholders. A page that cannot be
    // built leaves its placeholder empty and adds a line to `warnings`.
    int load(std::string_view idOrFile, const PageResolver& pages, SkinDocument& out,
             std::string& error, std::vector<std::string>* warnings = nullptr) const;

    // Reads a file of the folder by name (no index lookup, no pages).
    int readFile(std::string_view fileName, SkinDocument& out, std::string& error) const;

  private:
    struct PageFill {
        const PageResolver& pages;
        std::size_t nodes;
        std::vector<std::string>& warnings;
        // Each page file is read once per window.
        std::map<std::string, SkinDocument> read;
        std::map<std::string, std::string> failed;  // file → why it could not be read
        void warn(std::string text);
    };
    void fillPages(SkinDocument& doc, SkinNode& node, int depth, PageFill& fill) const;
    bool buildPage(SkinDocument& doc, SkinNode& node, const std::string& pageFile, int depth,
                   PageFill& fill) const;

    std::string folder_;
};

}  // namespace quillon::toolkit
