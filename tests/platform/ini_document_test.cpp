#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <map>
#include <random>
#include <string>

#include "platform/IniFile.h"

namespace quillon {
namespace {

// Shaped as Windows' private-profile functions and people editing by hand leave them.
const std::string kWindowsIndex =
    "[PROFILECOUNT]\r\n"
    "count = 3\r\n"
    "\r\n"
    "[ProfileName]\r\n"
    "0=profile1\r\n"
    "1 = \"Night Mode\"\r\n"
    "2='quoted'\r\n"
    "\r\n"
    "[profileselect]\r\n"
    "select=2";  // no line end after the last line

TEST(IniRead, WindowsShapedFileReadsWithoutRegardToCaseSpacesOrQuotes) {
    const IniDocument doc = IniDocument::parse(kWindowsIndex);
    EXPECT_EQ(doc.readInt("profilecount", "COUNT"), 3);
    EXPECT_EQ(doc.read("PROFILENAME", "0"), "profile1");
    EXPECT_EQ(doc.read("profilename", "1"), "Night Mode");
    EXPECT_EQ(doc.read("ProfileName", "2"), "quoted");
    EXPECT_EQ(doc.read("PROFILESELECT", "select"), "2");
}

TEST(IniRead, MissingSectionOrKeyGivesTheDefault) {
    const IniDocument doc = IniDocument::parse(kWindowsIndex);
    EXPECT_EQ(doc.read("PROFILENAME", "7"), "0");
    EXPECT_EQ(doc.read("NOSUCH", "count"), "0");
    EXPECT_EQ(doc.read("NOSUCH", "count", "fallback"), "fallback");
    EXPECT_EQ(doc.readInt("NOSUCH", "count", -4), -4);
    EXPECT_FALSE(doc.find("PROFILENAME", "7").has_value());
}

TEST(IniRead, FirstOccurrenceOfDuplicatesWins) {
    const IniDocument doc =
        IniDocument::parse("[A]\nk=first\nk=second\n[b]\nk=other\n[a]\nk=third\nonlyLater=found\n");
    EXPECT_EQ(doc.read("a", "k"), "first");
    EXPECT_EQ(doc.read("B", "k"), "other");
    // A key that only a repeated section holds is still found.
    EXPECT_EQ(doc.read("A", "onlylater"), "found");
}

TEST(IniRead, ValuesAreCutTo259CharactersWithoutSplittingOne) {
    const std::string ascii(300, 'x');
    std::string wide;
    for (int i = 0; i < 300; ++i) {
        wide += "\xE4\xB8\xAD";  // one CJK character, three bytes
    }
    IniDocument doc;
    ASSERT_TRUE(doc.write("S", "ascii", ascii));
    ASSERT_TRUE(doc.write("S", "wide", wide));
    EXPECT_EQ(doc.read("S", "ascii"), std::string(259, 'x'));
    EXPECT_EQ(doc.read("S", "wide"), wide.substr(0, 259 * 3));
    EXPECT_EQ(doc.find("S", "ascii"), ascii);
    EXPECT_EQ(doc.read("S", "missing", ascii).size(), 259u);
}

TEST(IniRead, NumbersParseFromLeadingDigitsOnly) {
    const IniDocument doc = IniDocument::parse(
        "[n]\nplain=42\nsigned=-7\nplus=+5\ntrailing=12abc\ntext=abc\nempty=\n"
        "spaced =  9  \nquoted=\"8\"\nhuge=99999999999\nhugeneg=-99999999999\nsign=-\n");
    EXPECT_EQ(doc.readInt("n", "plain"), 42);
    EXPECT_EQ(doc.readInt("n", "signed"), -7);
    EXPECT_EQ(doc.readInt("n", "plus"), 5);
    EXPECT_EQ(doc.readInt("n", "trailing"), 12);
    EXPECT_EQ(doc.readInt("n", "text", 3), 0);
    EXPECT_EQ(doc.readInt("n", "empty", 3), 0);
    EXPECT_EQ(doc.readInt("n", "spaced"), 9);
    EXPECT_EQ(doc.readInt("n", "quoted"), 8);
    EXPECT_EQ(doc.readInt("n", "huge"), INT_MAX);
    EXPECT_EQ(doc.readInt("n", "hugeneg"), INT_MIN);
    EXPECT_EQ(doc.readInt("n", "sign", 3), 0);
}

TEST(IniRead, CommentsBrokenHeadersAndStrayLinesAreNotKeys) {
    const IniDocument doc = IniDocument::parse(
        "orphan=above any section\n[s]\n; count=5\n  ;also=comment\njust text\n=novalue\n"
        "[broken\nafter=broken header\nmixed=\"half'\n");
    EXPECT_FALSE(doc.find("s", "; count").has_value());
    EXPECT_FALSE(doc.find("s", "count").has_value());
    EXPECT_EQ(doc.keys("s"), (std::vector<std::string>{"after", "mixed"}));
    EXPECT_EQ(doc.read("s", "mixed"), "\"half'");
    EXPECT_EQ(doc.read("", "orphan"), "above any section");
}

TEST(IniRead, ByteOrderMarkIsSkippedAndKept) {
    const std::string text = "\xEF\xBB\xBF[Lang]\r\nLANGUAGE=1\r\n";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.readInt("lang", "language"), 1);
    ASSERT_TRUE(doc.write("lang", "language", "0"));
    EXPECT_EQ(doc.text(), "\xEF\xBB\xBF[Lang]\r\nLANGUAGE=0\r\n");
}

TEST(IniRead, MixedLineEndsReadAlikeAndWriteInTheFirstLinesStyle) {
    IniDocument doc = IniDocument::parse("[a]\r\nx=1\ny=2\r\nz=3\r");
    EXPECT_EQ(doc.read("a", "x"), "1");
    EXPECT_EQ(doc.read("a", "y"), "2");
    EXPECT_EQ(doc.read("a", "z"), "3");
    ASSERT_TRUE(doc.write("a", "w", "4"));
    EXPECT_EQ(doc.text(), "[a]\r\nx=1\r\ny=2\r\nz=3\r\r\nw=4\r\n");
}

TEST(IniRead, HostileBytesNeverCrashAndTextSurvivesUnchanged) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 512), '\0');
        for (char& c : bytes) {
            // Mostly the characters that matter to the parser, some anything at all.
            const char interesting[] = "[]=;\"' \t\nab\xE4\xB8\xAD";
            c = (random() % 4 == 0) ? static_cast<char>(random())
                                    : interesting[random() % (sizeof interesting - 1)];
            if (c == '\r') {
                c = '\x01';  // line end styles have tests of their own
            }
        }
        IniDocument doc = IniDocument::parse(bytes);
        doc.read("a", "b");
        doc.readInt("]", "=");
        doc.keys("a");
        EXPECT_EQ(doc.text(), bytes) << "round " << round;
        ASSERT_TRUE(doc.write("a", "b", "value"));
        EXPECT_EQ(IniDocument::parse(doc.text()).read("a", "b"), "value") << "round " << round;
    }
}

