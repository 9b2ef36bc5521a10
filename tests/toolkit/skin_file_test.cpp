// Skin files: the UI XML tree, res.xml resolution, page placeholders, menu files, and names or
// files that are hostile.
#include <gtest/gtest.h>

#include "toolkit/MenuFile.h"
#include "toolkit/SkinLoader.h"
#include "toolkit/SkinPath.h"
#include "toolkit/skin_support.h"

namespace quillon::toolkit {
namespace {

using testing::TempSkinFolder;
using testing::uiFile;

const SkinNode* child(const SkinNode& node, const std::string& name) {
    for (const SkinNode& c : node.children) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

std::string nested(int depth) {
    std::string xml;
    for (int i = 0; i < depth; ++i) {
        xml += "<widget class=\"QWidget\" name=\"w" + std::to_string(i) + "\">";
    }
    for (int i = 0; i < depth; ++i) {
        xml += "</widget>";
    }
    return xml;
}

TEST(SkinParse, ReadsClassesNamesPropertiesAndItems) {
    const std::string xml = uiFile(R"(
  <property name="geometry"><rect><x>1</x><y>2</y><width>800</width><height>572</height></rect></property>
  <property name="caption" stdset="0"><number>40</number></property>
  <widget class="QComboBox" name="ms_report_fct_combo">
   <property name="enabled"><bool>false</bool></property>
   <item><property name="text"><string>@report_rate_125</string></property></item>
   <item><property name="text"><string>500 Hz</string></property></item>
  </widget>
  <widget class="DeviceKeyButton" name="kb_key_0">
   <property name="bkcolor" stdset="0"><string>0xFF102030</string></property>
  </widget>)",
                                   "<customwidget><class>DeviceKeyButton</class>"
                                   "<extends>QPushButton</extends></customwidget>");
    SkinDocument doc;
    std::string error;
    ASSERT_EQ(parseSkinText(xml, doc, error), kSkinLoaded) << error;
    EXPECT_EQ(doc.root.className, "QWidget");
    EXPECT_EQ(doc.root.name, "root");
    const SkinProperty* geometry = doc.root.property("GEOMETRY");
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(geometry->type, "rect");
    EXPECT_EQ(geometry->rect.width, 800);
    EXPECT_EQ(geometry->rect.height, 572);
    EXPECT_EQ(geometry->value, "1,2,800,572");
    EXPECT_EQ(doc.root.number("caption", 0), 40);
    const SkinNode* combo = child(doc.root, "ms_report_fct_combo");
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->flag("enabled", true));
    ASSERT_EQ(combo->items.size(), 2u);
    EXPECT_EQ(combo->items[0].text, "@report_rate_125");
    EXPECT_EQ(combo->items[1].text, "500 Hz");
    const SkinNode* key = child(doc.root, "kb_key_0");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->text("bkcolor"), "0xFF102030");
    EXPECT_EQ(classChain(doc, "DeviceKeyButton"),
              (std::vector<std::string>{"DeviceKeyButton", "QPushButton"}));
}

TEST(SkinParse, LooksThroughLayoutsAndKeepsActions) {
    const std::string xml = uiFile(R"(
  <layout class="QVBoxLayout" name="outer">
   <item><widget class="QLabel" name="first"/></item>
   <item>
    <layout class="QHBoxLayout" name="inner">
     <item><widget class="QPushButton" name="second"/></item>
     <item><spacer name="gap"/></item>
    </layout>
   </item>
  </layout>
  <action name="lan_en"><property name="text"><string>@menu_lan_en</string></property></action>)");
    SkinDocument doc;
    std::string error;
    ASSERT_EQ(parseSkinText(xml, doc, error), kSkinLoaded) << error;
    ASSERT_EQ(doc.root.children.size(), 3u);
    EXPECT_EQ(doc.root.children[0].name, "first");
    EXPECT_EQ(doc.root.children[1].name, "second");
    EXPECT_EQ(doc.root.children[2].className, "QAction");
    EXPECT_EQ(doc.root.children[2].text("text"), "@menu_lan_en");
}

