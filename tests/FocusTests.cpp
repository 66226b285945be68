#include "GUI.h"
#include "LinkButton.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    // Reading order: the three products top to bottom, then the maker, as child indices.
    const int expectedFocusOrder[] { 5, 6, 7, 4 };

    LinkButton& linkAt (GUI& panel, int child)    { return dynamic_cast<LinkButton&> (*panel.getChildComponent (child)); }

    /** The pixels that differ between two pictures of the panel. */
    std::vector<juce::Point<int>> differences (const juce::Image& a, const juce::Image& b)
    {
        std::vector<juce::Point<int>> points;

        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    points.emplace_back (x, y);

        return points;
    }
}

//==============================================================================
TEST (Focus, TheFrameworksTraverserGoesRoundTheLinksInReadingOrder)
{
    GUI panel;
    const auto order = panel.createKeyboardFocusTraverser()->getAllComponents (&panel);

    ASSERT_EQ (order.size(), std::size (expectedFocusOrder));

    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ (order[i], panel.getChildComponent (expectedFocusOrder[i])) << i;

    EXPECT_TRUE (panel.isKeyboardFocusContainer());
}

TEST (Focus, ARingShowsOnlyWhileTheKeyboardBroughtTheFocus)
{
    GUI panel;
    const auto unfocused = snapshot (panel);

    for (int child = 4; child < 8; ++child)
    {
        auto& link = linkAt (panel, child);
        SCOPED_TRACE (link.getButtonText());
        const auto linkColour = link.findColour (juce::HyperlinkButton::textColourId);

        // A click or a direct grab shows no ring.
        for (auto cause : { juce::Component::focusChangedByMouseClick, juce::Component::focusChangedDirectly })
        {
            link.focusGained (cause);
            EXPECT_FALSE (link.isShowingFocusRing());
            EXPECT_TRUE (differences (unfocused, snapshot (panel)).empty());
            link.focusLost (cause);
        }

        link.focusGained (juce::Component::focusChangedByTabKey);
        EXPECT_TRUE (link.isShowingFocusRing());
        const auto ring = differences (unfocused, snapshot (panel));

        // A closed outline around the text: it changes pixels on all four sides of the
        // text's ink, all inside the link, and its brightest pixels are the link's colour.
        ASSERT_FALSE (ring.empty());
        juce::Rectangle<int> ringBox (ring.front(), ring.front());
        int inLinkColour = 0;

        for (auto p : ring)
        {
            EXPECT_TRUE (link.getBounds().contains (p)) << p.toString();
            ringBox = ringBox.getUnion ({ p.x, p.y, 1, 1 });
            inLinkColour += snapshot (panel).getPixelAt (p.x, p.y) == linkColour ? 1 : 0;
        }

        EXPECT_GT (inLinkColour, (int) ring.size() / 2);
        EXPECT_GE (ringBox.getWidth(), 40);
        EXPECT_GE (ringBox.getHeight(), 12);

        link.focusLost (juce::Component::focusChangedByTabKey);
        EXPECT_FALSE (link.isShowingFocusRing());
        EXPECT_TRUE (differences (unfocused, snapshot (panel)).empty());
    }
}
