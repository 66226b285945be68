#include "GUI.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    //==============================================================================
    // The program's faces: what each is called, where it comes from and what asks for it.
    struct ExpectedFace
    {
        const char* name;
        const char* committedFile;
        const char* sourceFont;
        juce::Font requestedAs;
    };

    const ExpectedFace expectedFaces[]
    {
        { "QYR Label", "assets/fonts/QYRLabel.typeface", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
          juce::Font ("Arial", 12.0f, juce::Font::plain).withTypefaceStyle ("Regular").withExtraKerningFactor (0.3f) },
        { "QYR Link", "assets/fonts/QYRLink.typeface", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
          juce::Font (14.0f, juce::Font::underlined) },
    };

    juce::Typeface::Ptr sourceTypeface (const ExpectedFace& face)
    {
        juce::MemoryBlock data;
        juce::File (face.sourceFont).loadFileAsData (data);
        return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
    }

    std::vector<float> layout (juce::Typeface& typeface, const juce::String& text)
    {
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        typeface.getGlyphPositions (text, glyphs, offsets);
        return { offsets.begin(), offsets.end() };
    }
}

//==============================================================================
TEST (Typefaces, TheCommittedFacesAreWhatTheConverterWrites)
{
    for (auto& face : expectedFaces)
    {
        SCOPED_TRACE (face.name);
        juce::TemporaryFile output;
        juce::ChildProcess converter;
        ASSERT_TRUE (converter.start (juce::StringArray { QYR_FONTS_TOOL, face.sourceFont, face.name,
                                                          output.getFile().getFullPathName() }));
        converter.waitForProcessToFinish (60000);
        ASSERT_EQ (converter.getExitCode(), 0u);

        juce::MemoryBlock written, committed;
        ASSERT_TRUE (output.getFile().loadFileAsData (written));
        ASSERT_TRUE (sourceFile (face.committedFile).loadFileAsData (committed));
        EXPECT_TRUE (written == committed) << face.committedFile << " is stale: rebuild the fonts target";
    }
}

TEST (Typefaces, TheProgramsFontsGetItsOwnFacesAndOthersTheFrameworks)
{
    for (auto& face : expectedFaces)
        EXPECT_EQ (face.requestedAs.getTypefacePtr()->getName(), face.name);

    // A style the program never asks for is the framework's business.
    const auto bold = juce::Font ("Arial", 12.0f, juce::Font::bold);
    EXPECT_NE (juce::LookAndFeel::getDefaultLookAndFeel().getTypefaceForFont (bold)->getName(), "QYR Label");
}

TEST (Typefaces, EachFaceDrawsAndSpacesTextAsItsSourceFontDoes)
{
    // Every ordered pair of printable ASCII characters, and a line of the other scripts.
    juce::StringArray samples { juce::String::fromUTF8 ("Zażółć gęślą jaźń – «Ærø» … €5 ™ Œuvre ſ") };

    for (juce::juce_wchar a = 0x21; a < 0x7f; ++a)
    {
        juce::String line;

        for (juce::juce_wchar b = 0x20; b < 0x7f; ++b)
            line << juce::String::charToString (a) << juce::String::charToString (b);

        samples.add (line);
    }

    for (auto& face : expectedFaces)
    {
        SCOPED_TRACE (face.name);
        const auto source = sourceTypeface (face);
        const auto embedded = face.requestedAs.getTypefacePtr();

        EXPECT_FLOAT_EQ (embedded->getAscent(), source->getAscent());
        EXPECT_FLOAT_EQ (embedded->getDescent(), source->getDescent());

        for (auto& sample : samples)
            EXPECT_EQ (layout (*embedded, sample), layout (*source, sample)) << sample;

        // Kerned, not just spaced by the characters' widths.
        EXPECT_NE (layout (*embedded, "AV")[1], layout (*embedded, "A")[1]);

        for (auto c : { 'A', 'g', 'W', '@', '&' })
        {
            juce::Path fromEmbedded, fromSource;
            embedded->getOutlineForGlyph (c, fromEmbedded);
            source->getOutlineForGlyph (c, fromSource);
            EXPECT_EQ (fromEmbedded.toString(), fromSource.toString()) << c;
        }
    }
}

TEST (Typefaces, ACharacterOutsideTheEmbeddedSetComesFromTheSystemsFonts)
{
    // A translation into Greek or Russian: the glyphs load from the system when first drawn.
    for (auto& face : expectedFaces)
    {
        for (auto c : { (juce::juce_wchar) 0x3b1, (juce::juce_wchar) 0x416 })
        {
            juce::Path outline;
            face.requestedAs.getTypefacePtr()->getOutlineForGlyph ((int) c, outline);
            EXPECT_FALSE (outline.isEmpty()) << face.name << " U+" << juce::String::toHexString ((int) c);
        }
    }
}

TEST (Typefaces, ALabelTranslatedIntoGreekAndRussianDrawsItsText)
{
    const juce::Rectangle<int> labelArea { 312, 8, 136, 27 };

    auto labelInk = [&] (const juce::String& translation)
    {
        juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings ("language: Test\n\"OS : WINDOWS \" = \""
                                                                                   + translation + "\"\n", false));
        GUI panel;
        juce::LocalisedStrings::setCurrentMappings (nullptr);

        const auto shot = snapshot (panel);
        int ink = 0;

        for (int y = labelArea.getY(); y < labelArea.getBottom(); ++y)
            for (int x = labelArea.getX(); x < labelArea.getRight(); ++x)
                ink += shot.getPixelAt (x, y).getBrightness() > 0.3f ? 1 : 0;

        return ink;
    };

    // As much ink as the same number of Latin capitals, not blank boxes or nothing.
    const auto latin = labelInk ("OS : LINUX ");
    const auto translated = labelInk (juce::String::fromUTF8 ("ΟΣ : ЛИНУКС "));

    EXPECT_GT (latin, 40);
    EXPECT_GT (translated, latin / 2);
}
