#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ControlName.h"
#include "app/Dispatch.h"

namespace quillon::app {
namespace {

using Log = std::vector<std::string>;

Notification note(const std::string& type, const std::string& sender) {
    Notification n;
    n.type = type;
    n.sender = sender;
    return n;
}

// Records which rows ran.
struct Table {
    Dispatch dispatch;
    Log ran;

    Dispatch::Handler mark(const std::string& row) {
        return [this, row](const Notification&) { ran.push_back(row); };
    }
    Dispatch::NumberedHandler markNumber(const std::string& row) {
        return [this, row](const Notification&, int n) {
            ran.push_back(row + " " + std::to_string(n));
        };
    }
    Log send(const std::string& type, const std::string& sender) {
        ran.clear();
        dispatch.notify(note(type, sender));
        return ran;
    }
};

TEST(DispatchOrder, TheTablePlaceDecidesNotTheRegistrationOrder) {
    Table t;
    t.dispatch.addNamed("click", 300, {"a_btn"}, t.mark("late"));
    t.dispatch.addNamed("click", 100, {"a_btn"}, t.mark("early"));
    t.dispatch.addNamed("click", 200, {"a_btn"}, t.mark("middle"));
    EXPECT_EQ(t.send("click", "a_btn"), (Log{"early"}));
}

TEST(DispatchOrder, WithinOnePlaceTheFirstRegisteredRowWins) {
    Table t;
    t.dispatch.addNamed("click", 100, {"a_btn"}, t.mark("first"));
    t.dispatch.addNamed("click", 100, {"a_btn"}, t.mark("second"));
    EXPECT_EQ(t.send("click", "a_btn"), (Log{"first"}));
}

TEST(DispatchOrder, ARowThatDoesNotMatchLetsTheNextBeTested) {
    Table t;
    t.dispatch.addNamed("click", 100, {"other_btn"}, t.mark("other"));
    t.dispatch.addNamed("click", 200, {"a_btn", "b_btn"}, t.mark("ab"));
    EXPECT_EQ(t.send("click", "b_btn"), (Log{"ab"}));
    EXPECT_EQ(t.send("click", "c_btn"), (Log{}));
    EXPECT_FALSE(t.dispatch.notify(note("click", "c_btn")));
    EXPECT_TRUE(t.dispatch.notify(note("click", "a_btn")));
}

TEST(DispatchOrder, NumberedRowsComeBeforeExactNamesOfTheSameFamily) {
    Table t;
    t.dispatch.addNamed("click", 300, {"kb_key_5", "kb_key_butt_keydefalut"}, t.mark("exact"));
    t.dispatch.addNumbered("click", 100, "kb_key_", t.markNumber("key"));
    EXPECT_EQ(t.send("click", "kb_key_5"), (Log{"key 5"}));
    // "keydefalut" is no number: the name does not split, so the exact row answers.
    EXPECT_EQ(t.send("click", "kb_key_butt_keydefalut"), (Log{"exact"}));
}

TEST(DispatchNames, NamesAndTypesCompareWithoutRegardToCase) {
    Table t;
    t.dispatch.addNamed("selectChanged", 100, {"MS_Tab"}, t.mark("tab"));
    EXPECT_EQ(t.send("selectchanged", "ms_tab"), (Log{"tab"}));
    EXPECT_EQ(t.send("SELECTCHANGED", "MS_TAB"), (Log{"tab"}));
    EXPECT_EQ(t.send("click", "ms_tab"), (Log{}));
    EXPECT_EQ(t.send("selectchanged", "ms_tab_"), (Log{}));
}

TEST(DispatchNames, NumberedFamiliesTakeTheDigitsAfterTheLastUnderscore) {
    Table t;
    t.dispatch.addNumbered("click", 100, "ms_profile_", t.markNumber("profile"));
    EXPECT_EQ(t.send("click", "ms_profile_7"), (Log{"profile 7"}));
    EXPECT_EQ(t.send("click", "MS_PROFILE_3"), (Log{"profile 3"}));
    EXPECT_EQ(t.send("click", "ms_profile_0012"), (Log{"profile 12"}));
    for (const char* notNumbered :
         {"ms_profile_", "ms_profile_x", "ms_profile_1a", "ms_profile_-1", "ms_profile_ 1",
          "ms_profile_fun", "ms_profile_1234567890", "ms_profile_3_4", "ms_profile"}) {
        EXPECT_EQ(t.send("click", notNumbered), (Log{})) << notNumbered;
    }
}

TEST(DispatchNames, AFamilyMayNarrowItsNumbersAndLeaveTheRestToLaterRows) {
    Table t;
    t.dispatch.addNumbered("click", 100, "ms_DPIcolor_btn_", t.markNumber("dpi colour"),
                           [](int n) { return n >= 1 && n <= 5; });
    t.dispatch.addAny("click", 900, t.mark("anything"));
    EXPECT_EQ(t.send("click", "ms_dpicolor_btn_5"), (Log{"dpi colour 5"}));
    EXPECT_EQ(t.send("click", "ms_DPIcolor_btn_6"), (Log{"anything"}));
    EXPECT_EQ(t.send("click", "ms_DPIcolor_btn_0"), (Log{"anything"}));
}

TEST(DispatchPreludes, RunForWhatReachesThemAndLetLaterRowsBeTested) {
    Table t;
    t.dispatch.addNamed("selectchanged", 100, {"guarded"}, t.mark("guard"));
    t.dispatch.addPrelude("selectchanged", 200, t.mark("unhook"));
    t.dispatch.addNamed("selectchanged", 300, {"kb_tab"}, t.mark("tab"));
    EXPECT_EQ(t.send("selectchanged", "kb_tab"), (Log{"unhook", "tab"}));
    EXPECT_EQ(t.send("selectchanged", "guarded"), (Log{"guard"}));
    EXPECT_EQ(t.send("selectchanged", "nobody"), (Log{"unhook"}));
    // A prelude alone is no match.
    EXPECT_FALSE(t.dispatch.notify(note("selectchanged", "nobody")));
}

TEST(DispatchPreludes, WhenRowsDecideWithTheirOwnTest) {
    Table t;
    bool editing = false;
    t.dispatch.addWhen(
        "selectchanged", 100, [&editing](const Notification&) { return editing; }, t.mark("guard"));
    t.dispatch.addNamed("selectchanged", 200, {"kb_tab"}, t.mark("tab"));
    EXPECT_EQ(t.send("selectchanged", "kb_tab"), (Log{"tab"}));
    editing = true;
    EXPECT_EQ(t.send("selectchanged", "kb_tab"), (Log{"guard"}));
}

TEST(DispatchTimersAndMessages, RunTheirHandlerAndSayWhenThereIsNone) {
    Dispatch d;
    Log ran;
    d.addTimer(8, [&ran] { ran.push_back("timer 8"); });
    d.addMessage(0x0A03, [&ran](const Message& m) {
        ran.push_back("colour " + std::to_string(m.wParam) + " " + std::to_string(m.lParam));
    });
    EXPECT_TRUE(d.timer(8));
    EXPECT_FALSE(d.timer(9));
    EXPECT_TRUE(d.message(toolkit::messageOf(0x0A03, 20, 7)));
    EXPECT_FALSE(d.message(toolkit::messageOf(0x0A05)));
    EXPECT_EQ(ran, (Log{"timer 8", "colour 20 7"}));
}

TEST(ControlNames, SplitAtTheLastUnderscore) {
    const auto split = splitControlName("kb_Deng_color_btn_12");
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->prefix, "kb_Deng_color_btn_");
    EXPECT_EQ(split->number, 12);
    EXPECT_FALSE(splitControlName("closebtn").has_value());
    EXPECT_FALSE(splitControlName("_").has_value());
    EXPECT_EQ(splitControlName("_0")->prefix, "_");
    EXPECT_EQ(splitControlName("x_999999999")->number, 999999999);
    EXPECT_FALSE(splitControlName("x_9999999999").has_value());
}

TEST(ControlNames, CaseFreeComparisons) {
    EXPECT_TRUE(equalsNoCase("Ms_Tab", "ms_TAB"));
    EXPECT_FALSE(equalsNoCase("ms_tab", "ms_tab1"));
    EXPECT_TRUE(startsWithNoCase("MS_profile_3", "ms_"));
    EXPECT_FALSE(startsWithNoCase("ms", "ms_"));
    EXPECT_EQ(toLower("KB_Key_5"), "kb_key_5");
}

}  // namespace
}  // namespace quillon::app
