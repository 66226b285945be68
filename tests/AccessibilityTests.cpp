// The panel as assistive technology sees it. The framework makes a component's handler only
// once it is in a window, so these run in a real one on a private X server.
#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    //==============================================================================
    // What the keyboard and assistive technology must find, child by child in z-order.
    struct ExpectedChild
    {
        bool takesFocus;
        bool ignored;                    // hidden from assistive technology
        juce::AccessibilityRole role;
        const char* title;
    };

    const ExpectedChild expectedChildren[]
    {
        { false, true,  juce::AccessibilityRole::ignored,    "" },
        { false, true,  juce::AccessibilityRole::ignored,    "" },
        { false, true,  juce::AccessibilityRole::ignored,    "" },
        // The framework's role for a label that cannot be edited; UI Automation reports it
        // as a Text control, as it does static text.
        { false, false, juce::AccessibilityRole::label,      "OS : WINDOWS " },
        { true,  false, juce::AccessibilityRole::hyperlink,  "DAZEdiri" },
        { true,  false, juce::AccessibilityRole::hyperlink,  "LUMENO VST3" },
        { true,  false, juce::AccessibilityRole::hyperlink,  "KIRRATONE VST3" },
        { true,  false, juce::AccessibilityRole::hyperlink,  "DUNEGATE VST3" },
    };

    /** The panel as the window's content, shown. */
    struct ShownPanel
    {
        ShownPanel()
        {
            window.setContentNonOwned (&panel, true);
            window.setVisible (true);
        }

        GUI panel;
        juce::DocumentWindow window { "ShownPanel", juce::Colours::black, juce::DocumentWindow::closeButton };
    };
}

//==============================================================================
TEST (Accessibility, OnlyTheLinksTakeFocusAndThePlatesAreHiddenFromAssistiveTechnology)
{
    ShownPanel shown;
    auto& panel = shown.panel;

    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE (i);
        auto* child = panel.getChildComponent (i);
        auto* handler = child->getAccessibilityHandler();

        EXPECT_EQ (child->getWantsKeyboardFocus(), expectedChildren[i].takesFocus);
        EXPECT_EQ (handler == nullptr || handler->isIgnored(), expectedChildren[i].ignored);

        if (! expectedChildren[i].ignored)
        {
            ASSERT_NE (handler, nullptr);
            EXPECT_EQ (handler->getRole(), expectedChildren[i].role);
            EXPECT_EQ (handler->getTitle(), expectedChildren[i].title);
        }
    }

    ASSERT_NE (panel.getAccessibilityHandler(), nullptr);
    EXPECT_EQ (panel.getAccessibilityHandler()->getTitle(), "QYRDownloader");
}
