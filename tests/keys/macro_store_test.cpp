#include <gtest/gtest.h>

#include "common/TestFolders.h"
#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

using test::TempFolder;

std::vector<MacroAction> twoActions() {
    return {makeAction(120, 0x8A, 4, "keyboard_key_A"), makeAction(0, 0x0A, 4, "keyboard_key_A")};
}

class MacroStoreTest : public ::testing::Test {
  protected:
    TempFolder folder;
    MacroStore mouse{folder.path() + "ms/", DeviceKind::Mouse};
    MacroStore keyboard{folder.path() + "kb/", DeviceKind::Keyboard};

    IniFile index(const MacroStore& s) const { return IniFile(s.indexFile()); }
    void createN(MacroStore& s, int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(s.createMacro().result, 1);
        }
    }
};

TEST_F(MacroStoreTest, MissingIndexHasNoMacrosAndTheMouseGetsItsCursorNames) {
    mouse.loadIndex();
    EXPECT_EQ(mouse.count(), 0);
    EXPECT_EQ(index(mouse).readInt("CURSORCOUNT", "count"), 4);
    EXPECT_EQ(index(mouse).read("CURSORNAME", "3"), "name_4");
    keyboard.loadIndex();
    EXPECT_FALSE(index(keyboard).find("CURSORCOUNT", "count"));
    EXPECT_EQ(keyboard.indexFile(), folder.path() + "kb/kbMacro.ini");
}

TEST_F(MacroStoreTest, CreateSkipsNamesInUseWithoutRegardToCase) {
    keyboard.loadIndex();
    const IniFile ini = index(keyboard);
    ini.write("MACROCOUNT", "count", "3");
    ini.write("MACRONAME", "0", "name_1");
    ini.write("MACRONAME", "1", "name_2");
    ini.write("MACRONAME", "2", "NAME_4");
    keyboard.loadIndex();
    ASSERT_EQ(keyboard.createMacro().result, 1);
    EXPECT_EQ(keyboard.names().back(), "name_5");
    EXPECT_EQ(ini.readInt("MACROCOUNT", "count"), 4);
    EXPECT_EQ(ini.read("MACRONAME", "3"), "name_5");
    // No file yet: the new macro has no actions.
    EXPECT_TRUE(keyboard.loadMacro(3).empty());
}

TEST_F(MacroStoreTest, CreateRefusesAtFiftyWithTheLimitAsArgument) {
    keyboard.loadIndex();
    createN(keyboard, 50);
    const MacroResult r = keyboard.createMacro();
    EXPECT_EQ(r.result, 0);
    EXPECT_STREQ(r.message, "message_text_17");
    EXPECT_EQ(r.argument, 50);
    EXPECT_EQ(index(keyboard).readInt("MACROCOUNT", "count"), 50);
}

TEST_F(MacroStoreTest, SaveAndLoadMacroFiles) {
    mouse.loadIndex();
    createN(mouse, 1);
    ASSERT_EQ(mouse.saveMacro(0, twoActions()).result, 1);
    const IniFile file(folder.path() + "ms/name_1.mac");
    EXPECT_EQ(file.read("MACROACTIONCOUNT", "count"), "2");
    EXPECT_EQ(file.read("MACROACTION", "0"), "120,0,138,4,1,keyboard_key_A");
    EXPECT_EQ(file.read("MACROSELECTNAME", "name"), "name_1");
    EXPECT_EQ(mouse.loadMacro(0), twoActions());

    keyboard.loadIndex();
    createN(keyboard, 1);
    keyboard.saveMacro(0, twoActions());
    EXPECT_FALSE(IniFile(folder.path() + "kb/name_1.mac").find("MACROSELECTNAME", "name"));
}

TEST_F(MacroStoreTest, LoadReadsOnlyTheCountedLinesAndSkipsBadOnes) {
    keyboard.loadIndex();
    createN(keyboard, 1);
    const IniFile file(folder.path() + "kb/name_1.mac");
    file.write("MACROACTIONCOUNT", "count", "3");
    for (int j = 0; j < 6; ++j) {
        file.write("MACROACTION", std::to_string(j), std::to_string(j) + ",0,1,1,0,mouse_key_left");
    }
    EXPECT_EQ(keyboard.loadMacro(0).size(), 3u);
    file.write("MACROACTION", "1", "garbage");
    const auto actions = keyboard.loadMacro(0);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[1].delay, 2);
    // A hostile count costs nothing: missing lines are simply absent.
    file.write("MACROACTIONCOUNT", "count", "2147483647");
    EXPECT_EQ(keyboard.loadMacro(0).size(), 5u);
}

TEST_F(MacroStoreTest, SavingKeepsLinesBeyondTheCount) {
    keyboard.loadIndex();
    createN(keyboard, 1);
    keyboard.saveMacro(0, twoActions());
    keyboard.saveMacro(0, {twoActions()[0]});
    const IniFile file(folder.path() + "kb/name_1.mac");
    EXPECT_EQ(file.read("MACROACTIONCOUNT", "count"), "1");
    EXPECT_EQ(file.read("MACROACTION", "1"), "0,0,10,4,0,keyboard_key_A");
    EXPECT_EQ(keyboard.loadMacro(0).size(), 1u);
}