TEST(IniRead, LongLinesAndNulBytesAreHandled) {
    const std::string longValue(2 * 1024 * 1024, 'v');
    const std::string text = "[s]\nlong=" + longValue + "\nnul=a" + std::string(1, '\0') + "b\n";
    const IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.read("s", "long").size(), 259u);
    EXPECT_EQ(doc.find("s", "nul"), std::string("a\0b", 3));
    EXPECT_EQ(doc.text(), text);
}

TEST(IniWrite, ExistingKeyIsRewrittenInPlaceKeepingSpellingAndSpacing) {
    IniDocument doc = IniDocument::parse(kWindowsIndex);
    ASSERT_TRUE(doc.write("profilecount", "count", "4"));
    ASSERT_TRUE(doc.write("PROFILESELECT", "SELECT", "0"));
    EXPECT_EQ(doc.text(),
              "[PROFILECOUNT]\r\ncount = 4\r\n\r\n[ProfileName]\r\n0=profile1\r\n"
              "1 = \"Night Mode\"\r\n2='quoted'\r\n\r\n[profileselect]\r\nselect=0");
}

TEST(IniWrite, NewKeyGoesToTheEndOfItsSectionBeforeBlankLines) {
    IniDocument doc = IniDocument::parse("[a]\r\nx=1\r\n\r\n\r\n[b]\r\ny=2\r\n");
    ASSERT_TRUE(doc.write("A", "z", "3"));
    ASSERT_TRUE(doc.write("b", "w", "4"));
    EXPECT_EQ(doc.text(), "[a]\r\nx=1\r\nz=3\r\n\r\n\r\n[b]\r\ny=2\r\nw=4\r\n");
}

