#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    The download panel: the main window's only content.

    It paints the embedded background artwork and owns the eight controls on it.
    Member order is z-order, first at the bottom: each product link lies in front
    of the semi-transparent backing button under it and takes the clicks within
    its own bounds.
*/
class GUI  : public juce::Component,
             public juce::Button::Listener
{
public:
    //==============================================================================
    GUI();
    ~GUI() override;

    //==============================================================================
    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    //==============================================================================
    std::unique_ptr<juce::TextButton> backingButton1;
    std::unique_ptr<juce::TextButton> backingButton2;
    std::unique_ptr<juce::TextButton> backingButton3;
    std::unique_ptr<juce::Label> osLabel;
    std::unique_ptr<juce::HyperlinkButton> makerLink;
    std::unique_ptr<juce::HyperlinkButton> productLink1;
    std::unique_ptr<juce::HyperlinkButton> productLink2;
    std::unique_ptr<juce::HyperlinkButton> productLink3;
    juce::Image backgroundImage;

    //==============================================================================
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GUI)
};
