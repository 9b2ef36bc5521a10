// The open window costs nothing while nothing moves: the preview ticks run only while a preview
// area can be seen, and a tick repaints only the areas whose frame changed. Counted on virtual
// time with the headless toolkit, whose windows and controls count their invalidations.
#include <gtest/gtest.h>

#include "app/ProgramRig.h"

namespace quillon::apptest {
namespace {

// Stand-ins for preview areas: a control on the mouse performance page, which shows once the
// mouse is connected, and one on the keyboard page, which is not current then.
constexpr const char* kShownArea = "ms_DPI1_slider";
constexpr const char* kHiddenArea = "kb_key_0";
constexpr Millis kTenSeconds = 10000;

// A program with a mouse connected and its window in front on the mouse performance page.
struct ShownProgram : ProgramRig {
    ShownProgram() {
        start();
        sim().plug(SimKind::Mouse);
        run(1500);
    }

    bool ticking() {
        const bool lighting = window().hasTimer(app::kTimerLightingTick);
        EXPECT_EQ(lighting, window().hasTimer(app::kTimerPreviewRepaint));
        return lighting;
    }

    // Invalidations of the window and of every control but `except`.
    int paintsOutside(const std::string& except = {}) {
        int count = window().invalidations();
        for (toolkit::Control* control : window().controls()) {
            if (control->name() != except) {
                count += static_cast<toolkit::headless::HeadlessControl*>(control)->invalidations();
            }
        }
        return count;
    }

    int paintsOf(const std::string& name) { return window().control(name)->invalidations(); }

    // Runs `ms` with a new frame of `area` every 20 ms, as a lighting worker would.
    void animate(toolkit::PreviewArea& area, Millis ms) {
        for (Millis t = 0; t < ms; t += 20) {
            area.frameChanged();
            run(20);
        }
    }
};

TEST(PreviewTicks, APageWithoutAPreviewCostsNoTickAndNoPaint) {
    ShownProgram rig;
    ASSERT_TRUE(rig.window().isExposed());
    ASSERT_TRUE(rig.find(kShownArea)->visible());
    const int before = rig.paintsOutside();
    rig.run(kTenSeconds);
    EXPECT_FALSE(rig.ticking());
    EXPECT_EQ(rig.paintsOutside(), before);

    // A preview on a page that is not current changes nothing either.
    auto hidden = rig.main().previews().add(kHiddenArea);
    rig.animate(*hidden, kTenSeconds);
    EXPECT_FALSE(rig.ticking());
    EXPECT_EQ(rig.paintsOutside(), before);
}

TEST(PreviewTicks, AChangingPreviewRepaintsOnlyItsOwnControlOncePerTick) {
    ShownProgram rig;
    auto area = rig.main().previews().add(kShownArea);
    // The window looks again after each event it handles; the pages add their areas at the
    // first show, which is one.
    rig.main().updatePreviewTicks();
    EXPECT_TRUE(rig.ticking());
    const int outside = rig.paintsOutside(kShownArea);
    const int own = rig.paintsOf(kShownArea);

    rig.animate(*area, kTenSeconds);
    const int repaints = rig.paintsOf(kShownArea) - own;
    EXPECT_EQ(rig.paintsOutside(kShownArea), outside);
    // 500 frames in 10 s, shown by a 50 ms tick: one repaint per tick, never one per frame.
    EXPECT_GE(repaints, 190);
    EXPECT_LE(repaints, 201);

    // A still preview is not repainted although its tick runs.
    const int still = rig.paintsOf(kShownArea);
    rig.run(kTenSeconds);
    EXPECT_TRUE(rig.ticking());
    EXPECT_EQ(rig.paintsOf(kShownArea), still);
    EXPECT_EQ(rig.paintsOutside(kShownArea), outside);
}

TEST(PreviewTicks, TheTicksStopWhileThePreviewCannotBeSeen) {
    ShownProgram rig;
    auto area = rig.main().previews().add(kShownArea);
    rig.main().updatePreviewTicks();
    ASSERT_TRUE(rig.ticking());

    // Another page of the mouse.
    ASSERT_TRUE(rig.window().click("ms_key_Op_tab"));
    rig.settle();
    EXPECT_FALSE(rig.ticking());
    const int own = rig.paintsOf(kShownArea);
    rig.animate(*area, 1000);
    EXPECT_EQ(rig.paintsOf(kShownArea), own);
    ASSERT_TRUE(rig.window().click("ms_rich_Op_tab"));
    rig.settle();
    EXPECT_TRUE(rig.ticking());

    // Minimised, covered, hidden in the tray.
    rig.window().minimize();
    EXPECT_FALSE(rig.ticking());
    rig.window().restore();
    EXPECT_TRUE(rig.ticking());
    rig.window().setCovered(true);
    EXPECT_FALSE(rig.ticking());
    rig.animate(*area, 1000);
    EXPECT_EQ(rig.paintsOf(kShownArea), own);
    rig.window().setCovered(false);
    EXPECT_TRUE(rig.ticking());
    rig.main().hideWindow();
    EXPECT_FALSE(rig.ticking());
    rig.main().bringToFront();
    EXPECT_TRUE(rig.ticking());

    // Without its area the preview costs nothing again.
    rig.main().previews().remove(kShownArea);
    rig.main().updatePreviewTicks();
    EXPECT_FALSE(rig.ticking());
}

}  // namespace
}  // namespace quillon::apptest
