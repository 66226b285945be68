#pragma once

#include "LinkButton.h"

//==============================================================================
/**
    The program's look: the framework's default look, plus the focus ring of the
    links. Installed as the default before any window is built.
*/
class QYRLookAndFeel  : public juce::LookAndFeel_V4,
                        public LinkButton::LookAndFeelMethods
{
public:
    //==============================================================================
    QYRLookAndFeel() = default;

    //==============================================================================
    void drawLinkFocusRing (juce::Graphics&, juce::HyperlinkButton&) override;

private:
    //==============================================================================
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QYRLookAndFeel)
};
