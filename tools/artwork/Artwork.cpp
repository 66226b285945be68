#include "Artwork.h"
#include "SquareFace.h"

namespace
{
    constexpr int width = 600;
    constexpr int height = 300;
    constexpr int sidebarWidth = 162;

    const juce::Colour sidebarGround  { 0xff222222 };
    const juce::Colour mainGround     { 0xff333333 };
    const juce::Colour titleGrey      { 0xff6c6c6c };
    const juce::Colour titleWarmGrey  { 0xff848080 };
    const juce::Colour addressGrey    { 0xff696969 };
    const juce::Colour versionGrey    { 0xff494949 };
    const juce::Colour iconGrey       { 0xff525252 };

    //==============================================================================
    // The four lines of the square-cut face. Each style's widths and tracking are
    // chosen so that its line fills its span to the pixel.
    struct TextLine
    {
        const char* text;
        SquareFace::Style style;
        juce::Rectangle<int> box;
        juce::Colour colour;
    };

    const TextLine textLines[]
    {
        //                                       cap  let wide dot sp trk  x   r
        { "DAZEDIRI",                   { 10,  7,  11,  2, 9,  5,  1, 2.0f }, {  40,  16,  79, 10 }, titleGrey },
        { "DOWNLOADER",                 { 10,  6,  11,  2, 9,  3,  2, 1.5f }, {   4,  31, 157, 10 }, titleWarmGrey },
        { "WWW.DAZEDIRI.COM",           {  6,  5,   7,  2, 4,  2,  1, 1.0f }, {  31, 287, 104,  6 }, addressGrey },
        { "SELECT PRODUCT TO DOWNLOAD", { 10,  7,  11,  2, 9,  4,  1, 2.0f }, { 232, 253, 292, 10 }, titleGrey },
    };

    void drawTextLines (juce::Graphics& g)
    {
        for (auto& line : textLines)
        {
            // A change of glyph widths that no longer fills the span must not pass unseen.
            if (SquareFace::measure (line.text, line.style) != line.box.getWidth()
                 || line.style.capHeight != line.box.getHeight())
            {
                std::fprintf (stderr, "\"%s\" no longer fits its box\n", line.text);
                std::abort();
            }

            g.setColour (line.colour);
            SquareFace::drawText (g, line.text, line.style, line.box.getPosition());
        }
    }

    //==============================================================================
    // The version text, in a plain narrow sans-serif: x 365-390, y 275-284.
    void drawVersion (juce::Graphics& g)
    {
        constexpr float top = 275.0f, bottom = 285.0f;
        g.setColour (versionGrey);

        juce::Path v;
        v.startNewSubPath (365.0f, top);
        v.lineTo (366.2f, top);
        v.lineTo (368.0f, bottom - 1.6f);
        v.lineTo (369.8f, top);
        v.lineTo (371.0f, top);
        v.lineTo (368.6f, bottom);
        v.lineTo (367.4f, bottom);
        v.closeSubPath();
        g.fillPath (v);

        g.fillRect (378, 275, 1, 10);
        juce::Path flag;
        flag.startNewSubPath (378.0f, top);
        flag.lineTo (378.0f, top + 1.4f);
        flag.lineTo (376.3f, top + 2.6f);
        flag.lineTo (376.3f, top + 1.4f);
        flag.closeSubPath();
        g.fillPath (flag);

        g.fillRect (382, 284, 1, 1);

        g.drawRoundedRectangle ({ 385.5f, 275.5f, 5.0f, 9.0f }, 2.5f, 1.0f);
    }

