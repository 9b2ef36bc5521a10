// The language table: reading language files, ids without regard to case, and files that are
// malformed, hostile or not language files at all.
#include <gtest/gtest.h>

#include "toolkit/Language.h"
#include "toolkit/skin_support.h"

namespace quillon::toolkit {
namespace {

constexpr const char* kEnglish = R"(<?xml version="1.0" encoding="UTF-8"?>
<language code="en">
  <text id="message_text_1">No device is connected.</text>
  <text id="Menu_Lan_EN">English</text>
  <text id="multi">first line
second line</text>
  <text id="empty"></text>
  <text id="message_text_1">A repeated id</text>
</language>)";

TEST(LanguageTable, FindsTextsWithoutRegardToCase) {
    LanguageTable table;
    ASSERT_EQ(table.loadText(kEnglish), LanguageTable::kLoaded);
    EXPECT_EQ(table.code(), "en");
    EXPECT_EQ(table.find("message_text_1"), "No device is connected.");
    EXPECT_EQ(table.find("MESSAGE_TEXT_1"), "No device is connected.");
    EXPECT_EQ(table.find("menu_lan_en"), "English");
    EXPECT_EQ(table.find("multi"), "first line\nsecond line");
    EXPECT_EQ(table.find("empty"), "");
    EXPECT_EQ(table.find("missing"), std::nullopt);
    EXPECT_EQ(table.size(), 4u);
}

TEST(LanguageTable, KeepsUnicodeTexts) {
    LanguageTable table;
    ASSERT_EQ(table.loadText(R"(<language code="cn_zh"><text id="exit">关闭</text></language>)"),
              LanguageTable::kLoaded);
    EXPECT_EQ(table.find("EXIT"), "关闭");
}

TEST(LanguageTable, RefusesBadFilesAndKeepsWhatItHad) {
    LanguageTable table;
    ASSERT_EQ(table.loadText(kEnglish), LanguageTable::kLoaded);
    const std::pair<const char*, int> bad[] = {
        {"", LanguageTable::kMalformed},
        {"<language code=\"x\"><text id=\"a\">unclosed</language>", LanguageTable::kMalformed},
        {"<?xml version=\"1.0\"?>\n<lang><text id=\"a\">A</text></lang>",
         LanguageTable::kNotLanguage},
        {"<ui version=\"4.0\"/>", LanguageTable::kNotLanguage},
        {"\x01\x02\xff\xfe garbage", LanguageTable::kMalformed},
    };
    for (const auto& [text, code] : bad) {
        std::string error;
        EXPECT_EQ(table.loadText(text, &error), code) << text;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(table.code(), "en");
    EXPECT_EQ(table.find("message_text_1"), "No device is connected.");
}

TEST(LanguageTable, SkipsEntriesWithoutAUsableId) {
    LanguageTable table;
    const std::string longId(LanguageTable::kMaxIdLength + 1, 'x');
    const std::string xml = "<language><text>no id</text><text id=\"\">empty id</text><text id=\"" +
                            longId + "\">long</text><other id=\"o\">other</other>" +
                            "<text id=\"ok\">fine<b>bold</b>tail</text></language>";
    ASSERT_EQ(table.loadText(xml), LanguageTable::kLoaded);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(table.find("ok"), "fine");
    EXPECT_EQ(table.find(longId), std::nullopt);
    EXPECT_EQ(table.code(), "");
}

TEST(LanguageTable, EntitiesAreNotExpandedFromADocumentType) {
    LanguageTable table;
    const char* xml = R"(<?xml version="1.0"?>
<!DOCTYPE language [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>
<language><text id="bomb">&b;</text><text id="amp">A &amp; B</text></language>)";
    ASSERT_EQ(table.loadText(xml), LanguageTable::kLoaded);
    EXPECT_LE(table.find("bomb").value_or("").size(), 8u);
    EXPECT_EQ(table.find("amp"), "A & B");
}

TEST(LanguageTable, ReadsFilesAndTellsMissingFromUnreadable) {
    testing::TempSkinFolder folder;
    folder.write("lan_en.xml", kEnglish);
    folder.write("folder.xml/inner", "x");
    LanguageTable table;
    EXPECT_EQ(table.loadFile(folder.path() + "lan_en.xml"), LanguageTable::kLoaded);
    EXPECT_EQ(table.find("menu_lan_en"), "English");
    std::string error;
    EXPECT_EQ(table.loadFile(folder.path() + "lan_xx.xml", &error), LanguageTable::kMissing);
    EXPECT_NE(error.find("lan_xx.xml"), std::string::npos);
    EXPECT_EQ(table.loadFile(folder.path() + "folder.xml", &error), LanguageTable::kUnreadable);
    EXPECT_EQ(table.find("menu_lan_en"), "English");
}

TEST(LanguageTable, RefusesAFileLargerThanTheCap) {
    testing::TempSkinFolder folder;
    std::string huge = "<language><text id=\"a\">";
    huge.append(9u * 1024u * 1024u, 'x');
    huge += "</text></language>";
    folder.write("lan_big.xml", huge);
    LanguageTable table;
    EXPECT_EQ(table.loadFile(folder.path() + "lan_big.xml"), LanguageTable::kUnreadable);
    EXPECT_EQ(table.size(), 0u);
}

TEST(CaseFolding, ComparesAsciiLettersOnly) {
    EXPECT_TRUE(equalsIgnoringCase("Kb_Key_UI", "kb_key_ui"));
    EXPECT_FALSE(equalsIgnoringCase("kb_key", "kb_key_"));
    EXPECT_FALSE(equalsIgnoringCase("é", "É"));
    EXPECT_EQ(lowerAscii("MS_DPI1_Slider"), "ms_dpi1_slider");
}

}  // namespace
}  // namespace quillon::toolkit
