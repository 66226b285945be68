#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    //==============================================================================
    // What the panel must hold, written out independently of the panel's source.
    const juce::Rectangle<int> panelBounds { 0, 0, 600, 300 };

    struct ExpectedBackingButton
    {
        const char* tooltip;
        juce::Rectangle<int> bounds;
    };

    const ExpectedBackingButton expectedBackingButtons[]
    {
        { "Download LUMENO\n VST for Windows x64\n",    { 6,  70, 150, 32 } },
        { "Download KIRRATONE VST3\n for Windows x64\n", { 6, 128, 150, 32 } },
        { "Download DuneGate\nVST3\n for Windows x64\n", { 6, 184, 150, 32 } },
    };

    const std::pair<int, juce::uint32> expectedBackingColours[]
    {
        { 0x1000100, 0xa7c4783d },   // TextButton::buttonColourId
        { 0x1000101, 0xffe2aa48 },   // TextButton::buttonOnColourId
        { 0x1000102, 0xffebc371 },   // TextButton::textColourOffId
        { 0x1000103, 0xffdfc7ad },   // TextButton::textColourOnId
    };

    const std::pair<int, juce::uint32> expectedLabelColours[]
    {
        { 0x1000281, 0xff959595 },   // Label::textColourId
        { 0x1000201, 0xff000000 },   // TextEditor::textColourId
        { 0x1000200, 0x002c2b2b },   // TextEditor::backgroundColourId
        { 0x1000202, 0xbfc4c1b2 },   // TextEditor::highlightColourId
    };

    struct ExpectedLink
    {
        const char* text;
        const char* tooltip;
        const char* address;
        juce::uint32 colour;
        juce::Rectangle<int> bounds;
    };

    const ExpectedLink expectedLinks[]
    {
        { "DAZEdiri", "Visit DAZEdiri",
          "https://www.dazediri.com/qyr-products",
          0xffffae59, { 528, 272, 64, 16 } },
        { "LUMENO VST3", "",
          "https://www.mediafire.com/file/k3v9qz2m8w4xj7t/DAZEdiri_LUMENO_1.0.2_AU.zip/file",
          0xffe2b360, { 13, 76, 136, 19 } },
        { "KIRRATONE VST3", "",
          "https://www.mediafire.com/file/p5n1r8c4y6h2d0s/DAZEdiri_KirraTone_Mac_VST3_with_Samples.zip/file",
          0xffe2b360, { 12, 135, 136, 19 } },
        { "DUNEGATE VST3", "",
          "https://www.mediafire.com/file/w7b3f9l2e5u8a1g/DAZEdiri_DuneGate_2.0_Mac.rar/file",
          0xffe2b360, { 12, 190, 136, 19 } },
    };

    constexpr int hyperlinkTextColourId = 0x1001f00;

    // z-order, bottom first: three backing buttons, the label, the maker link, three product links.
    juce::TextButton* backingButton (GUI& panel, int index)    { return dynamic_cast<juce::TextButton*> (panel.getChildComponent (index)); }
    juce::Label* osLabel (GUI& panel)                          { return dynamic_cast<juce::Label*> (panel.getChildComponent (3)); }
    juce::HyperlinkButton* link (GUI& panel, int index)        { return dynamic_cast<juce::HyperlinkButton*> (panel.getChildComponent (4 + index)); }

    /** A panel that records what reaches its click handler. */
    struct ClickRecordingPanel  : public GUI
    {
        void buttonClicked (juce::Button* button) override    { clicked.push_back (button); }
        std::vector<juce::Button*> clicked;
    };
}

//==============================================================================
TEST (Panel, HasFixedBoundsAndEightVisibleChildrenInZOrder)
{
    GUI panel;
    EXPECT_EQ (panel.getBounds(), panelBounds);
    ASSERT_EQ (panel.getNumChildComponents(), 8);

    for (auto* child : panel.getChildren())
        EXPECT_TRUE (child->isVisible());

    for (int i = 0; i < 3; ++i)
        EXPECT_NE (backingButton (panel, i), nullptr) << "child " << i;

    EXPECT_NE (osLabel (panel), nullptr);

    for (int i = 0; i < 4; ++i)
        EXPECT_NE (link (panel, i), nullptr) << "child " << 4 + i;
}