TEST(IniWrite, NewSectionGoesToTheEndInTheFilesLineStyle) {
    IniDocument crlf = IniDocument::parse("; settings\r\n[a]\r\nx=1");
    ASSERT_TRUE(crlf.write("SKINIMAGE", "LANGUAGE", "1"));
    EXPECT_EQ(crlf.text(), "; settings\r\n[a]\r\nx=1\r\n\r\n[SKINIMAGE]\r\nLANGUAGE=1\r\n");

    IniDocument fresh;
    ASSERT_TRUE(fresh.write("SKINIMAGE", "FLAGS", "0"));
    ASSERT_TRUE(fresh.write("SKINIMAGE", "IMAGE", "0"));
    EXPECT_EQ(fresh.text(), "[SKINIMAGE]\nFLAGS=0\nIMAGE=0\n");
}

TEST(IniWrite, RefusedWritesLeaveTheDocumentUnchanged) {
    IniDocument doc = IniDocument::parse(kWindowsIndex);
    const std::string before = doc.text();
    EXPECT_FALSE(doc.write("PROFILENAME", "0", "two\nlines"));
    EXPECT_FALSE(doc.write("PROFILENAME", "0", "carriage\rreturn"));
    EXPECT_FALSE(doc.write("PROFILENAME", "0", std::string("nul\0byte", 8)));
    EXPECT_FALSE(doc.write("PROFILENAME", "a=b", "x"));
    EXPECT_FALSE(doc.write("PROFILENAME", "", "x"));
    EXPECT_FALSE(doc.write("PROFILENAME", " padded", "x"));
    EXPECT_FALSE(doc.write("PROFILENAME", ";comment", "x"));
    EXPECT_FALSE(doc.write("PROFILENAME", "[header", "x"));
    EXPECT_FALSE(doc.write("", "key", "x"));
    EXPECT_FALSE(doc.write("two\nlines", "key", "x"));
    EXPECT_EQ(doc.text(), before);
}

TEST(IniWrite, EveryAcceptedValueReadsBackExactly) {
    const std::vector<std::string> values = {
        "",           " ",         "  padded  ", "\"quoted\"", "'single'", "\"",   "a=b=c",
        "semi;colon", "[section]", "tab\there",  "名称 1",     "\"mixed'", "#hash"};
    IniDocument doc;
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_TRUE(doc.write("S", std::to_string(i), values[i]));
    }
    const IniDocument reread = IniDocument::parse(doc.text());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(reread.find("s", std::to_string(i)), values[i]) << "value " << i;
    }
}

TEST(IniWrite, RemoveTakesEveryOccurrenceAndKeysListEachOnce) {
    IniDocument doc = IniDocument::parse("[a]\nX=1\ny=2\nx=3\n[b]\nx=4\n[A]\nx=5\nz=6\n");
    EXPECT_EQ(doc.keys("A"), (std::vector<std::string>{"X", "y", "z"}));
    doc.remove("a", "x");
    EXPECT_FALSE(doc.find("a", "x").has_value());
    EXPECT_EQ(doc.read("b", "x"), "4");
    EXPECT_EQ(doc.text(), "[a]\ny=2\n[b]\nx=4\n[A]\nz=6\n");
}

TEST(IniWrite, RandomEditsAgreeWithAPlainMapAndWithTheTextReadAgain) {
    std::mt19937 random(11);
    IniDocument doc = IniDocument::parse("; kept\n[S0]\nk0=start\n\n");
    std::map<std::pair<std::string, std::string>, std::string> expected{{{"s0", "k0"}, "start"}};
    const auto spelled = [&](std::string name) {
        for (char& c : name) {
            if (random() % 2 == 0) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
        }
        return name;
    };
    for (int step = 0; step < 400; ++step) {
        const std::string section = "s" + std::to_string(random() % 5);
        const std::string key = "k" + std::to_string(random() % 15);
        if (random() % 4 == 0) {
            doc.remove(spelled(section), spelled(key));
            expected.erase({section, key});
        } else {
            const std::string value = "v" + std::to_string(step);
            ASSERT_TRUE(doc.write(spelled(section), spelled(key), value));
            expected[{section, key}] = value;
        }
        const IniDocument reread = IniDocument::parse(doc.text());
        for (int s = 0; s < 5; ++s) {
            for (int k = 0; k < 15; ++k) {
                const std::pair<std::string, std::string> name{"s" + std::to_string(s),
                                                               "k" + std::to_string(k)};
                const auto it = expected.find(name);
                const auto want = it == expected.end() ? std::optional<std::string>()
                                                       : std::optional<std::string>(it->second);
                ASSERT_EQ(doc.find(name.first, name.second), want) << "step " << step;
                ASSERT_EQ(reread.find(name.first, name.second), want) << "step " << step;
            }
        }
    }
    EXPECT_EQ(doc.text().rfind("; kept\n[S0]\n", 0), 0u);
}

}  // namespace
}  // namespace quillon
