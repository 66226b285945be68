#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    Hands an address to the user's default web browser, as the framework's
    URL::launchInDefaultBrowser does, and leaves nothing behind once the hand-off
    has finished. Returns false if the hand-off could not be started.
*/
bool openInDefaultBrowser (const juce::URL& url);

//==============================================================================
/**
    A hyperlink that opens its address through openInDefaultBrowser(). Everything
    else about it is the framework's HyperlinkButton.
*/
class LinkButton  : public juce::HyperlinkButton
{
public:
    //==============================================================================
    using HyperlinkButton::HyperlinkButton;

    //==============================================================================
    void clicked() override;

private:
    //==============================================================================
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LinkButton)
};
