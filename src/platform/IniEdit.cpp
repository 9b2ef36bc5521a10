// Looking up, changing and removing keys of a private-profile document.
#include <unordered_set>

#include "platform/IniFile.h"
#include "platform/IniText.h"

namespace quillon {

std::optional<std::size_t> IniDocument::findKeyLine(std::string_view section,
                                                    std::string_view key) const {
    const std::string wantedSection = ini::fold(section);
    const std::string wantedKey = ini::fold(key);
    if (!indexValid_) {
        return scanForKeyLine(wantedSection, wantedKey);
    }
    const auto keys = keyIndex_.find(wantedSection);
    if (keys == keyIndex_.end()) {
        return std::nullopt;
    }
    const auto found = keys->second.find(wantedKey);
    if (found == keys->second.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::size_t> IniDocument::scanForKeyLine(const std::string& foldedSection,
                                                       const std::string& foldedKey) const {
    bool inSection = foldedSection.empty();  // keys above the first header have no section
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Line::Kind::Section) {
            inSection = line.name == foldedSection;
        } else if (inSection && line.kind == Line::Kind::Key && line.name == foldedKey) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view foldedSection) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Kind::Section && lines_[i].name == foldedSection) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
    const auto at = findKeyLine(section, key);
    if (!at) {
        return std::nullopt;
    }
    return lines_[*at].value;
}

std::string IniDocument::read(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    const auto at = findKeyLine(section, key);
    const std::string_view value = at ? std::string_view(lines_[*at].value) : fallback;
    return std::string(ini::cutToCharacters(value, kIniValueLimit));
}

int IniDocument::readInt(std::string_view section, std::string_view key, int fallback) const {
    const auto at = findKeyLine(section, key);
    return at ? ini::leadingInt(ini::cutToCharacters(lines_[*at].value, kIniValueLimit)) : fallback;
}

bool IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    if (!ini::isWritableSection(section) || !ini::isWritableKey(key) ||
        !ini::isWritableValue(value)) {
        return false;
    }
    if (const auto at = findKeyLine(section, key)) {
        // Keep the key as it was spelt, and the spacing around "=".
        Line& line = lines_[*at];
        auto prefixEnd = line.raw.find('=') + 1;
        while (prefixEnd < line.raw.size() &&
               (line.raw[prefixEnd] == ' ' || line.raw[prefixEnd] == '\t')) {
            ++prefixEnd;
        }
        line.raw = line.raw.substr(0, prefixEnd) + ini::quoteIfNeeded(value);
        line.value = std::string(value);
        return true;
    }
    if (const auto header = findSection(ini::fold(section))) {
        insertKey(*header, key, value);
    } else {
        appendSection(section, key, value);
    }
    return true;
}

void IniDocument::insertKey(std::size_t sectionLine, std::string_view key, std::string_view value) {
    std::size_t end = sectionLine + 1;
    while (end < lines_.size() && lines_[end].kind != Line::Kind::Section) {
        ++end;
    }
    while (end > sectionLine + 1 && ini::isBlank(lines_[end - 1].raw)) {
        --end;
    }
    const bool atEnd = end == lines_.size();
    if (atEnd) {
        finalLineEnd_ = true;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end),
                  parseLine(std::string(key) + "=" + ini::quoteIfNeeded(value)));
    if (atEnd && indexValid_) {
        indexKeyLine(lines_[sectionLine].name, end);
    } else {
        indexValid_ = false;  // the lines after the new one moved
    }
}

void IniDocument::appendSection(std::string_view section, std::string_view key,
                                std::string_view value) {
    if (!lines_.empty() && !ini::isBlank(lines_.back().raw)) {
        lines_.push_back(parseLine(""));
    }
    lines_.push_back(parseLine("[" + std::string(section) + "]"));
    lines_.push_back(parseLine(std::string(key) + "=" + ini::quoteIfNeeded(value)));
    finalLineEnd_ = true;
    if (indexValid_) {
        indexKeyLine(lines_[lines_.size() - 2].name, lines_.size() - 1);
    }
}

void IniDocument::remove(std::string_view section, std::string_view key) {
    while (const auto at = findKeyLine(section, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
        indexValid_ = false;
    }
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    const std::string wanted = ini::fold(section);
    std::vector<std::string> result;
    std::unordered_set<std::string> seen;
    bool inSection = wanted.empty();
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Section) {
            inSection = line.name == wanted;
        } else if (inSection && line.kind == Line::Kind::Key) {
            if (seen.insert(line.name).second) {
                const std::string_view raw = line.raw;
                result.emplace_back(ini::trim(raw.substr(0, raw.find('='))));
            }
        }
    }
    return result;
}

}  // namespace quillon
