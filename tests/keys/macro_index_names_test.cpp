// The macro names labels show, read from the macro index files as they may be found on disk.

#include <gtest/gtest.h>

#include "common/TestFolders.h"
#include "keys/MacroIndexNames.h"

namespace quillon::keys {
namespace {

using test::TempFolder;

TEST(MacroIndexNames, EachDeviceKindHasItsOwnIndexInItsFolder) {
    EXPECT_EQ(macroIndexFile("/data/", DeviceKind::Mouse), "/data/ms/msMacro.ini");
    EXPECT_EQ(macroIndexFile("/data/", DeviceKind::Keyboard), "/data/kb/kbMacro.ini");
}

TEST(MacroIndexNames, CountAndNamesAsWritten) {
    TempFolder folder;
    folder.write("kb/kbMacro.ini",
                 "[MACROCOUNT]\ncount=3\n[MACRONAME]\n0=Build\n1=Déploy, fast\n2=\n3=Hidden\n");
    const std::string index = macroIndexFile(folder.path(), DeviceKind::Keyboard);
    EXPECT_EQ(readMacroCount(index), 3);
    EXPECT_EQ(readMacroName(index, 1), "Déploy, fast");
    EXPECT_EQ(readMacroName(index, 2), "");
}

TEST(MacroIndexNames, MissingOrBrokenIndexesCountNoMacros) {
    TempFolder folder;
    EXPECT_EQ(readMacroCount(macroIndexFile(folder.path(), DeviceKind::Mouse)), 0);
    folder.write("ms/msMacro.ini", "[MACROCOUNT]\ncount=-4\n");
    EXPECT_EQ(readMacroCount(macroIndexFile(folder.path(), DeviceKind::Mouse)), 0);
    folder.write("ms/msMacro.ini", "[MACROCOUNT]\ncount=many\n");
    EXPECT_EQ(readMacroCount(macroIndexFile(folder.path(), DeviceKind::Mouse)), 0);
    // More than the store ever keeps: only as many as it can hold are believed.
    folder.write("ms/msMacro.ini", "[MACROCOUNT]\ncount=4000000000\n");
    EXPECT_LE(readMacroCount(macroIndexFile(folder.path(), DeviceKind::Mouse)), 50);
}

}  // namespace
}  // namespace quillon::keys
