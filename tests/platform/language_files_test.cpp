#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct Entry {
    std::string id;
    std::string text;
    int group = 0;  // entries between two comments share a group
};

struct LanguageFile {
    std::string code;
    std::vector<Entry> entries;
    std::string error;
};

std::string skinFolder() {
    if (const char* source = std::getenv("QUILLON_SOURCE_DIR")) {
        return std::string(source) + "/skin/";
    }
    const std::string here = __FILE__;  // <source>/tests/platform/this file
    return here.substr(0, here.rfind("/tests/")) + "/skin/";
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

LanguageFile loadLanguage(const std::string& name) {
    LanguageFile file;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_file((skinFolder() + name).c_str(), pugi::parse_default | pugi::parse_comments);
    if (!parsed) {
        file.error = parsed.description();
        return file;
    }
    const pugi::xml_node root = doc.child("language");
    file.code = root.attribute("code").value();
    int group = 0;
    for (const pugi::xml_node node : root.children()) {
        if (node.type() == pugi::node_comment) {
            ++group;
        } else if (node.type() != pugi::node_element || std::string(node.name()) != "text") {
            file.error = std::string("unexpected node ") + node.name();
        } else {
            file.entries.push_back({node.attribute("id").value(), node.text().get(), group});
        }
    }
    return file;
}

// Case-insensitive order in which runs of digits compare as numbers ("message_text_2" before
// "message_text_11"), the order the files keep within each group.
bool naturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            const long na = std::stol(a.substr(i, ei - i));
            const long nb = std::stol(b.substr(j, ej - j));
            if (na != nb) {
                return na < nb;
            }
            i = ei;
            j = ej;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) {
            return ca < cb;
        }
        ++i;
        ++j;
    }
    return (a.size() - i) < (b.size() - j);
}

const std::map<std::string, std::string> kFiles = {
    {"lan_en.xml", "en"}, {"lan_cn.xml", "cn_zh"}, {"lan_sn.xml", "cn_tw"}};

std::vector<std::string> requiredIds() {
    std::vector<std::string> ids = {"main_title",
                                    "tab_keyboard",
                                    "tab_mouse",
                                    "tab_mousepad",
                                    "msgbox_title",
                                    "msgbox_confirm",
                                    "msgbox_cancel",
                                    "about_title",
                                    "about_text",
                                    "about_version",
                                    "about_link",
                                    "no_device_title",
                                    "no_device_text",
                                    "tray_tooltip",
                                    "menu_lan_en",
                                    "menu_lan_cn",
                                    "menu_about",
                                    "close_text",
                                    "Key_Set",
                                    "mouse_key_left",
                                    "mouse_key_middle",
                                    "mouse_key_right",
                                    "mouse_key_forward",
                                    "mouse_key_back",
                                    "mouse_key_left_Swing",
                                    "mouse_key_right_Swing",
                                    "mouse_key_up_Swing",
                                    "mouse_key_down_Swing",
                                    "mouse_key_DPI_add",
                                    "mouse_key_DPI_sub",
                                    "mouse_key_DPI_loop",
                                    "mouse_key_fire_key",
                                    "combo_open",
                                    "combo_new",
                                    "combo_revocation",
                                    "combo_save",
                                    "combo_copy",
                                    "combo_cut",
                                    "combo_paste",
                                    "combo_finde",
                                    "combo_all",
                                    "combo_narrow",
                                    "combo_magnify",
                                    "media_text",
                                    "media_play",
                                    "media_stop",
                                    "media_prev",
                                    "media_next",
                                    "media_vol_sub",
                                    "media_vol_add",
                                    "media_mute",
                                    "web_text",
                                    "web_refresh",
                                    "wed_stop",
                                    "wed_back",
                                    "wed_forward",
                                    "wed_favorite",
                                    "web_search",
                                    "media_mypc",
                                    "media_calc",
                                    "media_mail",
                                    "system_power",
                                    "system_sleep",
                                    "system_wake_up"};
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 20}) {
        ids.push_back("message_text_" + std::to_string(n));
    }
    for (int n = 1; n <= 4; ++n) {
        ids.push_back("GUN_" + std::to_string(n));
    }
    const std::vector<std::string> keyNames = {"LCtrl",
                                               "LShift",
                                               "LAlt",
                                               "LWin",
                                               "RCtrl",
                                               "RShift",
                                               "RAlt",
                                               "RWin",
                                               "Enter",
                                               "Esc",
                                               "BackSpace",
                                               "Tab",
                                               "Space",
                                               "-",
                                               "=",
                                               "[",
                                               "]",
                                               "xiegang",
                                               ";",
                                               "'",
                                               "`",
                                               "<",
                                               ".",
                                               "/",
                                               "Caplk",
                                               "Print Scr",
                                               "Scroll Lock",
                                               "Pause",
                                               "Insert",
                                               "Home",
                                               "Page Up",
                                               "Delete",
                                               "End",
                                               "Page Down",
                                               "Right",
                                               "Left",
                                               "Down",
                                               "Up",
                                               "Num Lock",
                                               "Num /",
                                               "Num *",
                                               "Num -",
                                               "Num +",
                                               "Num Enter",
                                               "Decimal",
                                               "App",
                                               "Launch App2",
                                               "Browaer Home",
                                               "Media Play Pause",
                                               "Browser Search",
                                               "Launch Mail",
                                               "Volume Up",
                                               "Volume Mute",
                                               "Media Stop",
                                               "Volume Down",
                                               "Browser Favorites",
                                               "Browser ForWard",
                                               "Browser Back",
                                               "Media Prev Track",
                                               "Media Next Track",
                                               "Computer",
                                               "Browser Refresh",
                                               "Launch Media Select",
                                               "Power",
                                               "Sleep",
                                               "Wakeup"};
    for (const std::string& name : keyNames) {
        ids.push_back("keyboard_key_" + name);
    }
    for (char c = 'A'; c <= 'Z'; ++c) {
        ids.push_back(std::string("keyboard_key_") + c);
    }
    for (int n = 0; n <= 9; ++n) {
        ids.push_back("keyboard_key_" + std::to_string(n));
        ids.push_back("keyboard_key_Num " + std::to_string(n));
    }
    for (int n = 1; n <= 12; ++n) {
        ids.push_back("keyboard_key_F" + std::to_string(n));
    }
    return ids;
}

class LanguageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [name, code] : kFiles) {
            files[name] = loadLanguage(name);
            ASSERT_EQ(files[name].error, "") << name;
        }
    }
    std::map<std::string, LanguageFile> files;
};

TEST_F(LanguageFiles, ParseWithTheirCodesAndNonEmptyUniqueIds) {
    for (const auto& [name, file] : files) {
        EXPECT_EQ(file.code, kFiles.at(name));
        std::vector<std::string> ids;
        for (const Entry& entry : file.entries) {
            EXPECT_FALSE(entry.id.empty()) << name;
            EXPECT_FALSE(entry.text.empty()) << name << " " << entry.id;
            ids.push_back(lower(entry.id));
        }
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << name;
    }
}

TEST_F(LanguageFiles, AllThreeDefineTheSameIdsInTheSameOrder) {
    auto idsOf = [](const LanguageFile& file) {
        std::vector<std::pair<std::string, int>> ids;
        for (const Entry& entry : file.entries) {
            ids.emplace_back(entry.id, entry.group);
        }
        return ids;
    };
    EXPECT_EQ(idsOf(files["lan_cn.xml"]), idsOf(files["lan_en.xml"]));
    EXPECT_EQ(idsOf(files["lan_sn.xml"]), idsOf(files["lan_en.xml"]));
}

TEST_F(LanguageFiles, EveryIdTheProgramUsesIsDefined) {
    std::vector<std::string> defined;
    for (const Entry& entry : files["lan_en.xml"].entries) {
        defined.push_back(entry.id);
    }
    for (const std::string& id : requiredIds()) {
        EXPECT_NE(std::find(defined.begin(), defined.end(), id), defined.end()) << id;
    }
}

bool plainLess(const std::string& a, const std::string& b) {
    return lower(a) < lower(b);
}

// Each group is in order of its ids, numbers counted either as numbers or as plain text.
TEST_F(LanguageFiles, EntriesAreSortedWithinTheirGroups) {
    const std::vector<Entry>& entries = files["lan_en.xml"].entries;
    std::map<int, std::vector<std::string>> groups;
    for (const Entry& entry : entries) {
        groups[entry.group].push_back(entry.id);
    }
    for (const auto& [group, ids] : groups) {
        const bool natural = std::is_sorted(ids.begin(), ids.end(), naturalLess);
        const bool plain = std::is_sorted(ids.begin(), ids.end(), plainLess);
        EXPECT_TRUE(natural || plain) << "group " << group << " starting with " << ids.front();
    }
}

TEST_F(LanguageFiles, OnlyTheFormatMessagesHoldOneNumberPlaceholder) {
    for (const auto& [name, file] : files) {
        for (const Entry& entry : file.entries) {
            const bool format = entry.id == "message_text_16" || entry.id == "message_text_17";
            const auto percent = entry.text.find('%');
            if (format) {
                ASSERT_NE(percent, std::string::npos) << name << " " << entry.id;
                EXPECT_EQ(entry.text.substr(percent, 2), "%d") << name << " " << entry.id;
                EXPECT_EQ(entry.text.find('%', percent + 1), std::string::npos) << name;
            } else {
                EXPECT_EQ(percent, std::string::npos) << name << " " << entry.id;
            }
        }
    }
}

bool containsAny(const std::string& text, const std::vector<std::string>& characters) {
    return std::any_of(characters.begin(), characters.end(),
                       [&](const std::string& c) { return text.find(c) != std::string::npos; });
}

std::vector<std::string> splitCharacters(const std::string& utf8) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < utf8.size(); i += 3) {
        characters.push_back(utf8.substr(i, 3));  // every listed character is three bytes
    }
    return characters;
}

TEST_F(LanguageFiles, ChineseFilesAreTranslatedInTheirOwnScript) {
    const auto simplifiedOnly = splitCharacters(
        "设键标删连应无请该与选择转发复关开档载动变网页计统电脑时显储写读认为这个们图灯辑级单项钮"
        "击断线导输务数码机间览");
    const auto traditionalOnly = splitCharacters(
        "設鍵標刪連應無請該與選擇轉發複關開檔載動變網頁計統電腦時顯儲寫讀認為這個們圖燈輯級單項鈕"
        "擊斷線導輸務數碼機間覽");
    const std::vector<Entry>& english = files["lan_en.xml"].entries;
    for (const std::string name : {"lan_cn.xml", "lan_sn.xml"}) {
        const std::vector<Entry>& entries = files[name].entries;
        ASSERT_EQ(entries.size(), english.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const bool message = entries[i].id.rfind("message_text_", 0) == 0;
            if (message) {
                EXPECT_NE(entries[i].text, english[i].text) << name << " " << entries[i].id;
            }
            const auto& foreign = name == "lan_cn.xml" ? traditionalOnly : simplifiedOnly;
            EXPECT_FALSE(containsAny(entries[i].text, foreign)) << name << " " << entries[i].id;
        }
    }
}

}  // namespace
}  // namespace quillon
