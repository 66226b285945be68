#include "SquareFace.h"

namespace
{
    enum class Width { narrow, normal, wide };

    //==============================================================================
    /*  Each glyph is a list of strokes on a 5 x 5 grid of nodes, 0-4 across and
        0-4 down, mapped onto the glyph's box at draw time. A stroke is written as
        nodes "xy"; a trailing 'r' rounds the corner at that node and "z" closes
        the stroke back to its first node.
    */
    struct Glyph
    {
        juce::juce_wchar character;
        Width width;
        std::vector<const char*> strokes;
    };

    const Glyph glyphTable[]
    {
        { 'A', Width::normal, { "04 00r 40r 44", "02 42" } },
        { 'C', Width::normal, { "40 00r 04r 44" } },
        { 'D', Width::normal, { "00 40r 44r 04 z" } },
        { 'E', Width::normal, { "40 00 04 44", "02 32" } },
        { 'I', Width::narrow, { "00 04" } },
        { 'L', Width::normal, { "00 04 44" } },
        { 'M', Width::wide,   { "04 00 22 40 44" } },
        { 'N', Width::normal, { "04 00 44 40" } },
        { 'O', Width::normal, { "00r 40r 44r 04r z" } },
        { 'P', Width::normal, { "04 00 40r 42r 02" } },
        { 'R', Width::normal, { "04 00 40r 42r 02", "22 44" } },
        { 'S', Width::normal, { "40 00r 02r 42r 44r 04" } },
        { 'T', Width::normal, { "00 40", "20 24" } },
        { 'U', Width::normal, { "00 04r 44r 40" } },
        { 'W', Width::wide,   { "00 04 21 44 40" } },
        { 'Z', Width::normal, { "00 40 04 44" } },
    };

    const Glyph* findGlyph (juce::juce_wchar c)
    {
        for (auto& glyph : glyphTable)
            if (glyph.character == c)
                return &glyph;

        return nullptr;
    }

    int columnsOf (juce::juce_wchar c, const SquareFace::Style& style)
    {
        if (c == ' ')  return style.spaceWidth;
        if (c == '.')  return style.dotSize;

        auto* glyph = findGlyph (c);
        jassert (glyph != nullptr);

        switch (glyph->width)
        {
            case Width::narrow: return style.xScale;
            case Width::normal: return style.letterWidth * style.xScale;
            case Width::wide:   return style.wideWidth * style.xScale;
        }

        return 0;
    }

    // Maps a grid node to a pixel offset so that the map is symmetric about the centre.
    float nodeOffset (int node, int span)
    {
        return (float) (node <= 2 ? (node * span) / 4
                                  : span - ((4 - node) * span) / 4);
    }

    struct Node
    {
        juce::Point<float> position;
        bool rounded;
    };

    // Adds a polyline whose marked corners are replaced by quadratic curves.
    void addRoundedPolyline (juce::Path& path, const std::vector<Node>& nodes, bool closed, float radius)
    {
        auto count = (int) nodes.size();

        auto cornerPoints = [&] (int i)
        {
            auto& here = nodes[(size_t) ((i + count) % count)];
            auto& before = nodes[(size_t) ((i - 1 + count) % count)];
            auto& after = nodes[(size_t) ((i + 1) % count)];
            auto r1 = juce::jmin (radius, here.position.getDistanceFrom (before.position) / 2.0f);
            auto r2 = juce::jmin (radius, here.position.getDistanceFrom (after.position) / 2.0f);
            auto in  = here.position + (before.position - here.position) / here.position.getDistanceFrom (before.position) * r1;
            auto out = here.position + (after.position - here.position) / here.position.getDistanceFrom (after.position) * r2;
            return std::make_pair (in, out);
        };

        auto isRoundedCorner = [&] (int i)
        {
            return nodes[(size_t) i].rounded && (closed || (i > 0 && i < count - 1));
        };

        if (closed && isRoundedCorner (0))
            path.startNewSubPath (cornerPoints (0).second);
        else
            path.startNewSubPath (nodes.front().position);

        for (int i = 1; i < count; ++i)
        {
            if (isRoundedCorner (i))
            {
                auto [in, out] = cornerPoints (i);
                path.lineTo (in);
                path.quadraticTo (nodes[(size_t) i].position, out);
            }
            else
            {
                path.lineTo (nodes[(size_t) i].position);
            }
        }

        if (closed)
        {
            if (isRoundedCorner (0))
            {
                auto [in, out] = cornerPoints (0);
                path.lineTo (in);
                path.quadraticTo (nodes.front().position, out);
            }

            path.closeSubPath();
        }
    }

    void drawGlyph (juce::Graphics& g, const Glyph& glyph, const SquareFace::Style& style,
                    juce::Rectangle<int> box)
    {
        // Strokes are built in the unscaled design space, one unit per column, so that
        // the extended face's stems come out xScale pixels wide and its bars one.
        auto scale = (float) style.xScale;
        auto spanX = box.getWidth() - style.xScale;
        auto spanY = box.getHeight() - 1;

        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (box);

        for (auto* stroke : glyph.strokes)
        {
            std::vector<Node> nodes;
            bool closed = false;

            for (auto& token : juce::StringArray::fromTokens (stroke, " ", {}))
            {
                if (token == "z")
                {
                    closed = true;
                    continue;
                }

                auto x = (float) box.getX() + nodeOffset (token[0] - '0', spanX) + scale / 2.0f;
                auto y = (float) box.getY() + nodeOffset (token[1] - '0', spanY) + 0.5f;
                nodes.push_back ({ { x / scale, y }, token.endsWithChar ('r') });
            }

            juce::Path centreLine;
            addRoundedPolyline (centreLine, nodes, closed, style.cornerRadius);

            juce::Path outline;
            juce::PathStrokeType (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::square)
                .createStrokedPath (outline, centreLine);

            g.fillPath (outline, juce::AffineTransform::scale (scale, 1.0f));
        }
    }
}

//==============================================================================
int SquareFace::measure (const juce::String& text, const Style& style)
{
    int width = 0;

    for (auto c : text)
        width += columnsOf (c, style);

    return width + style.tracking * juce::jmax (0, text.length() - 1);
}

void SquareFace::drawText (juce::Graphics& g, const juce::String& text, const Style& style,
                           juce::Point<int> topLeft)
{
    auto x = topLeft.x;

    for (auto c : text)
    {
        auto columns = columnsOf (c, style);

        if (c == '.')
            g.fillRect (x, topLeft.y + style.capHeight - style.dotSize, style.dotSize, style.dotSize);
        else if (c != ' ')
            drawGlyph (g, *findGlyph (c), style, { x, topLeft.y, columns, style.capHeight });

        x += columns + style.tracking;
    }
}
