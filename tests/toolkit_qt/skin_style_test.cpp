// The skin's sheet drawn through a few model widgets: the same pixels as the sheet engine gives a
// widget of its own, a few models for many controls, and sheets of their own only for the
// controls that need one.
#include "toolkit/qt/SkinStyle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/SkinComboBox.h"
#include "toolkit_qt/qt_driver.h"
#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {
namespace {

constexpr char kSheet[] =
    "* { color: #E8EAED; font-size: 13px; }\n"
    "QPushButton { background-color: #20242B; border: 1px solid #2E333C; border-radius: 6px; }\n"
    "QPushButton[role=\"chip\"] { background-color: #19B5E8; color: #0B0D10; "
    "font-weight: 600; }\n"
    "QPushButton[role=\"chip\"]:checked { background-color: #FF0000; }\n"
    "QLabel[role=\"title\"] { font-size: 18px; }\n"
    "QSlider::groove:horizontal { height: 4px; background-color: #2E333C; }\n"
    "QListWidget { background-color: #181B21; }\n"
    "QComboBox { border: 1px solid #2E333C; }\n";

std::string widget(const std::string& className, const std::string& name, int y,
                   const std::string& role = {}, const std::string& text = "Chip") {
    std::string xml = "<widget class=\"" + className + "\" name=\"" + name +
                      "\"><property name=\"geometry\"><rect><x>10</x><y>" + std::to_string(y) +
                      "</y><width>80</width><height>24</height></rect></property>";
    if (!role.empty()) {
        xml += "<property name=\"role\" stdset=\"0\"><string>" + role + "</string></property>";
    }
    if (className != "QListWidget" && className != "QComboBox") {
        xml += "<property name=\"text\"><string>" + text + "</string></property>";
    }
    return xml + "</widget>\n";
}

QImage pixels(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

class SkinStyleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureQtApplication();
        skin_.write("quillon.qss", kSheet);
    }
    std::unique_ptr<Window> openShown(const std::string& children) {
        skin_.write("w.xml", TempSkin::ui(children));
        toolkit_ = std::make_unique<QtToolkit>(skin_.dir());
        WindowSpec spec;
        spec.skin = "w.xml";
        auto window = toolkit_->createWindow(spec);
        if (window) {
            window->show();
            QApplication::processEvents();
        }
        return window;
    }
    static QWidget* widgetOf(Window& window, const std::string& name) {
        auto* control = dynamic_cast<QtControl*>(window.find(name));
        return control != nullptr ? control->widget() : nullptr;
    }
    static SkinStyle& style() { return *SkinStyle::current(); }

    TempSkin skin_;
    std::unique_ptr<QtToolkit> toolkit_;
};

TEST_F(SkinStyleTest, ManyControlsAreDrawnWithAFewModelsAndNoSheetsOfTheirOwn) {
    std::string children;
    for (int i = 0; i < 12; ++i) {
        children += widget("QPushButton", "chip" + std::to_string(i), 10 + i, "chip");
        children += widget("QPushButton", "plain" + std::to_string(i), 10 + i);
        children += widget("QLabel", "title" + std::to_string(i), 10 + i, "title");
    }
    auto window = openShown(children);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(SkinStyle::current(), nullptr);
    // One model per kind: chip, plain button, title, the window.
    EXPECT_LE(style().modelCount(), 4);
    QWidget* first = widgetOf(*window, "chip0");
    QWidget* last = widgetOf(*window, "chip11");
    ASSERT_NE(style().modelOf(first), nullptr);
    EXPECT_EQ(style().modelOf(first), style().modelOf(last));
    EXPECT_NE(style().modelOf(first), style().modelOf(widgetOf(*window, "plain0")));
    EXPECT_TRUE(first->styleSheet().isEmpty());
    // The model's set-up reaches the control: the title's font size, the chip's weight.
    EXPECT_EQ(widgetOf(*window, "title3")->font().pixelSize(), 18);
    EXPECT_EQ(first->font().weight(), QFont::DemiBold);
}

