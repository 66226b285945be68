#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    const juce::Colour sidebarGround { 0xff222222 };

    // Where the panel's controls lie; everywhere else the panel shows the artwork alone.
    const juce::Rectangle<int> controlBounds[]
    {
        { 6, 70, 150, 32 }, { 6, 128, 150, 32 }, { 6, 184, 150, 32 },
        { 312, 8, 136, 27 }, { 528, 272, 64, 16 },
    };

    bool underAControl (int x, int y)
    {
        for (auto& bounds : controlBounds)
            if (bounds.contains (x, y))
                return true;

        return false;
    }

    /** A software renderer that also records every picture composited through it. */
    struct RecordingRenderer  : public juce::LowLevelGraphicsSoftwareRenderer
    {
        using LowLevelGraphicsSoftwareRenderer::LowLevelGraphicsSoftwareRenderer;

        void drawImage (const juce::Image& image, const juce::AffineTransform& transform) override
        {
            drawn.push_back ({ image, transform });
            LowLevelGraphicsSoftwareRenderer::drawImage (image, transform);
        }

        std::vector<std::pair<juce::Image, juce::AffineTransform>> drawn;
    };

    std::vector<std::pair<juce::Image, juce::AffineTransform>> recordPaint (GUI& panel)
    {
        juce::Image canvas (juce::Image::ARGB, panel.getWidth(), panel.getHeight(), true);
        RecordingRenderer renderer (canvas);
        juce::Graphics g (renderer);
        panel.paint (g);
        return renderer.drawn;
    }
}

//==============================================================================
TEST (PanelPainting, ShowsTheArtworkPixelForPixelAroundTheControls)
{
    const auto artwork = loadPng (sourceFile ("assets/qyrdownloaderImageBg.png"));
    ASSERT_TRUE (artwork.isValid());

    GUI panel;
    const auto shot = snapshot (panel);
    int mismatches = 0;

    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 600; ++x)
            if (! underAControl (x, y) && shot.getPixelAt (x, y) != artwork.getPixelAt (x, y))
                ++mismatches;

    EXPECT_EQ (mismatches, 0);
}

TEST (PanelPainting, ControlsShowOverTheArtwork)
{
    GUI panel;
    const auto shot = snapshot (panel);

    // Left of each link, the plate's warm translucent tint over the dark sidebar.
    for (auto point : { juce::Point<int> (8, 86), { 8, 144 }, { 8, 200 } })
    {
        const auto plate = shot.getPixelAt (point.x, point.y);
        EXPECT_GT (plate.getRed(), plate.getBlue() + 40) << plate.toDisplayString (false);
        EXPECT_LT (plate.getRed(), 0xc4) << plate.toDisplayString (false);
    }
}

TEST (PanelPainting, DecodesTheArtworkOnceAndCompositesItUnscaled)
{
    GUI first;
    const auto firstDraws = recordPaint (first);
    ASSERT_EQ (firstDraws.size(), 1u);
    EXPECT_EQ (firstDraws[0].first.getBounds(), juce::Rectangle<int> (0, 0, 600, 300));
    EXPECT_TRUE (firstDraws[0].second.isIdentity());

    // Repaints and a second panel reuse the same decoded pixels.
    const auto repaintDraws = recordPaint (first);
    GUI second;
    const auto secondDraws = recordPaint (second);
    ASSERT_EQ (repaintDraws.size(), 1u);
    ASSERT_EQ (secondDraws.size(), 1u);
    EXPECT_EQ (repaintDraws[0].first.getPixelData(), firstDraws[0].first.getPixelData());
    EXPECT_EQ (secondDraws[0].first.getPixelData(), firstDraws[0].first.getPixelData());
}

TEST (PanelPainting, ALargerPanelKeepsPictureAndControlsInTheirPlace)
{
    const auto artwork = loadPng (sourceFile ("assets/qyrdownloaderImageBg.png"));
    GUI panel;

    std::vector<juce::Rectangle<int>> before;

    for (auto* child : panel.getChildren())
        before.push_back (child->getBounds());

    panel.setSize (800, 450);
    const auto shot = snapshot (panel);

    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ (panel.getChildComponent ((int) i)->getBounds(), before[i]);

    int wrongInside = 0, wrongOutside = 0;

    for (int y = 0; y < 450; ++y)
    {
        for (int x = 0; x < 800; ++x)
        {
            if (x < 600 && y < 300)
                wrongInside += (! underAControl (x, y) && shot.getPixelAt (x, y) != artwork.getPixelAt (x, y)) ? 1 : 0;
            else
                wrongOutside += shot.getPixelAt (x, y) != sidebarGround ? 1 : 0;
        }
    }

    EXPECT_EQ (wrongInside, 0);
    EXPECT_EQ (wrongOutside, 0);
}
