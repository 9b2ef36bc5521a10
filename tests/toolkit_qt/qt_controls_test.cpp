// Qt controls reached the ways the contract driver does not use: keys, the wheel, character-by-
// character typing, unnamed texts, per-control looks that must not spill onto children.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit_qt/qt_driver.h"
#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {
namespace {

class Recorder : public WindowHandler {
  public:
    void notify(const Notification& n) override { notes.push_back(n); }
    std::vector<std::string> log() const {
        std::vector<std::string> lines;
        for (const Notification& n : notes) {
            lines.push_back(n.type + " " + n.sender);
        }
        return lines;
    }
    std::vector<Notification> notes;
};

const char* const kControls = R"(
<widget class="QSlider" name="slider">
 <property name="geometry"><rect><x>10</x><y>10</y><width>120</width><height>20</height></rect></property>
 <property name="maximum"><number>10</number></property>
 <property name="orientation"><enum>Qt::Horizontal</enum></property>
</widget>
<widget class="QComboBox" name="combo">
 <property name="geometry"><rect><x>10</x><y>40</y><width>120</width><height>20</height></rect></property>
 <item><property name="text"><string>@first</string></property></item>
 <item><property name="text"><string>Second</string></property></item>
</widget>
<widget class="QLineEdit" name="edit">
 <property name="geometry"><rect><x>10</x><y>70</y><width>120</width><height>20</height></rect></property>
</widget>
<widget class="QLabel" name="">
 <property name="geometry"><rect><x>10</x><y>100</y><width>120</width><height>20</height></rect></property>
 <property name="text"><string>@first</string></property>
</widget>
<widget class="QFrame" name="child_frame">
 <property name="geometry"><rect><x>0</x><y>120</y><width>100</width><height>80</height></rect></property>
</widget>
)";

class QtControls : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureQtApplication();
        skin_.write("controls.xml", TempSkin::ui(kControls));
        skin_.write("lan_en.xml",
                    "<language code=\"en\"><text id=\"first\">First</text></language>");
        skin_.write("lan_cn.xml",
                    "<language code=\"cn_zh\"><text id=\"first\">第一</text></language>");
        toolkit_ = std::make_unique<QtToolkit>(skin_.dir());
        ASSERT_TRUE(toolkit_->loadLanguage("lan_en.xml"));
        WindowSpec spec;
        spec.skin = "controls.xml";
        window_ = toolkit_->createWindow(spec);
        ASSERT_NE(window_, nullptr);
        window_->show();
        window_->setHandler(&recorder_);
    }

    template <class Widget>
    Widget* widget(const std::string& name) {
        return qobject_cast<Widget*>(dynamic_cast<QtControl&>(*window_->find(name)).widget());
    }
    QWidget* root() { return dynamic_cast<QtWindow&>(*window_).root(); }

    TempSkin skin_;
    std::unique_ptr<QtToolkit> toolkit_;
    std::unique_ptr<Window> window_;
    Recorder recorder_;
};

TEST_F(QtControls, KeysOnASliderChangeItsValueAsAReleaseDoes) {
    auto* slider = widget<QSlider>("slider");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_End);
    ASSERT_EQ(recorder_.notes.size(), 2u);
    EXPECT_EQ(recorder_.notes[0].type, "valuechanged");
    EXPECT_EQ(recorder_.notes[0].value, 1);
    EXPECT_EQ(recorder_.notes[1].value, 10);
    window_->find("slider")->setValue(3);
    EXPECT_EQ(recorder_.notes.size(), 2u);
}

TEST_F(QtControls, TheWheelOnAComboChoosesAnEntry) {
    auto* combo = widget<QComboBox>("combo");
    combo->setCurrentIndex(0);
    recorder_.notes.clear();
    QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(combo, &wheel);
    ASSERT_EQ(recorder_.log(), std::vector<std::string>{"itemselect combo"});
    EXPECT_EQ(recorder_.notes[0].index, 1);
}

TEST_F(QtControls, TypingReportsTheWholeTextAfterEveryCharacter) {
    auto* edit = widget<QLineEdit>("edit");
    edit->setFocus();
    QTest::keyClicks(edit, "ab");
    std::vector<std::string> texts;
    for (const Notification& n : recorder_.notes) {
        if (n.type == "textchanged") {
            texts.push_back(n.text);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "ab"}));
    window_->find("edit")->setText("set by the program");
    EXPECT_EQ(texts.size(), 2u);
}

TEST_F(QtControls, UnnamedTextsAndComboEntriesFollowTheLanguage) {
    QLabel* unnamed = nullptr;
    for (auto* label : root()->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty()) {
            unnamed = label;
        }
    }
    ASSERT_NE(unnamed, nullptr);
    EXPECT_EQ(unnamed->text(), "First");
    EXPECT_EQ(widget<QComboBox>("combo")->itemText(0), "First");
    ASSERT_TRUE(toolkit_->loadLanguage("lan_cn.xml"));
    EXPECT_EQ(unnamed->text(), "第一");
    EXPECT_EQ(widget<QComboBox>("combo")->itemText(0), "第一");
    EXPECT_EQ(widget<QComboBox>("combo")->itemText(1), "Second");
}

TEST_F(QtControls, AControlsBackgroundPictureIsItsOwnNotItsChildrens) {
    // Left half red, right half blue, stretched over the whole window.
    QImage halves(4, 1, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(255, 0, 0));
    halves.setPixel(1, 0, qRgb(255, 0, 0));
    halves.setPixel(2, 0, qRgb(0, 0, 255));
    halves.setPixel(3, 0, qRgb(0, 0, 255));
    halves.save(QString::fromStdString(skin_.dir() + "halves.png"));
    window_->find("root")->set(Prop::BkImage, std::string("halves.png"));
    const QImage shown = root()->grab().toImage();
    // Inside the child frame, at its own right half: still the window's left half.
    EXPECT_EQ(shown.pixelColor(75, 160), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(250, 160), QColor(Qt::blue));
    window_->find("child_frame")->setBkColor(0xFF00FF00);
    EXPECT_EQ(root()->grab().toImage().pixelColor(75, 160), QColor(Qt::green));
    EXPECT_EQ(root()->grab().toImage().pixelColor(105, 160), QColor(Qt::red));
}

TEST_F(QtControls, ItemHeightsFromTheProgramAreKeptWithinReason) {
    Item tall;
    tall.text = "tall";
    tall.height = 1 << 30;
    Control& combo = *window_->find("combo");
    combo.addItem(tall);
    EXPECT_LE(combo.item(2).height, 1000);
    tall.height = -5;
    combo.setItem(2, tall);
    EXPECT_GE(combo.item(2).height, 1);
    EXPECT_TRUE(recorder_.notes.empty());
}

}  // namespace
}  // namespace quillon::toolkit::qt
