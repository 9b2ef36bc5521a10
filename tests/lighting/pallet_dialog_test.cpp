// The palette window on the headless toolkit: the real layout, and small layouts that lack parts.

#include <gtest/gtest.h>

#include "lighting/LightingTestSupport.h"
#include "lighting/PalletDialog.h"
#include "lighting/PresetColours.h"

namespace quillon::lighting {
namespace {

using testing::TempFolder;
using toolkit::headless::HeadlessToolkit;
using toolkit::headless::HeadlessWindow;

constexpr toolkit::Argb kStart = 0xFF102030;

class PalletDialogTest : public ::testing::Test {
  protected:
    explicit PalletDialogTest(std::string skinFolder = testing::programDir() + "skin/")
        : toolkit(clock, std::move(skinFolder)) {}

    // Runs the dialog; `user` acts in the window while it is modal.
    int run(std::function<void(HeadlessWindow&)> user) {
        toolkit.setModalResponder([&](HeadlessWindow& w) {
            seen = &w;
            sampleAtOpen = w.find("color_show_btn") ? w.find("color_show_btn")->bkColor() : 0;
            paletteAtOpen = w.find("Pallet") ? static_cast<toolkit::Argb>(w.find("Pallet")->getInt(
                                                   toolkit::Prop::PaletteColor))
                                             : 0;
            geometry = w.geometry();
            user(w);
        });
        return dialog.doModal(nullptr);
    }

    VirtualClock clock;
    HeadlessToolkit toolkit;
    CPalletDialog dialog{toolkit, kStart};
    HeadlessWindow* seen = nullptr;
    toolkit::Argb sampleAtOpen = 0;
    toolkit::Argb paletteAtOpen = 0;
    toolkit::Rect geometry;
};

TEST_F(PalletDialogTest, OpensOnTheStartColourBesideThePointer) {
    toolkit.setCursorPosition({300, 200});
    EXPECT_EQ(run([](HeadlessWindow& w) { w.click("closebtn"); }), kPalletClosed);
    EXPECT_EQ(sampleAtOpen, kStart);
    EXPECT_EQ(paletteAtOpen, kStart);
    EXPECT_EQ(geometry.x, 280);
    EXPECT_EQ(geometry.y, 220);
}

TEST_F(PalletDialogTest, OkGivesThePaletteChoice) {
    EXPECT_EQ(run([](HeadlessWindow& w) {
                  ASSERT_TRUE(w.chooseColour("Pallet", 0xFFABCDEF));
                  EXPECT_EQ(w.find("color_show_btn")->bkColor(), 0xFFABCDEFu);
                  w.click("okbtn");
              }),
              kPalletOk);
    EXPECT_EQ(dialog.colour(), 0xFFABCDEFu);
}

TEST_F(PalletDialogTest, PresetsShowTheirColourAndOkTakesIt) {
    EXPECT_EQ(run([](HeadlessWindow& w) {
                  w.click("ms_dpi_color_png_7");
                  w.click("ms_dpi_color_png_0");
                  EXPECT_EQ(w.find("Pallet")->getInt(toolkit::Prop::PaletteColor), 0xFFFF0000);
                  w.click("okbtn");
              }),
              kPalletOk);
    EXPECT_EQ(dialog.colour(), 0xFFFF0000u);
}

TEST_F(PalletDialogTest, EveryPresetButtonOfTheLayoutShowsItsTableColour) {
    for (int n = 0; n < kPresetColourCount; ++n) {
        CPalletDialog each(toolkit, kStart);
        toolkit.setModalResponder([n](HeadlessWindow& w) {
            w.click("ms_dpi_color_png_" + std::to_string(n));
            w.click("okbtn");
        });
        ASSERT_EQ(each.doModal(nullptr), kPalletOk);
        EXPECT_EQ(each.colour(), *presetColour(n)) << "preset " << n;
    }
    EXPECT_EQ(presetColour(-1), std::nullopt);
    EXPECT_EQ(presetColour(kPresetColourCount), std::nullopt);
}

TEST_F(PalletDialogTest, CloseKeepsTheStartColour) {
    EXPECT_EQ(run([](HeadlessWindow& w) {
                  w.chooseColour("Pallet", 0xFF00FF00);
                  w.click("closebtn");
              }),
              kPalletClosed);
    EXPECT_EQ(dialog.colour(), kStart);
}

TEST_F(PalletDialogTest, AWindowClosedAnyOtherWayIsNoChoice) {
    EXPECT_EQ(run([](HeadlessWindow& w) { w.close(7); }), kPalletClosed);
    EXPECT_EQ(dialog.colour(), kStart);
}

std::string layout(const std::string& controls) {
    return "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"root\">"
           "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>200</width>"
           "<height>100</height></rect></property>" +
           controls + "</widget></ui>";
}

std::string button(const std::string& name) {
    return "<widget class=\"QPushButton\" name=\"" + name + "\"/>";
}

class PalletDialogLayouts : public ::testing::Test {
  protected:
    TempFolder skins;
    VirtualClock clock;
};

TEST_F(PalletDialogLayouts, WithoutAPaletteOkClosesWithoutAChoice) {
    skins.write(kPalletSkin, layout(button("color_show_btn") + button("okbtn") +
                                    button("closebtn") + button("ms_dpi_color_png_3")));
    HeadlessToolkit toolkit(clock, skins.path());
    CPalletDialog dialog(toolkit, kStart);
    toolkit.setModalResponder([](HeadlessWindow& w) {
        w.click("ms_dpi_color_png_3");
        w.click("okbtn");
    });
    EXPECT_EQ(dialog.doModal(nullptr), kPalletClosed);
    EXPECT_EQ(dialog.colour(), kStart);
}

TEST_F(PalletDialogLayouts, WithoutASampleOkGivesNoColour) {
    skins.write(kPalletSkin, layout("<widget class=\"ColorPalette\" name=\"Pallet\"/>" +
                                    button("okbtn") + button("closebtn")));
    HeadlessToolkit toolkit(clock, skins.path());
    CPalletDialog dialog(toolkit, kStart);
    toolkit.setModalResponder([](HeadlessWindow& w) {
        w.chooseColour("Pallet", 0xFF445566);
        w.click("okbtn");
    });
    EXPECT_EQ(dialog.doModal(nullptr), kPalletOk);
    EXPECT_EQ(dialog.colour(), 0u);
}

TEST_F(PalletDialogLayouts, APresetNumberBeyondTheTableIsIgnored) {
    skins.write(
        kPalletSkin,
        layout("<widget class=\"ColorPalette\" name=\"Pallet\"/>" + button("color_show_btn") +
               button("okbtn") + button("ms_dpi_color_png_30") + button("ms_dpi_color_png_99999")));
    HeadlessToolkit toolkit(clock, skins.path());
    CPalletDialog dialog(toolkit, kStart);
    toolkit.setModalResponder([](HeadlessWindow& w) {
        w.click("ms_dpi_color_png_30");
        w.click("ms_dpi_color_png_99999");
        w.click("okbtn");
    });
    EXPECT_EQ(dialog.doModal(nullptr), kPalletOk);
    EXPECT_EQ(dialog.colour(), kStart);
}

TEST_F(PalletDialogLayouts, AMissingLayoutIsNoChoice) {
    HeadlessToolkit toolkit(clock, skins.path());
    EXPECT_EQ(pickColour(toolkit, nullptr, kStart), std::nullopt);
}

}  // namespace
}  // namespace quillon::lighting
