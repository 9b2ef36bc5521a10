#include "profiles/ProfileName.h"

#include <algorithm>

#include "platform/IniFile.h"
#include "profiles/ProfileMessages.h"

namespace quillon {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// Characters as the index file counts them: UTF-8 sequences count once.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The index file must give the name back exactly as written.
bool survivesIndexFile(const std::string& name) {
    IniDocument doc;
    doc.write("N", "0", name);
    return IniDocument::parse(doc.text()).read("N", "0", "") == name;
}

}  // namespace

std::string trimProfileName(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

bool isSafeProfileName(std::string_view name, std::string_view extension) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (char c : name) {
        if (c == '/' || c == '\\' || isControl(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return characterCount(name) + characterCount(extension) <= kProfileFileNameLimit &&
           name.size() + extension.size() <= kFileSystemNameLimit;
}

bool sameProfileName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool containsProfileName(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& entry) { return sameProfileName(entry, name); });
}

NameCheck checkNewProfileName(std::string_view text, std::string_view extension,
                              const std::vector<std::string>& entries) {
    NameCheck check{trimProfileName(text), nullptr};
    if (check.name.empty()) {
        check.message = profile_message::kNameEmpty;
    } else if (!isSafeProfileName(check.name, extension) || !survivesIndexFile(check.name)) {
        check.message = profile_message::kNameUnusable;
    } else if (containsProfileName(entries, check.name)) {
        check.message = profile_message::kNameTaken;
    }
    return check;
}

}  // namespace quillon
