#include "toolkit/Language.h"

#include <pugixml.hpp>

#include "platform/FileIo.h"
#include "toolkit/SkinPath.h"

namespace quillon::toolkit {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

namespace {

int fail(int code, std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
    return code;
}

}  // namespace

int LanguageTable::loadFile(const std::string& path, std::string* error) {
    std::string bytes;
    switch (readWholeFile(path, kMaxSkinFileBytes, bytes)) {
        case ReadStatus::Loaded:
            return loadText(bytes, error);
        case ReadStatus::Missing:
            return fail(kMissing, error, "language file not found: " + path);
        case ReadStatus::Unreadable:
            break;
    }
    return fail(kUnreadable, error, "language file unreadable or too large: " + path);
}

int LanguageTable::loadText(std::string_view xml, std::string* error) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        return fail(kMalformed, error,
                    std::string("language file is not well-formed XML: ") + parsed.description());
    }
    const pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "language") {
        return fail(kNotLanguage, error, "language file has no <language> root");
    }
    std::unordered_map<std::string, std::string> texts;
    for (const pugi::xml_node entry : root.children("text")) {
        const std::string_view id = entry.attribute("id").as_string();
        if (id.empty() || id.size() > kMaxIdLength) {
            continue;
        }
        if (texts.size() >= kMaxEntries) {
            return fail(kMalformed, error, "language file has too many texts");
        }
        texts.emplace(lowerAscii(id), entry.text().as_string());
    }
    code_ = root.attribute("code").as_string();
    texts_ = std::move(texts);
    return kLoaded;
}

std::optional<std::string> LanguageTable::find(std::string_view id) const {
    const auto found = texts_.find(lowerAscii(id));
    if (found == texts_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void LanguageTable::clear() {
    code_.clear();
    texts_.clear();
}

}  // namespace quillon::toolkit