    //==============================================================================
    // The download icon: a cloud outline open at the bottom, with a down arrow
    // running through the opening. x 308-456, y 77-206.
    //
    // Its shape is drawn as coverage into a mask first and blended onto the ground once, so
    // every edge pixel lies between the ground and the icon's grey. Painting the ground's
    // colour back over the grey would blend the ground onto itself at the inner edges, which
    // the framework's integer blending can leave one step darker than either.
    void drawDownloadIcon (juce::Image& image)
    {
        constexpr float stroke = 11.0f;
        constexpr float outerBottom = 170.0f;
        const juce::Rectangle<int> iconArea { 300, 70, 165, 145 };

        struct Lobe { float cx, cy, r; };
        const Lobe lobes[] { { 342.0f, 136.0f, 34.0f },    // left, touching x 308
                             { 385.0f, 127.0f, 50.0f },    // top, touching y 77
                             { 427.0f, 140.0f, 30.0f } };  // right, touching x 456

        // Each shape's coverage of the icon's area, 0 to 255.
        auto coverageOf = [&] (auto&& draw)
        {
            juce::Image mask (juce::Image::SingleChannel, iconArea.getWidth(), iconArea.getHeight(), true,
                              juce::SoftwareImageType());
            juce::Graphics g (mask);
            g.setOrigin (-iconArea.getPosition());
            g.setColour (juce::Colours::white);
            draw (g);
            return mask;
        };

        auto cloud = [&] (float inset, float bottom)
        {
            return coverageOf ([&] (juce::Graphics& g)
            {
                g.reduceClipRegion (juce::Rectangle<int> (0, 0, width, (int) bottom));
                juce::Path shape;

                for (auto& lobe : lobes)
                {
                    auto r = lobe.r - inset;
                    shape.addEllipse (lobe.cx - r, lobe.cy - r, r * 2.0f, r * 2.0f);
                }

                shape.addRectangle (lobes[0].cx, lobes[0].cy, lobes[2].cx - lobes[0].cx, bottom - lobes[0].cy);
                g.fillPath (shape);
            });
        };

        const auto outer = cloud (0.0f, outerBottom);
        auto hole = cloud (stroke, outerBottom - stroke);

        // The opening in the bottom stroke, x 363-401.
        juce::Graphics (hole).fillRect (juce::Rectangle<int> (363, (int) (outerBottom - stroke), 39, (int) stroke)
                                            - iconArea.getPosition());

        const auto arrow = coverageOf ([] (juce::Graphics& g)
        {
            g.fillRect (374, 134, 18, 46);

            juce::Path head;
            head.addTriangle (356.0f, 180.0f, 409.0f, 180.0f, 382.5f, 207.0f);
            g.fillPath (head);
        });

        for (int y = 0; y < iconArea.getHeight(); ++y)
        {
            for (int x = 0; x < iconArea.getWidth(); ++x)
            {
                auto alphaOf = [&] (const juce::Image& mask) { return (int) mask.getPixelAt (x, y).getAlpha(); };
                const auto ring = alphaOf (outer) * (255 - alphaOf (hole)) / 255;
                const auto alpha = std::max (ring, alphaOf (arrow));

                if (alpha > 0)
                    image.setPixelAt (iconArea.getX() + x, iconArea.getY() + y,
                                      mainGround.interpolatedWith (iconGrey, (float) alpha / 255.0f));
            }
        }
    }

    // The monogram, laid out on the badge's 35-unit grid around its centre: the maker's
    // initial under a headphone band, above a short grey bar.
    void drawMonogram (juce::Graphics& g, juce::Point<float> centre, float unit)
    {
        auto at = [&] (float x, float y) { return centre + juce::Point<float> (x, y) * unit; };
        g.setColour (juce::Colours::white);

        juce::Path band;
        band.addCentredArc (centre.x, at (0, -1.5f).y, 5.5f * unit, 5.5f * unit, 0.0f,
                            -juce::MathConstants<float>::halfPi, juce::MathConstants<float>::halfPi, true);
        g.strokePath (band, juce::PathStrokeType (1.2f * unit));

        g.fillRoundedRectangle (juce::Rectangle<float> (at (-6.5f, -1.5f), at (-4.0f, 3.0f)), 0.8f * unit);
        g.fillRoundedRectangle (juce::Rectangle<float> (at (4.0f, -1.5f), at (6.5f, 3.0f)), 0.8f * unit);

        juce::Path initial;
        auto d = juce::Rectangle<float> (at (-2.0f, -1.0f), at (2.5f, 4.5f));
        initial.startNewSubPath (d.getX(), d.getY());
        initial.lineTo (d.getCentreX(), d.getY());
        initial.quadraticTo (d.getRight(), d.getY(), d.getRight(), d.getCentreY());
        initial.quadraticTo (d.getRight(), d.getBottom(), d.getCentreX(), d.getBottom());
        initial.lineTo (d.getX(), d.getBottom());
        initial.closeSubPath();
        g.strokePath (initial, juce::PathStrokeType (1.1f * unit));

        g.setColour (juce::Colour (0xffa0a0a0));
        g.fillRect (juce::Rectangle<float> (at (-3.5f, 6.5f), at (3.5f, 7.5f)));
    }

