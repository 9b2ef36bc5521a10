// Contract: windows built from skins, their controls, shape and first show.
#include <algorithm>

#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

struct Expected {
    const char* name;
    const char* className;
};

constexpr Expected kControls[] = {
    {"root", "QWidget"},
    {"title_label", "QLabel"},
    {"push_btn", "QPushButton"},
    {"tab_a", "QPushButton"},
    {"radio_1", "QRadioButton"},
    {"check_box", "QCheckBox"},
    {"combo", "QComboBox"},
    {"list", "QListWidget"},
    {"slider", "QSlider"},
    {"edit", "QLineEdit"},
    {"stack", "QStackedWidget"},
    {"page1_btn", "QPushButton"},
    {"key_btn", "DeviceKeyButton"},
    {"progress", "CircleProgress"},
    {"palette", "ColorPalette"},
    {"chart", "ChartView"},
    {"host", "Wnd"},
    {"layout_btn", "QPushButton"},
    {"page_btn", "QPushButton"},
    {"page_label", "QLabel"},
};

int position(const std::vector<Control*>& controls, const std::string& name) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](Control* c) { return c->name() == name; });
    return found == controls.end() ? -1 : static_cast<int>(found - controls.begin());
}

}  // namespace

TEST_P(ContractWindows, BuildsEveryControlOfTheSkinWithItsClass) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->skin(), "XML_CONTRACT");
    for (const Expected& e : kControls) {
        Control* c = window->find(e.name);
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->name(), e.name);
        EXPECT_EQ(c->className(), e.className) << e.name;
    }
}

TEST_P(ContractWindows, FindsControlsWithoutRegardToCaseAndOnlyThoseTheSkinHas) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->find("PUSH_Btn"), window->find("push_btn"));
    EXPECT_EQ(window->find("no_such_control"), nullptr);
    EXPECT_EQ(window->find(""), nullptr);
    // The placeholder keeps its own name and holds the page's controls, not the page's root.
    EXPECT_NE(window->find("page_slot"), nullptr);
    EXPECT_EQ(window->find("page_root"), nullptr);
}

TEST_P(ContractWindows, ListsNamedControlsInSkinOrder) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    const std::vector<Control*> controls = window->controls();
    EXPECT_EQ(position(controls, "root"), 0);
    const int title = position(controls, "title_label");
    const int push = position(controls, "push_btn");
    const int stack = position(controls, "stack");
    const int page0 = position(controls, "page0_btn");
    const int page = position(controls, "page_btn");
    EXPECT_GT(title, 0);
    EXPECT_GT(push, title);
    EXPECT_GT(stack, push);
    EXPECT_GT(page0, stack);
    EXPECT_GT(page, page0);
    for (Control* c : controls) {
        EXPECT_FALSE(c->name().empty());
    }
}

TEST_P(ContractWindows, ResolvesResourceIdsAndFileNames) {
    Recorder recorder;
    auto byId = open(recorder, "XML_DIALOG");
    ASSERT_NE(byId, nullptr);
    EXPECT_NE(byId->find("confirm_btn"), nullptr);
    auto byFile = open(recorder, "dialog.xml");
    ASSERT_NE(byFile, nullptr);
    EXPECT_NE(byFile->find("cancel_btn"), nullptr);
}

TEST_P(ContractWindows, RefusesMissingSkinsAndNamesOutsideTheSkinFolder) {
    EXPECT_EQ(toolkit().createWindow(spec("XML_NO_SUCH_ID")), nullptr);
    EXPECT_EQ(toolkit().createWindow(spec("no_such_file.xml")), nullptr);
    EXPECT_EQ(toolkit().createWindow(spec("XML_ESCAPE")), nullptr);
    EXPECT_EQ(toolkit().createWindow(spec("../skin/controls.xml")), nullptr);
    EXPECT_EQ(toolkit().createWindow(spec(contractSkinDir() + "controls.xml")), nullptr);
    EXPECT_EQ(toolkit().createWindow(spec("lan_broken.xml")), nullptr);
}

