// Contract: what a user's actions change and which notifications they send, in which order, with
// the sender's new state.
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

using Log = std::vector<std::string>;

}  // namespace

TEST_P(ContractUserActions, ClickingAButtonSendsClickWithTheSender) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().click(*w, "push_btn"));
    ASSERT_EQ(recorder.log(), Log{"click push_btn"});
    EXPECT_EQ(recorder.notes[0].control, w->find("push_btn"));
    ASSERT_TRUE(driver().click(*w, "key_btn"));
    ASSERT_TRUE(driver().click(*w, "page_btn"));
    ASSERT_TRUE(driver().click(*w, "layout_btn"));
    EXPECT_EQ(recorder.log(),
              (Log{"click push_btn", "click key_btn", "click page_btn", "click layout_btn"}));
}

TEST_P(ContractUserActions, ClickingAnOptionSendsClickThenItsNewState) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    bool selectedDuringClick = true;
    recorder.onNotify = [&](const Notification& n) {
        if (n.type == "click") {
            selectedDuringClick = n.control->selected();
        }
    };
    ASSERT_TRUE(driver().select(*w, "radio_2", true));
    EXPECT_EQ(recorder.log(), (Log{"click radio_2", "selectchanged radio_2"}));
    EXPECT_FALSE(selectedDuringClick);
    EXPECT_TRUE(recorder.notes.back().selected);
    EXPECT_TRUE(at(*w, "radio_2").selected());
    EXPECT_FALSE(at(*w, "radio_1").selected());
    recorder.clear();
    ASSERT_TRUE(driver().click(*w, "tab_b"));
    EXPECT_EQ(recorder.log(), (Log{"click tab_b", "selectchanged tab_b"}));
    EXPECT_FALSE(at(*w, "tab_a").selected());
    recorder.clear();
    ASSERT_TRUE(driver().click(*w, "tab_b"));
    EXPECT_EQ(recorder.log(), Log{"click tab_b"});
    EXPECT_TRUE(at(*w, "tab_b").selected());
}

TEST_P(ContractUserActions, ACheckBoxTogglesAndTellsItsNewState) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().select(*w, "check_box", true));
    EXPECT_EQ(recorder.log(), (Log{"click check_box", "selectchanged check_box"}));
    EXPECT_TRUE(recorder.notes.back().selected);
    recorder.clear();
    ASSERT_TRUE(driver().select(*w, "check_box", false));
    EXPECT_EQ(recorder.log(), (Log{"click check_box", "selectchanged check_box"}));
    EXPECT_FALSE(recorder.notes.back().selected);
    EXPECT_FALSE(at(*w, "check_box").selected());
    recorder.clear();
    ASSERT_TRUE(driver().click(*w, "check_btn"));
    EXPECT_EQ(recorder.log(), (Log{"click check_btn", "selectchanged check_btn"}));
    EXPECT_TRUE(at(*w, "check_btn").selected());
}

TEST_P(ContractUserActions, ChoosingAnEntrySendsItemSelectWithTheIndex) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().choose(*w, "combo", 2));
    ASSERT_EQ(recorder.log(), Log{"itemselect combo"});
    EXPECT_EQ(recorder.notes[0].index, 2);
    EXPECT_EQ(at(*w, "combo").selectedIndex(), 2);
    ASSERT_TRUE(driver().choose(*w, "list", 1));
    EXPECT_EQ(recorder.count("itemselect", "list"), 1);
    EXPECT_EQ(at(*w, "list").selectedIndex(), 1);
    recorder.clear();
    EXPECT_FALSE(driver().choose(*w, "combo", 3));
    EXPECT_FALSE(driver().choose(*w, "combo", -1));
    EXPECT_FALSE(driver().choose(*w, "push_btn", 0));
    EXPECT_TRUE(recorder.notes.empty());
    EXPECT_EQ(at(*w, "combo").selectedIndex(), 2);
}

TEST_P(ContractUserActions, SlidingSendsTheDragThenTheRelease) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().slide(*w, "slider", 60));
    ASSERT_EQ(recorder.log(), (Log{"movevaluechanged slider", "valuechanged slider"}));
    EXPECT_EQ(recorder.notes[0].value, 60);
    EXPECT_EQ(recorder.notes[1].value, 60);
    EXPECT_EQ(at(*w, "slider").value(), 60);
    recorder.clear();
    ASSERT_TRUE(driver().drag(*w, "slider", 70));
    ASSERT_EQ(recorder.log(), Log{"movevaluechanged slider"});
    EXPECT_EQ(recorder.notes[0].value, 70);
    EXPECT_EQ(at(*w, "slider").value(), 70);
}

TEST_P(ContractUserActions, TypingChangesTheTextAndLeavingSendsKillFocus) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().type(*w, "edit", "abc"));
    ASSERT_FALSE(recorder.notes.empty());
    EXPECT_EQ(recorder.notes.back().type, "textchanged");
    EXPECT_EQ(recorder.notes.back().sender, "edit");
    EXPECT_EQ(recorder.notes.back().text, "abc");
    EXPECT_EQ(at(*w, "edit").text(), "abc");
    EXPECT_EQ(recorder.count("textchanged"), 1);
    ASSERT_TRUE(driver().leave(*w, "edit"));
    EXPECT_EQ(recorder.count("killfocus", "edit"), 1);
    EXPECT_EQ(recorder.log().back(), "killfocus edit");
    EXPECT_FALSE(driver().type(*w, "push_btn", "abc"));
}

TEST_P(ContractUserActions, ThePointerEnteringAndLeavingIsReported) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    ASSERT_TRUE(driver().hover(*w, "push_btn", true));
    ASSERT_TRUE(driver().hover(*w, "push_btn", false));
    ASSERT_TRUE(driver().hover(*w, "title_label", true));
    EXPECT_EQ(recorder.log(), (Log{"msenter push_btn", "msleave push_btn", "msenter title_label"}));
}

TEST_P(ContractUserActions, ProgramFocusMovesTheFocusWithNotifications) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    driver().runFor(20);
    recorder.clear();
    at(*w, "edit2").setFocus();
    driver().runFor(20);
    EXPECT_EQ(recorder.log(), Log{"setfocus edit2"});
    at(*w, "edit").setFocus();
    driver().runFor(20);
    EXPECT_EQ(recorder.log(), (Log{"setfocus edit2", "killfocus edit2", "setfocus edit"}));
}

TEST_P(ContractUserActions, TheNewStateFollowsWhatTheClickHandlerLeft) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    recorder.onNotify = [&](const Notification& n) {
        if (n.type == "click") {
            n.control->setSelected(true);
            at(*w, "stack").selectPage(1);
        }
    };
    // The handler already selected the option: the click changes nothing more.
    ASSERT_TRUE(driver().click(*w, "radio_3"));
    EXPECT_TRUE(at(*w, "radio_3").selected());
    EXPECT_TRUE(at(*w, "page1_btn").visible());
    EXPECT_EQ(recorder.log(), Log{"click radio_3"});
    // A check box toggles from the state the handler left.
    recorder.clear();
    ASSERT_TRUE(driver().click(*w, "check_box"));
    EXPECT_EQ(recorder.log(), (Log{"click check_box", "selectchanged check_box"}));
    EXPECT_FALSE(at(*w, "check_box").selected());
}

}  // namespace quillon::toolkit::contract
