// The key pages' save-to-device button, on the whole program: the cursor sequences, the macros and
// the active key table reach the simulated device from the transfer worker while the window goes
// on, and the progress indicator shows until a second after the end.

#include <gtest/gtest.h>

#include "app/ProgramRig.h"
#include "keys/CursorSequences.h"
#include "keys/MacroImage.h"
#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::apptest {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Messages = std::vector<std::string>;

keys::MacroAction press(std::uint16_t delay) {
    return keys::makeAction(delay, 0x8A, 0x04, "keyboard_key_A");
}

class KeySave : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.sim().plug(SimKind::Mouse);
        rig.start();
        rig.run(1000);  // connected and read
        store.loadIndex();
    }
    Bytes memory(SimRegion region, std::size_t offset, std::size_t count) {
        Bytes out;
        rig.sim().readMemory(SimKind::Mouse, region, offset, count, out);
        return out;
    }
    bool progressShown() { return rig.find("setting_progress")->visible(); }

    ProgramRig rig;
    keys::MacroStore store{rig.dataDir() + "ms/", DeviceKind::Mouse};
};

TEST_F(KeySave, SendsSequencesMacrosAndTheActiveKeyTable) {
    ASSERT_EQ(store.createMacro().result, 1);
    store.saveMacro(0, {press(120), press(1), press(0x0203)});
    DeviceMemory& mouse = rig.main().model().memory(DeviceKind::Mouse);
    mouse.current.set(0, 3);
    for (std::size_t i = 0; i < kKeyTableSize; ++i) {
        mouse.keyTables[3][i] = static_cast<std::uint8_t>(255 - i % 256);
    }
    rig.sim().setMemory(SimKind::Mouse, SimRegion::Macro, 0, Bytes(40, 0xEE));

    rig.notify("click", "ms_key_butt_prosave");
    EXPECT_TRUE(progressShown());
    rig.run(300);
    const Bytes image = *keys::packMacroImage({{press(120), press(1), press(0x0203)}});
    EXPECT_EQ(memory(SimRegion::Macro, 0, 40),
              (Bytes{0xAA, 0x55, 0x22, 0x00, 0x01, 0x00, 0,    0,    0,    0,    0,    0,   0, 0,
                     0,    0,    18,   0,    3,    0,    0,    0,    120,  0,    0x8A, 4,   1, 0,
                     0x8A, 4,    3,    2,    0x8A, 4,    0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(memory(SimRegion::Pages, 3 * 126, 512),
              Bytes(mouse.keyTables[3].begin(), mouse.keyTables[3].end()));
    // The sequence files went first.
    const keys::CursorFiles cursor(rig.dataDir() + "ms/", programDir());
    const Bytes sequences = *keys::fillMacroImage(cursor.planImage());
    EXPECT_EQ(memory(SimRegion::Cursor, 0, sequences.size()), sequences);
    EXPECT_EQ(rig.takeMessages(), Messages{});
    EXPECT_TRUE(progressShown());
    rig.run(1200);
    EXPECT_FALSE(progressShown());
}

TEST_F(KeySave, TooManyActionsAreRefusedWithTheNumberToRemove) {
    // The mouse holds 4 KiB of macros: 16 + 6 + 4 x 1020 = 4102 bytes are six over.
    ASSERT_EQ(store.createMacro().result, 1);
    store.saveMacro(0, std::vector<keys::MacroAction>(1020, press(1)));
    const Bytes pages = memory(SimRegion::Pages, 0, 512);
    rig.sim().setMemory(SimKind::Mouse, SimRegion::Macro, 0, Bytes(4, 0xEE));
    rig.notify("click", "ms_key_butt_prosave");
    rig.run(300);
    EXPECT_EQ(rig.takeMessages(),
              (Messages{"The macros do not fit in the device's memory. Remove at least 2 macro "
                        "actions and try again."}));
    EXPECT_EQ(memory(SimRegion::Macro, 0, 4), Bytes(4, 0xEE));
    EXPECT_EQ(memory(SimRegion::Pages, 0, 512), pages);
    rig.run(1200);
    EXPECT_FALSE(progressShown());
}

TEST_F(KeySave, ASecondPressWhileATransferRunsIsIgnored) {
    ASSERT_EQ(store.createMacro().result, 1);
    const auto macroWrites = [this] {
        int n = 0;
        for (const SimReport& r : rig.sim().trace()) {
            n += r.kind == SimKind::Mouse && r.direction == SimDirection::Request &&
                 r.bytes[3] == 0x15;  // WriteMacroMemory
        }
        return n;
    };
    rig.sim().resetTrace();
    rig.notify("click", "ms_key_butt_prosave");
    rig.notify("click", "ms_key_butt_prosave");
    rig.run(1500);
    EXPECT_EQ(macroWrites(), 1);  // one image of 26 bytes, one report
    EXPECT_FALSE(progressShown());
    // Once it has ended, the button works again.
    rig.notify("click", "ms_key_butt_prosave");
    rig.run(1500);
    EXPECT_EQ(macroWrites(), 2);
}

}  // namespace
}  // namespace quillon::apptest
