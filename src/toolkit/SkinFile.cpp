#include "toolkit/SkinFile.h"

#include <pugixml.hpp>

#include "platform/FileIo.h"
#include "toolkit/Language.h"
#include "toolkit/PropText.h"
#include "toolkit/SkinPath.h"

namespace quillon::toolkit {

const SkinProperty* SkinNode::property(std::string_view wanted) const {
    for (const SkinProperty& p : properties) {
        if (equalsIgnoringCase(p.name, wanted)) {
            return &p;
        }
    }
    return nullptr;
}

std::string SkinNode::text(std::string_view wanted, std::string_view fallback) const {
    const SkinProperty* p = property(wanted);
    return p != nullptr ? p->value : std::string(fallback);
}

bool SkinNode::flag(std::string_view wanted, bool fallback) const {
    const SkinProperty* p = property(wanted);
    if (p == nullptr) {
        return fallback;
    }
    if (equalsIgnoringCase(p->value, "true") || p->value == "1") {
        return true;
    }
    if (equalsIgnoringCase(p->value, "false") || p->value == "0") {
        return false;
    }
    return fallback;
}

long long SkinNode::number(std::string_view wanted, long long fallback) const {
    const SkinProperty* p = property(wanted);
    std::int64_t n = 0;
    if (p == nullptr || !parseInteger(p->value, n)) {
        return fallback;
    }
    return n;
}

namespace {

// Reads the XML tree into SkinNodes, counting nodes and depth so that no file can make it recurse
// without bound or build an unbounded tree.
class TreeReader {
  public:
    explicit TreeReader(std::string& error) : error_(error) {}

    int readWidget(const pugi::xml_node& xml, int depth, SkinNode& out) {
        if (depth > kMaxSkinDepth) {
            return failWith(kSkinTooDeep, "widgets are nested too deeply");
        }
        if (++nodes_ > kMaxSkinNodes) {
            return failWith(kSkinTooLarge, "too many widgets");
        }
        out.className = xml.attribute("class").as_string();
        out.name = xml.attribute("name").as_string();
        for (const pugi::xml_node child : xml.children()) {
            const int result = readChild(child, depth, out);
            if (result != kSkinLoaded) {
                return result;
            }
        }
        return kSkinLoaded;
    }

  private:
    int readChild(const pugi::xml_node& child, int depth, SkinNode& out) {
        const std::string_view tag = child.name();
        if (tag == "property") {
            out.properties.push_back(readProperty(child));
        } else if (tag == "item") {
            out.items.push_back(readItem(child));
        } else if (tag == "widget") {
            return readWidget(child, depth + 1, out.children.emplace_back());
        } else if (tag == "action") {
            SkinNode& action = out.children.emplace_back();
            const int result = readWidget(child, depth + 1, action);
            action.className = "QAction";
            return result;
        } else if (tag == "layout") {
            return readLayout(child, depth + 1, out);
        }
        return kSkinLoaded;
    }

    // A layout's widgets (and those of layouts inside it) belong to the widget holding it.
    int readLayout(const pugi::xml_node& layout, int depth, SkinNode& owner) {
        if (depth > kMaxSkinDepth) {
            return failWith(kSkinTooDeep, "layouts are nested too deeply");
        }
        for (const pugi::xml_node item : layout.children("item")) {
            for (const pugi::xml_node inner : item.children()) {
                const std::string_view tag = inner.name();
                int result = kSkinLoaded;
                if (tag == "widget") {
                    result = readWidget(inner, depth + 1, owner.children.emplace_back());
                } else if (tag == "layout") {
                    result = readLayout(inner, depth + 1, owner);
                }
                if (result != kSkinLoaded) {
                    return result;
                }
            }
        }
        return kSkinLoaded;
    }

    static SkinProperty readProperty(const pugi::xml_node& xml) {
        SkinProperty p;
        p.name = xml.attribute("name").as_string();
        const pugi::xml_node value = xml.first_child();
        p.type = value.name();
        if (p.type == "rect") {
            p.rect.x = value.child("x").text().as_int();
            p.rect.y = value.child("y").text().as_int();
            p.rect.width = value.child("width").text().as_int();
            p.rect.height = value.child("height").text().as_int();
            p.value = std::to_string(p.rect.x) + "," + std::to_string(p.rect.y) + "," +
                      std::to_string(p.rect.width) + "," + std::to_string(p.rect.height);
        } else if (value.type() == pugi::node_pcdata || value.type() == pugi::node_cdata) {
            p.type = "string";
            p.value = value.value();
        } else {
            p.value = value.text().as_string();
        }
        return p;
    }

    static SkinItem readItem(const pugi::xml_node& xml) {
        SkinItem item;
        for (const pugi::xml_node prop : xml.children("property")) {
            item.properties.push_back(readProperty(prop));
            if (equalsIgnoringCase(item.properties.back().name, "text")) {
                item.text = item.properties.back().value;
            }
        }
        return item;
    }

    int failWith(int code, const char* text) {
        error_ = text;
        return code;
    }

    std::string& error_;
    std::size_t nodes_ = 0;
};

void readCustomWidgets(const pugi::xml_node& ui, SkinDocument& out) {
    for (const pugi::xml_node custom : ui.child("customwidgets").children("customwidget")) {
        const std::string name = custom.child("class").text().as_string();
        const std::string base = custom.child("extends").text().as_string();
        if (!name.empty() && !base.empty() && out.extends.size() < kMaxSkinNodes) {
            out.extends.emplace(name, base);
        }
    }
}

}  // namespace

int parseSkinText(std::string_view xml, SkinDocument& out, std::string& error) {
    out = SkinDocument{};
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        error = std::string("not well-formed XML: ") + parsed.description();
        return kSkinMalformed;
    }
    const pugi::xml_node ui = doc.document_element();
    const pugi::xml_node root = ui.child("widget");
    if (std::string_view(ui.name()) != "ui" || !root) {
        error = "not a UI file (no <ui> root holding a <widget>)";
        return kSkinNotUi;
    }
    SkinDocument result;
    TreeReader reader(error);
    const int code = reader.readWidget(root, 0, result.root);
    if (code != kSkinLoaded) {
        return code;
    }
    readCustomWidgets(ui, result);
    out = std::move(result);
    return kSkinLoaded;
}

int readSkinFile(const std::string& path, SkinDocument& out, std::string& error) {
    out = SkinDocument{};
    std::string bytes;
    switch (readWholeFile(path, kMaxSkinFileBytes, bytes)) {
        case ReadStatus::Loaded:
            break;
        case ReadStatus::Missing:
            error = "no such skin file: " + path;
            return kSkinMissing;
        case ReadStatus::Unreadable:
            error = "skin file unreadable or too large: " + path;
            return kSkinUnreadable;
    }
    const int code = parseSkinText(bytes, out, error);
    if (code != kSkinLoaded) {
        error = path + ": " + error;
    }
    return code;
}

std::vector<std::string> classChain(const SkinDocument& doc, const std::string& className) {
    std::vector<std::string> chain{className};
    while (chain.size() < 8) {
        const auto found = doc.extends.find(chain.back());
        if (found == doc.extends.end()) {
            break;
        }
        chain.push_back(found->second);
    }
    return chain;
}

}  // namespace quillon::toolkit