TEST_P(ContractWindows, TakesItsSizeFromTheSkinUnlessTheSpecGivesOne) {
    auto window = toolkit().createWindow(spec("XML_CONTRACT"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry().width, 400);
    EXPECT_EQ(window->geometry().height, 800);
    WindowSpec sized = spec("XML_DIALOG");
    sized.width = 260;
    sized.height = 140;
    auto dialog = toolkit().createWindow(sized);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->geometry().width, 260);
    EXPECT_EQ(dialog->geometry().height, 140);
}

TEST_P(ContractWindows, StartsHiddenAndSendsWindowInitOnTheFirstShowOnly) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    driver().runFor(10);
    EXPECT_EQ(recorder.count("windowinit"), 0);
    window->show();
    driver().runFor(10);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(recorder.count("windowinit"), 1);
    window->hide();
    EXPECT_FALSE(window->isVisible());
    window->show();
    driver().runFor(10);
    EXPECT_EQ(recorder.count("windowinit"), 1);
    ASSERT_FALSE(recorder.notes.empty());
    EXPECT_EQ(recorder.notes.front().type, "windowinit");
    EXPECT_EQ(recorder.notes.front().sender, "");
}

TEST_P(ContractWindows, MinimisesRestoresAndClosesAsAskedToo) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    window->show();
    window->minimize();
    driver().runFor(10);
    EXPECT_TRUE(window->isMinimized());
    window->restore();
    driver().runFor(10);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    window->close(3);
    driver().runFor(10);
    EXPECT_FALSE(window->isVisible());
}

TEST_P(ContractWindows, SaysWhetherItCanBeSeenAndAnnouncesEachChange) {
    Recorder recorder;
    auto window = open(recorder);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isExposed());
    window->show();
    driver().runFor(50);
    EXPECT_TRUE(window->isExposed());
    ASSERT_FALSE(recorder.exposures.empty());
    EXPECT_TRUE(recorder.exposures.back());
    window->minimize();
    driver().runFor(50);
    EXPECT_FALSE(window->isExposed());
    EXPECT_FALSE(recorder.exposures.back());
    window->restore();
    driver().runFor(50);
    EXPECT_TRUE(window->isExposed());
    EXPECT_TRUE(recorder.exposures.back());
    window->hide();
    driver().runFor(50);
    EXPECT_FALSE(window->isExposed());
    EXPECT_FALSE(recorder.exposures.back());
    // Each change is announced once: seen, not, seen, not.
    EXPECT_EQ(recorder.exposures, (std::vector<bool>{true, false, true, false}));
}

TEST_P(ContractWindows, MovesAndKeepsItsSize) {
    auto window = toolkit().createWindow(spec("XML_DIALOG"));
    ASSERT_NE(window, nullptr);
    window->move(30, 40);
    EXPECT_EQ(window->geometry().x, 30);
    EXPECT_EQ(window->geometry().y, 40);
    EXPECT_EQ(window->geometry().width, 200);
    EXPECT_EQ(window->geometry().height, 120);
}

TEST_P(ContractWindows, KeepsTheStateOfEachWindowApart) {
    Recorder first;
    Recorder second;
    auto a = open(first);
    auto b = open(second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    at(*a, "edit").setText("only in a");
    at(*a, "radio_3").setSelected(true);
    EXPECT_EQ(at(*b, "edit").text(), "hello");
    EXPECT_TRUE(at(*b, "radio_1").selected());
    EXPECT_TRUE(at(*a, "radio_3").selected());
    EXPECT_TRUE(driver().click(*b, "push_btn"));
    EXPECT_EQ(first.count("click"), 0);
    EXPECT_EQ(second.count("click", "push_btn"), 1);
}

}  // namespace quillon::toolkit::contract
