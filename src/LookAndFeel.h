#pragma once

#include "LinkButton.h"

//==============================================================================
/**
    The program's look: the framework's default look with the program's own embedded
    faces for its text, and the focus ring of the links. Installed as the default
    before any text is measured.
*/
class QYRLookAndFeel  : public juce::LookAndFeel_V4,
                        public LinkButton::LookAndFeelMethods
{
public:
    //==============================================================================
    QYRLookAndFeel();

    //==============================================================================
    /** The embedded face for the fonts the program uses, the framework's otherwise. */
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font&) override;
    void drawLinkFocusRing (juce::Graphics&, juce::HyperlinkButton&) override;

private:
    //==============================================================================
    juce::Typeface::Ptr labelFace, linkFace;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QYRLookAndFeel)
};
