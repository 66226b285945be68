#pragma once

#include <juce_graphics/juce_graphics.h>

//==============================================================================
/**
    The square-cut display face of the artwork: capitals built from strokes with
    radiused corners, drawn from the glyph table in SquareFace.cpp, so the picture
    needs no system font.

    Strokes run through pixel centres, so straight strokes land on whole pixels and
    only curves and diagonals are anti-aliased.
*/
struct SquareFace
{
    struct Style
    {
        int capHeight;        // rows of a capital
        int letterWidth;      // columns of an ordinary capital, before xScale
        int wideWidth;        // columns of M and W, before xScale
        int dotSize;          // side of the full stop's square
        int spaceWidth;       // columns of a word space
        int tracking;         // columns between two glyphs
        int xScale;           // 2 draws the extended face: 2-px stems, 1-px bars
        float cornerRadius;   // radius of a rounded corner, before xScale
    };

    /** The width in pixels that drawText gives the text. */
    static int measure (const juce::String& text, const Style& style);

    /** Draws the text from its top-left pixel in the current colour. */
    static void drawText (juce::Graphics& g, const juce::String& text, const Style& style,
                          juce::Point<int> topLeft);
};
