#include "keys/MacroStore.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

constexpr const char* kCountSection = "MACROCOUNT";
constexpr const char* kNameSection = "MACRONAME";
constexpr const char* kCursorCountSection = "CURSORCOUNT";
constexpr const char* kCursorNameSection = "CURSORNAME";
constexpr int kCursorSequences = 4;

bool taken(const std::vector<std::string>& names, std::string_view name, int except = -1) {
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        if (i != except && sameMacroName(names[i], name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

MacroStore::MacroStore(std::string folder, DeviceKind kind)
    : folder_(std::move(folder)), kind_(kind) {
    if (!folder_.empty() && folder_.back() != '/') {
        folder_ += '/';
    }
}

std::string MacroStore::indexFile() const {
    return folder_ + macroIndexName(kind_);
}

std::string MacroStore::macroFile(int i) const {
    if (i < 0 || i >= count() || !isUsableMacroName(names_[i])) {
        return {};
    }
    return folder_ + names_[i] + ".mac";
}

void MacroStore::loadIndex() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    const IniDocument index = IniDocument::load(indexFile());
    const int n = std::clamp(index.readInt(kCountSection, "count"), 0, kMacroLimit);
    names_.clear();
    for (int i = 0; i < n; ++i) {
        names_.push_back(index.read(kNameSection, std::to_string(i)));
    }
    if (isMouse() && index.readInt(kCursorCountSection, "count") == 0) {
        writeCursorSection();
    }
}

void MacroStore::writeCursorSection() const {
    const IniFile index(indexFile());
    index.writeInt(kCursorCountSection, "count", kCursorSequences);
    for (int k = 0; k < kCursorSequences; ++k) {
        index.write(kCursorNameSection, std::to_string(k), "name_" + std::to_string(k + 1));
    }
}

MacroResult MacroStore::createMacro() {
    const int n = count();
    if (n >= kMacroLimit) {
        return MacroResult::refused(kMsgMacroLimit, kMacroLimit);
    }
    std::string name;
    for (int k = n + 1;; ++k) {
        name = "name_" + std::to_string(k);
        if (!taken(names_, name)) {
            break;
        }
    }
    const IniFile index(indexFile());
    if (!index.writeInt(kCountSection, "count", n + 1) ||
        !index.write(kNameSection, std::to_string(n), name)) {
        return MacroResult::refused(kMsgMacroWriteFailed);
    }
    names_.push_back(name);
    return MacroResult::ok();
}

MacroResult MacroStore::renameMacro(int i, std::string_view newName,
                                    const std::vector<MacroAction>& actions) {
    if (i < 0 || i >= count() || sameMacroName(names_[i], newName)) {
        return MacroResult::unchanged();
    }
    if (taken(names_, newName, i)) {
        return MacroResult::refused(kMsgMacroNameTaken);
    }
    if (!isUsableMacroName(newName)) {
        return MacroResult::refused(kMsgMacroNameUnusable);
    }
    const std::string name(newName);
    const std::string oldFile = macroFile(i);
    const std::string newFile = folder_ + name + ".mac";
    if (!oldFile.empty()) {
        writeActionFile(oldFile, actions, isMouse() ? &names_[i] : nullptr);
        std::error_code error;
        std::filesystem::rename(oldFile, newFile, error);
    }
    if (isMouse()) {
        IniFile(newFile).write("MACROSELECTNAME", "name", name);
    }
    IniFile(indexFile()).write(kNameSection, std::to_string(i), name);
    names_[i] = name;
    return MacroResult::ok();
}

MacroResult MacroStore::saveMacro(int i, const std::vector<MacroAction>& actions) {
    if (i < 0 || i >= count()) {
        return MacroResult::unchanged();
    }
    const IniFile index(indexFile());
    index.writeInt(kCountSection, "count", count());
    index.write(kNameSection, std::to_string(count() - 1), names_.back());
    const std::string file = macroFile(i);
    if (file.empty()) {
        return MacroResult::refused(kMsgMacroNameUnusable);
    }
    const std::string listed = index.read(kNameSection, std::to_string(i));
    if (!writeActionFile(file, actions, isMouse() ? &listed : nullptr)) {
        return MacroResult::refused(kMsgMacroWriteFailed);
    }
    return MacroResult::ok();
}

std::vector<MacroAction> MacroStore::loadMacro(int i) const {
    const std::string file = macroFile(i);
    return file.empty() ? std::vector<MacroAction>{} : readActionFile(file);
}

MacroResult MacroStore::deleteMacro(int i) {
    if (i < 0 || i >= count()) {
        return MacroResult::unchanged();
    }
    if (const std::string file = macroFile(i); !file.empty()) {
        std::error_code error;
        std::filesystem::remove(file, error);
    }
    names_.erase(names_.begin() + i);
    IniDocument index;
    index.write(kCountSection, "count", std::to_string(count()));
    if (isMouse()) {
        index.write(kCursorCountSection, "count", std::to_string(kCursorSequences));
        for (int k = 0; k < kCursorSequences; ++k) {
            index.write(kCursorNameSection, std::to_string(k), "name_" + std::to_string(k + 1));
        }
    }
    for (int j = 0; j < count(); ++j) {
        index.write(kNameSection, std::to_string(j), names_[j]);
    }
    index.save(indexFile());
    return MacroResult::ok();
}

MacroResult MacroStore::exportMacro(int i, const std::string& path) const {
    const std::string file = macroFile(i);
    if (file.empty()) {
        return MacroResult::unchanged();
    }
    return copySmallFile(file, path) ? MacroResult::ok()
                                     : MacroResult::refused(kMsgMacroFileFailed);
}

MacroResult MacroStore::importMacro(const std::string& path) {
    if (const MacroResult created = createMacro(); created.result != 1) {
        return created;
    }
    if (!copySmallFile(path, macroFile(count() - 1))) {
        return MacroResult::refused(kMsgMacroFileFailed);
    }
    return MacroResult::ok();
}

}  // namespace quillon::keys
