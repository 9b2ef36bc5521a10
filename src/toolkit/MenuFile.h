#pragma once
// A popup menu's items from a menu file: a QMenu root whose <action> children, in order, are the
// items (skin/README.md). Appended items follow the file's own.

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/SkinLoader.h"
#include "toolkit/SkinText.h"
#include "toolkit/Toolkit.h"

namespace quillon::toolkit {

struct MenuEntry {
    std::string name;
    SkinText text;  // a text id when the file writes "@id"
    std::string userData;
};

// The items of `menuFile`; on failure `out` is empty and `error` says why.
int readMenuFile(const SkinFolder& folder, std::string_view menuFile, std::vector<MenuEntry>& out,
                 std::string& error);

// The file's items followed by the program's own (plain texts).
std::vector<MenuEntry> withAppended(std::vector<MenuEntry> items,
                                    const std::vector<MenuItem>& appended);

// What the owner receives when `entry` is chosen: the text is the id for a text id.
MenuChoice choiceOf(const MenuEntry& entry);

}  // namespace quillon::toolkit
