#include "platform/XdgUserDirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/FileIo.h"

namespace quillon {
namespace {

constexpr std::size_t kUserDirsLimit = 64 * 1024;

std::string_view skipSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

// The contents of a double-quoted shell word with backslash escapes; nothing when unterminated.
std::optional<std::string> quotedWord(std::string_view text) {
    if (text.empty() || text.front() != '"') {
        return std::nullopt;
    }
    std::string word;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            return word;
        }
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
        }
        word += text[i];
    }
    return std::nullopt;
}

std::optional<std::string> resolveFolder(const std::string& word, const std::string& home) {
    std::string folder;
    if (word == "$HOME") {
        folder = home;
    } else if (word.rfind("$HOME/", 0) == 0) {
        folder = home + word.substr(5);
    } else if (!word.empty() && word.front() == '/') {
        folder = word;
    } else {
        return std::nullopt;
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

}  // namespace

std::optional<std::string> parseXdgUserDir(std::string_view fileText, std::string_view name,
                                           const std::string& home) {
    std::optional<std::string> result;
    while (!fileText.empty()) {
        const auto end = fileText.find('\n');
        std::string_view line = skipSpaces(fileText.substr(0, end));
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (line.substr(0, name.size()) != name || line.substr(name.size(), 1) != "=") {
            continue;
        }
        if (const auto word = quotedWord(line.substr(name.size() + 1))) {
            if (auto folder = resolveFolder(*word, home)) {
                result = std::move(folder);
            }
        }
    }
    return result;
}

std::string homeFolder() {
    if (const char* home = environment("HOME")) {
        return home;
    }
    std::vector<char> buffer(16 * 1024);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return "/tmp";
}

std::string documentsFolder() {
    const std::string home = homeFolder();
    const char* configHome = environment("XDG_CONFIG_HOME");
    const std::string configFolder =
        (configHome != nullptr && *configHome == '/') ? configHome : home + "/.config";
    std::string text;
    if (readWholeFile(configFolder + "/user-dirs.dirs", kUserDirsLimit, text) ==
        ReadStatus::Loaded) {
        if (auto folder = parseXdgUserDir(text, "XDG_DOCUMENTS_DIR", home)) {
            return *folder;
        }
    }
    return home + "/Documents";
}

}  // namespace quillon
