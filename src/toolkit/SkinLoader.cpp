#include "toolkit/SkinLoader.h"

#include <pugixml.hpp>

#include "platform/FileIo.h"
#include "toolkit/Language.h"
#include "toolkit/SkinPath.h"

namespace quillon::toolkit {
namespace {

// The file res.xml gives for `id`, or "" when the index is missing or does not name it.
std::string lookUpIndex(const std::string& folder, std::string_view id) {
    std::string bytes;
    if (readWholeFile(pathInFolder(folder, "res.xml"), kMaxSkinFileBytes, bytes) !=
        ReadStatus::Loaded) {
        return {};
    }
    pugi::xml_document doc;
    if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8)) {
        return {};
    }
    for (const pugi::xml_node entry : doc.document_element().children("skin")) {
        if (equalsIgnoringCase(entry.attribute("id").as_string(), id)) {
            return entry.attribute("file").as_string();
        }
    }
    return {};
}

std::size_t countNodes(const SkinNode& node) {
    std::size_t count = 1;
    for (const SkinNode& child : node.children) {
        count += countNodes(child);
    }
    return count;
}

}  // namespace

SkinFolder::SkinFolder(std::string folder) : folder_(std::move(folder)) {}

int SkinFolder::resolve(std::string_view idOrFile, std::string& fileName,
                        std::string& error) const {
    std::string name = lookUpIndex(folder_, idOrFile);
    if (name.empty()) {
        name = std::string(idOrFile);
    }
    if (!isNameInsideFolder(name)) {
        error = "skin name leaves the skin folder: \"" + name + "\"";
        return kSkinUnsafeName;
    }
    fileName = std::move(name);
    return kSkinLoaded;
}

int SkinFolder::readFile(std::string_view fileName, SkinDocument& out, std::string& error) const {
    if (!isNameInsideFolder(fileName)) {
        out = SkinDocument{};
        error = "skin name leaves the skin folder: \"" + std::string(fileName) + "\"";
        return kSkinUnsafeName;
    }
    return readSkinFile(pathInFolder(folder_, fileName), out, error);
}

int SkinFolder::load(std::string_view idOrFile, const PageResolver& pages, SkinDocument& out,
                     std::string& error, std::vector<std::string>* warnings) const {
    out = SkinDocument{};
    std::string fileName;
    int code = resolve(idOrFile, fileName, error);
    if (code != kSkinLoaded) {
        return code;
    }
    code = readFile(fileName, out, error);
    if (code != kSkinLoaded || !pages) {
        return code;
    }
    std::vector<std::string> ignored;
    PageFill fill{pages, countNodes(out.root), warnings != nullptr ? *warnings : ignored, {}, {}};
    fillPages(out, out.root, 0, fill);
    return kSkinLoaded;
}

void SkinFolder::fillPages(SkinDocument& doc, SkinNode& node, int depth, PageFill& fill) const {
    const std::string pageFile = fill.pages(node.className);
    int childDepth = depth;
    if (!pageFile.empty()) {
        if (!buildPage(doc, node, pageFile, depth, fill)) {
            return;
        }
        childDepth = depth + 1;
    }
    for (SkinNode& child : node.children) {
        fillPages(doc, child, childDepth, fill);
    }
}

void SkinFolder::PageFill::warn(std::string text) {
    constexpr std::size_t kMaxWarnings = 100;
    if (warnings.size() < kMaxWarnings) {
        warnings.push_back(std::move(text));
    }
}

bool SkinFolder::buildPage(SkinDocument& doc, SkinNode& node, const std::string& pageFile,
                           int depth, PageFill& fill) const {
    if (depth >= kMaxPageDepth) {
        fill.warn("page \"" + pageFile + "\" of \"" + node.name +
                  "\" is nested too deeply; left empty");
        return false;
    }
    if (const auto failed = fill.failed.find(pageFile); failed != fill.failed.end()) {
        fill.warn("page of \"" + node.name + "\" not built: " + failed->second);
        return false;
    }
    auto cached = fill.read.find(pageFile);
    if (cached == fill.read.end()) {
        SkinDocument page;
        std::string error;
        if (readFile(pageFile, page, error) != kSkinLoaded) {
            fill.warn("page of \"" + node.name + "\" not built: " + error);
            fill.failed.emplace(pageFile, error);
            return false;
        }
        cached = fill.read.emplace(pageFile, std::move(page)).first;
    }
    const SkinDocument& page = cached->second;
    const std::size_t added = countNodes(page.root) - 1;
    if (added > kMaxWindowNodes - fill.nodes) {
        fill.warn("page \"" + pageFile + "\" of \"" + node.name +
                  "\" makes the window too large; left empty");
        return false;
    }
    fill.nodes += added;
    node.children.insert(node.children.end(), page.root.children.begin(), page.root.children.end());
    for (const auto& [name, base] : page.extends) {
        doc.extends.emplace(name, base);
    }
    return true;
}

}  // namespace quillon::toolkit
