// Deleting a macro renumbers the macro functions of every key table of the device kind: keys on
// the deleted macro get their factory function back, keys on later macros follow them down.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProgramRig.h"
#include "platform/IniFile.h"

namespace quillon::apptest {
namespace {

using Messages = std::vector<std::string>;

class MacroDelete : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(rig.dataDir() + "ms");
        const IniFile index(rig.dataDir() + "ms/msMacro.ini");
        index.write("MACROCOUNT", "count", "3");
        index.write("MACRONAME", "0", "a");
        index.write("MACRONAME", "1", "b");
        index.write("MACRONAME", "2", "c");
        rig.start();
        rig.settle();
        DeviceMemory& mouse = rig.main().model().memory(DeviceKind::Mouse);
        for (std::size_t i = 0; i < kKeyTableSize; ++i) {
            mouse.factoryKeyTable[i] = static_cast<std::uint8_t>(0x10 + i % 7);
        }
        set(0, 2, {0x70, 1, 2});
        set(0, 4, {0x71, 2, 5});
        set(3, 9, {0x70, 0, 1});
        rig.find("ms_MacroName_list")->selectItem(1, toolkit::Notify::Yes);
    }
    void set(int profile, int key, std::array<std::uint8_t, 3> function) {
        auto& table = rig.main().model().memory(DeviceKind::Mouse).keyTables[profile];
        std::copy(function.begin(), function.end(), table.begin() + 3 * key);
    }
    std::array<std::uint8_t, 3> get(int profile, int key) {
        const auto& table = rig.main().model().memory(DeviceKind::Mouse).keyTables[profile];
        return {table[3 * key], table[3 * key + 1], table[3 * key + 2]};
    }
    std::array<std::uint8_t, 3> factory(int key) {
        const auto& table = rig.main().model().memory(DeviceKind::Mouse).factoryKeyTable;
        return {table[3 * key], table[3 * key + 1], table[3 * key + 2]};
    }
    std::string listed(int i) {
        return IniFile(rig.dataDir() + "ms/msMacro.ini").read("MACRONAME", std::to_string(i));
    }

    ProgramRig rig;
};

TEST_F(MacroDelete, KeysOnTheMacroGoBackToTheFactoryAndLaterOnesMoveDown) {
    rig.answer(BoxAnswer::Confirm);  // the macro is used by keys
    rig.answer(BoxAnswer::Confirm);  // delete it
    rig.notify("click", "ms_macro_btn_name_sub");
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_2", "message_text_4"}));
    EXPECT_EQ(get(0, 2), factory(2));
    EXPECT_EQ(get(0, 4), (std::array<std::uint8_t, 3>{0x71, 1, 5}));
    EXPECT_EQ(get(3, 9), (std::array<std::uint8_t, 3>{0x70, 0, 1}));  // an earlier macro
    EXPECT_EQ(listed(0), "a");
    EXPECT_EQ(listed(1), "c");
    EXPECT_EQ(rig.find("ms_MacroName_list")->itemCount(), 2);
    EXPECT_EQ(rig.find("ms_MacroName_list")->selectedIndex(), 0);
}

TEST_F(MacroDelete, NoToEitherQuestionChangesNothing) {
    for (BoxAnswer first : {BoxAnswer::Cancel, BoxAnswer::Confirm}) {
        rig.answer(first);
        if (first == BoxAnswer::Confirm) {
            rig.answer(BoxAnswer::Cancel);
        }
        rig.notify("click", "ms_macro_btn_name_sub");
        EXPECT_EQ(get(0, 2), (std::array<std::uint8_t, 3>{0x70, 1, 2}));
        EXPECT_EQ(get(0, 4), (std::array<std::uint8_t, 3>{0x71, 2, 5}));
        EXPECT_EQ(listed(1), "b");
        EXPECT_EQ(rig.find("ms_MacroName_list")->itemCount(), 3);
    }
}

TEST_F(MacroDelete, AMacroNoKeyUsesAsksOnlyOnce) {
    rig.find("ms_MacroName_list")->selectItem(2, toolkit::Notify::Yes);
    set(0, 4, {0x10, 1, 0});
    rig.answer(BoxAnswer::Confirm);
    rig.notify("click", "ms_macro_btn_name_sub");
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_4"}));
    EXPECT_EQ(listed(1), "b");
    EXPECT_EQ(IniFile(rig.dataDir() + "ms/msMacro.ini").read("MACROCOUNT", "count"), "2");
}

}  // namespace
}  // namespace quillon::apptest
