#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    What the main window needs from the platform's window system beyond what the
    framework does for it. Each platform has its own implementation file.
*/
class NativeWindowSupport
{
public:
    //==============================================================================
    /** Starts looking after the window, which must outlive this object. */
    explicit NativeWindowSupport (juce::ResizableWindow& window);
    ~NativeWindowSupport();

    /** Puts the window's pending first frame on screen now, rather than at the next refresh. */
    void showFirstFrame();

private:
    //==============================================================================
    class Pimpl;
    std::unique_ptr<Pimpl> pimpl;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NativeWindowSupport)
};
