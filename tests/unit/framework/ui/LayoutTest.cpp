#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

#include <pugixml.hpp>

#include "ui/headless/HeadlessLayout.h"
#include "ui/headless/HeadlessText.h"
#include "UiTestWindow.h"

namespace
{
std::string ReadResource(const char* name)
{
    std::ifstream in(std::string(QZ_RESOURCES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Utf8(const std::u16string& text)
{
    std::string out;
    for (char16_t unit : text)
        out.push_back(static_cast<char>(unit));
    return out;
}

/* A layout with a box (found by its identifier) holding a check box, a
   button outside it whose tag repeats the check box's, and a hidden field. */
const char kBoxLayout[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<document type="com.apple.InterfaceBuilder3.Cocoa.XIB" version="3.0">
  <objects>
    <window title="Boxes" id="w1">
      <rect key="contentRect" x="100" y="200" width="300" height="200"/>
      <view key="contentView" id="v1">
        <rect key="frame" x="0.0" y="0.0" width="300" height="200"/>
        <subviews>
          <box title="Group" identifier="50" id="b1">
            <rect key="frame" x="10" y="60" width="200" height="120"/>
            <view key="contentView" id="bv">
              <rect key="frame" x="2" y="2" width="196" height="100"/>
              <subviews>
                <button tag="7" id="c1">
                  <rect key="frame" x="10" y="40" width="120" height="18"/>
                  <buttonCell key="cell" type="check" title="Inside" state="on" allowsMixedState="YES" tag="7" id="c1c"/>
                </button>
              </subviews>
            </view>
          </box>
          <button tag="7" id="p7">
            <rect key="frame" x="200" y="10" width="80" height="32"/>
            <buttonCell key="cell" type="push" title="Outside" tag="7" id="p7c"/>
          </button>
          <textField hidden="YES" tag="8" id="t8">
            <rect key="frame" x="10" y="10" width="100" height="22"/>
            <textFieldCell key="cell" editable="YES" enabled="NO" title="hidden text" tag="8" id="t8c"/>
          </textField>
        </subviews>
      </view>
    </window>
  </objects>
</document>
)";
} // namespace

TEST(PanelLayout, EveryTagOfThePanelIsFoundWithItsKindAndTitle)
{
    auto pWindow = HeadlessLayout::Parse(ReadResource("20128.xib"));
    ASSERT_NE(nullptr, pWindow);
    EXPECT_EQ("Staff Set Panel", Utf8(pWindow->title));
    const struct
    {
        int tag;
        HeadlessKind kind;
        const char* title;
    } kExpected[] = {
        {1, HeadlessKind::PushButton, "View"},
        {2, HeadlessKind::PushButton, "Close"},
        {101, HeadlessKind::TableView, ""},
        {102, HeadlessKind::TextField, ""},
        {103, HeadlessKind::PushButton, "Set Name"},
        {104, HeadlessKind::PushButton, "Create"},
        {105, HeadlessKind::PushButton, "Add Staves"},
        {106, HeadlessKind::PushButton, "Remove Staves"},
        {107, HeadlessKind::PushButton, "Move Up"},
        {108, HeadlessKind::PushButton, "Move Down"},
        {109, HeadlessKind::PushButton, "Delete"},
    };
    for (const auto& expected : kExpected) {
        HeadlessElement* pElement = pWindow->content->FindByTag(expected.tag);
        ASSERT_NE(nullptr, pElement) << expected.tag;
        EXPECT_EQ(expected.kind, pElement->kind) << expected.tag;
        EXPECT_EQ(expected.title, Utf8(pElement->text)) << expected.tag;
    }
    HeadlessElement* pTable = pWindow->content->FindByTag(101);
    ASSERT_NE(nullptr, pTable->EnclosingScrollView());
    EXPECT_TRUE(pTable->columns.empty());
    EXPECT_TRUE(pWindow->content->FindByTag(102)->editable);
    EXPECT_EQ("\r", pWindow->content->FindByTag(1)->keyEquivalent);
}

/* GNUstep reads a layout font without a size as whatever its decoder's
   floating-point register held (a message to nil returning a float), so the
   window sometimes starts with no usable font at all; every font in the
   layouts names its size. */
TEST(PanelLayout, EveryLayoutFontNamesItsSize)
{
    int layouts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QZ_RESOURCES_DIR)) {
        if (entry.path().extension() != ".xib")
            continue;
        ++layouts;
        pugi::xml_document document;
        ASSERT_TRUE(document.load_file(entry.path().c_str())) << entry.path();
        for (const pugi::xpath_node& font : document.select_nodes("//font")) {
            const pugi::xml_attribute size = font.node().attribute("size");
            EXPECT_TRUE(size && size.as_double() > 0)
                << entry.path().filename() << ": a font (" << font.node().attribute("metaFont").value()
                << font.node().attribute("name").value() << ") without a size, line offset "
                << font.node().offset_debug();
        }
    }
    EXPECT_GE(layouts, 2);
}

TEST(PanelLayout, EmbeddedCopyIsTheLayoutFile)
{
    size_t size = 0;
    const char* pEmbedded = HeadlessLayout::Embedded(20128, &size);
    ASSERT_NE(nullptr, pEmbedded);
    EXPECT_EQ(ReadResource("20128.xib"), std::string(pEmbedded, size));
    EXPECT_EQ(nullptr, HeadlessLayout::Embedded(4711, &size));
    EXPECT_EQ(0u, size);
}

TEST(PanelLayout, UnknownLayoutLoadsNoWindow)
{
    EXPECT_EQ(nullptr, HeadlessLayout::Load(4711));
    EXPECT_EQ(nullptr, HeadlessLayout::Parse("<document><objects/></document>"));
    EXPECT_EQ(nullptr, HeadlessLayout::Parse("not xml at all <"));
}

TEST(PanelLayout, DeeplyNestedLayoutIsRefusedWithoutExhaustingTheStack)
{
    std::string open, close;
    for (int i = 0; i < 50000; ++i) {
        open += "<view><subviews>";
        close += "</subviews></view>";
    }
    const std::string text = "<document><objects><window title=\"Deep\"><rect key=\"contentRect\" x=\"0\" "
                             "y=\"0\" width=\"10\" height=\"10\"/><view key=\"contentView\"><subviews>" +
                             open + close + "</subviews></view></window></objects></document>";
    EXPECT_EQ(nullptr, HeadlessLayout::Parse(text));
}

TEST(HeadlessTextConversion, MalformedUtf8IsRefused)
{
    std::u16string out;
    for (const char* bad : {"\xC0\xAF", "\xE0\x82\xAC", "\xED\xA0\x80", "\xF7\xBF\xBF\xBF", "a\xE2\x82"}) {
        EXPECT_FALSE(HeadlessText::FromUTF8(bad, &out)) << bad;
        EXPECT_TRUE(out.empty());
    }
    ASSERT_TRUE(HeadlessText::FromUTF8("\xF0\x9F\x8E\xB5 \xE2\x82\xAC\xEF\xBF\xBD", &out));
    EXPECT_EQ(u"\U0001F3B5 \u20AC\uFFFD", out);
}

TEST(ElementLookup, BoxIsFoundByIdentifierAndControlsInsideItByTag)
{
    auto pWindow = HeadlessLayout::Parse(kBoxLayout);
    ASSERT_NE(nullptr, pWindow);
    HeadlessElement* pBox = pWindow->content->FindByTag(50);
    ASSERT_NE(nullptr, pBox);
    EXPECT_EQ(HeadlessKind::Box, pBox->kind);
    /* Depth first: the check box inside the box comes before the later button. */
    HeadlessElement* pCheck = pWindow->content->FindByTag(7);
    ASSERT_NE(nullptr, pCheck);
    EXPECT_EQ(HeadlessKind::CheckBox, pCheck->kind);
    EXPECT_EQ(pBox, pCheck->parent);
    EXPECT_EQ(1, pCheck->state);
    EXPECT_TRUE(pCheck->allowsMixedState);
    HeadlessElement* pField = pWindow->content->FindByTag(8);
    EXPECT_TRUE(pField->hidden);
    EXPECT_FALSE(pField->enabled);
    EXPECT_EQ(222.0f, pWindow->height); /* content height plus the title bar */
}

TEST(ElementLookup, ElementsAddedOrDestroyedAfterASearchAreFollowed)
{
    auto pWindow = HeadlessLayout::Parse(kBoxLayout);
    ASSERT_NE(nullptr, pWindow);
    HeadlessElement* pBox = pWindow->content->FindByTag(50);
    ASSERT_NE(nullptr, pBox);
    EXPECT_EQ(nullptr, pWindow->content->FindByTag(60));
    auto pAdded = std::make_unique<HeadlessElement>();
    pAdded->kind = HeadlessKind::PushButton;
    pAdded->tag = 60;
    HeadlessElement* pButton = pBox->AddChild(std::move(pAdded));
    EXPECT_EQ(pButton, pWindow->content->FindByTag(60));
    /* Without the box, tag 7 falls to the button after it. */
    pWindow->content->children.erase(pWindow->content->children.begin());
    EXPECT_EQ(nullptr, pWindow->content->FindByTag(60));
    HeadlessElement* pSeven = pWindow->content->FindByTag(7);
    ASSERT_NE(nullptr, pSeven);
    EXPECT_EQ(HeadlessKind::PushButton, pSeven->kind);
}

class LayoutFolderTest : public UiTest
{
protected:
    std::string folder;