    // At the smallest icon size the initial cannot be drawn legibly, so the band, its
    // ear cups and the bar are set on whole pixels of a 16-unit grid instead.
    void drawSmallMonogram (juce::Graphics& g, juce::Rectangle<float> area)
    {
        const auto u = juce::jmax (1, juce::roundToInt (area.getWidth() / 16.0f));
        auto cell = [&] (int x, int y, int w, int h)
        {
            return juce::Rectangle<int> (x * u, y * u, w * u, h * u) + area.getPosition().roundToInt();
        };

        g.setColour (juce::Colours::white);
        g.fillRect (cell (6, 4, 4, 1));
        g.fillRect (cell (5, 5, 1, 3));
        g.fillRect (cell (10, 5, 1, 3));
        g.fillRect (cell (4, 7, 2, 3));
        g.fillRect (cell (10, 7, 2, 3));

        g.setColour (juce::Colour (0xffa0a0a0));
        g.fillRect (cell (6, 11, 4, 1));
    }

    //==============================================================================
    // The maker's badge in a square area: a square turned 45 degrees with rounded
    // corners, a dark rim, a lighter face and a white monogram (the initial under a
    // headphone band) above a short grey bar.
    void drawBadge (juce::Graphics& g, juce::Rectangle<float> area, bool withShadow)
    {
        auto size = area.getWidth();
        auto centre = area.getCentre();
        auto unit = size / 35.0f;

        auto diamond = [&] (float inset)
        {
            // A rounded square whose turned extent, corner arcs included, fills the area.
            auto radius = 3.0f * unit;
            auto half = (size / 2.0f - inset - radius) / juce::MathConstants<float>::sqrt2 + radius;
            juce::Path p;
            p.addRoundedRectangle (-half, -half, half * 2.0f, half * 2.0f, radius);
            p.applyTransform (juce::AffineTransform::rotation (juce::MathConstants<float>::pi / 4.0f)
                                  .translated (centre));
            return p;
        };

        if (withShadow)
        {
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (area.withTop (centre.y).getSmallestIntegerContainer());
            g.setColour (juce::Colours::black.withAlpha (0.4f));
            g.fillPath (diamond (0.0f), juce::AffineTransform::translation (0.0f, 1.5f * unit));
        }

        g.setGradientFill ({ juce::Colour (0xff2c2c2c), centre.x, area.getY(),
                             juce::Colour (0xff0b0b0b), centre.x, area.getBottom(), false });
        g.fillPath (diamond (0.0f));

        g.setGradientFill ({ juce::Colour (0xff707070), centre.x, area.getY() + 2.0f * unit,
                             juce::Colour (0xff505050), centre.x, area.getBottom() - 2.0f * unit, false });
        g.fillPath (diamond (2.0f * unit));

        if (size < 24.0f)
            drawSmallMonogram (g, area);
        else
            drawMonogram (g, centre, unit);
    }
}

//==============================================================================
juce::Image Artwork::createBackground()
{
    juce::Image image (juce::Image::RGB, width, height, false, juce::SoftwareImageType());
    juce::Graphics g (image);

    g.setColour (sidebarGround);
    g.fillRect (0, 0, sidebarWidth, height);
    g.setColour (mainGround);
    g.fillRect (sidebarWidth, 0, width - sidebarWidth, height);

    drawTextLines (g);
    drawVersion (g);
    drawDownloadIcon (image);
    drawBadge (g, { 561.0f, 5.0f, 35.0f, 35.0f }, true);

    return image;
}

juce::Image Artwork::createIcon (int size)
{
    juce::Image image (juce::Image::ARGB, size, size, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    drawBadge (g, { 0.0f, 0.0f, (float) size, (float) size }, false);
    return image;
}
