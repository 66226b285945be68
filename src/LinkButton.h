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
    A hyperlink that opens its address through openInDefaultBrowser(), on a click or
    on Return or space while it has the keyboard focus. While that focus came from
    the keyboard, its LookAndFeel draws a focus ring around it. Everything else about
    it is the framework's HyperlinkButton.
*/
class LinkButton  : public juce::HyperlinkButton
{
public:
    //==============================================================================
    using HyperlinkButton::HyperlinkButton;

    /** Whether the focus ring is showing: the link has the keyboard focus, and it came
        from the keyboard. A press elsewhere in the panel takes the focus away. */
    bool isShowingFocusRing() const noexcept    { return showingFocusRing; }

    //==============================================================================
    /** What a LookAndFeel implements to draw the ring. */
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawLinkFocusRing (juce::Graphics&, juce::HyperlinkButton&) = 0;
    };

    //==============================================================================
    void clicked() override;
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    bool keyPressed (const juce::KeyPress&) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;

private:
    //==============================================================================
    void showFocusRing (bool shouldShow);

    bool showingFocusRing = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LinkButton)
};