    void SetUp() override
    {
        UiTest::SetUp();
        char pattern[] = "/tmp/qzui_layoutXXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder = pattern;
        std::ofstream(folder + "/20999.xib") << kBoxLayout;
        qzui_set_layout_folder(folder.c_str());
    }
    void TearDown() override
    {
        std::remove((folder + "/20999.xib").c_str());
        rmdir(folder.c_str());
        UiTest::TearDown();
    }
};

TEST_F(LayoutFolderTest, PreloadedLayoutChangedOnDiskLoadsTheNewText)
{
    EXPECT_EQ(1, qzui_preload_layout(20999));
    EXPECT_EQ(0, qzui_preload_layout(20998));
    std::string changed = kBoxLayout;
    changed.replace(changed.find("title=\"Boxes\""), 13, "title=\"Other\"");
    std::ofstream(folder + "/20999.xib") << changed;
    auto pWindow = HeadlessLayout::Load(20999);
    ASSERT_NE(nullptr, pWindow);
    EXPECT_EQ("Other", Utf8(pWindow->title));
}

TEST_F(LayoutFolderTest, DriverFolderLayoutIsLoadedAndReadThroughTheDriver)
{
    FCResourceWindow window(20999);
    FCCtrlCheckbox* pCheck = window.AddCheckbox(7);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20999);
    ASSERT_NE(0, win);
    char title[32];
    EXPECT_EQ(5, qzui_window_title(win, title, sizeof title));
    EXPECT_STREQ("Boxes", title);
    EXPECT_EQ(1, pCheck->GetCheck());
    qzui_rect frame = Frame(win);
    EXPECT_EQ(100.0f, frame.left);
    EXPECT_EQ(static_cast<float>(QZUI_SCREEN_HEIGHT) - 200 - 222, frame.top);
    EXPECT_EQ(0, Info(win, 8).visible);
    EXPECT_EQ(QZUI_E_DISABLED, qzui_type_text(win, 8, "x"));
    /* Tag 50 is the box, so the bridge finds it while a button lookup
       through the driver refuses it. */
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_press_button(win, 50));
}
