#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
    // What the program can show: ASCII, Latin-1, Latin Extended-A and the common punctuation
    // (dashes, quotes, bullet, ellipsis, per mille, angle quotes, euro, trade mark).
    juce::Array<juce::juce_wchar> charactersToEmbed()
    {
        juce::Array<juce::juce_wchar> characters;

        for (auto [first, last] : { std::pair (0x20, 0x7e), std::pair (0xa0, 0x17f), std::pair (0x2010, 0x2027),
                                    std::pair (0x2030, 0x2030), std::pair (0x2039, 0x203a), std::pair (0x20ac, 0x20ac),
                                    std::pair (0x2122, 0x2122) })
            for (auto c = first; c <= last; ++c)
                characters.add ((juce::juce_wchar) c);

        return characters;
    }

    struct SourceGlyph
    {
        int index = -1;
        float width = 0;
    };

    SourceGlyph glyphOf (juce::Typeface& source, juce::juce_wchar c)
    {
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        source.getGlyphPositions (juce::String::charToString (c), glyphs, offsets);
        return glyphs.isEmpty() ? SourceGlyph() : SourceGlyph { glyphs.getFirst(), offsets[1] };
    }

    /** Copies the characters the source has, with the kerning of every ordered pair among
        them: the framework's own copy keeps only the pairs whose second character came first. */
    std::unique_ptr<juce::CustomTypeface> convert (juce::Typeface& source, const juce::String& name)
    {
        auto result = std::make_unique<juce::CustomTypeface>();
        result->setCharacteristics (name, "Regular", source.getAscent(), L' ');

        // A character the source lacks comes out as its missing-glyph shape.
        juce::Path missing;
        source.getOutlineForGlyph (glyphOf (source, 0xe000).index, missing);

        juce::Array<juce::juce_wchar> embedded;

        for (auto c : charactersToEmbed())
        {
            const auto glyph = glyphOf (source, c);
            juce::Path outline;

            if (glyph.index < 0 || ! source.getOutlineForGlyph (glyph.index, outline)
                 || (outline.toString() == missing.toString() && ! juce::CharacterFunctions::isWhitespace (c)))
                continue;

            result->addGlyph (c, outline, glyph.width);
            embedded.add (c);
        }

        for (auto first : embedded)
        {
            const auto firstWidth = glyphOf (source, first).width;

            for (auto second : embedded)
            {
                juce::Array<int> glyphs;
                juce::Array<float> offsets;
                source.getGlyphPositions (juce::String::charToString (first) + juce::String::charToString (second), glyphs, offsets);

                if (const auto kerning = offsets[1] - firstWidth; kerning != 0.0f)
                    result->addKerningPair (first, second, kerning);
            }
        }

        return result;
    }
}

//==============================================================================
/*  Converts a free font into the framework's own typeface format for embedding:

        qyr_fonts <font.ttf> <name> <output>

    The output is a subset of the font under a name of the program's own, as the font's
    licence asks of a modified version.
*/
int main (int argc, char* argv[])
{
    const juce::ScopedJuceInitialiser_GUI framework;

    if (argc != 4)
    {
        std::fprintf (stderr, "usage: qyr_fonts <font.ttf> <name> <output>\n");
        return 2;
    }

    juce::MemoryBlock fontData;

    if (! juce::File (argv[1]).loadFileAsData (fontData))
    {
        std::fprintf (stderr, "cannot read %s\n", argv[1]);
        return 1;
    }

    const auto source = juce::Typeface::createSystemTypefaceFor (fontData.getData(), fontData.getSize());
    const auto typeface = convert (*source, argv[2]);

    const juce::File output (argv[3]);
    output.deleteFile();
    juce::FileOutputStream out (output);

    if (! out.openedOk() || ! typeface->writeToStream (out))
    {
        std::fprintf (stderr, "cannot write %s\n", argv[3]);
        return 1;
    }

    return 0;
}
