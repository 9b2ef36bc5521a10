#include "toolkit/SheetRules.h"

#include <gtest/gtest.h>

namespace quillon::toolkit {
namespace {

std::vector<std::string> subjects(std::string_view sheet) {
    std::vector<std::string> out;
    for (const SheetRule& rule : splitSheet(sheet)) {
        out.insert(out.end(), rule.subjects.begin(), rule.subjects.end());
    }
    return out;
}

TEST(SheetRules, EachRuleNamesTheClassItsSelectorsSelect) {
    EXPECT_EQ(subjects("QPushButton[role=\"chip\"]:hover { color: red; }"),
              std::vector<std::string>{"QPushButton"});
    // A descendant selector selects its last part; a list selects each of its parts.
    EXPECT_EQ(subjects("QComboBox QAbstractItemView, QListView::item:selected { x: y }"),
              (std::vector<std::string>{"QAbstractItemView", "QListView"}));
    EXPECT_EQ(subjects("QFrame > QLabel { }"), std::vector<std::string>{"QLabel"});
    // No type means any class.
    EXPECT_EQ(subjects("* { font-size: 13px }"), std::vector<std::string>{"*"});
    EXPECT_EQ(subjects("[role=\"a, b\"] { }"), std::vector<std::string>{"*"});
    EXPECT_EQ(subjects(":hover { }"), std::vector<std::string>{"*"});
}

TEST(SheetRules, CommentsStringsAndNestedBracesDoNotSplitARule) {
    const auto rules = splitSheet(
        "/* { not a rule } */ QLabel { qproperty-text: \"a } b\"; }\n"
        "QPushButton { border-image: url('x{1}.png') }");
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].text, "QLabel { qproperty-text: \"a } b\"; }");
    EXPECT_EQ(rules[1].text, "QPushButton { border-image: url('x{1}.png') }");
}

TEST(SheetRules, BrokenSheetsGiveTheRulesThatAreWhole) {
    EXPECT_TRUE(splitSheet("").empty());
    EXPECT_TRUE(splitSheet("QLabel { color: red;").empty());  // unterminated block
    EXPECT_TRUE(splitSheet("{ color: red }").empty());        // no selector
    EXPECT_EQ(splitSheet("QLabel {} /* open comment").size(), 1u);
    EXPECT_EQ(splitSheet("@media print { QLabel {} } QFrame {}").size(), 1u);
    EXPECT_TRUE(splitSheet("}}}}").empty());
}

TEST(SheetRules, AControlGetsItsOwnRulesAndTheUniversalOnesInOrder) {
    const auto rules = splitSheet(
        "* { color: white }\n"
        "QComboBox { padding: 0 }\n"
        "QSlider::groove { height: 4px }\n"
        "QComboBox QAbstractItemView { border: none }\n"
        "QListView::item { min-height: 25px }\n");
    EXPECT_EQ(rulesSelecting(rules, {"QComboBox", "QWidget"}),
              "* { color: white }\nQComboBox { padding: 0 }\n");
    EXPECT_EQ(
        rulesSelecting(rules, {"QComboBox", "QListView", "QAbstractItemView"}),
        "* { color: white }\nQComboBox { padding: 0 }\n"
        "QComboBox QAbstractItemView { border: none }\nQListView::item { min-height: 25px }\n");
    EXPECT_EQ(rulesSelecting(rules, {}), "* { color: white }\n");
}

}  // namespace
}  // namespace quillon::toolkit
