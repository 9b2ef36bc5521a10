// Reading and writing whole private-profile documents: lines, line ends, byte order mark.
#include <algorithm>

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/IniText.h"

namespace quillon {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

IniDocument::Line IniDocument::parseLine(std::string_view text) {
    const ini::LineView view = ini::classify(text);
    Line line;
    line.raw = std::string(text);
    line.kind = view.kind == ini::LineView::Kind::Section ? Line::Kind::Section
                : view.kind == ini::LineView::Kind::Key   ? Line::Kind::Key
                                                          : Line::Kind::Other;
    line.name = ini::fold(view.name);
    line.value = std::string(view.value);
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto firstBreak = text.find('\n');
    document.crlf_ =
        firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    document.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                            1);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        document.lines_.push_back(parseLine(line));
        document.finalLineEnd_ = end != std::string_view::npos;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    document.buildIndex();
    return document;
}

void IniDocument::buildIndex() {
    keyIndex_.clear();
    KeyLines* section = &keyIndex_[""];
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Kind::Section) {
            section = &keyIndex_[lines_[i].name];
        } else if (lines_[i].kind == Line::Kind::Key) {
            // emplace keeps an existing entry: the first occurrence wins.
            section->emplace(lines_[i].name, i);
        }
    }
    indexValid_ = true;
}

void IniDocument::indexKeyLine(const std::string& foldedSection, std::size_t line) {
    keyIndex_[foldedSection].emplace(lines_[line].name, line);
}

std::optional<IniDocument> IniDocument::tryLoad(const std::string& path) {
    std::string text;
    switch (readWholeFile(path, kIniFileLimit, text)) {
        case ReadStatus::Loaded:
            return parse(text);
        case ReadStatus::Missing:
            return IniDocument();
        case ReadStatus::Unreadable:
            break;
    }
    return std::nullopt;
}

IniDocument IniDocument::load(const std::string& path) {
    return tryLoad(path).value_or(IniDocument());
}

std::string IniDocument::text() const {
    const std::string_view lineEnd = crlf_ ? "\r\n" : "\n";
    std::string out;
    if (byteOrderMark_) {
        out += kByteOrderMark;
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].raw;
        if (i + 1 < lines_.size() || finalLineEnd_) {
            out += lineEnd;
        }
    }
    return out;
}

bool IniDocument::save(const std::string& path) const {
    return writeFileAtomically(path, text());
}

}  // namespace quillon
