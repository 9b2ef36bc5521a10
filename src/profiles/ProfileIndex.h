#pragma once
// One device's profile index file, read as a whole: per list the count, the names by position,
// the selected position, and the link flag and link path by position. Values come back with at most
// 259 characters and missing values read as "0", as the index file has always been read. A count is
// never trusted further than kProfileListLimit.

#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"
#include "profiles/ProfileList.h"

namespace quillon {

inline constexpr int kProfileListLimit = 10000;

class ProfileIndex {
  public:
    ProfileIndex() = default;
    explicit ProfileIndex(IniDocument document) : document_(std::move(document)) {}
    static ProfileIndex load(const std::string& path) {
        return ProfileIndex(IniDocument::load(path));
    }

    // 0..kProfileListLimit; a negative or unreadable count is 0.
    int count(const ProfileList& list) const;
    std::string name(const ProfileList& list, int position) const;
    // The names at positions 0 .. count − 1.
    std::vector<std::string> names(const ProfileList& list) const;
    int selected(const ProfileList& list) const;
    // Any flag but "0" counts as linked.
    bool linked(const ProfileList& list, int position) const;
    std::string linkPath(const ProfileList& list, int position) const;
    // The stored flag as written ("1", "0", or whatever a hand-edited file holds).
    std::string linkFlag(const ProfileList& list, int position) const;

    void setCount(const ProfileList& list, int count);
    void setName(const ProfileList& list, int position, std::string_view name);
    void setSelected(const ProfileList& list, int position);
    void setLinked(const ProfileList& list, int position, bool linked);
    void setLinkPath(const ProfileList& list, int position, std::string_view path);

    const IniDocument& document() const { return document_; }

  private:
    IniDocument document_;
};

// The link path that means "not linked".
inline constexpr std::string_view kNoLinkPath = " ";

}  // namespace quillon