TEST(SkinParse, PropertyReadersFallBackOnMissingOrBadValues) {
    SkinDocument doc;
    std::string error;
    ASSERT_EQ(parseSkinText(uiFile(R"(<property name="bordersize"><string>wide</string></property>
      <property name="visible"><bool>maybe</bool></property><property name="empty"/>)"),
                            doc, error),
              kSkinLoaded);
    EXPECT_EQ(doc.root.number("bordersize", 7), 7);
    EXPECT_EQ(doc.root.number("absent", -3), -3);
    EXPECT_TRUE(doc.root.flag("visible", true));
    EXPECT_FALSE(doc.root.flag("visible", false));
    EXPECT_EQ(doc.root.text("empty", "x"), "");
    EXPECT_EQ(doc.root.text("absent", "fallback"), "fallback");
}

TEST(SkinParse, RefusesWhatIsNotAUiFile) {
    const std::pair<std::string, int> bad[] = {
        {"", kSkinMalformed},
        {"<ui version=\"4.0\"><widget class=\"QWidget\">", kSkinMalformed},
        {"<ui version=\"4.0\"></ui>", kSkinNotUi},
        {"<window><widget class=\"QWidget\"/></window>", kSkinNotUi},
        {"<language code=\"en\"/>", kSkinNotUi},
    };
    for (const auto& [xml, code] : bad) {
        SkinDocument doc;
        doc.root.name = "left over";
        std::string error;
        EXPECT_EQ(parseSkinText(xml, doc, error), code) << xml;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(doc.root.name.empty());
    }
}

TEST(SkinParse, BoundsDepthAndSize) {
    SkinDocument doc;
    std::string error;
    EXPECT_EQ(parseSkinText(uiFile(nested(kMaxSkinDepth - 1)), doc, error), kSkinLoaded);
    EXPECT_EQ(parseSkinText(uiFile(nested(5000)), doc, error), kSkinTooDeep);
    std::string layouts;
    for (int i = 0; i < 5000; ++i) {
        layouts += "<layout><item>";
    }
    for (int i = 0; i < 5000; ++i) {
        layouts += "</item></layout>";
    }
    EXPECT_EQ(parseSkinText(uiFile(layouts), doc, error), kSkinTooDeep);
    std::string many;
    for (std::size_t i = 0; i <= kMaxSkinNodes; ++i) {
        many += "<widget class=\"QLabel\"/>";
    }
    EXPECT_EQ(parseSkinText(uiFile(many), doc, error), kSkinTooLarge);
    EXPECT_TRUE(doc.root.children.empty());
}

TEST(SkinParse, ClassChainEndsOnALoopOfDeclarations) {
    SkinDocument doc;
    doc.extends = {{"A", "B"}, {"B", "A"}};
    EXPECT_EQ(classChain(doc, "A").size(), 8u);
    EXPECT_EQ(classChain(doc, "QLabel"), std::vector<std::string>{"QLabel"});
}

TEST(SkinNames, OnlyNamesInsideTheFolderPass) {
    for (const char* good : {"main.xml", "ms/key_left_down.png", "a/b/c.xml", "..hidden", "x..y"}) {
        EXPECT_TRUE(isNameInsideFolder(good)) << good;
    }
    for (const char* bad : {"", "/etc/passwd", "../main.xml", "ms/../../x", "a/./b", "a//b", "a/",
                            "..", ".", "ms\\key.png", "c:\\x"}) {
        EXPECT_FALSE(isNameInsideFolder(bad)) << bad;
    }
    EXPECT_FALSE(isNameInsideFolder(std::string("a\0b", 3)));
    EXPECT_FALSE(isNameInsideFolder(std::string(2000, 'a')));
    EXPECT_EQ(pathInFolder("/skin", "main.xml"), "/skin/main.xml");
    EXPECT_EQ(pathInFolder("/skin/", "main.xml"), "/skin/main.xml");
}