TEST_F(MacroStoreTest, RenameMovesTheFileAndKeepsTheNumber) {
    mouse.loadIndex();
    createN(mouse, 2);
    mouse.saveMacro(1, {});
    ASSERT_EQ(mouse.renameMacro(1, "Fire", twoActions()).result, 1);
    EXPECT_EQ(mouse.names()[1], "Fire");
    EXPECT_EQ(index(mouse).read("MACRONAME", "1"), "Fire");
    EXPECT_FALSE(folder.exists("ms/name_2.mac"));
    const IniFile file(folder.path() + "ms/Fire.mac");
    EXPECT_EQ(file.read("MACROSELECTNAME", "name"), "Fire");
    EXPECT_EQ(mouse.loadMacro(1), twoActions());  // the edited list went in first
}

TEST_F(MacroStoreTest, RenameToTheSameNameInAnotherCaseDoesNothing) {
    keyboard.loadIndex();
    createN(keyboard, 1);
    keyboard.renameMacro(0, "a", {});
    const MacroResult r = keyboard.renameMacro(0, "A", twoActions());
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.message, nullptr);
    EXPECT_EQ(keyboard.names()[0], "a");
}

TEST_F(MacroStoreTest, RenameRefusesATakenName) {
    keyboard.loadIndex();
    createN(keyboard, 2);
    const MacroResult r = keyboard.renameMacro(0, "NAME_2", {});
    EXPECT_STREQ(r.message, "message_text_5");
    EXPECT_EQ(keyboard.names()[0], "name_1");
    EXPECT_EQ(index(keyboard).read("MACRONAME", "0"), "name_1");
}

TEST_F(MacroStoreTest, RenameRefusesNamesThatAreNoFileNameInTheFolder) {
    keyboard.loadIndex();
    createN(keyboard, 1);
    keyboard.saveMacro(0, twoActions());
    for (const char* bad : {"", "..", ".", "../evil", "a/b", "a\\b", "tab\there", "x\x7f"}) {
        const MacroResult r = keyboard.renameMacro(0, bad, {});
        EXPECT_EQ(r.result, 0) << bad;
        EXPECT_STREQ(r.message, "macro_name_unusable") << bad;
    }
    EXPECT_FALSE(keyboard.renameMacro(0, std::string(252, 'x'), {}).result);
    EXPECT_EQ(keyboard.names()[0], "name_1");
    EXPECT_EQ(keyboard.loadMacro(0), twoActions());
    EXPECT_FALSE(folder.exists("evil.mac"));
}

TEST_F(MacroStoreTest, NamesFromAHostileIndexNeverBecomePaths) {
    keyboard.loadIndex();
    const IniFile ini = index(keyboard);
    ini.write("MACROCOUNT", "count", "1");
    ini.write("MACRONAME", "0", "../../outside");
    keyboard.loadIndex();
    EXPECT_EQ(keyboard.macroFile(0), "");
    EXPECT_EQ(keyboard.saveMacro(0, twoActions()).result, 0);
    EXPECT_FALSE(folder.exists("outside.mac"));
    EXPECT_TRUE(keyboard.loadMacro(0).empty());
}

TEST_F(MacroStoreTest, DeleteRenumbersAndRewritesTheCursorNames) {
    mouse.loadIndex();
    createN(mouse, 3);
    mouse.saveMacro(0, twoActions());
    index(mouse).write("CURSORNAME", "2", "odd");
    ASSERT_EQ(mouse.deleteMacro(0).result, 1);
    EXPECT_FALSE(folder.exists("ms/name_1.mac"));
    const IniFile ini = index(mouse);
    EXPECT_EQ(ini.readInt("MACROCOUNT", "count"), 2);
    EXPECT_EQ(ini.read("MACRONAME", "0"), "name_2");
    EXPECT_EQ(ini.read("MACRONAME", "1"), "name_3");
    EXPECT_FALSE(ini.find("MACRONAME", "2"));
    EXPECT_EQ(ini.read("CURSORNAME", "2"), "name_3");
    EXPECT_EQ(ini.readInt("CURSORCOUNT", "count"), 4);
}

TEST_F(MacroStoreTest, ExportAndImportCopyBytes) {
    mouse.loadIndex();
    createN(mouse, 1);
    mouse.saveMacro(0, twoActions());
    ASSERT_EQ(mouse.exportMacro(0, folder.path() + "out.mac").result, 1);
    EXPECT_EQ(folder.read("out.mac"), folder.read("ms/name_1.mac"));
    ASSERT_EQ(mouse.importMacro(folder.path() + "out.mac").result, 1);
    EXPECT_EQ(mouse.names()[1], "name_2");
    EXPECT_EQ(folder.read("ms/name_2.mac"), folder.read("out.mac"));
    EXPECT_EQ(mouse.loadMacro(1), twoActions());
    // A missing source creates the macro but says so.
    EXPECT_EQ(mouse.importMacro(folder.path() + "none.mac").result, 0);
    EXPECT_EQ(mouse.exportMacro(7, folder.path() + "x.mac").result, 0);
}

}  // namespace
}  // namespace quillon::keys
