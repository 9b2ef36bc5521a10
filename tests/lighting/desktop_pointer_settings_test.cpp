// The desktops' pointer settings: which desktop is which, how the speed meets the desktops'
// acceleration, and what reaches the fake gsettings / kreadconfig / kwriteconfig helpers.

#include <gtest/gtest.h>

#include "lighting/LightingTestSupport.h"
#include "platform/HeldPointerSettings.h"
#include "platform/IniFile.h"
#include "platform/linux/DesktopPointerSettings.h"
#include "platform/linux/DesktopPointerValues.h"

namespace quillon {
namespace {

using lighting::testing::TempFolder;

TEST(PointerDesktopDetection, NamesTheDesktopFromItsListOfNames) {
    EXPECT_EQ(pointerDesktopFrom("GNOME", ""), PointerDesktop::Gnome);
    EXPECT_EQ(pointerDesktopFrom("ubuntu:GNOME", ""), PointerDesktop::Gnome);
    EXPECT_EQ(pointerDesktopFrom("gnome", ""), PointerDesktop::Gnome);
    EXPECT_EQ(pointerDesktopFrom("KDE", "6"), PointerDesktop::Kde6);
    EXPECT_EQ(pointerDesktopFrom("KDE", "5"), PointerDesktop::Kde5);
    EXPECT_EQ(pointerDesktopFrom("KDE", ""), PointerDesktop::Kde5);
    EXPECT_EQ(pointerDesktopFrom("XFCE", ""), PointerDesktop::Other);
    EXPECT_EQ(pointerDesktopFrom("", ""), PointerDesktop::Other);
    EXPECT_EQ(pointerDesktopFrom("GNOMEISH:KDEX", "6"), PointerDesktop::Other);
}

TEST(PointerAcceleration, SpeedsSpreadEvenlyOverTheDesktopsRange) {
    EXPECT_DOUBLE_EQ(accelerationForSpeed(1), -1.0);
    EXPECT_DOUBLE_EQ(accelerationForSpeed(10), 0.0);
    EXPECT_DOUBLE_EQ(accelerationForSpeed(20), 1.0);
    EXPECT_DOUBLE_EQ(accelerationForSpeed(15), 0.5);
    EXPECT_DOUBLE_EQ(accelerationForSpeed(0), -1.0) << "out of range counts as the nearest end";
    EXPECT_DOUBLE_EQ(accelerationForSpeed(22), 1.0);
    for (int speed = 1; speed <= 20; ++speed) {
        EXPECT_EQ(speedForAcceleration(accelerationForSpeed(speed)), speed);
        const double written = *parseAcceleration(formatAcceleration(accelerationForSpeed(speed)));
        EXPECT_EQ(speedForAcceleration(written), speed) << "after the text round trip";
    }
    EXPECT_EQ(speedForAcceleration(-7.0), 1);
    EXPECT_EQ(speedForAcceleration(3.0), 20);
    EXPECT_EQ(speedForAcceleration(0.04), 10);
}

TEST(PointerAcceleration, HelperOutputIsReadStrictly) {
    EXPECT_EQ(formatAcceleration(-1.0 / 3.0), "-0.333");
    EXPECT_EQ(parseAcceleration("0.25\n"), 0.25);
    EXPECT_EQ(parseAcceleration("  -1.0  "), -1.0);
    EXPECT_EQ(parseAcceleration(""), std::nullopt);
    EXPECT_EQ(parseAcceleration("\n"), std::nullopt);
    EXPECT_EQ(parseAcceleration("0.2 extra"), std::nullopt);
    EXPECT_EQ(parseAcceleration("nan"), std::nullopt);
    EXPECT_EQ(parseAcceleration("inf"), std::nullopt);
    EXPECT_EQ(parseAcceleration("No such key “speed”"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("3\n"), 3);
    EXPECT_EQ(parseWholeNumber("3.5"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("99999999999"), std::nullopt);
}

TEST(HeldPointerSettings, ValuesSurviveARestartInTheSettingsFile) {
    TempFolder folder;
    auto clock = makeSteadyClock();
    const std::string ini = folder.path() + "main.ini";
    {
        HeldPointerSettings held(*clock, ini);
        EXPECT_EQ(held.pointerSpeed(), 10) << "the customary speed when nothing is stored";
        EXPECT_EQ(held.wheelLines(), 3);
        EXPECT_EQ(held.applyPointerSpeed(17), 1);
        EXPECT_EQ(held.applyWheelLines(250), 1);
        EXPECT_EQ(held.wheelLines(), 100);
    }
    EXPECT_EQ(IniFile(ini).read("POINTER", "SPEED"), "17");
    HeldPointerSettings again(*clock, ini);
    EXPECT_EQ(again.pointerSpeed(), 17);
    EXPECT_EQ(again.wheelLines(), 100);
}

TEST(HeldPointerSettings, UnusableStoredValuesAreBroughtIntoRange) {
    TempFolder folder;
    auto clock = makeSteadyClock();
    folder.write("main.ini", "[SKINIMAGE]\nLANGUAGE=0\n[POINTER]\nSPEED=garbage\nWHEELLINES=-4\n");
    HeldPointerSettings held(*clock, folder.path() + "main.ini");
    EXPECT_EQ(held.pointerSpeed(), 10);
    EXPECT_EQ(held.wheelLines(), 1);
    held.applyWheelLines(5);
    EXPECT_EQ(IniFile(folder.path() + "main.ini").read("SKINIMAGE", "LANGUAGE"), "0")
        << "the other settings stay";
}

// A folder with fake desktop helpers; each keeps its values in files beside it and logs its
// arguments one call a line.
class DesktopHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string dir = folder.path();
        folder.write("bin/gsettings",
                     "#!/bin/sh\n"
                     "echo \"$@\" >> '" +
                         dir +
                         "gsettings.log'\n"
                         "case \"$1\" in\n"
                         "  get) cat '" +
                         dir +
                         "gsettings.speed' 2>/dev/null || echo 0.0 ;;\n"
                         "  set) printf '%s\\n' \"$4\" > '" +
                         dir +
                         "gsettings.speed' ;;\n"
                         "esac\n",
                     true);
        for (const char* version : {"5", "6"}) {
            writeKdeHelpers(version);
        }
    }
    void writeKdeHelpers(const std::string& version) {
        const std::string dir = folder.path();
        // --file F --group G --key K [-- VALUE]: the value lives in the file "F.G.K".
        const std::string keyFile = "'" + dir + "'\"$2.$4.$6\"";
        folder.write("bin/kreadconfig" + version,
                     "#!/bin/sh\necho \"$@\" >> '" + dir + "kde" + version + ".log'\n" + "cat " +
                         keyFile + " 2>/dev/null || echo\n",
                     true);
        folder.write("bin/kwriteconfig" + version,
                     "#!/bin/sh\necho \"$@\" >> '" + dir + "kde" + version + ".log'\n" +
                         "[ \"$7\" = \"--\" ] || exit 2\nprintf '%s\\n' \"$8\" > " + keyFile + "\n",
                     true);
    }
    DesktopPointerSettings settings(PointerDesktop desktop) {
        return DesktopPointerSettings(
            *clock, {desktop, folder.path() + "bin", folder.path() + "main.ini", {3000, 4096}});
    }
    std::string ini(const char* key) const {
        return IniFile(folder.path() + "main.ini").read("POINTER", key);
    }

    TempFolder folder;
    std::unique_ptr<Clock> clock = makeSteadyClock();
};

TEST_F(DesktopHelpers, GnomeKeepsTheSpeedAndTheProgramHoldsTheWheelLines) {
    DesktopPointerSettings gnome = settings(PointerDesktop::Gnome);
    EXPECT_EQ(gnome.pointerSpeed(), 10) << "gsettings answers 0.0";
    EXPECT_EQ(gnome.applyPointerSpeed(20), 1);
    EXPECT_EQ(folder.read("gsettings.speed"), "1.000\n");
    EXPECT_EQ(gnome.applyPointerSpeed(1), 1);
    EXPECT_EQ(folder.read("gsettings.speed"), "-1.000\n");
    EXPECT_EQ(gnome.pointerSpeed(), 1);
    EXPECT_EQ(gnome.applyWheelLines(7), 1);
    EXPECT_EQ(gnome.wheelLines(), 7);
    EXPECT_EQ(ini("WHEELLINES"), "7");
    EXPECT_EQ(ini("SPEED"), "0") << "the desktop keeps the speed itself";
    EXPECT_EQ(folder.read("gsettings.log"),
              "get org.gnome.desktop.peripherals.mouse speed\n"
              "set org.gnome.desktop.peripherals.mouse speed 1.000\n"
              "set org.gnome.desktop.peripherals.mouse speed -1.000\n"
              "get org.gnome.desktop.peripherals.mouse speed\n");
}

TEST_F(DesktopHelpers, KdeGetsNegativeValuesAfterTheEndOfOptions) {
    DesktopPointerSettings kde = settings(PointerDesktop::Kde5);
    EXPECT_EQ(kde.applyPointerSpeed(5), 1);
    EXPECT_EQ(folder.read("kcminputrc.Mouse.XLbInptPointerAcceleration"), "-0.556\n");
    EXPECT_EQ(kde.pointerSpeed(), 5);
    EXPECT_EQ(kde.applyWheelLines(250), 1);
    EXPECT_EQ(folder.read("kdeglobals.KDE.WheelScrollLines"), "100\n");
    EXPECT_EQ(kde.wheelLines(), 100);
    EXPECT_NE(
        folder.read("kde5.log")
            .find("--file kcminputrc --group Mouse --key XLbInptPointerAcceleration -- -0.556"),
        std::string::npos);
    EXPECT_FALSE(folder.exists("kde6.log"));
}

TEST_F(DesktopHelpers, PlasmaSixUsesItsOwnHelpers) {
    DesktopPointerSettings kde = settings(PointerDesktop::Kde6);
    EXPECT_EQ(kde.applyWheelLines(9), 1);
    EXPECT_EQ(kde.wheelLines(), 9);
    EXPECT_TRUE(folder.exists("kde6.log"));
    EXPECT_FALSE(folder.exists("kde5.log"));
}

TEST_F(DesktopHelpers, AnUnsetKdeValueReadsAsTheHeldOne) {
    DesktopPointerSettings kde = settings(PointerDesktop::Kde5);
    EXPECT_EQ(kde.pointerSpeed(), 10) << "kreadconfig prints an empty line for a missing key";
    EXPECT_EQ(kde.wheelLines(), 3);
    folder.write("kdeglobals.KDE.WheelScrollLines", "0\n");
    EXPECT_EQ(kde.wheelLines(), 3) << "0 is no answer";
}

TEST_F(DesktopHelpers, AFailingHelperLeavesTheValueWithTheProgram) {
    folder.write("bin/gsettings", "#!/bin/sh\necho 'No schemas installed' >&2\nexit 1\n", true);
    DesktopPointerSettings gnome = settings(PointerDesktop::Gnome);
    EXPECT_EQ(gnome.applyPointerSpeed(14), kHelperFailed);
    EXPECT_EQ(gnome.pointerSpeed(), 14);
    EXPECT_EQ(ini("SPEED"), "14");
}

TEST_F(DesktopHelpers, GarbageFromTheDesktopIsNoAnswer) {
    folder.write("gsettings.speed", "@as []\n");
    DesktopPointerSettings gnome = settings(PointerDesktop::Gnome);
    EXPECT_EQ(gnome.pointerSpeed(), 10);
}

TEST_F(DesktopHelpers, AnotherDesktopNeverRunsAHelper) {
    DesktopPointerSettings other = settings(PointerDesktop::Other);
    EXPECT_EQ(other.applyPointerSpeed(4), 1);
    EXPECT_EQ(other.applyWheelLines(12), 1);
    EXPECT_EQ(other.pointerSpeed(), 4);
    EXPECT_EQ(other.wheelLines(), 12);
    EXPECT_FALSE(folder.exists("gsettings.log"));
    EXPECT_FALSE(folder.exists("kde5.log"));
    EXPECT_EQ(ini("SPEED"), "4");
}

}  // namespace
}  // namespace quillon
