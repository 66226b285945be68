// Built around a truncated PNG in place of the artwork.
#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

TEST (UndecodableArtwork, PanelShowsTheSidebarGroundUnderItsControls)
{
    GUI panel;
    ASSERT_EQ (panel.getNumChildComponents(), 8);

    const auto shot = snapshot (panel);

    for (auto point : { juce::Point<int> (0, 0), { 300, 150 }, { 599, 0 }, { 599, 299 }, { 380, 120 }, { 578, 22 } })
        EXPECT_EQ (shot.getPixelAt (point.x, point.y), juce::Colour (0xff222222)) << point.toString();

    // The controls still draw over the plain ground.
    const auto plate = shot.getPixelAt (8, 86);
    EXPECT_GT (plate.getRed(), plate.getBlue() + 40);
}