TEST (Panel, BackingButtonsAreTextlessTintedPlates)
{
    GUI panel;

    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE (i);
        auto* button = backingButton (panel, i);
        ASSERT_NE (button, nullptr);

        EXPECT_EQ (button->getButtonText(), "");
        EXPECT_EQ (button->getTooltip(), expectedBackingButtons[i].tooltip);
        EXPECT_EQ (button->getBounds(), expectedBackingButtons[i].bounds);
        EXPECT_FALSE (button->getToggleState());
        EXPECT_FALSE (button->getClickingTogglesState());

        for (auto [id, argb] : expectedBackingColours)
        {
            EXPECT_TRUE (button->isColourSpecified (id)) << std::hex << id;
            EXPECT_EQ (button->findColour (id).getARGB(), argb) << std::hex << id;
        }

        // Each product link lies wholly on its plate.
        EXPECT_TRUE (button->getBounds().contains (link (panel, i + 1)->getBounds()));
    }
}

TEST (Panel, OsLabelIsAFixedGreyCaption)
{
    GUI panel;
    auto* label = osLabel (panel);
    ASSERT_NE (label, nullptr);

    EXPECT_EQ (label->getName(), "new label");
    EXPECT_EQ (label->getText(), "OS : WINDOWS ");
    EXPECT_EQ (label->getBounds(), juce::Rectangle<int> (312, 8, 136, 27));

    const auto font = label->getFont();
    EXPECT_EQ (font.getTypefaceName(), "Arial");
    EXPECT_FLOAT_EQ (font.getHeight(), 12.0f);
    EXPECT_EQ (font.getStyleFlags(), juce::Font::plain);
    EXPECT_EQ (font.getTypefaceStyle(), "Regular");
    EXPECT_FLOAT_EQ (font.getExtraKerningFactor(), 0.3f);

    EXPECT_EQ (label->getJustificationType().getFlags(), 33);
    EXPECT_FALSE (label->isEditableOnSingleClick());
    EXPECT_FALSE (label->isEditableOnDoubleClick());
    EXPECT_FALSE (label->doesLossOfFocusDiscardChanges());

    for (auto [id, argb] : expectedLabelColours)
    {
        EXPECT_TRUE (label->isColourSpecified (id)) << std::hex << id;
        EXPECT_EQ (label->findColour (id).getARGB(), argb) << std::hex << id;
    }

    // Background and outline stay the default look's, which draws nothing behind the text.
    EXPECT_FALSE (label->isColourSpecified (juce::Label::backgroundColourId));
    EXPECT_FALSE (label->isColourSpecified (juce::Label::outlineColourId));
    EXPECT_TRUE (label->findColour (juce::Label::backgroundColourId).isTransparent());
}

TEST (Panel, LinksCarryTheirTextsAddressesAndColours)
{
    GUI panel;

    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE (expectedLinks[i].text);
        auto* hyperlink = link (panel, i);
        ASSERT_NE (hyperlink, nullptr);

        EXPECT_EQ (hyperlink->getButtonText(), expectedLinks[i].text);
        EXPECT_EQ (hyperlink->getTooltip(), expectedLinks[i].tooltip);
        EXPECT_EQ (hyperlink->getURL().toString (true), expectedLinks[i].address);
        EXPECT_EQ (hyperlink->findColour (hyperlinkTextColourId).getARGB(), expectedLinks[i].colour);
        EXPECT_EQ (hyperlink->getBounds(), expectedLinks[i].bounds);
    }
}

TEST (Panel, AddressesAreWholeHttpsAddressesWithoutQueryOrFragment)
{
    for (auto& expected : expectedLinks)
    {
        const juce::String address (expected.address);
        EXPECT_TRUE (address.startsWith ("https://")) << address;
        EXPECT_FALSE (address.containsAnyOf (" \t\n\r?#")) << address;
    }

    GUI panel;

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (link (panel, i)->getURL().toString (true), expectedLinks[i].address);
}

