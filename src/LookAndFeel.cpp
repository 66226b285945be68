#include "LookAndFeel.h"

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
