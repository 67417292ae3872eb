#include <gtest/gtest.h>

#include <string>

#include "DataHostFixture.h"
#include "common/qz_host_versions.h"
#include "document/FCFontInfo.h"

/* Font names through the host's font table, with the UTF-16 functions (host
   0x19000000) and the 8-bit ones (older hosts). */
class FontNames : public DataHostTest, public ::testing::WithParamInterface<uint32_t>
{
protected:
    uint32_t Profile() const override { return GetParam(); }
    static std::string Name(const FCFontInfo& font)
    {
        FCString name;
        font.GetNameString(&name);
        return name.GetCString();
    }
};

TEST_P(FontNames, NumbersGiveNamesAndBack)
{
    FCFontInfo font;
    font.SetNameByID(1);
    EXPECT_EQ(Name(font), "Sim Music");
    EXPECT_EQ(font.GetNameByID(), 1);
    font.SetNameByID(77);
    EXPECT_EQ(Name(font), "Times New Roman");
}

TEST_P(FontNames, FontCommandWithAFontNumberTakesTheHostsName)
{
    FCFontInfo font;
    FCString command("^fontTxt(Font2)");
    ASSERT_TRUE(font.ParseEnigmaCommand(&command));
    EXPECT_EQ(Name(font), "Sim Sans");
    EXPECT_EQ(font.GetSize(), 12);
}

TEST_P(FontNames, UnknownNamesAreRegistered)
{
    FCFontInfo font;
    FCString name("Engraver Text");
    font.SetNameString(&name);
    const int16_t number = font.GetNameByID();
    EXPECT_GT(number, 2);
    FCFontInfo other;
    other.SetNameByID(number);
    EXPECT_EQ(Name(other), "Engraver Text");
    EXPECT_TRUE(other.MakeDefaultMusicFont());
}

INSTANTIATE_TEST_SUITE_P(Profiles, FontNames, ::testing::Values(qz::kHostVersion19, qz::kHostVersionUnicode));