TEST_F(SkinStyleTest, AControlDrawnWithAModelLooksAsUnderTheSheetItself) {
    auto window = openShown(widget("QPushButton", "chip", 10, "chip") +
                            widget("QLabel", "title", 40, "title", "Heading"));
    ASSERT_NE(window, nullptr);
    for (const char* name : {"chip", "title"}) {
        QWidget* drawn = widgetOf(*window, name);
        ASSERT_NE(drawn, nullptr);
        // The same control under the whole sheet, as the sheet engine alone draws it.
        std::unique_ptr<QWidget> reference(
            qobject_cast<QPushButton*>(drawn) != nullptr
                ? static_cast<QWidget*>(new QPushButton(drawn->property("text").toString()))
                : static_cast<QWidget*>(new QLabel(drawn->property("text").toString())));
        reference->setProperty("role", drawn->property("role"));
        reference->setStyleSheet(kSheet);
        reference->resize(drawn->size());
        reference->ensurePolished();
        EXPECT_EQ(pixels(*drawn), pixels(*reference)) << name;
        if (auto* button = qobject_cast<QPushButton*>(drawn)) {
            button->setCheckable(true);
            button->setChecked(true);
            auto* other = qobject_cast<QPushButton*>(reference.get());
            other->setCheckable(true);
            other->setChecked(true);
            EXPECT_EQ(button->grab().toImage().pixelColor(4, 12), QColor(0xFF, 0, 0));
            EXPECT_EQ(pixels(*button), pixels(*other));
        }
    }
}

TEST_F(SkinStyleTest, AControlsOwnLookDrawsAndLooksChosenOneAfterAnotherDoNotPileUp) {
    auto window = openShown(widget("QPushButton", "swatch", 10, "chip") +
                            widget("QPushButton", "other", 40, "chip"));
    ASSERT_NE(window, nullptr);
    Control& swatch = *window->find("swatch");
    QWidget* drawn = widgetOf(*window, "swatch");
    const int before = style().modelCount();
    for (int i = 0; i < 40; ++i) {
        swatch.set(Prop::BkColor, std::int64_t{0xFF000000 + i * 0x10203});
    }
    EXPECT_LE(style().modelCount(), before + 1);
    const QColor last = toQColor(0xFF000000 + 39 * 0x10203);
    EXPECT_EQ(drawn->grab().toImage().pixelColor(4, 12), last);
    // The other chip keeps the sheet's colour.
    EXPECT_EQ(widgetOf(*window, "other")->grab().toImage().pixelColor(4, 12),
              QColor(0x19, 0xB5, 0xE8));
    EXPECT_TRUE(drawn->styleSheet().isEmpty());
    // Models no control is drawn with go with the last of their controls.
    window.reset();
    EXPECT_EQ(style().modelCount(), 0);
}

TEST_F(SkinStyleTest, ListsAndOpenedCombosGetASheetWithOnlyTheRulesForThem) {
    auto window = openShown(widget("QListWidget", "list", 10) + widget("QComboBox", "combo", 60));
    ASSERT_NE(window, nullptr);
    const QString listSheet = widgetOf(*window, "list")->styleSheet();
    EXPECT_TRUE(listSheet.contains("QListWidget {")) << listSheet.toStdString();
    EXPECT_TRUE(listSheet.contains("* {")) << listSheet.toStdString();
    EXPECT_FALSE(listSheet.contains("QPushButton")) << listSheet.toStdString();
    EXPECT_FALSE(listSheet.contains("QSlider")) << listSheet.toStdString();

    auto* combo = qobject_cast<SkinComboBox*>(widgetOf(*window, "combo"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->styleSheet().isEmpty());
    EXPECT_NE(style().modelOf(combo), nullptr);
    combo->showPopup();
    EXPECT_TRUE(combo->styleSheet().contains("QComboBox {")) << combo->styleSheet().toStdString();
    EXPECT_EQ(style().modelOf(combo), nullptr);
    combo->hidePopup();
}

}  // namespace
}  // namespace quillon::toolkit::qt
