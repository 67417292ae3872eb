#include <gtest/gtest.h>

#include <string>

#include "document/FCFontInfo.h"
#include "strings/FCString.h"

namespace
{
std::string Text(FCString& s) { return s.GetCString(); }

std::string EnigmaText(const FCFontInfo& font, const char* command = nullptr)
{
    FCString out;
    FCString word(command ? command : "");
    EXPECT_TRUE(font.MakeEnigmaString(&out, command ? &word : nullptr));
    return Text(out);
}

bool Parse(FCFontInfo& font, const char* command)
{
    FCString text(command);
    return font.ParseEnigmaCommand(&text);
}
} // namespace

TEST(FontInfoText, FreshFontWritesDefaultNameSizeAndEffectsInOrder)
{
    FCFontInfo font;
    EXPECT_EQ(EnigmaText(font), "^font(Times New Roman)^size(12)^nfx(0)");
}

TEST(FontInfoText, CommandWordReplacesFontCommand)
{
    FCFontInfo font;
    FCString name("Sim Sans");
    font.SetNameString(&name);
    font.SetSize(14);
    font.SetEffects(3);
    EXPECT_EQ(EnigmaText(font, "^fontTxt"), "^fontTxt(Sim Sans)^size(14)^nfx(3)");
}

TEST(FontInfoText, NullOutputIsRefused)
{
    FCFontInfo font;
    EXPECT_FALSE(font.MakeEnigmaString(nullptr, nullptr));
}

TEST(FontInfoText, SizeAndStyleStringsReplaceTheOutput)
{
    FCFontInfo font;
    font.SetSize(9);
    font.SetEffects(34);
    FCString out("old text");
    font.MakeEnigmaSizeString(&out);
    EXPECT_EQ(Text(out), "^size(9)");
    font.MakeEnigmaStyleString(&out);
    EXPECT_EQ(Text(out), "^nfx(34)");
    FCString* pStyle = font.CreateEnigmaStyleString();
    EXPECT_EQ(Text(*pStyle), "^nfx(34)");
    delete pStyle;
}

TEST(FontInfoParse, SizeCommandChangesOnlyTheSize)
{
    FCFontInfo font;
    font.SetEffects(5);
    ASSERT_TRUE(Parse(font, "^size(14)"));
    EXPECT_EQ(font.GetSize(), 14);
    EXPECT_EQ(font.GetEffects(), 5);
    EXPECT_EQ(EnigmaText(font), "^font(Times New Roman)^size(14)^nfx(5)");
}

TEST(FontInfoParse, EffectsAndNameCommands)
{
    FCFontInfo font;
    ASSERT_TRUE(Parse(font, "^nfx(33)"));
    EXPECT_EQ(font.GetEffects(), 33);
    ASSERT_TRUE(Parse(font, "^fontMus(Sim Music)"));
    FCString name;
    font.GetNameString(&name);
    EXPECT_EQ(Text(name), "Sim Music");
    ASSERT_TRUE(Parse(font, "^font(Arial)"));
    font.GetNameString(&name);
    EXPECT_EQ(Text(name), "Arial");
}

TEST(FontInfoParse, OtherTextIsRefusedAndChangesNothing)
{
    FCFontInfo font;
    EXPECT_FALSE(Parse(font, "size(14)"));
    EXPECT_FALSE(Parse(font, "^^size(14)"));
    EXPECT_FALSE(Parse(font, "^flat()"));
    EXPECT_FALSE(Parse(font, "^size()"));
    EXPECT_FALSE(font.ParseEnigmaCommand(nullptr));
    EXPECT_EQ(EnigmaText(font), "^font(Times New Roman)^size(12)^nfx(0)");
}

TEST(FontInfoCompare, EffectsBitThreeIsIgnoredButNotBitFive)
{
    FCFontInfo a, b;
    b.SetEffects(0x0008);
    EXPECT_TRUE(a.IsIdenticalTo(&b));
    b.SetEffects(0x0020);
    EXPECT_FALSE(a.IsIdenticalTo(&b));
    for (uint16_t bit : {0x0001, 0x0002, 0x0004, 0x0040, 0x0080}) {
        b.SetEffects(bit);
        EXPECT_FALSE(a.IsIdenticalTo(&b)) << "bit " << bit;
    }
}

TEST(FontInfoCompare, NameIsCaseSensitiveAndSizeCounts)
{
    FCFontInfo a, b;
    FCString lower("times new roman");
    b.SetNameString(&lower);
    EXPECT_FALSE(a.IsIdenticalTo(&b));
    b.CopyFrom(&a);
    EXPECT_TRUE(a.IsIdenticalTo(&b));
    b.SetSize(13);
    EXPECT_FALSE(a.IsIdenticalTo(&b));
    EXPECT_FALSE(a.IsIdenticalTo(nullptr));
}
