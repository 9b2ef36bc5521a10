#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "platform/IniText.h"

#include <mutex>
#include <string>

namespace quillon {
namespace {

// Rewrites are read, change, write; two threads changing the same file at once would each write
// back a copy without the other's change. Held only for the short file operation, never while
// waiting on anything else.
std::mutex& rewriteLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
    // One value is looked up in the text itself; a whole document is built only for rewrites.
    std::string text;
    if (readWholeFile(path_, kIniFileLimit, text) != ReadStatus::Loaded) {
        return std::nullopt;
    }
    const auto value = ini::scanValue(text, section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
    const auto value = find(section, key);
    return std::string(ini::cutToCharacters(value ? *value : fallback, kIniValueLimit));
}

int IniFile::readInt(std::string_view section, std::string_view key, int fallback) const {
    const auto value = find(section, key);
    return value ? ini::leadingInt(ini::cutToCharacters(*value, kIniValueLimit)) : fallback;
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) const {
    std::lock_guard guard(rewriteLock());
    std::optional<IniDocument> document = IniDocument::tryLoad(path_);
    return document && document->write(section, key, value) && document->save(path_);
}

bool IniFile::writeInt(std::string_view section, std::string_view key, int value) const {
    return write(section, key, std::to_string(value));
}

}  // namespace quillon
