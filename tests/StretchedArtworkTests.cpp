// Built around a QYR_FIXTURE_WIDTH x QYR_FIXTURE_HEIGHT picture of four flat quadrants
// (red, lime / blue, yellow) in place of the artwork.
#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

TEST (StretchedArtwork, FillsExactly600By300ScaledOnEachAxisAlone)
{
    static_assert (QYR_FIXTURE_WIDTH <= 600 && QYR_FIXTURE_HEIGHT <= 300);

    GUI panel;
    panel.setSize (700, 400);
    panel.setVisible (true);
    const auto shot = snapshot (panel);

    // Stretched, the quadrants meet at the panel's (300, 150) whatever the picture's size,
    // and the picture reaches the corners of 600 x 300 without cropping or bars.
    const std::pair<juce::Point<int>, juce::Colour> expected[]
    {
        { { 2, 2 },     juce::Colours::red },    { { 296, 146 }, juce::Colours::red },
        { { 304, 2 },   juce::Colours::lime },   { { 597, 146 }, juce::Colours::lime },
        { { 296, 154 }, juce::Colours::blue },   { { 2, 297 },   juce::Colours::blue },
        { { 304, 154 }, juce::Colours::yellow }, { { 597, 297 }, juce::Colours::yellow },
        { { 650, 100 }, juce::Colour (0xff222222) }, { { 300, 350 }, juce::Colour (0xff222222) },
    };

    for (auto [point, colour] : expected)
    {
        // Keep clear of the controls, which draw over the picture.
        ASSERT_EQ (panel.getComponentAt (point), &panel) << point.toString();
        EXPECT_EQ (shot.getPixelAt (point.x, point.y), colour) << point.toString();
    }
}