TEST(SkinFolders, ResolveIdsThroughTheIndexAndOtherNamesAsFiles) {
    TempSkinFolder folder;
    folder.write("res.xml", R"(<res><skin id="XML_MAIN" file="main.xml"/>
        <skin id="XML_SUB" file="pages/sub.xml"/><skin id="XML_OUT" file="../secret.xml"/>
        <skin id="XML_ABS" file="/etc/passwd"/></res>)");
    SkinFolder skins(folder.path());
    std::string file;
    std::string error;
    EXPECT_EQ(skins.resolve("XML_MAIN", file, error), kSkinLoaded);
    EXPECT_EQ(file, "main.xml");
    EXPECT_EQ(skins.resolve("xml_sub", file, error), kSkinLoaded);
    EXPECT_EQ(file, "pages/sub.xml");
    EXPECT_EQ(skins.resolve("GmPalletDialog.xml", file, error), kSkinLoaded);
    EXPECT_EQ(file, "GmPalletDialog.xml");
    file = "unchanged";
    EXPECT_EQ(skins.resolve("XML_OUT", file, error), kSkinUnsafeName);
    EXPECT_EQ(skins.resolve("XML_ABS", file, error), kSkinUnsafeName);
    EXPECT_EQ(skins.resolve("../res.xml", file, error), kSkinUnsafeName);
    EXPECT_EQ(file, "unchanged");
}

TEST(SkinFolders, AMissingOrBrokenIndexLeavesNamesAsFiles) {
    TempSkinFolder folder;
    SkinFolder skins(folder.path());
    std::string file;
    std::string error;
    EXPECT_EQ(skins.resolve("main.xml", file, error), kSkinLoaded);
    EXPECT_EQ(file, "main.xml");
    folder.write("res.xml", "<res><skin id=\"XML_MAIN\" file=\"main.xml\"");
    EXPECT_EQ(skins.resolve("XML_MAIN", file, error), kSkinLoaded);
    EXPECT_EQ(file, "XML_MAIN");
    SkinDocument doc;
    EXPECT_EQ(skins.load("XML_MAIN", {}, doc, error), kSkinMissing);
}

PageResolver pagesOf(std::string className, std::string file) {
    return [className, file](std::string_view name) {
        return name == className ? file : std::string();
    };
}

TEST(SkinPages, PlaceholdersHoldThePagesRootChildren) {
    TempSkinFolder folder;
    folder.write("main.xml", uiFile(R"(<widget class="MS_DPI_UI" name="dpi_slot">
        <widget class="QLabel" name="own_child"/></widget>)"));
    folder.write(
        "Mouse_DPI.xml",
        uiFile(R"(<widget class="QSlider" name="ms_DPI1_slider"/>
                           <widget class="Gauge" name="gauge"/>)",
               "<customwidget><class>Gauge</class><extends>QSlider</extends></customwidget>"));
    SkinFolder skins(folder.path());
    SkinDocument doc;
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_EQ(skins.load("main.xml", pagesOf("MS_DPI_UI", "Mouse_DPI.xml"), doc, error, &warnings),
              kSkinLoaded)
        << error;
    EXPECT_TRUE(warnings.empty());
    const SkinNode* slot = child(doc.root, "dpi_slot");
    ASSERT_NE(slot, nullptr);
    ASSERT_EQ(slot->children.size(), 3u);
    EXPECT_EQ(slot->children[0].name, "own_child");
    EXPECT_EQ(slot->children[1].name, "ms_DPI1_slider");
    EXPECT_EQ(classChain(doc, "Gauge").back(), "QSlider");
}

