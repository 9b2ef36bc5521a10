#pragma once
// A skin file (Qt Designer UI XML, see skin/README.md) read into a plain tree that both toolkits
// build their windows from: every <widget> and <action> becomes a SkinNode with its class, name,
// properties, combo or list items and children. Layouts are looked through: the widgets a layout
// holds become children of the widget that holds the layout.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Window.h"

namespace quillon::toolkit {

struct SkinProperty {
    std::string name;
    std::string type;   // the value element: "string", "bool", "number", "rect", "enum", ...
    std::string value;  // its text; for "rect" the four numbers as "x,y,width,height"
    Rect rect;          // "rect" only
};

struct SkinItem {
    std::string text;  // as written ("@id" for a text id)
    std::vector<SkinProperty> properties;
};

struct SkinNode {
    std::string className;  // "QPushButton", "DeviceKeyButton", "QAction", a page class, ...
    std::string name;       // the objectName; may be empty
    std::vector<SkinProperty> properties;
    std::vector<SkinItem> items;
    std::vector<SkinNode> children;

    // The property of that name (compared without regard to case), or null.
    const SkinProperty* property(std::string_view name) const;
    std::string text(std::string_view name, std::string_view fallback = {}) const;
    bool flag(std::string_view name, bool fallback) const;
    // The property as a decimal number; `fallback` when absent or not a number.
    long long number(std::string_view name, long long fallback) const;
};

struct SkinDocument {
    SkinNode root;
    // Custom classes declared in <customwidgets>: class → the class it extends.
    std::map<std::string, std::string> extends;
};

enum SkinResult {
    kSkinLoaded = 1,
    kSkinMissing = 0,
    kSkinUnreadable = -1,  // not a regular file, or larger than the cap
    kSkinMalformed = -2,   // not well-formed XML
    kSkinNotUi = -3,       // no <ui> root with a <widget>
    kSkinTooDeep = -4,     // widgets nested deeper than kMaxSkinDepth
    kSkinTooLarge = -5,    // more than kMaxSkinNodes widgets
    kSkinUnsafeName = -6,  // a file name that would leave the skin folder
    kSkinUnknownId = -7,
};

inline constexpr int kMaxSkinDepth = 64;
inline constexpr std::size_t kMaxSkinNodes = 20000;

// Reads UI XML text into `out`. On failure `out` is left empty and `error` says why.
int parseSkinText(std::string_view xml, SkinDocument& out, std::string& error);
// Reads a UI file by path.
int readSkinFile(const std::string& path, SkinDocument& out, std::string& error);

// The class and the classes it extends through <customwidgets>, nearest first (at most eight, so a
// loop in the declarations ends).
std::vector<std::string> classChain(const SkinDocument& doc, const std::string& className);

}  // namespace quillon::toolkit
