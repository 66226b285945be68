#include "LookAndFeel.h"

// Define QYRLabel_typeface and QYRLink_typeface, generated at build time from assets/fonts.
#include "QYRLabelTypeface.h"
#include "QYRLinkTypeface.h"

namespace
{
    /*  A face embedded in the program: no font file is read and nothing depends on the
        fonts a machine has. A character outside the embedded set comes from the framework's
        fallback face, the system's, so only a program that shows one pays for the framework's
        scan of the font folders.
    */
    template <size_t size>
    juce::Typeface::Ptr loadEmbedded (const unsigned char (&data)[size])
    {
        juce::MemoryInputStream stream (data, size, false);
        return new juce::CustomTypeface (stream);
    }
}

//==============================================================================
QYRLookAndFeel::QYRLookAndFeel()
    : labelFace (loadEmbedded (QYRLabel_typeface)),
      linkFace (loadEmbedded (QYRLink_typeface))
{
}

// "Arial", which the label asks for, gets a face with Arial's metrics. The framework's default
// sans, which the links use, gets DejaVu Sans's shapes: what the framework finds on a fresh
// machine here, and the free face nearest to Verdana, its default sans on Windows.
juce::Typeface::Ptr QYRLookAndFeel::getTypefaceForFont (const juce::Font& font)
{
    if (font.getTypefaceStyle() == "Regular")
    {
        if (font.getTypefaceName() == "Arial")
            return labelFace;

        if (font.getTypefaceName() == juce::Font::getDefaultSansSerifFontName())
            return linkFace;
    }

    return LookAndFeel_V4::getTypefaceForFont (font);
}

/*  A 1-px rounded outline in the link's own colour, a few pixels outside its text, so
    that it reads as part of the link on both the plates and the dark ground. The links
    keep the framework's default hyperlink font, which is 0.7 of the link's height and
    centred in its bounds less a pixel each side.
*/
void QYRLookAndFeel::drawLinkFocusRing (juce::Graphics& g, juce::HyperlinkButton& link)
{
    const auto font = juce::Font (14.0f, juce::Font::underlined).withHeight ((float) link.getHeight() * 0.7f);
    const auto textWidth = (int) std::ceil (font.getStringWidthFloat (link.getButtonText()));
    const auto textHeight = (int) std::ceil (font.getHeight());

    const auto ring = link.getLocalBounds().reduced (1, 0)
                          .withSizeKeepingCentre (textWidth + 8, textHeight + 4)
                          .getIntersection (link.getLocalBounds());

    g.setColour (link.findColour (juce::HyperlinkButton::textColourId));
    g.drawRoundedRectangle (ring.toFloat().reduced (0.5f), 3.0f, 1.0f);
}