TEST(SkinPages, APageThatCannotBeBuiltLeavesItsPlaceholderEmpty) {
    TempSkinFolder folder;
    folder.write("main.xml", uiFile(R"(<widget class="Page_UI" name="slot"/>
                                       <widget class="QLabel" name="after"/>)"));
    folder.write("broken.xml", "<ui><widget class=\"QWidget\">");
    SkinFolder skins(folder.path());
    for (const char* page : {"missing.xml", "broken.xml", "../main.xml"}) {
        SkinDocument doc;
        std::string error;
        std::vector<std::string> warnings;
        ASSERT_EQ(skins.load("main.xml", pagesOf("Page_UI", page), doc, error, &warnings),
                  kSkinLoaded)
            << page;
        ASSERT_EQ(warnings.size(), 1u) << page;
        EXPECT_NE(warnings[0].find("slot"), std::string::npos);
        ASSERT_NE(child(doc.root, "slot"), nullptr);
        EXPECT_TRUE(child(doc.root, "slot")->children.empty());
        EXPECT_NE(child(doc.root, "after"), nullptr);
    }
}

TEST(SkinPages, APageThatHoldsItselfStopsAtTheDepthLimit) {
    TempSkinFolder folder;
    folder.write("main.xml", uiFile(R"(<widget class="Loop_UI" name="slot"/>)"));
    folder.write("loop.xml", uiFile(R"(<widget class="Loop_UI" name="again"/>)"));
    SkinFolder skins(folder.path());
    SkinDocument doc;
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_EQ(skins.load("main.xml", pagesOf("Loop_UI", "loop.xml"), doc, error, &warnings),
              kSkinLoaded);
    ASSERT_EQ(warnings.size(), 1u);
    int depth = 0;
    for (const SkinNode* n = child(doc.root, "slot"); n != nullptr && !n->children.empty();
         n = &n->children[0]) {
        ++depth;
    }
    EXPECT_EQ(depth, kMaxPageDepth);
}

TEST(SkinPages, PagesThatMultiplyStopAtTheWindowSize) {
    TempSkinFolder folder;
    std::string slots;
    for (int i = 0; i < 40; ++i) {
        slots += "<widget class=\"Fan_UI\" name=\"s" + std::to_string(i) + "\"/>";
    }
    folder.write("fan.xml", uiFile(slots));
    SkinFolder skins(folder.path());
    SkinDocument doc;
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_EQ(skins.load("fan.xml", pagesOf("Fan_UI", "fan.xml"), doc, error, &warnings),
              kSkinLoaded);
    EXPECT_FALSE(warnings.empty());
    std::size_t total = 0;
    std::vector<const SkinNode*> stack{&doc.root};
    while (!stack.empty()) {
        const SkinNode* n = stack.back();
        stack.pop_back();
        ++total;
        for (const SkinNode& c : n->children) {
            stack.push_back(&c);
        }
    }
    EXPECT_LE(total, kMaxWindowNodes);
}

TEST(MenuFiles, ItemsComeInOrderWithTheirIdsAndData) {
    TempSkinFolder folder;
    folder.write("menu1.xml", R"(<ui version="4.0"><widget class="QMenu" name="menu1">
      <action name="lan_en"><property name="text"><string>@menu_lan_en</string></property></action>
      <action name="About_setting"><property name="text"><string>About</string></property>
        <property name="userdata" stdset="0"><string>about-data</string></property></action>
      <widget class="QLabel" name="not_an_item"/>
    </widget></ui>)");
    SkinFolder skins(folder.path());
    std::vector<MenuEntry> items;
    std::string error;
    ASSERT_EQ(readMenuFile(skins, "menu1.xml", items, error), kSkinLoaded) << error;
    items = withAppended(std::move(items), {{"exit", "Close"}});
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "lan_en");
    EXPECT_TRUE(items[0].text.isId);
    EXPECT_EQ(choiceOf(items[0]).text, "menu_lan_en");
    EXPECT_EQ(choiceOf(items[1]).userData, "about-data");
    EXPECT_EQ(choiceOf(items[1]).text, "About");
    EXPECT_EQ(choiceOf(items[2]).name, "exit");
    EXPECT_FALSE(items[2].text.isId);
    EXPECT_EQ(readMenuFile(skins, "../menu1.xml", items, error), kSkinUnsafeName);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(readMenuFile(skins, "menu2.xml", items, error), kSkinMissing);
}

}  // namespace
}  // namespace quillon::toolkit
