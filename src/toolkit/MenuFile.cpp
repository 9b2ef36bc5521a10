#include "toolkit/MenuFile.h"

namespace quillon::toolkit {

int readMenuFile(const SkinFolder& folder, std::string_view menuFile, std::vector<MenuEntry>& out,
                 std::string& error) {
    out.clear();
    SkinDocument doc;
    const int code = folder.readFile(menuFile, doc, error);
    if (code != kSkinLoaded) {
        return code;
    }
    for (const SkinNode& node : doc.root.children) {
        if (node.className != "QAction") {
            continue;
        }
        MenuEntry& entry = out.emplace_back();
        entry.name = node.name;
        entry.text = parseSkinText(node.text("text"));
        entry.userData = node.text("userdata");
    }
    return kSkinLoaded;
}

std::vector<MenuEntry> withAppended(std::vector<MenuEntry> items,
                                    const std::vector<MenuItem>& appended) {
    for (const MenuItem& item : appended) {
        items.push_back(MenuEntry{item.name, SkinText{item.text, false}, {}});
    }
    return items;
}

MenuChoice choiceOf(const MenuEntry& entry) {
    return MenuChoice{entry.name, entry.userData, entry.text.value};
}

}  // namespace quillon::toolkit
