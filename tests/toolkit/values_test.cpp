// Colours, property names and property values as text: the vocabulary scenario files and skins use.
#include <gtest/gtest.h>

#include <set>

#include "toolkit/Colour.h"
#include "toolkit/PropText.h"
#include "toolkit/SkinText.h"

namespace quillon::toolkit {
namespace {

constexpr Prop kEveryProp[] = {
    Prop::Text,       Prop::TextId,       Prop::Tooltip,   Prop::TooltipId,   Prop::TooltipWidth,
    Prop::Visible,    Prop::Enabled,      Prop::UserData,  Prop::BkColor,     Prop::BkImage,
    Prop::BorderSize, Prop::BorderColor,  Prop::TextColor, Prop::Selected,    Prop::Value,
    Prop::Min,        Prop::Max,          Prop::Index,     Prop::TintEnabled, Prop::Tint,
    Prop::TintAlpha,  Prop::PaletteColor, Prop::Remapped,  Prop::Light,       Prop::LightColor,
    Prop::LightAlpha,
};

TEST(Colours, ReadTheWrittenForms) {
    Argb c = 0;
    ASSERT_TRUE(parseColour("0xFF0199CB", c));
    EXPECT_EQ(c, 0xFF0199CBu);
    ASSERT_TRUE(parseColour("0x80ffffff", c));
    EXPECT_EQ(c, 0x80FFFFFFu);
    ASSERT_TRUE(parseColour("0xFF", c));
    EXPECT_EQ(c, 0xFFu);
    ASSERT_TRUE(parseColour("#A0B0C0", c));
    EXPECT_EQ(c, 0xFFA0B0C0u);
    ASSERT_TRUE(parseColour("#40A0B0C0", c));
    EXPECT_EQ(c, 0x40A0B0C0u);
    ASSERT_TRUE(parseColour("  0x00000000 ", c));
    EXPECT_EQ(c, 0u);
}

TEST(Colours, RefuseAnythingElseAndLeaveTheOutputAlone) {
    Argb c = 0x12345678;
    for (const char* bad : {"", "0x", "0x123456789", "0xGG000000", "#12345", "#1234567", "red",
                            "FF0199CB", "#", "0x-1", "# 123456"}) {
        EXPECT_FALSE(parseColour(bad, c)) << bad;
    }
    EXPECT_EQ(c, 0x12345678u);
}

TEST(Colours, FormatAsEightUpperCaseDigits) {
    EXPECT_EQ(formatColour(0xFF0199CB), "0xFF0199CB");
    EXPECT_EQ(formatColour(0), "0x00000000");
    Argb back = 1;
    ASSERT_TRUE(parseColour(formatColour(0xA1B2C3D4), back));
    EXPECT_EQ(back, 0xA1B2C3D4u);
}

TEST(PropNames, EveryPropertyHasOneUniqueNameThatReadsBack) {
    std::set<std::string> names;
    for (Prop p : kEveryProp) {
        const std::string name = propName(p);
        EXPECT_TRUE(names.insert(name).second) << name;
        Prop back = Prop::Text;
        ASSERT_TRUE(propFromName(name, back)) << name;
        EXPECT_EQ(back, p) << name;
    }
}

TEST(PropNames, ScenarioNamesAreKnownWithoutRegardToCase) {
    const std::pair<const char*, Prop> expected[] = {
        {"text", Prop::Text},
        {"textid", Prop::TextId},
        {"tooltip", Prop::Tooltip},
        {"visible", Prop::Visible},
        {"enabled", Prop::Enabled},
        {"selected", Prop::Selected},
        {"value", Prop::Value},
        {"min", Prop::Min},
        {"max", Prop::Max},
        {"index", Prop::Index},
        {"bkcolor", Prop::BkColor},
        {"textcolor", Prop::TextColor},
        {"bordercolor", Prop::BorderColor},
        {"tint", Prop::Tint},
        {"bordersize", Prop::BorderSize},
        {"tintalpha", Prop::TintAlpha},
        {"bkimage", Prop::BkImage},
        {"userdata", Prop::UserData},
        {"remapped", Prop::Remapped},
        {"light", Prop::Light},
        {"BkColor", Prop::BkColor},
    };
    for (const auto& [name, prop] : expected) {
        Prop found = Prop::Text;
        ASSERT_TRUE(propFromName(name, found)) << name;
        EXPECT_EQ(found, prop) << name;
    }
    Prop untouched = Prop::Light;
    EXPECT_FALSE(propFromName("colour", untouched));
    EXPECT_FALSE(propFromName("", untouched));
    EXPECT_FALSE(propFromName("textid2", untouched));
    EXPECT_EQ(untouched, Prop::Light);
}

TEST(PropNames, TypesMatchTheWrittenForms) {
    EXPECT_EQ(propType(Prop::Visible), PropType::Bool);
    EXPECT_EQ(propType(Prop::Remapped), PropType::Bool);
    EXPECT_EQ(propType(Prop::Index), PropType::Int);
    EXPECT_EQ(propType(Prop::TintAlpha), PropType::Int);
    EXPECT_EQ(propType(Prop::BkColor), PropType::Colour);
    EXPECT_EQ(propType(Prop::Tint), PropType::Colour);
    EXPECT_EQ(propType(Prop::BkImage), PropType::String);
    EXPECT_EQ(propType(Prop::UserData), PropType::String);
}

TEST(PropText, ValuesReadAndWriteInTheirPropertysForm) {
    PropValue v;
    ASSERT_TRUE(parsePropValue(Prop::Visible, "true", v));
    EXPECT_EQ(formatPropValue(Prop::Visible, v), "true");
    ASSERT_TRUE(parsePropValue(Prop::Selected, "0", v));
    EXPECT_EQ(formatPropValue(Prop::Selected, v), "false");
    EXPECT_FALSE(parsePropValue(Prop::Selected, "yes", v));
    ASSERT_TRUE(parsePropValue(Prop::Index, "-1", v));
    EXPECT_EQ(formatPropValue(Prop::Index, v), "-1");
    ASSERT_TRUE(parsePropValue(Prop::Value, "0x10", v));
    EXPECT_EQ(formatPropValue(Prop::Value, v), "16");
    EXPECT_FALSE(parsePropValue(Prop::Value, "12abc", v));
    ASSERT_TRUE(parsePropValue(Prop::BkColor, "0xff0199cb", v));
    EXPECT_EQ(formatPropValue(Prop::BkColor, v), "0xFF0199CB");
    EXPECT_FALSE(parsePropValue(Prop::BkColor, "blue", v));
    ASSERT_TRUE(parsePropValue(Prop::BkImage, "file='a b.png'", v));
    EXPECT_EQ(formatPropValue(Prop::BkImage, v), "file='a b.png'");
    EXPECT_EQ(formatPropValue(Prop::Text, PropValue{std::int64_t{7}}), "7");
}

TEST(PropText, IntegersRefuseOverflowAndStrayCharacters) {
    std::int64_t n = 5;
    EXPECT_TRUE(parseInteger("9223372036854775807", n));
    EXPECT_EQ(n, INT64_MAX);
    EXPECT_TRUE(parseInteger("-9223372036854775808", n));
    EXPECT_EQ(n, INT64_MIN);
    n = 5;
    for (const char* bad :
         {"", "-", "+", "9223372036854775808", "0x", "--1", "1 ", " 1", "1.5", "0x1G", "-+1"}) {
        EXPECT_FALSE(parseInteger(bad, n)) << bad;
    }
    EXPECT_EQ(n, 5);
}

TEST(PropText, LenientConversionsBetweenAlternatives) {
    EXPECT_TRUE(propValueAsBool(PropValue{std::int64_t{3}}));
    EXPECT_FALSE(propValueAsBool(PropValue{std::string("false")}));
    EXPECT_TRUE(propValueAsBool(PropValue{std::string("1")}));
    EXPECT_EQ(propValueAsInt(PropValue{true}), 1);
    EXPECT_EQ(propValueAsInt(PropValue{std::string("42")}), 42);
    EXPECT_EQ(propValueAsInt(PropValue{std::string("#000010")}), 0xFF000010);
    EXPECT_EQ(propValueAsInt(PropValue{std::string("nothing")}), 0);
}

TEST(SkinTexts, AtMarksAnIdAndDoubleAtALiteral) {
    EXPECT_TRUE(parseSkinText("@ms_dpi_title").isId);
    EXPECT_EQ(parseSkinText("@ms_dpi_title").value, "ms_dpi_title");
    EXPECT_FALSE(parseSkinText("@@home").isId);
    EXPECT_EQ(parseSkinText("@@home").value, "@home");
    EXPECT_FALSE(parseSkinText("mail@host").isId);
    EXPECT_EQ(parseSkinText("mail@host").value, "mail@host");
    EXPECT_FALSE(parseSkinText("@").isId);
    EXPECT_EQ(parseSkinText("@").value, "@");
    EXPECT_FALSE(parseSkinText("").isId);
}

}  // namespace
}  // namespace quillon::toolkit