TEST (Panel, TranslatesTextsButNotNamesOrAddresses)
{
    juce::String mappings ("language: Test\n");

    auto addMapping = [&] (const juce::String& original)
    {
        auto escape = [] (juce::String s) { return s.replace ("\n", "\\n").quoted(); };
        mappings << escape (original) << " = " << escape ("[" + original + "]") << "\n";
    };

    for (auto& expected : expectedBackingButtons)
        addMapping (expected.tooltip);

    for (auto& expected : expectedLinks)
    {
        addMapping (expected.text);
        addMapping (expected.address);
    }

    addMapping ("Visit DAZEdiri");
    addMapping ("OS : WINDOWS ");
    addMapping ("new label");

    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (mappings, false));
    GUI panel;
    juce::LocalisedStrings::setCurrentMappings (nullptr);

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (backingButton (panel, i)->getTooltip(), "[" + juce::String (expectedBackingButtons[i].tooltip) + "]");

    EXPECT_EQ (osLabel (panel)->getText(), "[OS : WINDOWS ]");
    EXPECT_EQ (osLabel (panel)->getName(), "new label");

    for (int i = 0; i < 4; ++i)
    {
        auto* hyperlink = link (panel, i);
        EXPECT_EQ (hyperlink->getButtonText(), "[" + juce::String (expectedLinks[i].text) + "]");
        EXPECT_EQ (hyperlink->getURL().toString (true), expectedLinks[i].address);
    }

    EXPECT_EQ (link (panel, 0)->getTooltip(), "[Visit DAZEdiri]");

    // An empty tooltip has nothing to translate.
    EXPECT_EQ (link (panel, 1)->getTooltip(), "");
}

//==============================================================================
TEST (Panel, EachPointFindsTheFrontmostControl)
{
    GUI panel;
    panel.setVisible (true);

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (panel.getComponentAt (expectedLinks[i].bounds.getCentre()), link (panel, i)) << expectedLinks[i].text;

    // On a plate but outside its link: left of, above and below each link.
    const std::pair<juce::Point<int>, int> platePoints[]
    {
        { { 10, 74 }, 0 }, { { 8, 72 }, 0 }, { { 150, 100 }, 0 },
        { { 8, 130 }, 1 }, { { 80, 158 }, 1 },
        { { 8, 186 }, 2 }, { { 152, 214 }, 2 },
    };

    for (auto [point, index] : platePoints)
        EXPECT_EQ (panel.getComponentAt (point), backingButton (panel, index)) << point.toString();

    EXPECT_EQ (panel.getComponentAt (320, 20), osLabel (panel));

    for (auto point : { juce::Point<int> (3, 3), { 80, 250 }, { 380, 150 }, { 520, 280 } })
        EXPECT_EQ (panel.getComponentAt (point), &panel) << point.toString();
}

TEST (Panel, OnlyTheBackingButtonsNotifyThePanel)
{
    BrowserRecorder browser;
    ClickRecordingPanel panel;

    for (int i = 0; i < 3; ++i)
        backingButton (panel, i)->triggerClick();

    for (int i = 0; i < 4; ++i)
        link (panel, i)->triggerClick();

    ASSERT_EQ (browser.waitForAddresses (4).size(), 4);

    ASSERT_EQ (panel.clicked.size(), 3u);

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (panel.clicked[(size_t) i], backingButton (panel, i));
}

TEST (Panel, APressOnAPlateOutsideItsLinkOpensNothing)
{
    BrowserRecorder browser;
    ClickRecordingPanel panel;
    panel.setVisible (true);

    auto* target = dynamic_cast<juce::Button*> (panel.getComponentAt (10, 74));
    ASSERT_NE (target, nullptr);
    target->triggerClick();

    ASSERT_TRUE (pumpMessagesUntil ([&] { return ! panel.clicked.empty(); }));
    EXPECT_EQ (panel.clicked.front(), backingButton (panel, 0));
    EXPECT_TRUE (browser.waitForAddresses (1).isEmpty());
}

//==============================================================================
TEST (Panel, DestroysChildrenInMemberOrder)
{
    struct DeletionRecorder  : public juce::ComponentListener
    {
        void componentBeingDeleted (juce::Component& component) override    { order.push_back (&component); }
        std::vector<juce::Component*> order;
    };

    DeletionRecorder recorder;
    std::vector<juce::Component*> children;

    {
        GUI panel;

        for (auto* child : panel.getChildren())
        {
            children.push_back (child);
            child->addComponentListener (&recorder);
        }
    }

    EXPECT_EQ (recorder.order, children);
}
